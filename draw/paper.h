#pragma once

#include <optional>
#include <string_view>

// A printer paper size, portrait, in mm.
struct Paper {
  std::string_view name;
  double width = 0.0;
  double height = 0.0;
};

// Finds "a4" (210 x 297 mm) or "letter" (215.9 x 279.4 mm); nothing for any
// other name.
std::optional<Paper> FindPaper(std::string_view name);
