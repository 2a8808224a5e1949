#pragma once

#include <optional>
#include <string>

#include "calc/chamber_design.h"
#include "calc/chamber_development.h"

// The whole design on one SVG sheet in true millimetres (one user unit is
// 1 mm, the root's width and height are given in mm): a title, the side
// profile at 1:1 with every diameter and length labelled, and beneath it
// the flat pattern of every section at 1:1, side by side without overlaps.
// Pattern outlines are the only strokes in the cut colour, one path per
// section. Expects a computed design whose sections all have a pattern
// (sections without one are left out). Returns the document's bytes, or
// nothing when cairo fails (out of memory).
std::optional<std::string> RenderChamberSvg(const ChamberDesign& design,
                                            const ChamberDevelopment& development);
