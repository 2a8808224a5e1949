#pragma once

// What a window handle points to: the framework's record of one dialog or
// control and the Qt widget that shows it. Internal to the framework (it
// uses Qt); dialog code sees only the opaque handle.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/win_types.h"
#include "platform/wnd.h"

class CDialog;

enum class WindowKind { Dialog, PushButton, GroupBox, Edit, Static, ListBox, ComboBox, Other };

struct WindowRecord {
  WindowRecord(WindowKind kind, WORD id, DWORD style);
  ~WindowRecord();  // clears bound wrappers and forgets the handle
  WindowRecord(const WindowRecord&) = delete;
  WindowRecord& operator=(const WindowRecord&) = delete;

  WindowKind kind;
  WORD id;
  DWORD style;
  QPointer<QWidget> widget;
  WindowRecord* parent = nullptr;  // the dialog of a control

  // A dialog's controls, in template order, and its object.
  std::vector<std::unique_ptr<WindowRecord>> children;
  CDialog* dialog = nullptr;
  int baseUnitX = 0;  // dialog font base units, pixels
  int baseUnitY = 0;
  int modalOwnerCount = 0;  // modal runs this window owns: no input meanwhile
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;

  // Wrappers of the window: the one bound with DDX_Control, and the one
  // GetDlgItem hands out when none is bound.
  CWnd* bound = nullptr;
  std::unique_ptr<CWnd> temporary;

  // A static's picture; the control frees only what it loaded itself.
  HICON icon = nullptr;
  HBITMAP bitmap = nullptr;
  bool ownsPicture = false;

  // An edit's text is being set by SetWindowText, which sends its own
  // EN_CHANGE.
  bool settingText = false;
};

// The record behind a handle, or null when the handle names no live window.
WindowRecord* LiveWindow(HWND window);

// The record of the dialog shown by `widget`, or null.
WindowRecord* DialogRecordOfWidget(const QWidget* widget);

// Sends WM_COMMAND with `code` from `control` to its dialog.
void NotifyParent(WindowRecord* control, UINT code);
