#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "platform/framework.h"
#include "platform/resource_module.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/window_widgets.h"

namespace {

using Key = ResourceModule::Key;

// A copy of the program's pictures with the named entry cut to `keep`
// bytes.
ResourceModule WithTruncated(std::uint16_t type, std::uint16_t name, std::size_t keep) {
  ResourceModule module;
  for (const ResourceModule::Entry& entry : ApplicationResources().entries()) {
    std::vector<std::uint8_t> data = entry.data;
    if (entry.type == Key{type} && entry.name == Key{name})
      data.resize(std::min(keep, data.size()));
    module.Add(entry.type, entry.name, std::move(data), entry.language);
  }
  return module;
}

TEST(ResourceLookup, FindsLoadsAndSizesByTypeAndNumber) {
  HMODULE module = &ProbeModule();
  HRSRC found = FindResource(module, MAKEINTRESOURCE(kProbeTemplate), RT_DIALOG);
  ASSERT_NE(found, nullptr);
  const auto expected =
      ProbeModule().Find(Key{std::uint16_t{5}}, Key{std::uint16_t{kProbeTemplate}});
  EXPECT_EQ(LockResource(LoadResource(module, found)), expected->data());
  EXPECT_EQ(SizeofResource(module, found), expected->size());
  EXPECT_EQ(FindResource(module, MAKEINTRESOURCE(4711), RT_DIALOG), nullptr);
  EXPECT_EQ(FindResource(module, MAKEINTRESOURCE(kProbeTemplate), RT_BITMAP), nullptr);
  EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(kProbeTemplate), RT_DIALOG), nullptr);
  // A handle is only good with the module it came from.
  EXPECT_EQ(LoadResource(&ApplicationResources(), found), nullptr);
  EXPECT_NE(FindResource(AfxGetResourceHandle(), MAKEINTRESOURCE(102), RT_DIALOG), nullptr);
  EXPECT_NE(FindResource(AfxGetInstanceHandle(), u"HI_RES_AWARE", u"CEUX"), nullptr);
}

TEST(ResourceImages, IconGroupLoadsEveryImageAndBitmapItsPixels) {
  HICON icon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(128));
  ASSERT_NE(icon, nullptr);
  CWinApp app;
  HICON appIcon = app.LoadIcon(128);
  EXPECT_NE(appIcon, nullptr);
  HBITMAP bitmap = LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(134));
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(4711)), nullptr);
  EXPECT_EQ(LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(128)), nullptr);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));  // already gone: refused, not freed twice
  EXPECT_TRUE(DestroyIcon(appIcon));
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteObject(bitmap));
}

struct DamagedCase {
  const char* name;
  std::uint16_t type;
  std::uint16_t id;
  std::size_t keep;
};

class DamagedImage : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedImage, GivesNothingInsteadOfReadingPastTheEnd) {
  const DamagedCase& c = GetParam();
  const ResourceModule module = WithTruncated(c.type, c.id, c.keep);
  if (c.type == 2) {
    EXPECT_EQ(LoadBitmap(&module, MAKEINTRESOURCE(c.id)), nullptr);
  } else {
    EXPECT_EQ(LoadIcon(&module, MAKEINTRESOURCE(c.id)), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Truncated, DamagedImage,
                         ::testing::Values(DamagedCase{"BitmapEmpty", 2, 134, 0},
                                           DamagedCase{"BitmapInsideHeader", 2, 134, 20},
                                           DamagedCase{"BitmapInsidePalette", 2, 134, 300},
                                           DamagedCase{"GroupEmpty", 14, 128, 0},
                                           DamagedCase{"GroupHeaderOnly", 14, 128, 6}),
                         [](const auto& row) { return row.param.name; });

TEST(StaticImages, SetImageAnswersThePreviousAndGetImageTheCurrent) {
  CProbeDlg dialog;
  dialog.onInit = [](CProbeDlg& self) {
    HWND picture = GetDlgItem(self.m_hWnd, 1013);
    const auto original =
        reinterpret_cast<HBITMAP>(SendMessage(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_NE(original, nullptr);
    HBITMAP fresh = LoadBitmap(&ProbeModule(), MAKEINTRESOURCE(134));
    const LRESULT previous =
        SendMessage(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fresh));
    EXPECT_EQ(reinterpret_cast<HBITMAP>(previous), original);
    EXPECT_TRUE(DeleteObject(original));
    EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessage(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)),
              fresh);
    EXPECT_EQ(ControlWidget<QLabel>(self.m_hWnd, 1013)->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(SendMessage(picture, STM_GETIMAGE, IMAGE_ICON, 0), 0);
    self.EndDialog(IDOK);
    DeleteObject(fresh);
  };
  dialog.DoModal();
}

TEST(DialogIcons, SetIconAnswersThePreviousIconAndShowsIt) {
  CProbeDlg dialog;
  HICON icon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(128));
  dialog.onInit = [icon](CProbeDlg& self) {
    EXPECT_EQ(self.SetIcon(icon, TRUE), nullptr);
    EXPECT_EQ(self.SetIcon(icon, FALSE), nullptr);
    EXPECT_EQ(self.SetIcon(icon, TRUE), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(self.SendMessage(WM_GETICON, ICON_SMALL, 0)), icon);
    EXPECT_FALSE(WidgetForWindow(self.m_hWnd)->windowIcon().isNull());
    self.EndDialog(IDOK);
  };
  dialog.DoModal();
  EXPECT_TRUE(DestroyIcon(icon));  // the dialog did not take it over
}

TEST(DeferredPlacement, MovesTakeEffectTogetherAtTheEnd) {
  CProbeDlg dialog;
  dialog.onInit = [](CProbeDlg& self) {
    HWND edit = GetDlgItem(self.m_hWnd, 1001);
    HWND button = GetDlgItem(self.m_hWnd, 1000);
    const QRect editBefore = WidgetForWindow(edit)->geometry();
    HDWP batch = BeginDeferWindowPos(2);
    ASSERT_NE(batch, nullptr);
    EXPECT_EQ(DeferWindowPos(batch, edit, nullptr, 1, 2, 30, 40, SWP_NOZORDER), batch);
    EXPECT_EQ(DeferWindowPos(batch, button, nullptr, 5, 6, 70, 80, SWP_NOZORDER), batch);
    EXPECT_EQ(DeferWindowPos(batch, nullptr, nullptr, 0, 0, 1, 1, SWP_NOZORDER), nullptr);
    EXPECT_EQ(WidgetForWindow(edit)->geometry(), editBefore);
    EXPECT_TRUE(EndDeferWindowPos(batch));
    EXPECT_EQ(WidgetForWindow(edit)->geometry(), QRect(1, 2, 30, 40));
    EXPECT_EQ(WidgetForWindow(button)->geometry(), QRect(5, 6, 70, 80));
    EXPECT_FALSE(EndDeferWindowPos(batch));  // already applied and freed
    self.EndDialog(IDOK);
  };
  dialog.DoModal();
  EXPECT_EQ(BeginDeferWindowPos(-1), nullptr);
}

TEST(DialogUnits, MapDialogRectUsesTheFontBaseUnitsWithRounding) {
  CProbeDlg dialog;
  dialog.onInit = [](CProbeDlg& self) {
    RECT unit{0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(self.m_hWnd, &unit));
    const int baseX = unit.right;
    const int baseY = unit.bottom;
    EXPECT_GT(baseX, 3);
    EXPECT_GT(baseY, 8);
    RECT rect{1, 1, 83, 129};
    MapDialogRect(self.m_hWnd, &rect);
    EXPECT_EQ(rect.left, (baseX + 2) / 4);
    EXPECT_EQ(rect.right, (83 * baseX + 2) / 4);
    EXPECT_EQ(rect.bottom, (129 * baseY + 4) / 8);
    RECT notDialog{1, 1, 2, 2};
    EXPECT_FALSE(MapDialogRect(GetDlgItem(self.m_hWnd, 1001), &notDialog));
    self.EndDialog(IDOK);
  };
  dialog.DoModal();
}

TEST(ScreenMetrics, TestHookSetsTheScreenAndZeroGoesBack) {
  SetScreenSizeForTesting(240, 320);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
  SetScreenSizeForTesting(0, 0);
  const QSize real = QGuiApplication::primaryScreen()->size();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), real.width());
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), real.height());
  EXPECT_EQ(GetSystemMetrics(42), 0);
}

TEST(ListControls, SelectionIsReadAndSetAndNoneIsMinusOne) {
  CProbeDlg dialog;
  dialog.onInit = [](CProbeDlg& self) {
    for (const int id : {1020, 1021}) {
      const bool list = id == 1020;
      const UINT add = list ? LB_ADDSTRING : CB_ADDSTRING;
      const UINT get = list ? LB_GETCURSEL : CB_GETCURSEL;
      const UINT set = list ? LB_SETCURSEL : CB_SETCURSEL;
      self.SendDlgItemMessage(id, add, 0, reinterpret_cast<LPARAM>(u"one"));
      self.SendDlgItemMessage(id, add, 0, reinterpret_cast<LPARAM>(u"two"));
      if (list) {
        EXPECT_EQ(self.SendDlgItemMessage(id, get), -1);
      }
      EXPECT_EQ(self.SendDlgItemMessage(id, set, 1), 1);
      EXPECT_EQ(self.SendDlgItemMessage(id, get), 1);
      EXPECT_EQ(self.SendDlgItemMessage(id, set, 7), -1);
    }
    self.EndDialog(IDOK);
  };
  dialog.DoModal();
}

TEST(WindowText, TextsOfDialogsButtonsAndEditsAndStaleHandles) {
  CProbeDlg dialog;
  HWND edit = nullptr;
  dialog.onInit = [&](CProbeDlg& self) {
    edit = GetDlgItem(self.m_hWnd, 1001);
    EXPECT_TRUE(SetDlgItemText(self.m_hWnd, 1000, u"Again"));
    CString text;
    self.GetDlgItem(1000)->GetWindowText(text);
    EXPECT_EQ(text, u"Again");
    self.GetWindowText(text);
    EXPECT_EQ(text, u"Probe");
    char16_t small[4] = {u'x', u'x', u'x', u'x'};
    SetWindowText(edit, u"123456");
    EXPECT_EQ(GetWindowText(edit, small, 4), 3);
    EXPECT_EQ(std::u16string(small), u"123");
    EXPECT_EQ(EnableWindow(edit, FALSE), FALSE);
    EXPECT_EQ(EnableWindow(edit, TRUE), TRUE);
    self.EndDialog(IDOK);
  };
  dialog.DoModal();
  // The window is gone: its handle is refused.
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_FALSE(SetWindowText(edit, u"late"));
  EXPECT_EQ(SendMessage(edit, EM_LINELENGTH, 0, 0), 0);
}

}  // namespace
