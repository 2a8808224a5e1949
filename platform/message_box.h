#pragma once

#include "platform/win_types.h"

// The application message box: modal, with `text`, the application name
// (AfxGetAppName) as caption and the active window as owner. `type` picks
// the buttons (MB_OK, MB_OKCANCEL, MB_YESNO) and the icon (MB_ICON...);
// without an icon it shows the exclamation icon. Returns the button
// pressed: IDOK, IDCANCEL, IDYES or IDNO (closing the box counts as the
// last button). `helpId` is not used.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
