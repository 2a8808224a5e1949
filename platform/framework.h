#pragma once

// The dialog framework: everything the user-interface code includes.
//
// How a dialog program runs on it: main() calls AfxWinMain, which sets up
// Qt, keeps to one copy per user session and calls InitInstance of the one
// CWinApp object. That constructs a CDialog subclass and calls DoModal,
// which builds a Qt dialog from the dialog template in the resources
// (every control a Qt widget at its template rectangle, converted from
// dialog units with the dialog font), calls OnInitDialog and runs a local
// event loop. User actions come back as messages: a click is WM_COMMAND
// with BN_CLICKED, a text change WM_COMMAND with EN_CHANGE, a resize
// WM_SIZE; the dialog's message map routes each to a member handler.
// Handlers reach controls by identifier (GetDlgItem) or through wrappers
// bound with DDX_Control, and talk to them with the window-system
// functions and messages. Nested dialogs, message boxes and the file
// dialog run their own modal loops inside the handler that opened them.
//
// No Qt type appears in these headers.

#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/win_app.h"
#include "platform/win_types.h"
#include "platform/window_functions.h"
#include "platform/wnd.h"
