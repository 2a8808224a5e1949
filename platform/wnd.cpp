#include "platform/wnd.h"

#include "platform/window_functions.h"
#include "platform/window_record.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

CWnd::~CWnd() {
  if (WindowRecord* record = LiveWindow(m_hWnd); record != nullptr && record->bound == this) {
    record->bound = nullptr;
  }
}

CWnd* CWnd::GetDlgItem(int id) const {
  WindowRecord* child = LiveWindow(::GetDlgItem(m_hWnd, id));
  if (child == nullptr) return nullptr;
  if (child->bound != nullptr) return child->bound;
  if (!child->temporary) {
    child->temporary = std::make_unique<CWnd>();
    child->temporary->m_hWnd = child;
  }
  return child->temporary.get();
}

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

void CWnd::SetWindowText(LPCTSTR text) { ::SetWindowText(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const {
  const int length = ::GetWindowTextLength(m_hWnd);
  text.assign(static_cast<std::size_t>(length) + 1, u'\0');
  const int copied = ::GetWindowText(m_hWnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
}

int CWnd::GetWindowText(LPTSTR buffer, int maxCount) const {
  return ::GetWindowText(m_hWnd, buffer, maxCount);
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }

void CWnd::SetDlgItemText(int id, LPCTSTR text) { ::SetDlgItemText(m_hWnd, id, text); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return reinterpret_cast<HICON>(::SendMessage(m_hWnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                               reinterpret_cast<LPARAM>(icon)));
}
