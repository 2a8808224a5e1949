#include "platform/dialog_template.h"

#include <utility>

#include "platform/byte_reader.h"

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;

// Title and face name are strings in practice; an ordinal in their place is
// stepped over and read as no text.
std::optional<std::u16string> ReadTextField(ByteReader& reader) {
  auto field = reader.NameOrOrdinal();
  if (!field) return std::nullopt;
  if (auto* text = std::get_if<std::u16string>(&*field)) return std::move(*text);
  return std::u16string();
}

bool ReadHeader(ByteReader& reader, DialogTemplate& dialog, std::uint16_t& count) {
  const auto style = reader.U32();
  const auto exStyle = reader.U32();
  const auto itemCount = reader.U16();
  const auto x = reader.I16();
  const auto y = reader.I16();
  const auto cx = reader.I16();
  const auto cy = reader.I16();
  if (!style || !exStyle || !itemCount || !x || !y || !cx || !cy) return false;
  dialog.style = *style;
  dialog.exStyle = *exStyle;
  count = *itemCount;
  dialog.x = *x;
  dialog.y = *y;
  dialog.cx = *cx;
  dialog.cy = *cy;
  auto menu = reader.NameOrOrdinal();
  auto windowClass = menu ? reader.NameOrOrdinal() : std::nullopt;
  auto title = windowClass ? ReadTextField(reader) : std::nullopt;
  if (!title) return false;
  dialog.menu = std::move(*menu);
  dialog.windowClass = std::move(*windowClass);
  dialog.title = std::move(*title);
  if ((dialog.style & kDsSetFont) == 0) return true;
  const auto pointSize = reader.U16();
  auto face = pointSize ? ReadTextField(reader) : std::nullopt;
  if (!face) return false;
  dialog.pointSize = *pointSize;
  dialog.faceName = std::move(*face);
  return true;
}

// The creation-data size counts from the start of its own field; 0 means
// the field alone.
bool ReadCreationData(ByteReader& reader, DialogItemTemplate& item) {
  const std::size_t fieldStart = reader.position();
  const auto size = reader.U16();
  if (!size) return false;
  if (*size <= 2) return reader.Seek(fieldStart + (*size == 0 ? 2 : *size));
  const auto data = reader.Bytes(*size - 2u);
  if (!data) return false;
  item.creationData.assign(data->begin(), data->end());
  return true;
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  DialogTemplate dialog;
  std::uint16_t count = 0;
  if (!ReadHeader(reader, dialog, count)) return std::nullopt;
  dialog.items.reserve(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    auto item = ReadDialogItemTemplate(reader);
    if (!item) return std::nullopt;
    dialog.items.push_back(std::move(*item));
  }
  return dialog;
}

std::optional<DialogItemTemplate> ReadDialogItemTemplate(ByteReader& reader) {
  if (!reader.AlignTo4()) return std::nullopt;
  DialogItemTemplate item;
  const auto style = reader.U32();
  const auto exStyle = reader.U32();
  const auto x = reader.I16();
  const auto y = reader.I16();
  const auto cx = reader.I16();
  const auto cy = reader.I16();
  const auto id = reader.U16();
  if (!style || !exStyle || !x || !y || !cx || !cy || !id) return std::nullopt;
  auto windowClass = reader.NameOrOrdinal();
  auto text = windowClass ? reader.NameOrOrdinal() : std::nullopt;
  if (!text) return std::nullopt;
  item.style = *style;
  item.exStyle = *exStyle;
  item.x = *x;
  item.y = *y;
  item.cx = *cx;
  item.cy = *cy;
  item.id = *id;
  item.windowClass = std::move(*windowClass);
  item.text = std::move(*text);
  if (!ReadCreationData(reader, item)) return std::nullopt;
  return item;
}
