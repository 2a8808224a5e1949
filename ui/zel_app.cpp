#include "ui/zel_app.h"

#include "ui/zel_dlg.h"

namespace {

// Clears the application's main-window reference to `window` on every way
// out of the scope, also when the modal run never created the window (the
// framework clears it only when it destroys a window) or throws.
class MainWindowReference {
 public:
  MainWindowReference(CWinApp& app, CWnd& window) : app_(app), window_(window) {
    app_.m_pMainWnd = &window_;
  }
  ~MainWindowReference() {
    if (app_.m_pMainWnd == &window_) app_.m_pMainWnd = nullptr;
  }
  MainWindowReference(const MainWindowReference&) = delete;
  MainWindowReference& operator=(const MainWindowReference&) = delete;

 private:
  CWinApp& app_;
  CWnd& window_;
};

}  // namespace

BEGIN_MESSAGE_MAP(CzelApp, CWinApp)
END_MESSAGE_MAP()

CzelApp::CzelApp() : CWinApp(nullptr) {}

BOOL CzelApp::InitInstance() {
  SHInitExtraControls();
  SetRegistryKey(u"Applications locales générées par AppWizard");
  CzelDlg dlg(nullptr);
  const MainWindowReference mainWindow(*this, dlg);
  dlg.DoModal();
  return FALSE;
}
