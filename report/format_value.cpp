#include "report/format_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>

std::string FormatValue(double value) {
  // to_chars is locale-independent; printf would take a comma from a
  // de_DE locale that the desktop toolkit switches the process to.
  char digits[352];  // room for the widest fixed-point double
  const char* end = digits;
  if (std::isnan(value)) {
    end = std::copy_n("nan", 3, digits);
  } else {
    end =
        std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::fixed, 2).ptr;
  }
  const auto length = static_cast<std::size_t>(end - digits);
  std::string text(length < 6 ? 6 - length : 0, ' ');
  text.append(digits, length);
  return text;
}
