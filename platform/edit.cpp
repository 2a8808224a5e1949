#include "platform/edit.h"

#include "platform/window_functions.h"

int CEdit::GetLine(int index, LPTSTR buffer, int maxLength) const {
  if (buffer == nullptr || maxLength <= 0) return 0;
  buffer[0] = static_cast<TCHAR>(maxLength > 0xFFFF ? 0xFFFF : maxLength);
  return GetLine(index, buffer);
}

int CEdit::GetLine(int index, LPTSTR buffer) const {
  return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINE, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(buffer)));
}

int CEdit::LineLength(int charIndex) const {
  return static_cast<int>(::SendMessage(m_hWnd, EM_LINELENGTH, static_cast<WPARAM>(charIndex), 0));
}
