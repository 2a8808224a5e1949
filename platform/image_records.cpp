#include "platform/image_records.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <unordered_map>

namespace {

// Live images by handle: a handle not in here (never made, or freed) is
// refused instead of being dereferenced.
std::unordered_map<IconRecord*, std::unique_ptr<IconRecord>>& Icons() {
  static std::unordered_map<IconRecord*, std::unique_ptr<IconRecord>> icons;
  return icons;
}

std::unordered_map<BitmapRecord*, std::unique_ptr<BitmapRecord>>& Bitmaps() {
  static std::unordered_map<BitmapRecord*, std::unique_ptr<BitmapRecord>> bitmaps;
  return bitmaps;
}

}  // namespace

QIcon IconRecord::ToIcon() const {
  QIcon icon;
  for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
  return icon;
}

QPixmap IconRecord::ToPixmap(int size) const {
  if (images.empty()) return {};
  const auto closest =
      std::min_element(images.begin(), images.end(), [size](const QImage& a, const QImage& b) {
        return std::abs(a.width() - size) < std::abs(b.width() - size);
      });
  return QPixmap::fromImage(*closest);
}

HICON NewIcon(std::vector<QImage> images) {
  auto record = std::make_unique<IconRecord>();
  record->images = std::move(images);
  IconRecord* handle = record.get();
  Icons().emplace(handle, std::move(record));
  return handle;
}

HBITMAP NewBitmap(QImage image) {
  auto record = std::make_unique<BitmapRecord>();
  record->image = std::move(image);
  BitmapRecord* handle = record.get();
  Bitmaps().emplace(handle, std::move(record));
  return handle;
}

IconRecord* LiveIcon(HICON icon) { return Icons().contains(icon) ? icon : nullptr; }

BitmapRecord* LiveBitmap(HBITMAP bitmap) { return Bitmaps().contains(bitmap) ? bitmap : nullptr; }

BOOL DestroyIcon(HICON icon) { return Icons().erase(icon) == 1 ? TRUE : FALSE; }

BOOL DeleteObject(HGDIOBJ object) {
  return Bitmaps().erase(static_cast<BitmapRecord*>(object)) == 1 ? TRUE : FALSE;
}
