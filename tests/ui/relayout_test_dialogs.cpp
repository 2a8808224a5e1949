#include "tests/ui/relayout_test_dialogs.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/dialog_template_writer.h"
#include "tests/support/window_widgets.h"

namespace {

using Key = ResourceModule::Key;

struct Control {
  WORD windowClass;
  DWORD style;
  Key text;
  DialogUnits start;
  DialogUnits moved;
};

const std::map<WORD, Control>& Controls() {
  static const std::map<WORD, Control> controls = {
      {kGo,
       {kButtonClass, BS_PUSHBUTTON | WS_TABSTOP, Key{u"Go"}, {4, 4, 30, 12}, {10, 90, 40, 14}}},
      {kLabel, {kStaticClass, SS_LEFT, Key{u"Label"}, {4, 20, 30, 8}, {60, 90, 36, 10}}},
      {kEdit,
       {kEditClass,
        WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP,
        Key{u""},
        {40, 4, 30, 12},
        {10, 110, 44, 12}}},
      {kList, {kListBoxClass, WS_BORDER, Key{u""}, {4, 30, 40, 30}, {110, 4, 40, 36}}},
      {kCombo, {kComboBoxClass, CBS_DROPDOWNLIST, Key{u""}, {50, 30, 40, 40}, {110, 44, 44, 40}}},
      {kIcon,
       {kStaticClass, SS_ICON, Key{std::uint16_t{128}}, {100, 4, 20, 20}, {130, 90, 20, 20}}},
      {kBitmap,
       {kStaticClass, SS_BITMAP, Key{std::uint16_t{134}}, {100, 30, 21, 20}, {130, 110, 21, 20}}},
      {kOther, {kButtonClass, BS_PUSHBUTTON, Key{u"Other"}, {4, 70, 30, 12}, {60, 110, 34, 14}}},
      {kShared, {kStaticClass, SS_LEFT, Key{u"Shared"}, {40, 70, 30, 8}, {4, 130, 50, 8}}},
      {kMissing, {kStaticClass, SS_LEFT, Key{u"Nowhere"}, {0, 0, 0, 0}, {1, 1, 10, 10}}},
  };
  return controls;
}

class CRelayoutTestDlg : public CDialog {
 public:
  CRelayoutTestDlg(const ResourceModule& module, const std::function<void(HWND)>& body)
      : CDialog(kTestDialog), body_(body) {
    SetTemplateModule(&module);
  }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    body_(m_hWnd);
    EndDialog(IDOK);
    return TRUE;
  }

 private:
  const std::function<void(HWND)>& body_;
};

}  // namespace

DialogUnits StartRect(WORD id) { return Controls().at(id).start; }
DialogUnits MovedRect(WORD id) { return Controls().at(id).moved; }

DialogItemTemplate TestItem(WORD id, DialogUnits rect) {
  const Control& control = Controls().at(id);
  DialogItemTemplate item;
  item.style = WS_CHILD | WS_VISIBLE | control.style;
  item.x = rect.x;
  item.y = rect.y;
  item.cx = rect.cx;
  item.cy = rect.cy;
  item.id = id;
  item.windowClass = Key{control.windowClass};
  item.text = control.text;
  return item;
}

DialogTemplate TestTemplate(std::vector<DialogItemTemplate> items) {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | DS_SETFONT;
  dialog.cx = 160;
  dialog.cy = 140;
  dialog.menu = Key{std::u16string()};
  dialog.windowClass = Key{std::u16string()};
  dialog.title = u"Relayout";
  dialog.pointSize = 8;
  dialog.faceName = u"MS Shell Dlg";
  dialog.items = std::move(items);
  return dialog;
}

ResourceModule RelayoutModule(
    const std::vector<std::pair<UINT, std::vector<std::uint8_t>>>& extra) {
  ResourceModule module;
  for (const auto& [number, bytes] : extra)
    module.Add(Key{std::uint16_t{5}}, Key{static_cast<std::uint16_t>(number)}, bytes);
  std::vector<DialogItemTemplate> items;
  for (WORD id : kAllControls) items.push_back(TestItem(id, StartRect(id)));
  module.Add(Key{std::uint16_t{5}}, Key{std::uint16_t{kTestDialog}},
             WriteDialogTemplate(TestTemplate(items)));
  for (const ResourceModule::Entry& entry : ApplicationResources().entries()) {
    const auto* type = std::get_if<std::uint16_t>(&entry.type);
    if (type != nullptr && (*type == 2 || *type == 3 || *type == 14)) {
      module.Add(entry.type, entry.name, entry.data, entry.language);
    }
  }
  return module;
}

void WithTestDialog(const ResourceModule& module, const std::function<void(HWND)>& body) {
  CRelayoutTestDlg dialog(module, body);
  EXPECT_EQ(dialog.DoModal(), IDOK) << "the test dialog did not come up";
}

QRect ControlRect(HWND dialog, WORD id) {
  const QWidget* widget = ControlWidget(dialog, id);
  return widget != nullptr ? widget->geometry() : QRect();
}

QRect PixelRect(HWND dialog, DialogUnits units) {
  RECT rect{units.x, units.y, units.x + units.cx, units.y + units.cy};
  MapDialogRect(dialog, &rect);
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
