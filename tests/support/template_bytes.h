#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/resource_module.h"

// Little-endian dialog-template bytes, put together field by field, so that
// tests can write well-formed templates as well as damaged ones. Remembers
// where each item ends (after its creation data) when items are closed with
// EndItem. Header-only: the tests of the template readers use it without Qt.
class TemplateBytes {
 public:
  TemplateBytes& U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  TemplateBytes& I16(std::int16_t v) { return U16(static_cast<std::uint16_t>(v)); }
  TemplateBytes& U32(std::uint32_t v) {
    return U16(static_cast<std::uint16_t>(v)).U16(static_cast<std::uint16_t>(v >> 16));
  }
  // UTF-16 units and a 0x0000 terminator.
  TemplateBytes& Text(std::u16string_view text) {
    for (char16_t c : text) U16(c);
    return U16(0);
  }
  TemplateBytes& Ordinal(std::uint16_t v) { return U16(0xFFFF).U16(v); }
  // A name-or-ordinal field: an ordinal, or a (possibly empty) string.
  TemplateBytes& NameOrOrdinal(const ResourceModule::Key& key) {
    if (const auto* ordinal = std::get_if<std::uint16_t>(&key)) return Ordinal(*ordinal);
    return Text(std::get<std::u16string>(key));
  }
  TemplateBytes& Raw(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  TemplateBytes& Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
    return *this;
  }

  // Style, no extended style, the item count and the rectangle (1, 2, 60,
  // 40); menu, class, title and font are left to the caller.
  TemplateBytes& FixedHeader(std::uint32_t style, std::uint16_t count) {
    return U32(style).U32(0).U16(count).U16(1).U16(2).U16(60).U16(40);
  }
  // The fixed header, empty menu and class, the title "Dialog" and, with
  // DS_SETFONT (0x40), 8 points of "MS Shell Dlg".
  TemplateBytes& Header(std::uint32_t style, std::uint16_t count) {
    FixedHeader(style, count).U16(0).U16(0).Text(u"Dialog");
    if (style & 0x40) U16(8).Text(u"MS Shell Dlg");
    return *this;
  }

  // An item's fixed part on the next 4-byte boundary, without extended
  // style; class, text and creation data are left to the caller.
  TemplateBytes& ItemHeader(std::uint16_t id, std::int16_t x, std::int16_t y, std::int16_t cx,
                            std::int16_t cy, std::uint32_t style = 0x50000000) {
    return Align().U32(style).U32(0).I16(x).I16(y).I16(cx).I16(cy).U16(id);
  }
  // ItemHeader at (4, 6), 50 x 10.
  TemplateBytes& Item(std::uint16_t id) { return ItemHeader(id, 4, 6, 50, 10); }
  // A static with a text and no creation data.
  TemplateBytes& Static(std::uint16_t id, std::int16_t x, std::int16_t y, std::int16_t cx,
                        std::int16_t cy) {
    return ItemHeader(id, x, y, cx, cy).Ordinal(0x0082).Text(u"Label").EndItem(0);
  }
  // The creation-data field: size n, then n - 2 bytes of data when n > 2.
  TemplateBytes& EndItem(std::uint16_t creationSize) {
    U16(creationSize);
    for (int i = 2; i < creationSize; ++i) bytes_.push_back(0xCD);
    itemEnds_.push_back(bytes_.size());
    return *this;
  }

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  const std::vector<std::size_t>& itemEnds() const { return itemEnds_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::vector<std::size_t> itemEnds_;
};
