#include "platform/cmd_target.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MessageMap* CCmdTarget::GetThisMessageMap() {
  static const MessageMapEntry entries[] = {MessageMapEntry{}};
  static const MessageMap map{nullptr, entries};
  return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

bool CCmdTarget::OnCmdMsg(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam) {
  for (const MessageMap* map = GetMessageMap(); map != nullptr;
       map = map->base ? map->base() : nullptr) {
    for (const MessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
      if (entry->message != message) continue;
      if (message == WM_SIZE && entry->size != nullptr) {
        (this->*entry->size)(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                             HIWORD(static_cast<std::uintptr_t>(lParam)));
        return true;
      }
      if (message == WM_COMMAND && entry->code == code && entry->id == id &&
          entry->command != nullptr) {
        (this->*entry->command)();
        return true;
      }
    }
  }
  return false;
}
