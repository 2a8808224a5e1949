#include "draw/label_rows.h"

namespace {

template <typename Row>
bool Fits(const Row& row, double left, double right, double gap) {
  for (const auto& span : row) {
    if (left < span.right + gap && span.left < right + gap) return false;
  }
  return true;
}

}  // namespace

int LabelRows::Place(double left, double right) {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (Fits(rows_[row], left, right, gap_)) {
      rows_[row].push_back({left, right});
      return static_cast<int>(row);
    }
  }
  rows_.push_back({{left, right}});
  return static_cast<int>(rows_.size()) - 1;
}
