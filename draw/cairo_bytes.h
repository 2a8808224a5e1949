#pragma once

#include <cairo.h>

// cairo's write callback for stream surfaces: appends to the std::string
// that closure points to, so that a document is built in memory and only
// written to disk once it is complete.
cairo_status_t AppendCairoBytes(void* closure, const unsigned char* data, unsigned int length);
