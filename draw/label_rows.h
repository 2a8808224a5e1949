#pragma once

#include <vector>

// Places labels along a line into rows so that no two labels in one row
// overlap: each label, taken in order, goes into the first row where it
// keeps `gap` mm from every label already there. Positions in mm.
class LabelRows {
 public:
  explicit LabelRows(double gap) : gap_(gap) {}

  // Returns the row (0 = nearest the drawing) for a label spanning
  // [left, right].
  int Place(double left, double right);
  int RowCount() const { return static_cast<int>(rows_.size()); }

 private:
  struct Span {
    double left;
    double right;
  };
  double gap_;
  std::vector<std::vector<Span>> rows_;
};
