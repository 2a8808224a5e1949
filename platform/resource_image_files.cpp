#include "platform/resource_image_files.h"

#include "platform/byte_reader.h"

namespace {

constexpr std::uint16_t kIconType = 3;
constexpr std::uint16_t kBitmapType = 2;
constexpr std::uint16_t kGroupIconType = 14;

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

struct GroupEntry {
  std::span<const std::uint8_t> head;  // width, height, colours, reserved, planes, bit count
  std::span<const std::uint8_t> image;
};

std::vector<GroupEntry> ReadGroup(const ResourceModule& module,
                                  std::span<const std::uint8_t> group) {
  std::vector<GroupEntry> entries;
  ByteReader reader(group);
  const auto reserved = reader.U16();
  const auto type = reader.U16();
  const auto count = reader.U16();
  if (!reserved || !type || !count || *type != 1) return entries;
  for (std::uint16_t i = 0; i < *count; ++i) {
    const auto head = reader.Bytes(8);
    const auto claimedSize = reader.U32();
    const auto id = reader.U16();
    if (!head || !claimedSize || !id) break;
    const auto image = module.Find(ResourceModule::Key{kIconType}, ResourceModule::Key{*id});
    if (image && !image->empty()) entries.push_back({*head, *image});
  }
  return entries;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> IconFileBytes(const ResourceModule& module,
                                                       const ResourceModule::Key& name) {
  const auto group = module.Find(ResourceModule::Key{kGroupIconType}, name);
  if (!group) return std::nullopt;
  const std::vector<GroupEntry> entries = ReadGroup(module, *group);
  if (entries.empty()) return std::nullopt;

  std::vector<std::uint8_t> file;
  PutU16(file, 0);
  PutU16(file, 1);
  PutU16(file, static_cast<std::uint32_t>(entries.size()));
  std::size_t offset = 6 + 16 * entries.size();
  for (const GroupEntry& entry : entries) {
    file.insert(file.end(), entry.head.begin(), entry.head.end());
    PutU32(file, static_cast<std::uint32_t>(entry.image.size()));
    PutU32(file, static_cast<std::uint32_t>(offset));
    offset += entry.image.size();
  }
  for (const GroupEntry& entry : entries)
    file.insert(file.end(), entry.image.begin(), entry.image.end());
  return file;
}

std::optional<std::vector<std::uint8_t>> BitmapFileBytes(const ResourceModule& module,
                                                         const ResourceModule::Key& name) {
  const auto dib = module.Find(ResourceModule::Key{kBitmapType}, name);
  if (!dib) return std::nullopt;
  ByteReader reader(*dib);
  const auto headerSize = reader.U32();
  if (!headerSize) return std::nullopt;

  // The colour table follows the header: 3-byte entries after the old
  // 12-byte header, 4-byte ones (and, for BI_BITFIELDS with the 40-byte
  // header, three masks before them) after the others.
  std::size_t tableSize = 0;
  if (*headerSize == 12) {
    if (!reader.Seek(10)) return std::nullopt;
    const auto bitCount = reader.U16();
    if (!bitCount) return std::nullopt;
    tableSize = *bitCount <= 8 ? (std::size_t{1} << *bitCount) * 3 : 0;
  } else if (*headerSize >= 40) {
    if (!reader.Seek(14)) return std::nullopt;
    const auto bitCount = reader.U16();
    const auto compression = reader.U32();
    if (!bitCount || !compression || !reader.Seek(32)) return std::nullopt;
    const auto coloursUsed = reader.U32();
    if (!coloursUsed) return std::nullopt;
    std::size_t colours = *coloursUsed;
    if (colours == 0 && *bitCount <= 8) colours = std::size_t{1} << *bitCount;
    tableSize = colours * 4;
    if (*compression == 3 && *headerSize == 40) tableSize += 12;
  } else {
    return std::nullopt;
  }
  const std::size_t bitsOffset = 14 + *headerSize + tableSize;
  if (*headerSize + tableSize >= dib->size()) return std::nullopt;

  std::vector<std::uint8_t> file{'B', 'M'};
  PutU32(file, static_cast<std::uint32_t>(14 + dib->size()));
  PutU32(file, 0);
  PutU32(file, static_cast<std::uint32_t>(bitsOffset));
  file.insert(file.end(), dib->begin(), dib->end());
  return file;
}
