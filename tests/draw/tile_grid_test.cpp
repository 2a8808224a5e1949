#include "draw/tile_grid.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace {

struct TileCase {
  const char* name;
  double width, height;
  int columns, rows;
};

void PrintTo(const TileCase& c, std::ostream* out) { *out << c.name; }

class PlanTilesOnA4 : public testing::TestWithParam<TileCase> {};

// A4 portrait less the margins and bands: tiles of 190 x 252 mm, 10 mm overlap.
TEST_P(PlanTilesOnA4, CoversTheDrawingWithOverlappingTiles) {
  const TileCase& c = GetParam();
  const TileGrid grid = PlanTiles(c.width, c.height, 190.0, 252.0, 10.0);
  EXPECT_EQ(grid.columns, c.columns);
  EXPECT_EQ(grid.rows, c.rows);
  EXPECT_EQ(grid.stepX, 180.0);
  EXPECT_EQ(grid.stepY, 242.0);
  // The tiles cover the drawing, with the drawing centred.
  EXPECT_GE(grid.offsetX, 0.0);
  EXPECT_GE(grid.offsetY, 0.0);
  EXPECT_NEAR((grid.columns - 1) * grid.stepX + grid.tileWidth - grid.offsetX,
              c.width + grid.offsetX, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlanTilesOnA4,
                         testing::Values(TileCase{"FitsOnePage", 117.5, 50.0, 1, 1},
                                         TileCase{"ExactlyOnePage", 190.0, 252.0, 1, 1},
                                         TileCase{"JustWiderThanAPage", 190.5, 100.0, 2, 1},
                                         TileCase{"TwoPagesWithTheOverlap", 370.0, 100.0, 2, 1},
                                         TileCase{"ThreeColumnsTwoRows", 370.5, 300.0, 3, 2},
                                         TileCase{"Empty", 0.0, 0.0, 1, 1}),
                         [](const testing::TestParamInfo<TileCase>& p) {
                           return std::string(p.param.name);
                         });

// A chamber kilometres long (valid inputs can make one) once made the count
// of tiles overflow an int: every axis stops at kMaxPerAxis and says so.
class PlanTilesBeyondPrinting : public testing::TestWithParam<TileCase> {};

TEST_P(PlanTilesBeyondPrinting, CapsEachAxisAndSaysSo) {
  const TileCase& c = GetParam();
  const TileGrid grid = PlanTiles(c.width, c.height, 190.0, 252.0, 10.0);
  EXPECT_EQ(grid.columns, c.columns);
  EXPECT_EQ(grid.rows, c.rows);
  EXPECT_TRUE(grid.capped);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PlanTilesBeyondPrinting,
    testing::Values(TileCase{"JustBeyondTheCap", 1800010.5, 100.0, 10000, 1},
                    TileCase{"WideAndTall", 1e9, 1e9, 10000, 10000},
                    TileCase{"BeyondAnInt", 2e12, 100.0, 10000, 1},
                    TileCase{"Huge", 1e300, 1e300, 10000, 10000},
                    TileCase{"Infinite", std::numeric_limits<double>::infinity(), 100.0, 10000, 1}),
    [](const testing::TestParamInfo<TileCase>& p) { return std::string(p.param.name); });

TEST(PlanTiles, TheLastCountBeforeTheCapIsNotCapped) {
  const TileGrid grid = PlanTiles(1800010.0, 100.0, 190.0, 252.0, 10.0);
  EXPECT_EQ(grid.columns, 10000);
  EXPECT_FALSE(grid.capped);
}

TEST(PlanTiles, ATileNoLargerThanTheOverlapStaysFinite) {
  const TileGrid grid = PlanTiles(100.0, 100.0, 5.0, 5.0, 10.0);
  EXPECT_EQ(grid.stepX, 1.0);
  EXPECT_EQ(grid.columns, 90);
}

}  // namespace
