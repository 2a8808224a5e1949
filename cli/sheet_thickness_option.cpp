#include "cli/sheet_thickness_option.h"

#include <cmath>
#include <string>

void AddSheetThicknessOption(DesignOptions& options, std::optional<double>& thickness) {
  options.AddValueOption("sheet-thickness", 0,
                         [&thickness](std::string_view text) -> std::optional<std::string> {
                           const std::optional<double> value = ParseNumber(text);
                           if (!value || !std::isfinite(*value) || *value < 0.0) {
                             return "--sheet-thickness: \"" + std::string(text) +
                                    "\" is not a number of 0 or more (mm)";
                           }
                           thickness = *value;
                           return std::nullopt;
                         });
}
