#pragma once

// Basic types, handles and numeric constants of the window system that the
// dialog code is written against. The values are the documented ones of the
// handheld's window system, so that resource scripts, dialog templates and
// message numbers mean the same here as there. Wide text is UTF-16
// (char16_t); `CString` is a UTF-16 string.

#include <cstdint>
#include <string>

class ResourceModule;

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

using TCHAR = char16_t;
using WCHAR = char16_t;
using LPTSTR = char16_t*;
using LPCTSTR = const char16_t*;
using CString = std::u16string;

// Wide literal: _T("text") is u"text".
#define _T(text) u##text

// Handles. Each points to a record of the framework; the records are opaque
// to dialog code. A handle of a window that no longer exists is refused by
// every function (it answers 0, FALSE or null), never dereferenced.
struct WindowRecord;
struct IconRecord;
struct BitmapRecord;
struct DeferRecord;
using HWND = WindowRecord*;
using HICON = IconRecord*;
using HBITMAP = BitmapRecord*;
using HGDIOBJ = void*;  // a bitmap handle, for DeleteObject
using HDWP = DeferRecord*;
using HINSTANCE = const ResourceModule*;
using HMODULE = const ResourceModule*;
using HGLOBAL = const void*;  // the loaded data itself

struct ResourceEntryRecord;
using HRSRC = const ResourceEntryRecord*;

// A resource type or name: a 16-bit number or a UTF-16 string.
// MAKEINTRESOURCE(n) makes the numbered form.
class ResourceId {
 public:
  constexpr ResourceId(WORD number) : number_(number) {}
  constexpr ResourceId(LPCTSTR name) : name_(name) {}

  constexpr bool IsNumber() const { return name_ == nullptr; }
  constexpr WORD number() const { return number_; }
  constexpr LPCTSTR name() const { return name_; }

 private:
  WORD number_ = 0;
  LPCTSTR name_ = nullptr;
};

// Only the low 16 bits of the number count, as in a template or .res file.
constexpr ResourceId MAKEINTRESOURCE(UINT number) {
  return ResourceId(static_cast<WORD>(number & 0xFFFF));
}

struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};

struct POINT {
  LONG x = 0;
  LONG y = 0;
};

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
  return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}

// Resource types.
inline constexpr ResourceId RT_CURSOR{WORD{1}};
inline constexpr ResourceId RT_BITMAP{WORD{2}};
inline constexpr ResourceId RT_ICON{WORD{3}};
inline constexpr ResourceId RT_MENU{WORD{4}};
inline constexpr ResourceId RT_DIALOG{WORD{5}};
inline constexpr ResourceId RT_STRING{WORD{6}};
inline constexpr ResourceId RT_GROUP_ICON{WORD{14}};
inline constexpr ResourceId RT_VERSION{WORD{16}};

// Window messages.
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_GETTEXT = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH = 0x000E;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_GETICON = 0x007F;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;

// WM_SIZE types.
inline constexpr UINT SIZE_RESTORED = 0;

// WM_SETICON / WM_GETICON.
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// Notification codes (the high word of WM_COMMAND's wParam).
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT EN_CHANGE = 0x0300;

// Edit control messages.
inline constexpr UINT EM_LINEINDEX = 0x00BB;
inline constexpr UINT EM_LINELENGTH = 0x00C1;
inline constexpr UINT EM_GETLINE = 0x00C4;

// Button messages.
inline constexpr UINT BM_CLICK = 0x00F5;

// Static control messages and image types.
inline constexpr UINT STM_SETIMAGE = 0x0172;
inline constexpr UINT STM_GETIMAGE = 0x0173;
inline constexpr WPARAM IMAGE_BITMAP = 0;
inline constexpr WPARAM IMAGE_ICON = 1;

// List box and combo box messages.
inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr LRESULT LB_ERR = -1;
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr LRESULT CB_ERR = -1;

// Dialog results and standard command identifiers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message box types.
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_ICONHAND = 0x00000010;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONASTERISK = 0x00000040;
inline constexpr UINT MB_ICONMASK = 0x000000F0;
inline constexpr UINT MB_TYPEMASK = 0x0000000F;

// Deferred window placement flags.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;

// System metrics.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;

// Window styles.
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_DLGFRAME = 0x00400000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
inline constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;

// Dialog styles.
inline constexpr DWORD DS_FIXEDSYS = 0x0008;
inline constexpr DWORD DS_SETFONT = 0x0040;
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD DS_CENTER = 0x0800;

// Button styles; the low four bits give the kind.
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_CHECKBOX = 0x0002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
inline constexpr DWORD BS_RADIOBUTTON = 0x0004;
inline constexpr DWORD BS_GROUPBOX = 0x0007;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
inline constexpr DWORD BS_TYPEMASK = 0x000F;

// Edit styles.
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_PASSWORD = 0x0020;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_NUMBER = 0x2000;

// Static styles; the low five bits give the kind.
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_ICON = 0x0003;
inline constexpr DWORD SS_LEFTNOWORDWRAP = 0x000C;
inline constexpr DWORD SS_BITMAP = 0x000E;
inline constexpr DWORD SS_TYPEMASK = 0x001F;
inline constexpr DWORD SS_NOPREFIX = 0x0080;
inline constexpr DWORD SS_CENTERIMAGE = 0x0200;

// List box and combo box styles.
inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;

// Predefined control classes, as ordinals in dialog templates.
inline constexpr WORD kButtonClass = 0x0080;
inline constexpr WORD kEditClass = 0x0081;
inline constexpr WORD kStaticClass = 0x0082;
inline constexpr WORD kListBoxClass = 0x0083;
inline constexpr WORD kScrollBarClass = 0x0084;
inline constexpr WORD kComboBoxClass = 0x0085;

// Save/open file dialog options.
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_EXPLORER = 0x00080000;
