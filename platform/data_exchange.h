#pragma once

#include "platform/win_types.h"

class CWnd;

// Carries one run of a dialog's data exchange: its direction and dialog.
class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
  CWnd* m_pDlgWnd;
};

// Binds `control` to the dialog's child `id`, once: a wrapper already bound
// is left as it is. When the dialog has no such child (or several share the
// identifier) the wrapper stays unbound; nothing is reported.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
