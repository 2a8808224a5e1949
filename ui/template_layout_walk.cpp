#include "ui/template_layout_walk.h"

#include <optional>
#include <utility>

#include "platform/byte_reader.h"

namespace {

constexpr WORD kSharedId = 0xFFFF;

struct TemplateItem {
  TemplateItemHeader header;
  ResourceModule::Key windowClass;
  ResourceModule::Key text;
};

// What the walk needs of the template's header: the style, for DS_SETFONT,
// and the item count. The dialog's own rectangle is not used.
struct TemplateHeader {
  DWORD style = 0;
  WORD count = 0;
};

std::optional<TemplateHeader> ReadFixedHeader(ByteReader& reader) {
  const auto style = reader.U32();
  const auto exStyle = reader.U32();
  const auto count = reader.U16();
  if (!style || !exStyle || !count) return std::nullopt;
  return TemplateHeader{*style, *count};
}

// The dialog's rectangle, menu, class, title and, with DS_SETFONT, the
// point size and face name.
bool SkipHeaderFields(ByteReader& reader, DWORD style) {
  for (int i = 0; i < 4; ++i) {
    if (!reader.U16()) return false;
  }
  for (int i = 0; i < 3; ++i) {
    if (!reader.NameOrOrdinal()) return false;
  }
  if ((style & DS_SETFONT) == 0) return true;
  return reader.U16() && reader.NameOrOrdinal();
}

std::optional<TemplateItemHeader> ReadItemHeader(ByteReader& reader) {
  const auto style = reader.U32();
  const auto exStyle = reader.U32();
  const auto x = reader.I16();
  const auto y = reader.I16();
  const auto cx = reader.I16();
  const auto cy = reader.I16();
  const auto id = reader.U16();
  if (!style || !exStyle || !x || !y || !cx || !cy || !id) return std::nullopt;
  return TemplateItemHeader{*style, *exStyle, *x, *y, *cx, *cy, *id};
}

// The creation-data size counts from the start of its own field; 0 stands
// for the field alone. Data that runs past the end makes the item malformed.
bool SkipCreationData(ByteReader& reader) {
  const std::size_t fieldStart = reader.position();
  const auto size = reader.U16();
  if (!size) return false;
  return reader.Seek(fieldStart + (*size == 0 ? 2u : *size));
}

// One whole item from the next 4-byte boundary on, leaving the reader after
// its creation data; nothing when any of it lies past the end, so that an
// item is acted on only once it has been read in full.
std::optional<TemplateItem> ReadItem(ByteReader& reader) {
  if (!reader.AlignTo4()) return std::nullopt;
  auto header = ReadItemHeader(reader);
  auto windowClass = header ? reader.NameOrOrdinal() : std::nullopt;
  auto text = windowClass ? reader.NameOrOrdinal() : std::nullopt;
  if (!text || !SkipCreationData(reader)) return std::nullopt;
  return TemplateItem{*header, std::move(*windowClass), std::move(*text)};
}

// Moves and restores one item's control; false when the walk must end
// (missing control, rectangle not convertible). `ok` turns false when the
// move cannot be added.
bool LayOutItem(const TemplateItem& item, TemplateLayoutTarget& target, bool& ok) {
  const TemplateItemHeader& header = item.header;
  if (!target.HasControl(header.id)) return false;
  // Edges as 32-bit sums, so that no 16-bit field can overflow them.
  RECT rect{header.x, header.y, LONG{header.x} + header.cx, LONG{header.y} + header.cy};
  if (!target.MapToPixels(rect)) return false;
  if (!target.AddMove(header.id, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top)) {
    ok = false;
  }
  target.RestoreContent(header, item.windowClass, item.text);
  return true;
}

}  // namespace

bool WalkTemplateLayout(std::span<const std::uint8_t> bytes, TemplateLayoutTarget& target) {
  ByteReader reader(bytes);
  const auto header = ReadFixedHeader(reader);
  if (!header || !target.BeginBatch(header->count)) return false;

  bool ok = true;
  int sharedIds = 0;
  // A move that cannot be added makes the result false but the walk goes
  // on; anything else that fails ends it.
  bool walking = SkipHeaderFields(reader, header->style);
  for (WORD i = 0; walking && i < header->count; ++i) {
    const auto item = ReadItem(reader);
    walking = item && LayOutItem(*item, target, ok);
    if (walking && item->header.id == kSharedId) ++sharedIds;
  }
  if (!walking) ok = false;
  if (!target.ApplyBatch()) ok = false;
  if (sharedIds >= 2) ok = false;
  return ok;
}
