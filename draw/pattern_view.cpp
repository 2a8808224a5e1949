#include "draw/pattern_view.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

double Radians(double degrees) { return degrees * kPi / 180.0; }

// The sector's edges lie at these angles (cairo's convention: from the x
// axis, clockwise on paper), symmetric about straight up.
double StartAngle(const SectionDevelopment& s) {
  return -kPi / 2.0 - Radians(s.sweepDegrees) / 2.0;
}
double EndAngle(const SectionDevelopment& s) { return -kPi / 2.0 + Radians(s.sweepDegrees) / 2.0; }

std::vector<std::string> Figures(const SectionDevelopment& s, double thickness) {
  std::vector<std::string> lines;
  if (s.startLabel == s.endLabel) {
    lines.push_back(s.name + ": " + std::string(s.startLabel) + " " + Figure(s.startDiameter) +
                    " over " + std::string(s.lengthLabel) + " " + Figure(s.length));
  } else {
    lines.push_back(s.name + ": " + std::string(s.startLabel) + " " + Figure(s.startDiameter) +
                    " to " + std::string(s.endLabel) + " " + Figure(s.endDiameter) + " over " +
                    std::string(s.lengthLabel) + " " + Figure(s.length));
  }
  if (s.kind == SectionKind::kCone) {
    lines.push_back("R " + Figure(s.outerRadius) + "   r " + Figure(s.innerRadius) + "   sweep " +
                    Figure(s.sweepDegrees) + "\u00b0");
    lines.push_back("slant " + Figure(s.slantLength) + "   cone angle " + Figure(s.includedAngle) +
                    "\u00b0");
  } else {
    lines.push_back("circumference " + Figure(s.circumference) + " \u00d7 length " +
                    Figure(s.length));
  }
  if (thickness > 0.0) {
    lines.push_back("sheet " + Figure(thickness) + ": developed at mid-surface \u00d8 " +
                    Figure(s.smallDiameter) +
                    (s.kind == SectionKind::kCone ? " to " + Figure(s.largeDiameter) : ""));
  }
  return lines;
}

double LineHeight(double text) { return text * 1.5; }

}  // namespace

PatternView::PatternView(const SectionDevelopment& section, double sheetThickness, double textSize)
    : section_(section), text_(textSize), lines_(Figures(section, sheetThickness)) {
  if (section.kind == SectionKind::kCone) {
    MeasureCone();
  } else {
    MeasurePipe();
  }
  width_ = outlineWidth_;
  for (const std::string& line : lines_) {
    width_ = std::max(width_, Sketch::TextWidth(line, text_));
  }
  height_ = outlineHeight_ + 2.0 + LineHeight(text_) * static_cast<double>(lines_.size());
}

void PatternView::MeasureCone() {
  // Sample both arcs finely, and add the arcs' extreme points, to find the
  // box round the sector with the apex at (0, 0).
  const double a0 = StartAngle(section_);
  const double a1 = EndAngle(section_);
  double minX = std::numeric_limits<double>::max(), minY = minX;
  double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
  auto take = [&](double angle) {
    for (double radius : {section_.innerRadius, section_.outerRadius}) {
      const double x = radius * std::cos(angle), y = radius * std::sin(angle);
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
  };
  constexpr int kSteps = 720;
  for (int i = 0; i <= kSteps; ++i) take(a0 + (a1 - a0) * i / kSteps);
  for (double extreme = -2.0 * kPi; extreme <= 2.0 * kPi; extreme += kPi / 2.0) {
    if (extreme > a0 && extreme < a1) take(extreme);
  }
  outlineWidth_ = maxX - minX;
  outlineHeight_ = maxY - minY;
  apex_ = {-minX, -minY};
}

void PatternView::MeasurePipe() {
  outlineWidth_ = section_.circumference;
  outlineHeight_ = section_.length;
}

void PatternView::Draw(Sketch& sketch, Point topLeft) const {
  const Point origin{topLeft.x + (width_ - outlineWidth_) / 2.0, topLeft.y};
  if (section_.kind == SectionKind::kCone) {
    DrawCone(sketch, origin);
  } else {
    DrawPipe(sketch, origin);
  }
  double y = topLeft.y + outlineHeight_ + 2.0;
  for (const std::string& line : lines_) {
    y += LineHeight(text_);
    sketch.Text({topLeft.x + width_ / 2.0, y - LineHeight(text_) * 0.3}, line, text_,
                Align::kCentre);
  }
}

void PatternView::DrawCone(Sketch& sketch, Point origin) const {
  cairo_t* cairo = sketch.Cairo();
  const Point apex{origin.x + apex_.x, origin.y + apex_.y};
  const double a0 = StartAngle(section_), a1 = EndAngle(section_);
  const double r = section_.innerRadius, R = section_.outerRadius;
  sketch.SetInk(Ink::kCut);
  cairo_move_to(cairo, apex.x + r * std::cos(a0), apex.y + r * std::sin(a0));
  cairo_arc(cairo, apex.x, apex.y, R, a0, a1);
  cairo_arc_negative(cairo, apex.x, apex.y, r, a1, a0);
  cairo_close_path(cairo);
  cairo_stroke(cairo);
  // The centre line, from the inner to the outer arc, towards the apex.
  sketch.SetInk(Ink::kGuide);
  sketch.Line({apex.x, apex.y - r}, {apex.x, apex.y - R});
  const double middle = (R + r) / 2.0;
  const double halfChord =
      middle * std::sin(std::min(Radians(section_.sweepDegrees) / 2.0, kPi / 2.0));
  DrawName(sketch, {apex.x, apex.y - middle}, halfChord, R - r);
}

void PatternView::DrawPipe(Sketch& sketch, Point origin) const {
  cairo_t* cairo = sketch.Cairo();
  sketch.SetInk(Ink::kCut);
  cairo_rectangle(cairo, origin.x, origin.y, outlineWidth_, outlineHeight_);
  cairo_stroke(cairo);
  sketch.SetInk(Ink::kGuide);
  const double middle = origin.x + outlineWidth_ / 2.0;
  sketch.Line({middle, origin.y}, {middle, origin.y + outlineHeight_});
  DrawName(sketch, {middle, origin.y + outlineHeight_ / 2.0}, outlineWidth_ / 2.0, outlineHeight_);
}

// The name inside the outline, so that a cut-out piece still says what it
// is; left out when it would not fit in `room` mm right of the centre line
// and `height` mm.
void PatternView::DrawName(Sketch& sketch, Point centre, double room, double height) const {
  const double width = Sketch::TextWidth(section_.name, text_);
  if (width + 3.0 > room || text_ * 3.0 > height) return;
  sketch.Text({centre.x + 1.0, centre.y - 1.0}, section_.name, text_);
  sketch.Text(
      {centre.x + 1.0, centre.y + text_ + 0.5},
      std::string(section_.startLabel) + " " +
          (section_.startLabel == section_.endLabel ? std::string()
                                                    : "\u2192 " + std::string(section_.endLabel)),
      text_ * 0.8);
}
