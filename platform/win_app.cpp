#include "platform/win_app.h"

#include <QApplication>
#include <QWidget>

#include "platform/qt_setup.h"
#include "platform/single_instance.h"
#include "platform/window_functions.h"
#include "platform/window_record.h"
#include "platform/wnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

namespace {

CWinApp* currentApp = nullptr;

// Name used when there is no application object, or before AfxWinMain has
// named it.
std::u16string& FallbackName() {
  static std::u16string name;
  return name;
}

// Brings the program's top window to the front: the modal window on top,
// else the main window.
void BringToFront() {
  QWidget* window = QApplication::activeModalWidget();
  if (window == nullptr && currentApp != nullptr && currentApp->m_pMainWnd != nullptr) {
    if (WindowRecord* record = LiveWindow(currentApp->m_pMainWnd->m_hWnd)) window = record->widget;
  }
  if (window == nullptr) return;
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

CWinApp::CWinApp(LPCTSTR appName) {
  if (appName != nullptr) {
    appName_ = appName;
    m_pszAppName = appName_.c_str();
  }
  currentApp = this;
}

CWinApp::~CWinApp() {
  if (currentApp == this) currentApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

HICON CWinApp::LoadIcon(UINT id) const {
  return ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(id));
}

void CWinApp::SetRegistryKey(LPCTSTR key) {
  registryKey_ = key != nullptr ? key : u"";
  m_pszRegistryKey = registryKey_.c_str();
  profileName_ = AfxGetAppName();
  m_pszProfileName = profileName_.c_str();
}

CWinApp* AfxGetApp() { return currentApp; }

LPCTSTR AfxGetAppName() {
  if (currentApp != nullptr && currentApp->m_pszAppName != nullptr) return currentApp->m_pszAppName;
  FallbackName() = ExecutableBaseName().toStdU16String();
  return FallbackName().c_str();
}

int AfxWinMain(int argc, char** argv) {
  QApplication application(argc, argv);
  PreventSettingsFiles();
  const QString executableName = ExecutableBaseName();
  CWinApp* app = currentApp;
  if (app != nullptr && app->m_pszAppName == nullptr) {
    app->appName_ = executableName.toStdU16String();
    app->m_pszAppName = app->appName_.c_str();
  }
  QApplication::setApplicationName(QString::fromStdU16String(AfxGetAppName()));
  QApplication::setQuitOnLastWindowClosed(false);

  SingleInstance instance(executableName);
  if (!instance.IsFirst()) return 0;
  instance.OnOtherStart(BringToFront);

  if (app == nullptr) return 1;
  if (!app->InitInstance()) return app->ExitInstance();
  QApplication::setQuitOnLastWindowClosed(true);
  QApplication::exec();
  return app->ExitInstance();
}
