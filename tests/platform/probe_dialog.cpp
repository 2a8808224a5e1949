#include "tests/platform/probe_dialog.h"

#include "platform/dialog_template.h"
#include "tests/support/dialog_template_writer.h"

namespace {

using Key = ResourceModule::Key;

DialogItemTemplate Item(std::uint16_t windowClass, std::uint16_t id, std::u16string text,
                        std::uint32_t style, std::int16_t x, std::int16_t y, std::int16_t cx,
                        std::int16_t cy) {
  DialogItemTemplate item;
  item.style = WS_CHILD | style;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  item.id = id;
  item.windowClass = Key{windowClass};
  item.text = Key{std::move(text)};
  return item;
}

DialogTemplate Probe() {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
  dialog.cx = 160;
  dialog.cy = 120;
  dialog.menu = Key{std::u16string()};
  dialog.windowClass = Key{std::u16string()};
  dialog.title = u"Probe";
  dialog.pointSize = 8;
  dialog.faceName = u"MS Shell Dlg";
  constexpr DWORD kShown = WS_VISIBLE;
  constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
  dialog.items = {
      Item(kButtonClass, IDOK, u"OK", kTab | BS_DEFPUSHBUTTON, 120, 6, 34, 14),
      Item(kButtonClass, IDCANCEL, u"Cancel", kTab | BS_PUSHBUTTON, 120, 24, 34, 14),
      Item(kButtonClass, 1000, u"Nested", kTab | BS_PUSHBUTTON, 120, 42, 34, 14),
      Item(kEditClass, 1001, u"", kTab | WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT, 60, 8, 40, 12),
      Item(kEditClass, 1002, u"", kTab | WS_BORDER | ES_READONLY, 60, 24, 40, 12),
      Item(kStaticClass, 0xFFFF, u"Value", kShown | SS_RIGHT, 6, 10, 50, 8),
      Item(kStaticClass, 0xFFFF, u"Line one\nLine two", kShown | SS_LEFT, 6, 40, 50, 20),
      Item(kButtonClass, 0xFFFF, u"Box", kShown | BS_GROUPBOX, 2, 2, 104, 60),
      Item(kStaticClass, 1013, u"", kShown | SS_BITMAP, 120, 62, 21, 20),
      Item(kListBoxClass, 1020, u"", kTab | WS_BORDER, 6, 66, 50, 30),
      Item(kComboBoxClass, 1021, u"", kTab | CBS_DROPDOWNLIST, 60, 66, 50, 40),
      Item(kButtonClass, 1030, u"Off", kTab | WS_DISABLED, 60, 100, 34, 14),
      Item(kStaticClass, 1031, u"Hidden", SS_CENTER, 6, 100, 40, 8),
  };
  dialog.items[8].text = Key{std::uint16_t{134}};
  return dialog;
}

DialogTemplate SingleSharedId() {
  DialogTemplate dialog = Probe();
  dialog.items = {Item(kStaticClass, 0xFFFF, u"Only", WS_VISIBLE | SS_LEFT, 4, 4, 40, 8)};
  return dialog;
}

ResourceModule MakeProbeModule() {
  ResourceModule module;
  module.Add(Key{std::uint16_t{5}}, Key{std::uint16_t{kProbeTemplate}},
             WriteDialogTemplate(Probe()));
  module.Add(Key{std::uint16_t{5}}, Key{std::uint16_t{kSingleSharedIdTemplate}},
             WriteDialogTemplate(SingleSharedId()));
  std::vector<std::uint8_t> cut = WriteDialogTemplate(Probe());
  cut.resize(cut.size() / 2);
  module.Add(Key{std::uint16_t{5}}, Key{std::uint16_t{kTruncatedTemplate}}, std::move(cut));
  // The pictures come from the program's resources, entry by entry.
  for (const ResourceModule::Entry& entry : ApplicationResources().entries()) {
    const auto* type = std::get_if<std::uint16_t>(&entry.type);
    if (type != nullptr && (*type == 2 || *type == 3 || *type == 14)) {
      module.Add(entry.type, entry.name, entry.data, entry.language);
    }
  }
  return module;
}

}  // namespace

const ResourceModule& ProbeModule() {
  static const ResourceModule module = MakeProbeModule();
  return module;
}

IMPLEMENT_DYNAMIC(CProbeDlg, CDialog)

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
  ON_WM_SIZE()
  ON_EN_CHANGE(1001, &CProbeDlg::OnValueChange)
  ON_BN_CLICKED(1000, &CProbeDlg::OnNested)
END_MESSAGE_MAP()

CProbeDlg::CProbeDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
  SetTemplateModule(&ProbeModule());
}

BOOL CProbeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (onInit) onInit(*this);
  return TRUE;
}

void CProbeDlg::OnOK() {
  ++okCount;
  CDialog::OnOK();
}

void CProbeDlg::DoDataExchange(CDataExchange* pDX) {
  exchanges.push_back(pDX->m_bSaveAndValidate);
  DDX_Control(pDX, 1001, valueEdit);
}

void CProbeDlg::OnSize(UINT, int cx, int cy) {
  sizes.emplace_back(cx, cy);
  sizeSawControls.push_back(::GetDlgItem(m_hWnd, 1001) != nullptr);
}

void CProbeDlg::OnValueChange() {
  CString text;
  CWnd* edit = GetDlgItem(1001);
  if (edit != nullptr) edit->GetWindowText(text);
  changes.push_back(text);
}

void CProbeDlg::OnNested() {
  if (onNested) onNested(*this);
}
