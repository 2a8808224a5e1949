// Shows one dialog template of the program's resources, its edits filled
// with a sample figure, so that a person (or a screenshot under Xvfb) can
// check the layout: dialog_preview <template-id> [seconds].

#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "platform/framework.h"
#include "platform/window_record.h"

namespace {

class CPreviewDlg : public CDialog {
 public:
  explicit CPreviewDlg(UINT id) : CDialog(id) {}

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (int id = 1001; id <= 1025; ++id) {
      HWND item = ::GetDlgItem(m_hWnd, id);
      if (WindowRecord* record = LiveWindow(item);
          record != nullptr && record->kind == WindowKind::Edit) {
        ::SetWindowText(item, u"9800.00");
      }
    }
    SetIcon(AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(128) : nullptr, TRUE);
    return TRUE;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const UINT id = argc > 1 ? static_cast<UINT>(std::atoi(argv[1])) : 102;
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
  CPreviewDlg dialog(id);
  QTimer::singleShot(seconds * 1000, [&dialog] { dialog.EndDialog(IDOK); });
  return dialog.DoModal() == -1 ? 1 : 0;
}
