#include "draw/cairo_bytes.h"

#include <cairo-svg.h>

#include <new>

cairo_status_t AppendCairoBytes(void* closure, const unsigned char* data, unsigned int length) {
  try {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  } catch (const std::bad_alloc&) {
    return CAIRO_STATUS_NO_MEMORY;
  }
  return CAIRO_STATUS_SUCCESS;
}

std::optional<std::string> RenderSvgDocument(double width, double height,
                                             const std::function<void(cairo_t*)>& draw) {
  std::string bytes;
  cairo_surface_t* surface =
      cairo_svg_surface_create_for_stream(AppendCairoBytes, &bytes, width, height);
  cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_MM);
  cairo_t* cairo = cairo_create(surface);
  draw(cairo);
  const bool drawn = cairo_status(cairo) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cairo);
  cairo_surface_finish(surface);
  const bool finished = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!drawn || !finished) return std::nullopt;
  return bytes;
}
