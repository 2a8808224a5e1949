#pragma once

#include "platform/message_map.h"
#include "platform/object.h"

// An object that receives messages through its message map.
class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Runs the first entry of the map chain that matches: for WM_COMMAND the
  // notification code and control id, for WM_SIZE the message (cx, cy from
  // lParam's low and high word, the type from wParam). Returns whether an
  // entry ran.
  bool OnCmdMsg(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam);

 protected:
  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const;
};
