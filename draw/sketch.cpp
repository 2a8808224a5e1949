#include "draw/sketch.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace {

constexpr const char* kFace = "DejaVu Sans";

void UseFont(cairo_t* cairo, double size) {
  cairo_select_font_face(cairo, kFace, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cairo, size);
}

// A context on a tiny image, only for measuring text before a drawing's
// size is known. Made once; cairo's font machinery is thread-safe. An image
// surface rounds each glyph's advance to whole pixels, which at a text size
// of a few units (mm) would be far from what the SVG and PDF surfaces lay
// out: its metrics are left unhinted, as theirs are.
cairo_t* NewMeasurer() {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* context = cairo_create(surface);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_set_font_options(context, options);
  cairo_font_options_destroy(options);
  return context;
}

cairo_t* Measurer() {
  static cairo_t* context = NewMeasurer();
  return context;
}

}  // namespace

std::string Figure(double value) {
  char digits[352];
  const auto end =
      std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::fixed, 2).ptr;
  return std::string(digits, end);
}

void Sketch::SetInk(Ink ink) {
  cairo_set_dash(cairo_, nullptr, 0, 0.0);
  cairo_set_line_cap(cairo_, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cairo_, CAIRO_LINE_JOIN_MITER);
  switch (ink) {
    case Ink::kCut:
      cairo_set_source_rgb(cairo_, 0.8, 0.0, 0.0);
      cairo_set_line_width(cairo_, 0.5);
      break;
    case Ink::kOutline:
      cairo_set_source_rgb(cairo_, 0.0, 0.2, 0.6);
      cairo_set_line_width(cairo_, 0.5);
      break;
    case Ink::kDimension:
      cairo_set_source_rgb(cairo_, 0.25, 0.25, 0.25);
      cairo_set_line_width(cairo_, 0.2);
      break;
    case Ink::kGuide: {
      static const double dash[] = {3.0, 2.0};
      cairo_set_source_rgb(cairo_, 0.55, 0.55, 0.55);
      cairo_set_line_width(cairo_, 0.2);
      cairo_set_dash(cairo_, dash, 2, 0.0);
      break;
    }
    case Ink::kMark:
      cairo_set_source_rgb(cairo_, 0.0, 0.0, 0.0);
      cairo_set_line_width(cairo_, 0.25);
      break;
  }
}

void Sketch::Line(Point from, Point to) {
  cairo_move_to(cairo_, from.x, from.y);
  cairo_line_to(cairo_, to.x, to.y);
  cairo_stroke(cairo_);
}

void Sketch::Text(Point at, std::string_view text, double size, Align align, bool halo) {
  const std::string owned(text);
  UseFont(cairo_, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cairo_, owned.c_str(), &extents);
  double x = at.x;
  if (align == Align::kCentre) x -= extents.x_advance / 2.0;
  if (align == Align::kRight) x -= extents.x_advance;
  cairo_save(cairo_);
  if (halo) {
    cairo_set_source_rgb(cairo_, 1.0, 1.0, 1.0);
    cairo_rectangle(cairo_, x - 0.5, at.y - size * 0.8, extents.x_advance + 1.0, size);
    cairo_fill(cairo_);
  }
  cairo_set_source_rgb(cairo_, 0.0, 0.0, 0.0);
  cairo_move_to(cairo_, x, at.y);
  cairo_show_text(cairo_, owned.c_str());
  cairo_new_path(cairo_);
  cairo_restore(cairo_);
}

void Sketch::TextUp(Point at, std::string_view text, double size) {
  const std::string owned(text);
  cairo_save(cairo_);
  UseFont(cairo_, size);
  cairo_set_source_rgb(cairo_, 0.0, 0.0, 0.0);
  cairo_translate(cairo_, at.x, at.y);
  cairo_rotate(cairo_, -std::numbers::pi / 2.0);
  cairo_move_to(cairo_, 0.0, 0.0);
  cairo_show_text(cairo_, owned.c_str());
  cairo_new_path(cairo_);
  cairo_restore(cairo_);
}

void Sketch::Cross(Point at, double size) {
  SetInk(Ink::kMark);
  Line({at.x - size, at.y}, {at.x + size, at.y});
  Line({at.x, at.y - size}, {at.x, at.y + size});
  cairo_new_sub_path(cairo_);
  cairo_arc(cairo_, at.x, at.y, size / 3.0, 0.0, 2.0 * std::numbers::pi);
  cairo_stroke(cairo_);
}

void Sketch::Dimension(double x0, double x1, double y) {
  SetInk(Ink::kDimension);
  Line({x0, y}, {x1, y});
  Line({x0, y - 1.5}, {x0, y + 1.5});
  Line({x1, y - 1.5}, {x1, y + 1.5});
}

void Sketch::ScaleBar(Point at, std::string_view label) {
  cairo_save(cairo_);
  cairo_set_source_rgb(cairo_, 0.0, 0.0, 0.0);
  cairo_rectangle(cairo_, at.x, at.y, 100.0, 3.0);
  cairo_fill(cairo_);
  cairo_restore(cairo_);
  SetInk(Ink::kMark);
  for (int mm = 0; mm <= 100; mm += 10) {
    const double x = at.x + mm;
    Line({x, at.y + 3.0}, {x, at.y + (mm % 50 == 0 ? 5.5 : 4.5)});
  }
  Text({at.x, at.y + 8.5}, "0", 2.5, Align::kCentre);
  Text({at.x + 100.0, at.y + 8.5}, "100 mm", 2.5, Align::kCentre);
  Text({at.x + 106.0, at.y + 3.0}, label, 3.0);
}

double Sketch::TextWidth(std::string_view text, double size) {
  const std::string owned(text);
  cairo_t* cairo = Measurer();
  UseFont(cairo, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cairo, owned.c_str(), &extents);
  return extents.x_advance;
}
