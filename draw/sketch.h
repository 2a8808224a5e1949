#pragma once

#include <cairo.h>

#include <string>
#include <string_view>

// A point on a drawing, in mm; y grows downwards as on paper.
struct Point {
  double x = 0.0;
  double y = 0.0;
};

// The kinds of line a drawing uses, so that every view draws them alike.
enum class Ink {
  kCut,        // a pattern's outline: where the sheet is cut (dark red, bold)
  kOutline,    // the chamber's profile (dark blue)
  kDimension,  // dimension and leader lines (dark grey, thin)
  kGuide,      // centre lines, tile edges (light grey, dashed)
  kMark,       // alignment marks and the scale bar (black)
};

enum class Align { kLeft, kCentre, kRight };

// Drawing helpers over a cairo context whose user unit is 1 mm. Text uses
// the sans-serif face; sizes are the em height in mm.
class Sketch {
 public:
  explicit Sketch(cairo_t* cairo) : cairo_(cairo) {}

  cairo_t* Cairo() const { return cairo_; }

  void SetInk(Ink ink);
  void Line(Point from, Point to);
  // Text with its baseline at `at.y`, aligned on `at.x` as asked. With
  // halo, the lines under the text are blanked out first so that it stays
  // readable where it crosses them.
  void Text(Point at, std::string_view text, double size, Align align = Align::kLeft,
            bool halo = false);
  // Text reading upwards, its baseline running up the line x = at.x from
  // at.y (the glyphs stand to the left of that line).
  void TextUp(Point at, std::string_view text, double size);
  // An alignment mark: a cross of arm `size` mm with a small circle.
  void Cross(Point at, double size);
  // A horizontal dimension line from x0 to x1 at y with end ticks.
  void Dimension(double x0, double x1, double y);
  // A 100 mm bar, 3 mm high, starting at `at` (top-left), labelled.
  void ScaleBar(Point at, std::string_view label);

  // Advance width in mm of text at the given size, the same on every surface.
  static double TextWidth(std::string_view text, double size);

 private:
  cairo_t* cairo_;
};

// Renders a figure in mm with two decimals, locale-free ("283.51").
std::string Figure(double value);
