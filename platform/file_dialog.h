#pragma once

#include "platform/wnd.h"

// The file open/save dialog (Qt's own file dialog, not the desktop's).
//
// The filter uses bars: "Description|pattern|...||"; each pair becomes one
// entry shown as "Description (pattern)" (or as the description alone when
// it already ends with the pattern in parentheses). A name typed without an
// extension gets `defaultExtension` (with or without its dot). The name
// field starts with `fileName`, empty when null. An existing file is
// replaced without a question unless OFN_OVERWRITEPROMPT is in `flags`.
class CFileDialog : public CWnd {
 public:
  CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
              DWORD flags = 0, LPCTSTR filter = nullptr, CWnd* parent = nullptr);

  // IDOK when the user chose a file, IDCANCEL otherwise. The owner is the
  // parent, else the active window.
  virtual int DoModal();

  // The full path of the chosen file; empty before a successful DoModal.
  CString GetPathName() const { return pathName_; }
  // The file name without folder.
  CString GetFileName() const;

  DWORD m_dwFlags;

 private:
  bool open_;
  CString defaultExtension_;
  CString fileName_;
  CString filter_;
  CWnd* parent_;
  CString pathName_;
};
