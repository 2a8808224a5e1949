#pragma once

// One modal run of a CDialog: its window built from the template, its
// owner, and the local event loop. Internal to the framework.

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/window_record.h"

class DialogWindow;

struct DialogRun {
  explicit DialogRun(CDialog* runDialog) : dialog(runDialog) {}
  ~DialogRun();

  // Builds the window and its controls from the template; false when the
  // template cannot be found or read.
  bool Create(const ResourceModule& module, const DialogTemplate& dialogTemplate);
  // OnInitDialog, then the modal loop until EndDialog; returns the result.
  int Run();
  void End(int code);

  // Messages to a dialog: WM_COMMAND from a control or a key, WM_SIZE.
  // A command without a map entry runs the default OK or Cancel handling
  // for IDOK and IDCANCEL.
  static void Command(WindowRecord* dialogRecord, UINT code, UINT id);
  static void Size(WindowRecord* dialogRecord, UINT type, int cx, int cy);

  CDialog* dialog;
  std::unique_ptr<WindowRecord> record;
  QPointer<DialogWindow> window;
  QPointer<QWidget> owner;
  WindowRecord* ownerRecord = nullptr;
  QEventLoop* loop = nullptr;
  bool ended = false;
  int result = IDCANCEL;

 private:
  void FocusFirstTabStop();
};
