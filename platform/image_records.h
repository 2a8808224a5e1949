#pragma once

// Icons and bitmaps behind HICON and HBITMAP. Images are kept as QImage so
// that they can be loaded before (or without) a Qt GUI application.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <vector>

#include "platform/win_types.h"

struct IconRecord {
  std::vector<QImage> images;  // every size and depth of the icon group
  QIcon ToIcon() const;
  // The image closest to `size` pixels square, as a pixmap.
  QPixmap ToPixmap(int size) const;
};

struct BitmapRecord {
  QImage image;
};

HICON NewIcon(std::vector<QImage> images);
HBITMAP NewBitmap(QImage image);
IconRecord* LiveIcon(HICON icon);
BitmapRecord* LiveBitmap(HBITMAP bitmap);
