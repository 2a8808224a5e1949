#pragma once

#include <optional>

#include "cli/design_options.h"

// Declares "--sheet-thickness MM" on a command's options: the thickness of
// the sheet the chamber is rolled from, stored into thickness (mm; left
// empty when the option is not given). A value
// that is not a finite number of 0 or more is refused with a message that
// names the option.
void AddSheetThicknessOption(DesignOptions& options, std::optional<double>& thickness);
