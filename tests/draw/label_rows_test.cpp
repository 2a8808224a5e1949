#include "draw/label_rows.h"

#include <gtest/gtest.h>

TEST(LabelRows, OverlappingLabelsMoveToTheNextFreeRow) {
  LabelRows rows(1.0);
  EXPECT_EQ(rows.Place(0.0, 20.0), 0);
  EXPECT_EQ(rows.Place(10.0, 30.0), 1);  // overlaps the first
  EXPECT_EQ(rows.Place(20.5, 40.0), 2);  // within the gap of the first, overlaps the second
  EXPECT_EQ(rows.Place(21.0, 40.0), 0);  // clear of the first by exactly the gap
  EXPECT_EQ(rows.Place(100.0, 120.0), 0);
  EXPECT_EQ(rows.RowCount(), 3);
}
