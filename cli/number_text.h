#pragma once

#include <string>

// Appends the shortest decimal text that reads back (with strtod or
// std::from_chars) to exactly the same double, e.g. "124.9", "1e+300",
// "-0". NaN is written "nan" whatever its sign bit, infinities "inf" and
// "-inf". Locale-independent.
void AppendNumberText(std::string& out, double value);
