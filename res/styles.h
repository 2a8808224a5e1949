// Window, dialog and control style bits used by tubrix.rc, with the numeric
// values the dialog manager gives them. Only the resource script includes
// this file: C++ code has its own typed constants and must not see these
// macros.
#pragma once

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L

#define WS_EX_APPWINDOW 0x00040000L
// An OK button in the caption of a handheld shell dialog.
#define WS_EX_CAPTIONOKBTN 0x80000000L

#define DS_SETFONT 0x0040L
#define DS_FIXEDSYS 0x0008L

#define BS_PUSHBUTTON 0x0000L
#define BS_DEFPUSHBUTTON 0x0001L
#define BS_GROUPBOX 0x0007L

#define ES_LEFT 0x0000L
#define ES_RIGHT 0x0002L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L

#define SS_LEFT 0x0000L
#define SS_CENTER 0x0001L
#define SS_RIGHT 0x0002L
#define SS_ICON 0x0003L
#define SS_BITMAP 0x000EL

#define IDOK 1
#define IDCANCEL 2

// French (France): primary language 0x0C, sublanguage 0x01, i.e. 0x040C.
#define LANG_FRENCH 0x0C
#define SUBLANG_FRENCH 0x01

// Version block values.
#define VS_FF_NONE 0x0L
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VOS_WINDOWS32 0x00000004L
#define VFT_APP 0x00000001L
#define VFT2_UNKNOWN 0x00000000L
