#pragma once

#include <cairo.h>

#include <functional>
#include <optional>
#include <string>

// cairo's write callback for stream surfaces: appends to the std::string
// that closure points to, so that a document is built in memory and only
// written to disk once it is complete.
cairo_status_t AppendCairoBytes(void* closure, const unsigned char* data, unsigned int length);

// An SVG document of width x height mm in which one user unit is 1 mm:
// calls draw on a fresh context, and returns the document's bytes, or
// nothing when cairo fails (out of memory).
std::optional<std::string> RenderSvgDocument(double width, double height,
                                             const std::function<void(cairo_t*)>& draw);
