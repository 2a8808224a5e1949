#pragma once

#include "platform/framework.h"

// The application: runs the input form as its main window and ends when the
// form closes. Exactly one static object of it exists in the program.
class CzelApp : public CWinApp {
 public:
  // The framework names the application after the executable file.
  CzelApp();

  // Runs the input form modally and returns FALSE, so that the program ends
  // without an event loop of its own. Afterwards no main-window reference
  // to the destroyed form remains, whether the form came up or not.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
