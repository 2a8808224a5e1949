#include "draw/profile_view.h"

#include <algorithm>

#include "draw/label_rows.h"

namespace {

constexpr const char* kLengthNames[] = {"L01", "L12", "L23", "L34", "L45", "L56", "L67"};

double RowHeight(double text) { return text * 1.3 + 2.5; }

}  // namespace

ProfileView::ProfileView(const ChamberDesign& design, double scale, double textSize)
    : scale_(scale), text_(textSize) {
  diameters_ = {design.D0, design.D1, design.D2, design.D3,
                design.D4, design.D5, design.D6, design.D7};
  lengths_ = {design.L01, design.L12, design.L23, design.L34, design.L45, design.L56, design.L67};
  for (std::size_t i = 0; i < lengths_.size(); ++i) stations_[i + 1] = stations_[i] + lengths_[i];
  totalLength_ = design.TotalLength();
  for (int i = 0; i < 8; ++i) maxHalf_ = std::max(maxHalf_, HalfHeight(i));
  width_ = X(7);
  PlaceDiameterLabels();
  PlaceLengthLabels();
  const double above = diameterRows_ * (labelLength_ + 3.0);
  axisY_ = above + maxHalf_;
  lengthsTop_ = axisY_ + maxHalf_ + 2.0;
  height_ = lengthsTop_ + (lengthRows_ + 1) * RowHeight(text_);
}

void ProfileView::PlaceDiameterLabels() {
  LabelRows rows(0.8);
  for (int i = 0; i < 8; ++i) {
    Label label{"D" + std::to_string(i) + " " + Figure(diameters_[i]), X(i), 0};
    labelLength_ = std::max(labelLength_, Sketch::TextWidth(label.text, text_));
    label.x = std::clamp(label.x, text_ / 2.0, width_ - text_ / 2.0);
    label.row = rows.Place(label.x - text_ / 2.0, label.x + text_ / 2.0);
    diameterLabels_.push_back(label);
  }
  diameterRows_ = rows.RowCount();
}

void ProfileView::PlaceLengthLabels() {
  LabelRows rows(2.0);
  for (int i = 0; i < 7; ++i) {
    Label label{std::string(kLengthNames[i]) + " " + Figure(lengths_[i]), 0.0, 0};
    const double textWidth = Sketch::TextWidth(label.text, text_);
    const double centre = (X(i) + X(i + 1)) / 2.0;
    label.x = std::clamp(centre - textWidth / 2.0, 0.0, std::max(0.0, width_ - textWidth));
    // The dimension line spans the section; the label must not run over
    // another one's line in the same row.
    label.row = rows.Place(std::min(label.x, X(i)), std::max(label.x + textWidth, X(i + 1)));
    lengthLabels_.push_back(label);
  }
  lengthRows_ = rows.RowCount();
}

void ProfileView::Draw(Sketch& sketch, Point topLeft) const {
  DrawOutline(sketch, topLeft);
  DrawDiameters(sketch, topLeft);
  DrawLengths(sketch, topLeft);
}

void ProfileView::DrawOutline(Sketch& sketch, Point origin) const {
  cairo_t* cairo = sketch.Cairo();
  const double axis = origin.y + axisY_;
  sketch.SetInk(Ink::kGuide);
  sketch.Line({origin.x - 3.0, axis}, {origin.x + width_ + 3.0, axis});
  sketch.SetInk(Ink::kOutline);
  cairo_move_to(cairo, origin.x + X(0), axis - HalfHeight(0));
  for (int i = 1; i < 8; ++i) cairo_line_to(cairo, origin.x + X(i), axis - HalfHeight(i));
  for (int i = 7; i >= 0; --i) cairo_line_to(cairo, origin.x + X(i), axis + HalfHeight(i));
  cairo_close_path(cairo);
  cairo_stroke(cairo);
  // The joints between sections, where the builder welds.
  for (int i = 1; i < 7; ++i) {
    sketch.Line({origin.x + X(i), axis - HalfHeight(i)}, {origin.x + X(i), axis + HalfHeight(i)});
  }
}

void ProfileView::DrawDiameters(Sketch& sketch, Point origin) const {
  const double axis = origin.y + axisY_;
  const double rowPitch = labelLength_ + 3.0;
  for (int i = 0; i < 8; ++i) {
    const Label& label = diameterLabels_[i];
    const double bottom = axis - maxHalf_ - 1.5 - label.row * rowPitch;
    sketch.SetInk(Ink::kDimension);
    sketch.Line({origin.x + X(i), axis - HalfHeight(i)}, {origin.x + X(i), bottom + 0.5});
    if (label.x != X(i)) {
      sketch.Line({origin.x + X(i), bottom + 0.5}, {origin.x + label.x, bottom + 0.5});
    }
    sketch.TextUp({origin.x + label.x + text_ * 0.36, bottom}, label.text, text_);
  }
}

void ProfileView::DrawLengths(Sketch& sketch, Point origin) const {
  const double rowH = RowHeight(text_);
  auto lineY = [&](int row) { return origin.y + lengthsTop_ + row * rowH + text_ * 1.3 + 0.5; };
  for (int i = 0; i < 8; ++i) {
    int deepest = lengthRows_;  // the total-length row reaches the two ends
    if (i > 0 && i < 7) {
      deepest = std::max(lengthLabels_[i - 1].row, lengthLabels_[i].row);
    }
    sketch.SetInk(Ink::kDimension);
    sketch.Line({origin.x + X(i), origin.y + axisY_ + HalfHeight(i) + 1.0},
                {origin.x + X(i), lineY(deepest) + 1.5});
  }
  for (int i = 0; i < 7; ++i) {
    const Label& label = lengthLabels_[i];
    const double y = lineY(label.row);
    sketch.Dimension(origin.x + X(i), origin.x + X(i + 1), y);
    sketch.Text({origin.x + label.x, y - 0.8}, label.text, text_, Align::kLeft, true);
  }
  const double y = lineY(lengthRows_);
  sketch.Dimension(origin.x + X(0), origin.x + X(7), y);
  sketch.Text({origin.x + width_ / 2.0, y - 0.8}, "LT " + Figure(totalLength_), text_,
              Align::kCentre, true);
}
