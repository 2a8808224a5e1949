#pragma once

#include "platform/wnd.h"

// Wrapper of a single-line edit control.
class CEdit : public CWnd {
 public:
  // Copies line `index` of the edit into `buffer`: at most maxLength
  // characters, no terminator. Returns the number copied. maxLength is
  // handed to the control in the buffer's first 16-bit unit, as EM_GETLINE
  // takes it; maxLength <= 0 copies nothing.
  int GetLine(int index, LPTSTR buffer, int maxLength) const;
  // The same, with the room already in the buffer's first 16-bit unit.
  int GetLine(int index, LPTSTR buffer) const;
  // Length in characters of the line holding character `charIndex` (for a
  // single-line edit: of its text).
  int LineLength(int charIndex = -1) const;
};
