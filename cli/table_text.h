#pragma once

#include <string>

#include "calc/chamber_design.h"
#include "calc/chamber_development.h"

// A computed design for reading in a terminal: the engine inputs, the
// fifteen dimensions side by side (D0..D7 beside L01..L67) with the total
// length, then one line per section with its ends, length and pattern
// figures in aligned columns. Figures as FormatValue renders them; a
// section without a pattern says why instead. Plain ASCII, lines ended by
// '\n'.
std::string TableText(const ChamberDesign& design, const ChamberDevelopment& development);
