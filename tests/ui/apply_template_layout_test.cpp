// ApplyTemplateLayout on a real dialog: which controls move where, what
// they show afterwards, and the result, for templates built in the test.

#include "ui/apply_template_layout.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <ostream>
#include <string>

#include "tests/support/dialog_template_writer.h"
#include "tests/support/window_widgets.h"
#include "tests/ui/relayout_test_dialogs.h"

namespace {

using Key = ResourceModule::Key;

constexpr UINT kLayout = 200;

// The test dialog's module with relayout template kLayout made of these
// items, each at its moved rectangle.
ResourceModule ModuleWithLayout(std::initializer_list<WORD> ids) {
  std::vector<DialogItemTemplate> items;
  for (WORD id : ids) items.push_back(TestItem(id, MovedRect(id)));
  return RelayoutModule({{kLayout, WriteDialogTemplate(TestTemplate(items))}});
}

ResourceModule ModuleWithLayout(std::vector<DialogItemTemplate> items) {
  return RelayoutModule({{kLayout, WriteDialogTemplate(TestTemplate(std::move(items)))}});
}

std::u16string Text(HWND dialog, WORD id) {
  char16_t buffer[64] = {};
  GetWindowText(GetDlgItem(dialog, id), buffer, 64);
  return buffer;
}

// Puts a text other than the template's into each button and static that
// shows one, so that a restoration can be seen.
void Scribble(HWND dialog) {
  for (WORD id : {kGo, kLabel, kOther, kShared}) SetDlgItemText(dialog, id, u"scribbled");
}

HICON Icon(HWND dialog) {
  return reinterpret_cast<HICON>(SendDlgItemMessage(dialog, kIcon, STM_GETIMAGE, IMAGE_ICON, 0));
}

HBITMAP Bitmap(HWND dialog) {
  return reinterpret_cast<HBITMAP>(
      SendDlgItemMessage(dialog, kBitmap, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

bool ShowsPicture(HWND dialog, WORD id) {
  const auto* label = ControlWidget<QLabel>(dialog, id);
  return label != nullptr && !label->pixmap().isNull();
}

TEST(ApplyTemplateLayout, FourthOfSixMissingMovesAndRestoresTheFirstThreeOnly) {
  const ResourceModule module = ModuleWithLayout({kGo, kLabel, kIcon, kMissing, kOther, kBitmap});
  WithTestDialog(module, [&](HWND dialog) {
    Scribble(dialog);
    const HICON icon = Icon(dialog);
    const HBITMAP bitmap = Bitmap(dialog);
    EXPECT_FALSE(ApplyTemplateLayout(&module, dialog, kLayout));
    for (WORD id : {kGo, kLabel, kIcon})
      EXPECT_EQ(ControlRect(dialog, id), PixelRect(dialog, MovedRect(id))) << id;
    for (WORD id : {kEdit, kList, kCombo, kOther, kBitmap, kShared}) {
      EXPECT_EQ(ControlRect(dialog, id), PixelRect(dialog, StartRect(id))) << id;
    }
    EXPECT_EQ(Text(dialog, kGo), u"Go");
    EXPECT_EQ(Text(dialog, kLabel), u"Label");
    EXPECT_NE(Icon(dialog), icon);
    EXPECT_EQ(Text(dialog, kOther), u"scribbled");
    EXPECT_EQ(Bitmap(dialog), bitmap);
    EXPECT_EQ(Text(dialog, kShared), u"scribbled");
  });
}

TEST(ApplyTemplateLayout, EveryControlFoundAndOneSharedIdGivesTrue) {
  const ResourceModule module =
      ModuleWithLayout({kShared, kGo, kLabel, kEdit, kList, kCombo, kIcon, kBitmap, kOther});
  WithTestDialog(module, [&](HWND dialog) {
    Scribble(dialog);
    QTest::keyClicks(ControlWidget<QLineEdit>(dialog, kEdit), "42");
    const QRect frame = WidgetForWindow(dialog)->geometry();
    EXPECT_TRUE(ApplyTemplateLayout(&module, dialog, kLayout));
    for (WORD id : kAllControls)
      EXPECT_EQ(ControlRect(dialog, id), PixelRect(dialog, MovedRect(id))) << id;
    EXPECT_EQ(Text(dialog, kGo), u"Go");
    EXPECT_EQ(Text(dialog, kLabel), u"Label");
    EXPECT_EQ(Text(dialog, kOther), u"Other");
    EXPECT_EQ(Text(dialog, kShared), u"Shared");
    EXPECT_EQ(Text(dialog, kEdit), u"42");  // the template's empty text is not put back
    EXPECT_EQ(WidgetForWindow(dialog)->geometry(), frame);
  });
}

// The one control with 0xFFFF takes the rectangle and text of each item in
// turn; the walk goes through to the end, and only the result tells.
TEST(ApplyTemplateLayout, TwoSharedIdsGiveFalseAfterDoingEverything) {
  DialogItemTemplate second = TestItem(kShared, {70, 120, 60, 8});
  second.text = Key{u"Second"};
  const ResourceModule module =
      ModuleWithLayout({TestItem(kGo, MovedRect(kGo)), TestItem(kShared, MovedRect(kShared)),
                        TestItem(kLabel, MovedRect(kLabel)), second});
  WithTestDialog(module, [&](HWND dialog) {
    Scribble(dialog);
    EXPECT_FALSE(ApplyTemplateLayout(&module, dialog, kLayout));
    EXPECT_EQ(ControlRect(dialog, kGo), PixelRect(dialog, MovedRect(kGo)));
    EXPECT_EQ(ControlRect(dialog, kLabel), PixelRect(dialog, MovedRect(kLabel)));
    EXPECT_EQ(ControlRect(dialog, kShared), PixelRect(dialog, {70, 120, 60, 8}));
    EXPECT_EQ(Text(dialog, kGo), u"Go");
    EXPECT_EQ(Text(dialog, kLabel), u"Label");
    EXPECT_EQ(Text(dialog, kShared), u"Second");
  });
}

struct SelectionCase {
  const char* name;
  int list;  // selected entry, -1 for none
  int combo;
  friend void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }
};

class Selection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(Selection, ListAndComboBoxKeepTheirSelectionOrLackOfOne) {
  const SelectionCase& c = GetParam();
  const ResourceModule module = ModuleWithLayout({kList, kCombo});
  WithTestDialog(module, [&](HWND dialog) {
    for (const char16_t* entry : {u"one", u"two", u"three"}) {
      SendDlgItemMessage(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
      SendDlgItemMessage(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SendDlgItemMessage(dialog, kList, LB_SETCURSEL, static_cast<WPARAM>(c.list), 0);
    SendDlgItemMessage(dialog, kCombo, CB_SETCURSEL, static_cast<WPARAM>(c.combo), 0);
    EXPECT_TRUE(ApplyTemplateLayout(&module, dialog, kLayout));
    EXPECT_EQ(SendDlgItemMessage(dialog, kList, LB_GETCURSEL, 0, 0), c.list);
    EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), c.combo);
    EXPECT_EQ(ControlRect(dialog, kList), PixelRect(dialog, MovedRect(kList)));
    EXPECT_EQ(ControlRect(dialog, kCombo), PixelRect(dialog, MovedRect(kCombo)));
  });
}

INSTANTIATE_TEST_SUITE_P(Cases, Selection,
                         ::testing::Values(SelectionCase{"NeitherSelected", -1, -1},
                                           SelectionCase{"ListOnly", 2, -1},
                                           SelectionCase{"ComboOnly", -1, 1},
                                           SelectionCase{"BothFirst", 0, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ApplyTemplateLayout, ReloadsIconAndBitmapAndFreesTheOldOnes) {
  const ResourceModule module = ModuleWithLayout({kIcon, kBitmap});
  WithTestDialog(module, [&](HWND dialog) {
    const HICON oldIcon = Icon(dialog);
    const HBITMAP oldBitmap = Bitmap(dialog);
    ASSERT_NE(oldIcon, nullptr);
    ASSERT_NE(oldBitmap, nullptr);
    EXPECT_TRUE(ApplyTemplateLayout(&module, dialog, kLayout));
    EXPECT_NE(Icon(dialog), nullptr);
    EXPECT_NE(Icon(dialog), oldIcon);
    EXPECT_NE(Bitmap(dialog), nullptr);
    EXPECT_NE(Bitmap(dialog), oldBitmap);
    EXPECT_FALSE(DestroyIcon(oldIcon));  // already freed by the relayout
    EXPECT_FALSE(DeleteObject(oldBitmap));
    EXPECT_TRUE(ShowsPicture(dialog, kIcon));
    EXPECT_TRUE(ShowsPicture(dialog, kBitmap));
  });
}

TEST(ApplyTemplateLayout, KeepsTheOldPictureWhenTheNewOneDoesNotLoad) {
  DialogItemTemplate icon = TestItem(kIcon, MovedRect(kIcon));
  icon.text = Key{std::uint16_t{4712}};
  DialogItemTemplate bitmap = TestItem(kBitmap, MovedRect(kBitmap));
  bitmap.text = Key{std::uint16_t{4713}};
  const ResourceModule module = ModuleWithLayout({icon, bitmap});
  WithTestDialog(module, [&](HWND dialog) {
    const HICON oldIcon = Icon(dialog);
    const HBITMAP oldBitmap = Bitmap(dialog);
    EXPECT_TRUE(ApplyTemplateLayout(&module, dialog, kLayout));
    EXPECT_EQ(Icon(dialog), oldIcon);
    EXPECT_EQ(Bitmap(dialog), oldBitmap);
    EXPECT_TRUE(ShowsPicture(dialog, kIcon));
    EXPECT_TRUE(ShowsPicture(dialog, kBitmap));
    EXPECT_EQ(ControlRect(dialog, kIcon), PixelRect(dialog, MovedRect(kIcon)));
  });
}

// Only a class given as the button or static ordinal restores a text; a
// picture number on a static that shows text restores nothing.
TEST(ApplyTemplateLayout, MovesButDoesNotRestoreOtherClassesAndStyles) {
  DialogItemTemplate named = TestItem(kLabel, MovedRect(kLabel));
  named.windowClass = Key{u"Static"};
  DialogItemTemplate edit = TestItem(kEdit, MovedRect(kEdit));
  edit.text = Key{u"from the template"};
  DialogItemTemplate numbered = TestItem(kOther, MovedRect(kOther));
  numbered.text = Key{std::uint16_t{134}};
  const ResourceModule module = ModuleWithLayout({named, edit, numbered});
  WithTestDialog(module, [&](HWND dialog) {
    Scribble(dialog);
    SetDlgItemText(dialog, kEdit, u"typed");
    EXPECT_TRUE(ApplyTemplateLayout(&module, dialog, kLayout));
    EXPECT_EQ(Text(dialog, kLabel), u"scribbled");
    EXPECT_EQ(Text(dialog, kEdit), u"typed");
    EXPECT_EQ(Text(dialog, kOther), u"scribbled");
    for (WORD id : {kLabel, kEdit, kOther})
      EXPECT_EQ(ControlRect(dialog, id), PixelRect(dialog, MovedRect(id))) << id;
  });
}

TEST(ApplyTemplateLayout, NoTemplateOrNoDialogChangesNothing) {
  const ResourceModule module = ModuleWithLayout({kGo, kLabel});
  WithTestDialog(module, [&](HWND dialog) {
    Scribble(dialog);
    EXPECT_FALSE(ApplyTemplateLayout(&module, dialog, 999));
    EXPECT_FALSE(ApplyTemplateLayout(nullptr, dialog, kLayout));
    EXPECT_FALSE(ApplyTemplateLayout(&module, nullptr, kLayout));
    EXPECT_FALSE(ApplyTemplateLayout(&module, GetDlgItem(dialog, kGo), kLayout));
    for (WORD id : kAllControls)
      EXPECT_EQ(ControlRect(dialog, id), PixelRect(dialog, StartRect(id))) << id;
    EXPECT_EQ(Text(dialog, kGo), u"scribbled");
  });
}

}  // namespace
