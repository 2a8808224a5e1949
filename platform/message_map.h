#pragma once

// Message maps: per class, a table that binds messages to member handlers,
// chained to the base class's table. Dispatch walks the table of the most
// derived class first, then its base's, and runs the first entry that
// matches.
//
//   class CzelDlg : public CDialog {
//     ...
//     void OnSize(UINT type, int cx, int cy);
//     void OnCompute();
//     void OnChangeRpm();
//     DECLARE_MESSAGE_MAP()
//   };
//
//   BEGIN_MESSAGE_MAP(CzelDlg, CDialog)
//     ON_WM_SIZE()                               // calls OnSize
//     ON_BN_CLICKED(1009, &CzelDlg::OnCompute)
//     ON_EN_CHANGE(1006, &CzelDlg::OnChangeRpm)
//   END_MESSAGE_MAP()
//
// A class with no entries of its own still declares a map, with nothing
// between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP, or declares none and uses
// its base's.

#include "platform/win_types.h"

class CCmdTarget;

struct MessageMapEntry {
  using CommandHandler = void (CCmdTarget::*)();
  using SizeHandler = void (CCmdTarget::*)(UINT type, int cx, int cy);

  UINT message = 0;  // WM_COMMAND or WM_SIZE; 0 ends the table
  UINT code = 0;     // notification code for WM_COMMAND (BN_CLICKED, EN_CHANGE)
  UINT id = 0;       // control identifier for WM_COMMAND
  CommandHandler command = nullptr;
  SizeHandler size = nullptr;
};

struct MessageMap {
  const MessageMap* (*base)();  // the base class's map, or null
  const MessageMapEntry* entries;
};

// Converts a handler of a derived class into a table entry; the handler's
// signature is checked against the message's.
template <class Derived>
constexpr MessageMapEntry CommandEntry(UINT code, UINT id, void (Derived::*handler)()) {
  return MessageMapEntry{WM_COMMAND, code, id,
                         static_cast<MessageMapEntry::CommandHandler>(handler), nullptr};
}

template <class Derived>
constexpr MessageMapEntry SizeEntry(void (Derived::*handler)(UINT, int, int)) {
  return MessageMapEntry{WM_SIZE, 0, 0, nullptr,
                         static_cast<MessageMapEntry::SizeHandler>(handler)};
}

// The macros open and close braces of their own: kept as written.
// clang-format off
#define DECLARE_MESSAGE_MAP()                              \
 protected:                                                \
  static const MessageMap* GetThisMessageMap();            \
  const MessageMap* GetMessageMap() const override;        \
                                                           \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
  const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
  const MessageMap* theClass::GetThisMessageMap() {                                   \
    using ThisClass [[maybe_unused]] = theClass;                                      \
    using TheBaseClass = baseClass;                                                   \
    static const MessageMapEntry entries[] = {
#define ON_WM_SIZE() SizeEntry<ThisClass>(&ThisClass::OnSize),
#define ON_BN_CLICKED(id, handler) CommandEntry<ThisClass>(BN_CLICKED, (id), (handler)),
#define ON_EN_CHANGE(id, handler) CommandEntry<ThisClass>(EN_CHANGE, (id), (handler)),
#define ON_COMMAND(id, handler) CommandEntry<ThisClass>(BN_CLICKED, (id), (handler)),

#define END_MESSAGE_MAP()                                                   \
    MessageMapEntry{}                                                       \
  };                                                                        \
  static const MessageMap map{&TheBaseClass::GetThisMessageMap, entries};   \
  return &map;                                                              \
  }
// clang-format on
