#include "draw/tile_grid.h"

#include <algorithm>
#include <cmath>

namespace {

// Tiles needed along one axis, at most kMaxPerAxis: counted as a double,
// since a huge extent needs more tiles than an int holds.
int Count(double extent, double tile, double step, bool& capped) {
  if (!(extent > tile)) return 1;
  const double count = std::ceil((extent - tile) / step - 1e-9) + 1.0;
  if (count <= TileGrid::kMaxPerAxis) return static_cast<int>(count);
  capped = true;
  return TileGrid::kMaxPerAxis;
}

}  // namespace

TileGrid PlanTiles(double width, double height, double tileWidth, double tileHeight,
                   double overlap) {
  TileGrid grid;
  grid.overlap = overlap;
  grid.tileWidth = std::max(tileWidth, overlap + 1.0);
  grid.tileHeight = std::max(tileHeight, overlap + 1.0);
  grid.stepX = grid.tileWidth - overlap;
  grid.stepY = grid.tileHeight - overlap;
  grid.columns = Count(width, grid.tileWidth, grid.stepX, grid.capped);
  grid.rows = Count(height, grid.tileHeight, grid.stepY, grid.capped);
  grid.offsetX = ((grid.columns - 1) * grid.stepX + grid.tileWidth - width) / 2.0;
  grid.offsetY = ((grid.rows - 1) * grid.stepY + grid.tileHeight - height) / 2.0;
  return grid;
}
