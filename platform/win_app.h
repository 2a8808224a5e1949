#pragma once

#include <string>

#include "platform/cmd_target.h"
#include "platform/win_types.h"

class CWnd;

// The application object. Exactly one exists, normally a static object of
// the program; constructing it makes it the current application
// (AfxGetApp). The program's main() hands control to AfxWinMain.
class CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)

 public:
  // A null name lets the framework use the executable's file name without
  // folder and extension.
  explicit CWinApp(LPCTSTR appName = nullptr);
  ~CWinApp() override;

  // Called once by AfxWinMain after the framework is set up. Returning
  // FALSE ends the program without an event loop of its own.
  virtual BOOL InitInstance();
  // Called as the program ends; its result is the exit code.
  virtual int ExitInstance();

  // Icon group `id` of the application's resources; null when missing.
  HICON LoadIcon(UINT id) const;

  // Records the key (and the application name as profile name). Nothing is
  // ever stored: the framework writes no settings anywhere.
  void SetRegistryKey(LPCTSTR key);

  CWnd* m_pMainWnd = nullptr;
  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszRegistryKey = nullptr;
  LPCTSTR m_pszProfileName = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  friend int AfxWinMain(int argc, char** argv);
  std::u16string appName_;
  std::u16string registryKey_;
  std::u16string profileName_;
};

// The current application object, or null.
CWinApp* AfxGetApp();
// The application's name: the application object's, or else the
// executable's file name without folder and extension.
LPCTSTR AfxGetAppName();

// The framework's entry; main() returns its result. Sets up the Qt
// application and the application name, lets only one copy run per user
// session (a second start asks the first to come to the front and ends at
// once, returning 0), then calls InitInstance of the application object.
// When that returns FALSE the program ends without an event loop;
// otherwise the event loop runs until the last window closes.
int AfxWinMain(int argc, char** argv);
