#pragma once

#include "calc/chamber_design.h"

// Fills bmep, waveSpeed, tunedLength, D0..D7 and L01..L67 of the design from
// its eight inputs and sets computed to 1. Validates nothing: inputs outside
// the model's domain give infinities or NaN as IEEE arithmetic makes them
// (see ValidateDesignInputs for a check before calling). Every operation is
// rounded on its own in the order written, so results are reproducible to
// the last bit.
void ComputeChamber(ChamberDesign& design);
