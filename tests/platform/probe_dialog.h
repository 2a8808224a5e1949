#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/framework.h"
#include "platform/resource_module.h"

// Dialog templates for the framework's tests, in a module of their own:
// 100, the probe dialog (buttons, edits, statics, a picture, a list and a
// combo box); 101, one static whose identifier is 0xFFFF; 102, the probe's
// template cut short. Bitmap 134 and icon group 128 are copied from the
// program's own resources.
inline constexpr UINT kProbeTemplate = 100;
inline constexpr UINT kSingleSharedIdTemplate = 101;
inline constexpr UINT kTruncatedTemplate = 102;
const ResourceModule& ProbeModule();

// A dialog on template 100 that records what reaches it.
class CProbeDlg : public CDialog {
  DECLARE_DYNAMIC(CProbeDlg)

 public:
  explicit CProbeDlg(UINT templateId = kProbeTemplate, CWnd* parent = nullptr);

  CEdit valueEdit;                           // bound to 1001
  std::vector<std::u16string> changes;       // the edit's text at each EN_CHANGE of 1001
  std::vector<std::pair<int, int>> sizes;    // each WM_SIZE
  std::vector<bool> sizeSawControls;         // whether control 1001 existed at each WM_SIZE
  std::vector<BOOL> exchanges;               // direction of each data exchange
  std::function<void(CProbeDlg&)> onInit;    // runs at the end of OnInitDialog
  std::function<void(CProbeDlg&)> onNested;  // runs on a click of button 1000
  int okCount = 0;

  using CDialog::EndDialog;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnSize(UINT type, int cx, int cy);
  void OnValueChange();
  void OnNested();
  DECLARE_MESSAGE_MAP()
};

// Derives without run-time class information of its own.
class CPlainProbeDlg : public CProbeDlg {
 public:
  CPlainProbeDlg() = default;
};
