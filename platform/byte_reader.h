#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/resource_module.h"

// A cursor over little-endian bytes that never reads past the end of its
// span: every read either succeeds and advances, or fails and leaves the
// cursor where it was. Resource files and dialog templates are read with it,
// since their offsets all come from the (possibly damaged) data itself.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return bytes_.size() - position_; }

  // Moves to an absolute offset; false (and no move) when it is past the end.
  bool Seek(std::size_t offset);
  // Skips to the next multiple of 4 from the start of the span.
  bool AlignTo4();

  std::optional<std::uint16_t> U16();
  std::optional<std::uint32_t> U32();
  std::optional<std::int16_t> I16();
  // The next n bytes, or nothing when fewer remain.
  std::optional<std::span<const std::uint8_t>> Bytes(std::size_t n);
  // UTF-16 units up to and including a 0x0000 terminator, which is dropped.
  std::optional<std::u16string> String();
  // A name-or-ordinal field: 0xFFFF and an ordinal, 0x0000 for empty (an
  // empty string), or a terminated UTF-16 string.
  std::optional<ResourceModule::Key> NameOrOrdinal();

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};
