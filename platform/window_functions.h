#pragma once

// The window system's free functions, over the handles of
// "platform/win_types.h". Every function checks its handles: a null or
// stale handle (a window already destroyed, an icon already freed) makes it
// answer 0, FALSE or null without touching anything.

#include "platform/win_types.h"

// --- Windows and dialog items -------------------------------------------

// The child of a dialog with that identifier (the low 16 bits count), or
// null. An identifier that several children share, such as 0xFFFF of the
// labels and group boxes, addresses none of them: the lookup gives null.
HWND GetDlgItem(HWND dialog, int id);
// The identifier a child was created with, or 0.
int GetDlgCtrlID(HWND window);
// Whether the handle names a window that exists.
BOOL IsWindow(HWND window);

// Enables or disables input to a window; returns TRUE when it was disabled
// before the call.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
BOOL IsWindowVisible(HWND window);

// Sets a window's text: a dialog's caption or a control's text. On an edit
// it delivers EN_CHANGE to the dialog before returning, every time, also
// when the text is the same as before. Null text is taken as empty.
BOOL SetWindowText(HWND window, LPCTSTR text);
// Copies at most maxCount - 1 characters and a terminator; returns the
// number of characters copied (0 for maxCount <= 0 or a null buffer).
int GetWindowText(HWND window, LPTSTR buffer, int maxCount);
int GetWindowTextLength(HWND window);
BOOL SetDlgItemText(HWND dialog, int id, LPCTSTR text);

// Delivers a message at once and returns its answer. Understood:
// - any window: WM_SETTEXT (lParam LPCTSTR), WM_GETTEXT (wParam room,
//   lParam LPTSTR), WM_GETTEXTLENGTH;
// - a dialog: WM_COMMAND and WM_SIZE (through its message map), WM_CLOSE
//   (acts as OK, like the caption's button), WM_SETICON / WM_GETICON
//   (ICON_BIG or ICON_SMALL, lParam HICON; answers the previous icon);
// - an edit: EM_GETLINE (lParam a buffer whose first 16-bit unit gives the
//   room in characters; copies at most that many characters of the text,
//   writes no terminator, answers the count), EM_LINELENGTH, EM_LINEINDEX;
// - a push button: BM_CLICK;
// - a static: STM_SETIMAGE / STM_GETIMAGE with IMAGE_BITMAP or IMAGE_ICON
//   (answers the previous image, or null);
// - a list box: LB_ADDSTRING, LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL;
// - a combo box: CB_ADDSTRING, CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL
//   (the selection answers LB_ERR / CB_ERR, -1, when there is none).
// Anything else answers 0.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);

// Converts a rectangle of a dialog from dialog units to pixels with the
// base units of the dialog's font: x * baseX / 4 and y * baseY / 8, each
// rounded to the nearest pixel. FALSE (rectangle unchanged) for a window
// that is not a dialog.
BOOL MapDialogRect(HWND dialog, RECT* rect);

// Screen width (SM_CXSCREEN) or height (SM_CYSCREEN) in pixels of the
// screen the program runs on; 0 for any other index.
int GetSystemMetrics(int index);
// Test hook: makes GetSystemMetrics answer this screen size; 0, 0 goes back
// to the real screen.
void SetScreenSizeForTesting(int width, int height);

// --- Deferred window placement ---------------------------------------------

// Opens a batch of moves with room for `count` windows (it grows when more
// are added); null for a negative count.
HDWP BeginDeferWindowPos(int count);
// Adds a move of `window` (x, y: position within its parent; cx, cy: size,
// in pixels) to the batch. Flags: SWP_NOMOVE, SWP_NOSIZE; the z-order is
// never changed. Returns the batch, or null when the batch or the window is
// not valid; the batch itself stays valid and is still to be ended.
HDWP DeferWindowPos(HDWP batch, HWND window, HWND insertAfter, int x, int y, int cx, int cy,
                    UINT flags);
// Applies every move of the batch together and frees it. Windows that have
// gone meanwhile are skipped. FALSE for an invalid batch.
BOOL EndDeferWindowPos(HDWP batch);

// --- Resources ---------------------------------------------------------------

// The application's own resources (the module embedded at build time),
// unless AfxSetResourceHandle chose another.
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();
// Makes dialogs and icons without a module of their own read from `module`
// (which must outlive its use); null goes back to the application's own.
void AfxSetResourceHandle(HINSTANCE module);

// Finds a resource by name and type; null when the module has none.
HRSRC FindResource(HMODULE module, ResourceId name, ResourceId type);
// The resource's data, read in place (valid as long as the module); null
// for a null handle.
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
const void* LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);

// Loads icon group `name` (RT_GROUP_ICON with its RT_ICON images) or bitmap
// `name` (RT_BITMAP) from a module; null when it is missing or unreadable.
// The caller owns the result: DestroyIcon / DeleteObject free it.
HICON LoadIcon(HINSTANCE module, ResourceId name);
HBITMAP LoadBitmap(HINSTANCE module, ResourceId name);
BOOL DestroyIcon(HICON icon);
BOOL DeleteObject(HGDIOBJ object);

// --- Shell -------------------------------------------------------------------

// One-time initialisation of the shell's extra controls. Nothing needs it
// here; it answers TRUE.
BOOL SHInitExtraControls();
