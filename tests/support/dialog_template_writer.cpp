#include "tests/support/dialog_template_writer.h"

#include <variant>

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

void PutI16(std::vector<std::uint8_t>& out, std::int16_t value) { PutU16(out, static_cast<std::uint16_t>(value)); }

void PutString(std::vector<std::uint8_t>& out, const std::u16string& text) {
  for (const char16_t unit : text) PutU16(out, unit);
  PutU16(out, 0);
}

void PutKey(std::vector<std::uint8_t>& out, const ResourceModule::Key& key) {
  if (const auto* ordinal = std::get_if<std::uint16_t>(&key)) {
    PutU16(out, 0xFFFF);
    PutU16(out, *ordinal);
  } else {
    PutString(out, std::get<std::u16string>(key));
  }
}

void AlignTo4(std::vector<std::uint8_t>& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> WriteDialogTemplate(const DialogTemplate& dialog) {
  constexpr std::uint32_t kSetFont = 0x40;
  std::vector<std::uint8_t> out;
  PutU32(out, dialog.style);
  PutU32(out, dialog.exStyle);
  PutU16(out, static_cast<std::uint32_t>(dialog.items.size()));
  PutI16(out, dialog.x);
  PutI16(out, dialog.y);
  PutI16(out, dialog.cx);
  PutI16(out, dialog.cy);
  PutKey(out, dialog.menu);
  PutKey(out, dialog.windowClass);
  PutString(out, dialog.title);
  if ((dialog.style & kSetFont) != 0) {
    PutU16(out, dialog.pointSize);
    PutString(out, dialog.faceName);
  }
  for (const DialogItemTemplate& item : dialog.items) {
    AlignTo4(out);
    PutU32(out, item.style);
    PutU32(out, item.exStyle);
    PutI16(out, item.x);
    PutI16(out, item.y);
    PutI16(out, item.cx);
    PutI16(out, item.cy);
    PutU16(out, item.id);
    PutKey(out, item.windowClass);
    PutKey(out, item.text);
    // The size counts its own field too; 0 stands for no data.
    const std::size_t data = item.creationData.size();
    PutU16(out, static_cast<std::uint32_t>(data == 0 ? 0 : data + 2));
    out.insert(out.end(), item.creationData.begin(), item.creationData.end());
  }
  return out;
}
