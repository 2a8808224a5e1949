#include "calc/design_inputs.h"

#include <cmath>

const std::array<DesignInput, 8> kDesignInputs = {{
    {"displacement", "displacement", "Displacement", &ChamberDesign::displacement, true},
    {"exhaustDuration", "exhaust-duration", "Exhaust duration", &ChamberDesign::exhaustDuration,
     true},
    {"portHeight", "port-height", "Exhaust port height", &ChamberDesign::portHeight, true},
    {"portWidth", "port-width", "Exhaust port width", &ChamberDesign::portWidth, true},
    {"exhaustInCylinder", "exhaust-in-cylinder", "Exhaust in cylinder",
     &ChamberDesign::exhaustInCylinder, false},
    {"power", "power", "Desired power", &ChamberDesign::power, false},
    {"rpm", "rpm", "Engine RPM", &ChamberDesign::rpm, true},
    {"hornCoefficient", "horn-coefficient", "Horn coefficient", &ChamberDesign::hornCoefficient,
     false},
}};

const DesignInput* FindDesignInput(std::string_view name) {
  for (const DesignInput& input : kDesignInputs) {
    if (name == input.field || name == input.option) return &input;
  }
  return nullptr;
}

std::optional<std::string> ValidateDesignInputs(const ChamberDesign& design) {
  for (const DesignInput& input : kDesignInputs) {
    const double value = design.*input.member;
    // An infinity is a number that overflowed (a typed "1e999"): say so,
    // rather than ask for a number greater than 0.
    if (std::isinf(value)) return std::string(input.label) + " must be a finite number.";
    if (input.mustBePositive && !(value > 0.0)) {
      return std::string(input.label) + " must be a number greater than 0.";
    }
    if (std::isnan(value)) return std::string(input.label) + " must be a finite number.";
  }
  return std::nullopt;
}
