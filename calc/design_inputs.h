#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/chamber_design.h"

// The eight inputs of a ChamberDesign, in record order, with the names that
// people and scripts use for them.
struct DesignInput {
  std::string_view field;   // member name, e.g. "exhaustDuration"
  std::string_view option;  // command-line spelling, e.g. "exhaust-duration"
  std::string_view label;   // plain words, e.g. "Exhaust duration"
  double ChamberDesign::*member;
  bool mustBePositive;  // divides by it, or takes a root or logarithm of it
};

extern const std::array<DesignInput, 8> kDesignInputs;

// Finds an input by its field name or its command-line spelling.
const DesignInput* FindDesignInput(std::string_view name);

// Checks that the inputs lie in the model's domain: every input finite, and
// displacement, exhaust duration, port height, port width and engine speed
// greater than 0. Returns the message for the first input that is not, in
// plain words ("Engine RPM must be a number greater than 0."), or nothing.
// Results the model makes from valid inputs (a negative L01, NaN D2 and D3 at
// a low mean effective pressure) are not refused.
std::optional<std::string> ValidateDesignInputs(const ChamberDesign& design);
