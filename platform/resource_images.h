#pragma once

#include <QImage>
#include <optional>
#include <vector>

#include "platform/resource_image_files.h"
#include "platform/resource_module.h"

// Images read by Qt from the files that resource_image_files.h builds.

// The images of icon group `name`, largest first; empty when unreadable.
std::vector<QImage> LoadIconImages(const ResourceModule& module, const ResourceModule::Key& name);
// Bitmap `name`; a null image when unreadable.
QImage LoadBitmapImage(const ResourceModule& module, const ResourceModule::Key& name);
