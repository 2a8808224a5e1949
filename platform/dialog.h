#pragma once

#include "platform/data_exchange.h"
#include "platform/wnd.h"

struct DialogRun;

// A modal dialog built from a dialog template resource.
//
// DoModal reads template `templateId` (RT_DIALOG) from the module given with
// SetTemplateModule, or else from AfxGetResourceHandle(), creates the
// dialog and its controls as the template says, calls OnInitDialog, and runs
// the dialog until EndDialog. Buttons and edits notify it through its
// message map; OK (IDOK, Enter, the title bar's close button) and Cancel
// (IDCANCEL, Escape) without entries of their own run OnOK and OnCancel.
class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  // Creates no window yet.
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // IDOK or IDCANCEL (or what EndDialog gave), or -1 when the dialog cannot
  // come up (template missing or unreadable). Nests inside another
  // dialog's run. The owner (the parent, else the active window) takes no
  // input meanwhile. Afterwards the window is destroyed, m_hWnd and the
  // bound wrappers are null again, and an application main window
  // reference to this dialog is cleared.
  virtual int DoModal();

  // Where DoModal looks for the template (and the pictures of its
  // statics); null means AfxGetResourceHandle().
  void SetTemplateModule(HINSTANCE module) { templateModule_ = module; }

  // Ends the modal run with `result` once the current message is handled.
  void EndDialog(int result);

  // Runs DoDataExchange in the given direction; TRUE.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

 protected:
  // Runs UpdateData(FALSE) and returns TRUE, so that the focus goes to the
  // first control with a tab stop.
  virtual BOOL OnInitDialog();
  // UpdateData(TRUE), then EndDialog(IDOK).
  virtual void OnOK();
  // EndDialog(IDCANCEL).
  virtual void OnCancel();
  // Binds wrappers (DDX_Control); the default binds nothing.
  virtual void DoDataExchange(CDataExchange* pDX);

  DECLARE_MESSAGE_MAP()

 private:
  friend struct DialogRun;

  UINT templateId_;
  CWnd* parent_;
  HINSTANCE templateModule_ = nullptr;
  DialogRun* run_ = nullptr;  // set while DoModal runs
};
