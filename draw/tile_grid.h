#pragma once

// How a drawing larger than a page is cut into overlapping page-sized tiles.
// Tile (row, column) shows the drawing's region starting at
// (column * stepX - offsetX, row * stepY - offsetY), tileWidth by
// tileHeight mm; neighbouring tiles share a band `overlap` mm wide, and the
// drawing sits centred in the area the tiles cover. Lengths in mm.
struct TileGrid {
  // The most tiles planned along one axis, so that every count, and the
  // product of two, stays an int whatever the drawing's size.
  static constexpr int kMaxPerAxis = 10000;

  int rows = 1;
  int columns = 1;
  double tileWidth = 0.0;
  double tileHeight = 0.0;
  double overlap = 0.0;
  double stepX = 0.0;  // tileWidth - overlap
  double stepY = 0.0;  // tileHeight - overlap
  double offsetX = 0.0;
  double offsetY = 0.0;
  bool capped = false;  // an axis needs more than kMaxPerAxis tiles: no plan covers it

  int Count() const { return rows * columns; }
};

// Plans the tiles for a drawing of width by height mm on tiles of
// tileWidth by tileHeight mm that overlap by `overlap` mm. Always at least
// one tile; a tile no larger than the overlap is treated as one overlap
// plus 1 mm so that the plan stays finite. A drawing that needs more than
// kMaxPerAxis tiles along an axis (a huge or infinite extent) gets that
// many there and `capped` set: too large to print.
TileGrid PlanTiles(double width, double height, double tileWidth, double tileHeight,
                   double overlap);
