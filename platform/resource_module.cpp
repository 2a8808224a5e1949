#include "platform/resource_module.h"

#include <algorithm>
#include <utility>

#include "platform/byte_reader.h"

namespace {

// The fixed part of an entry header after TYPE and NAME, from the next 4-byte
// boundary: DataVersion, MemoryFlags, LanguageId, Version, Characteristics.
// Only the language is kept.
std::optional<std::uint16_t> ReadLanguage(ByteReader& reader) {
  if (!reader.AlignTo4()) return std::nullopt;
  const auto dataVersion = reader.U32();
  const auto memoryFlags = reader.U16();
  const auto language = reader.U16();
  const auto version = reader.U32();
  const auto characteristics = reader.U32();
  if (!dataVersion || !memoryFlags || !version || !characteristics) return std::nullopt;
  return language;
}

char16_t AsciiUpper(char16_t c) {
  return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}

bool SameKey(const ResourceModule::Key& a, const ResourceModule::Key& b) {
  if (a.index() != b.index()) return false;
  if (const auto* ordinal = std::get_if<std::uint16_t>(&a))
    return *ordinal == std::get<std::uint16_t>(b);
  const auto& x = std::get<std::u16string>(a);
  const auto& y = std::get<std::u16string>(b);
  return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                    [](char16_t l, char16_t r) { return AsciiUpper(l) == AsciiUpper(r); });
}

// The leading entry of a .res file is an empty marker with type and name 0.
bool IsEmptyMarker(const ResourceModule::Key& type, std::uint32_t dataSize) {
  const auto* ordinal = std::get_if<std::uint16_t>(&type);
  return dataSize == 0 && ordinal && *ordinal == 0;
}

}  // namespace

ResourceModule ResourceModule::FromResFile(std::span<const std::uint8_t> bytes) {
  ResourceModule module;
  ByteReader reader(bytes);
  while (reader.remaining() > 0) {
    const std::size_t start = reader.position();
    const auto dataSize = reader.U32();
    const auto headerSize = reader.U32();
    if (!dataSize || !headerSize) break;
    auto type = reader.NameOrOrdinal();
    auto name = type ? reader.NameOrOrdinal() : std::nullopt;
    const auto language = name ? ReadLanguage(reader) : std::nullopt;
    if (!language) break;
    // The header may be longer than what is read here, never shorter, and
    // the data must lie wholly inside the file.
    if (*headerSize < reader.position() - start) break;
    if (*headerSize > bytes.size() - start) break;
    if (!reader.Seek(start + *headerSize)) break;
    const auto data = reader.Bytes(*dataSize);
    if (!data) break;
    if (!IsEmptyMarker(*type, *dataSize)) {
      module.Add(std::move(*type), std::move(*name), {data->begin(), data->end()}, *language);
    }
    if (!reader.AlignTo4()) break;
  }
  return module;
}

void ResourceModule::Add(Key type, Key name, std::vector<std::uint8_t> data,
                         std::uint16_t language) {
  entries_.push_back(Entry{std::move(type), std::move(name), language, std::move(data)});
}

std::optional<std::span<const std::uint8_t>> ResourceModule::Find(const Key& type,
                                                                  const Key& name) const {
  for (const Entry& entry : entries_) {
    if (SameKey(entry.type, type) && SameKey(entry.name, name)) {
      return std::span<const std::uint8_t>(entry.data);
    }
  }
  return std::nullopt;
}
