#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/resource_module.h"

// Builds the file form of image resources so that Qt's readers can load
// them. All offsets and sizes are checked against the data: damaged
// resources give nothing.

// An .ico file from icon group `name` (RT_GROUP_ICON) and its RT_ICON
// images. Entries whose image is missing are left out.
std::optional<std::vector<std::uint8_t>> IconFileBytes(const ResourceModule& module,
                                                       const ResourceModule::Key& name);
// A .bmp file: RT_BITMAP `name` behind a file header.
std::optional<std::vector<std::uint8_t>> BitmapFileBytes(const ResourceModule& module,
                                                         const ResourceModule::Key& name);
