#include "ui/template_layout_walk.h"

#include <optional>
#include <utility>

#include "platform/byte_reader.h"
#include "platform/dialog_template.h"

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

// One whole item, read as the dialog manager reads it; nothing when any of
// it lies past the end, so that an item is acted on only once it has been
// read in full. Its creation data is not needed here.
std::optional<TemplateItem> ReadItem(ByteReader& reader) {
  auto item = ReadDialogItemTemplate(reader);
  if (!item) return std::nullopt;
  const TemplateItemHeader header{item->style, item->exStyle, item->x, item->y,
                                  item->cx,    item->cy,      item->id};
  return TemplateItem{header, std::move(item->windowClass), std::move(item->text)};
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
  if (!target.AddMove(header.id, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top)) {
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
