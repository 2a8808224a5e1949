#pragma once

#include <string>

// Renders a figure as printf's "%6.2lf" does in the C locale: fixed point,
// two decimals, right-aligned in at least six characters, never cut. The
// decimal separator is always a point, whatever the process locale. NaN is
// written "nan" (whatever its sign bit), infinities "inf" and "-inf", also
// right-aligned in six characters.
std::string FormatValue(double value);
