#pragma once

#include <optional>
#include <string>

#include "calc/chamber_design.h"
#include "calc/chamber_development.h"

// The longest side, in mm, of a sheet that Tubrix draws: 1 km, beyond any
// chamber that can be built, and well inside the coordinates cairo can
// hold (about 8 km at 1 mm a unit; beyond them it leaves the sheet empty).
inline constexpr double kMaxSheetSide = 1.0e6;

// The size in mm of RenderChamberSvg's sheet for this design: the profile
// at 1:1 above every pattern. Not finite for a design that is not.
struct SheetSize {
  double width = 0.0;
  double height = 0.0;
};
SheetSize ChamberSheetSize(const ChamberDesign& design, const ChamberDevelopment& development);

// The whole design on one SVG sheet in true millimetres (one user unit is
// 1 mm, the root's width and height are given in mm): a title, the side
// profile at 1:1 with every diameter and length labelled, and beneath it
// the flat pattern of every section at 1:1, side by side without overlaps.
// Pattern outlines are the only strokes in the cut colour, one path per
// section. Expects a computed design whose sections all have a pattern
// (sections without one are left out) and whose sheet fits kMaxSheetSide.
// Returns the document's bytes, or nothing when cairo fails (out of memory).
std::optional<std::string> RenderChamberSvg(const ChamberDesign& design,
                                            const ChamberDevelopment& development);
