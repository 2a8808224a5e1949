#pragma once

#include <optional>
#include <string>

#include "calc/chamber_design.h"

// A small diagram of a design, to read on a screen or a printed page: the
// side profile with lengths and diameters to one scale (1:N, N the whole
// number that brings the chamber within 180 mm), every diameter D0..D7, every
// length L01..L67 and the total LT labelled in mm, under a title with the
// engine figures. No flat patterns: tubrix-draw's full sheet has those.
// The drawn labels are glyph outlines, so the document also names them as
// text in its <title> and <desc>, for screen readers and searches.
// Expects a computed design with finite, positive dimensions whose
// ChamberSheetSize fits kMaxSheetSide (so that N stays below 10,000).
// Returns the document's bytes, or nothing when cairo fails (out of memory).
std::optional<std::string> RenderProfileSvg(const ChamberDesign& design);
