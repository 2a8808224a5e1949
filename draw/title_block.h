#pragma once

#include <string>
#include <vector>

#include "calc/chamber_design.h"

// The lines that head every drawing of a design: what it is, the engine
// figures it was computed from, and how to read the dimensions.
std::vector<std::string> TitleLines(const ChamberDesign& design, double sheetThickness);
