#include "draw/paper.h"

#include <array>

namespace {

constexpr std::array<Paper, 2> kPapers = {{
    {"a4", 210.0, 297.0},
    {"letter", 215.9, 279.4},
}};

}  // namespace

std::optional<Paper> FindPaper(std::string_view name) {
  for (const Paper& paper : kPapers) {
    if (paper.name == name) return paper;
  }
  return std::nullopt;
}
