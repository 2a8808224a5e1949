#include "draw/chamber_svg.h"

#include <algorithm>
#include <vector>

#include "draw/cairo_bytes.h"
#include "draw/pattern_view.h"
#include "draw/profile_view.h"
#include "draw/title_block.h"

namespace {

constexpr double kMargin = 15.0;
constexpr double kGap = 15.0;   // between patterns
constexpr double kText = 4.0;   // labels, mm
constexpr double kTitle = 8.0;  // first title line, mm

struct Placed {
  PatternView view;
  Point at;
};

// The sheet's content: where everything goes, worked out before drawing
// because the SVG's size must be known first.
struct SheetLayout {
  double width = 0.0;
  double height = 0.0;
  double profileTop = 0.0;
  double patternsTop = 0.0;
  std::vector<Placed> patterns;
};

// Fills rows left to right up to `width`, in chamber order.
double PlacePatterns(std::vector<Placed>& patterns, double top, double width) {
  double x = kMargin, y = top, rowHeight = 0.0;
  for (Placed& placed : patterns) {
    if (x > kMargin && x + placed.view.Width() > kMargin + width) {
      x = kMargin;
      y += rowHeight + kGap;
      rowHeight = 0.0;
    }
    placed.at = {x, y};
    x += placed.view.Width() + kGap;
    rowHeight = std::max(rowHeight, placed.view.Height());
  }
  return y + rowHeight;
}

SheetLayout Layout(const ProfileView& profile, const ChamberDevelopment& development) {
  SheetLayout layout;
  layout.profileTop = kMargin + kTitle + 2.0 * kText * 1.6 + 10.0;
  layout.patternsTop = layout.profileTop + profile.Height() + 2.0 * kGap;
  double content = std::max(profile.Width(), 400.0);
  for (const SectionDevelopment& section : development.sections) {
    if (!section.hasPattern) continue;
    layout.patterns.push_back({PatternView(section, development.sheetThickness, kText), {}});
    content = std::max(content, layout.patterns.back().view.Width());
  }
  const double bottom = PlacePatterns(layout.patterns, layout.patternsTop + kText * 2.0, content);
  layout.width = content + 2.0 * kMargin;
  layout.height = bottom + kMargin;
  return layout;
}

void DrawTitle(Sketch& sketch, const std::vector<std::string>& lines) {
  double y = kMargin + kTitle;
  sketch.Text({kMargin, y}, lines[0], kTitle);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    y += kText * 1.6;
    sketch.Text({kMargin, y}, lines[i], kText);
  }
}

void DrawSheet(cairo_t* cairo, const ChamberDesign& design, const ChamberDevelopment& development,
               const ProfileView& profile, const SheetLayout& layout) {
  Sketch sketch(cairo);
  cairo_set_source_rgb(cairo, 1.0, 1.0, 1.0);
  cairo_paint(cairo);
  DrawTitle(sketch, TitleLines(design, development.sheetThickness));
  profile.Draw(sketch, {kMargin, layout.profileTop});
  sketch.Text({kMargin, layout.patternsTop}, "Flat patterns, 1:1", kText * 1.4);
  for (const Placed& placed : layout.patterns) placed.view.Draw(sketch, placed.at);
}

}  // namespace

SheetSize ChamberSheetSize(const ChamberDesign& design, const ChamberDevelopment& development) {
  const SheetLayout layout = Layout(ProfileView(design, 1.0, kText), development);
  return {layout.width, layout.height};
}

std::optional<std::string> RenderChamberSvg(const ChamberDesign& design,
                                            const ChamberDevelopment& development) {
  const ProfileView profile(design, 1.0, kText);
  const SheetLayout layout = Layout(profile, development);
  return RenderSvgDocument(layout.width, layout.height, [&](cairo_t* cairo) {
    DrawSheet(cairo, design, development, profile, layout);
  });
}
