#pragma once

#include "platform/cmd_target.h"
#include "platform/win_types.h"

// A wrapper of a window of the window system. A wrapper is either attached
// to a window (m_hWnd set) or not (null). When its window is destroyed the
// framework sets m_hWnd back to null.
class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  HWND GetSafeHwnd() const { return m_hWnd; }

  // The child with that identifier, as a wrapper: the one bound to it with
  // DDX_Control, or one the framework keeps for the life of the window.
  // Null when there is no such child, or several share the identifier
  // (0xFFFF). Do not keep the pointer past the window's life.
  CWnd* GetDlgItem(int id) const;

  // Returns TRUE when the window was disabled before the call.
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;

  // On an edit, delivers EN_CHANGE before returning (see ::SetWindowText).
  void SetWindowText(LPCTSTR text);
  void GetWindowText(CString& text) const;
  int GetWindowText(LPTSTR buffer, int maxCount) const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int id, LPCTSTR text);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // Sets the window's big (title bar, task switcher) or small icon; returns
  // the previous one. The window does not take ownership of the icon.
  HICON SetIcon(HICON icon, BOOL bigIcon);
};
