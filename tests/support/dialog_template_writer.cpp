#include "tests/support/dialog_template_writer.h"

#include "tests/support/template_bytes.h"

std::vector<std::uint8_t> WriteDialogTemplate(const DialogTemplate& dialog) {
  constexpr std::uint32_t kSetFont = 0x40;
  TemplateBytes out;
  out.U32(dialog.style).U32(dialog.exStyle).U16(static_cast<std::uint16_t>(dialog.items.size()));
  out.I16(dialog.x).I16(dialog.y).I16(dialog.cx).I16(dialog.cy);
  out.NameOrOrdinal(dialog.menu).NameOrOrdinal(dialog.windowClass).Text(dialog.title);
  if ((dialog.style & kSetFont) != 0) out.U16(dialog.pointSize).Text(dialog.faceName);
  for (const DialogItemTemplate& item : dialog.items) {
    out.Align().U32(item.style).U32(item.exStyle);
    out.I16(item.x).I16(item.y).I16(item.cx).I16(item.cy).U16(item.id);
    out.NameOrOrdinal(item.windowClass).NameOrOrdinal(item.text);
    // The size counts its own field too; 0 stands for no data.
    const std::size_t data = item.creationData.size();
    out.U16(static_cast<std::uint16_t>(data == 0 ? 0 : data + 2)).Raw(item.creationData);
  }
  return out.bytes();
}
