#include "platform/resource_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>

std::vector<QImage> LoadIconImages(const ResourceModule& module, const ResourceModule::Key& name) {
  std::vector<QImage> images;
  const auto bytes = IconFileBytes(module, name);
  if (!bytes) return images;
  QByteArray data(reinterpret_cast<const char*>(bytes->data()),
                  static_cast<qsizetype>(bytes->size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "ico");
  const int count = reader.imageCount();
  for (int i = 0; i < count; ++i) {
    if (!reader.jumpToImage(i)) break;
    QImage image = reader.read();
    if (!image.isNull()) images.push_back(std::move(image));
  }
  std::stable_sort(images.begin(), images.end(),
                   [](const QImage& a, const QImage& b) { return a.width() > b.width(); });
  return images;
}

QImage LoadBitmapImage(const ResourceModule& module, const ResourceModule::Key& name) {
  const auto bytes = BitmapFileBytes(module, name);
  if (!bytes) return {};
  return QImage::fromData(bytes->data(), static_cast<int>(bytes->size()), "BMP");
}
