// ApplyTemplateLayout on a real dialog with its template cut at every
// length: never a read past the end (this test also runs under
// AddressSanitizer), false every time, and exactly the items that lie
// wholly before the cut moved and restored.

#include "ui/apply_template_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "tests/support/dialog_template_writer.h"
#include "tests/ui/relayout_test_dialogs.h"

namespace {

using Key = ResourceModule::Key;

constexpr UINT kLayout = 200;

// Every control, the shared one among them, at its moved rectangle.
DialogTemplate FullLayout() {
  std::vector<DialogItemTemplate> items;
  for (WORD id : {kGo, kLabel, kEdit, kShared, kList, kCombo, kIcon, kBitmap, kOther}) {
    items.push_back(TestItem(id, MovedRect(id)));
  }
  return TestTemplate(std::move(items));
}

std::size_t FieldSize(const Key& key) {
  if (std::holds_alternative<std::uint16_t>(key)) return 4;
  return 2 * (std::get<std::u16string>(key).size() + 1);
}

// Where each item of the written template ends: after the header's 18
// bytes, menu, class, title and font, each item starts on a 4-byte
// boundary and takes 18 bytes, its class and text and the 2-byte size of
// its (here empty) creation data.
std::vector<std::size_t> ItemEnds(const DialogTemplate& dialog) {
  std::size_t offset = 18 + FieldSize(dialog.menu) + FieldSize(dialog.windowClass) +
                       FieldSize(Key{dialog.title}) + 2 + FieldSize(Key{dialog.faceName});
  std::vector<std::size_t> ends;
  for (const DialogItemTemplate& item : dialog.items) {
    offset = (offset + 3) / 4 * 4 + 18 + FieldSize(item.windowClass) + FieldSize(item.text) + 2;
    ends.push_back(offset);
  }
  return ends;
}

TEST(ApplyTemplateLayoutTruncated, EveryLengthGivesFalseAndMovesOnlyTheWholeItems) {
  const DialogTemplate layout = FullLayout();
  const std::vector<std::uint8_t> full = WriteDialogTemplate(layout);
  const std::vector<std::size_t> ends = ItemEnds(layout);
  ASSERT_EQ(ends.back(), full.size());
  for (std::size_t length = 0; length < full.size(); ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    // Exactly that many bytes in their own allocation, so that a sanitizer
    // catches a read past them.
    const ResourceModule module = RelayoutModule(
        {{kLayout, std::vector<std::uint8_t>(full.begin(),
                                             full.begin() + static_cast<std::ptrdiff_t>(length))}});
    WithTestDialog(module, [&](HWND dialog) {
      SetDlgItemText(dialog, kGo, u"scribbled");
      EXPECT_FALSE(ApplyTemplateLayout(&module, dialog, kLayout));
      for (std::size_t i = 0; i < layout.items.size(); ++i) {
        const WORD id = layout.items[i].id;
        const bool whole = ends[i] <= length;
        EXPECT_EQ(ControlRect(dialog, id), PixelRect(dialog, whole ? MovedRect(id) : StartRect(id)))
            << id;
      }
      EXPECT_EQ(GetWindowTextLength(GetDlgItem(dialog, kGo)), ends[0] <= length ? 2 : 9);
    });
  }
}

TEST(ApplyTemplateLayoutTruncated, TheWholeTemplateGivesTrue) {
  const ResourceModule module = RelayoutModule({{kLayout, WriteDialogTemplate(FullLayout())}});
  WithTestDialog(module, [&](HWND dialog) {
    EXPECT_TRUE(ApplyTemplateLayout(&module, dialog, kLayout));
    for (WORD id : kAllControls)
      EXPECT_EQ(ControlRect(dialog, id), PixelRect(dialog, MovedRect(id))) << id;
  });
}

}  // namespace
