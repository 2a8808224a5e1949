#include "cli/number_text.h"

#include <charconv>
#include <cmath>
#include <iterator>

void AppendNumberText(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "nan";  // to_chars would keep the sign bit: "-nan"
    return;
  }
  char text[32];  // the longest shortest form, "-2.2250738585072014e-308", has 24
  const auto result = std::to_chars(std::begin(text), std::end(text), value);
  out.append(text, result.ptr);
}
