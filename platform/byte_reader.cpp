#include "platform/byte_reader.h"

bool ByteReader::Seek(std::size_t offset) {
  if (offset > bytes_.size()) return false;
  position_ = offset;
  return true;
}

bool ByteReader::AlignTo4() {
  const std::size_t padding = (4 - position_ % 4) % 4;
  return Seek(position_ + padding);
}

std::optional<std::uint16_t> ByteReader::U16() {
  if (remaining() < 2) return std::nullopt;
  const auto value = static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
  position_ += 2;
  return value;
}

std::optional<std::uint32_t> ByteReader::U32() {
  if (remaining() < 4) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(bytes_[position_ + i]) << (8 * i);
  }
  position_ += 4;
  return value;
}

std::optional<std::int16_t> ByteReader::I16() {
  const auto value = U16();
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(*value);
}

std::optional<std::span<const std::uint8_t>> ByteReader::Bytes(std::size_t n) {
  if (remaining() < n) return std::nullopt;
  const auto part = bytes_.subspan(position_, n);
  position_ += n;
  return part;
}

std::optional<std::u16string> ByteReader::String() {
  const std::size_t start = position_;
  std::u16string text;
  while (const auto unit = U16()) {
    if (*unit == 0) return text;
    text.push_back(static_cast<char16_t>(*unit));
  }
  position_ = start;  // no terminator before the end
  return std::nullopt;
}

std::optional<ResourceModule::Key> ByteReader::NameOrOrdinal() {
  const std::size_t start = position_;
  const auto first = U16();
  if (!first) return std::nullopt;
  if (*first == 0xFFFF) {
    const auto ordinal = U16();
    if (!ordinal) {
      position_ = start;
      return std::nullopt;
    }
    return ResourceModule::Key{*ordinal};
  }
  position_ = start;
  const auto text = String();
  if (!text) return std::nullopt;
  return ResourceModule::Key{*text};
}
