#include "platform/window_record.h"

#include <unordered_set>

#include "platform/window_functions.h"

namespace {

// Handles of the windows that exist; anything else is refused.
std::unordered_set<WindowRecord*>& LiveWindows() {
  static std::unordered_set<WindowRecord*> windows;
  return windows;
}

}  // namespace

WindowRecord::WindowRecord(WindowKind kindIn, WORD idIn, DWORD styleIn)
    : kind(kindIn), id(idIn), style(styleIn) {
  LiveWindows().insert(this);
}

WindowRecord::~WindowRecord() {
  LiveWindows().erase(this);
  children.clear();
  if (bound != nullptr && bound->m_hWnd == this) bound->m_hWnd = nullptr;
  if (temporary) temporary->m_hWnd = nullptr;
  if (ownsPicture) {
    DestroyIcon(icon);
    DeleteObject(bitmap);
  }
}

WindowRecord* LiveWindow(HWND window) {
  return window != nullptr && LiveWindows().contains(window) ? window : nullptr;
}

WindowRecord* DialogRecordOfWidget(const QWidget* widget) {
  if (widget == nullptr) return nullptr;
  for (WindowRecord* record : LiveWindows()) {
    if (record->kind == WindowKind::Dialog && record->widget == widget) return record;
  }
  return nullptr;
}
