#include "ui/zel_dlg.h"

#include <algorithm>
#include <array>
#include <string>

#include "calc/compute_chamber.h"
#include "calc/design_inputs.h"
#include "report/format_value.h"
#include "report/parameter_report.h"
#include "res/resource_ids.h"
#include "ui/apply_template_layout.h"
#include "ui/apropos.h"
#include "ui/field_text.h"
#include "ui/output_dlg.h"

CzelDlg::CzelDlg(CWnd* parent)
    : CDialog(IDD_ZEL_DIALOG, parent),
      formIcon(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME))) {}

BEGIN_MESSAGE_MAP(CzelDlg, CDialog)
  ON_WM_SIZE()
  ON_BN_CLICKED(IDC_APROPOS, &CzelDlg::OnAbout)
  ON_BN_CLICKED(IDC_COMPUTE, &CzelDlg::OnCompute)
  ON_BN_CLICKED(IDC_SHOW, &CzelDlg::OnShow)
  ON_EN_CHANGE(IDC_DISPLACEMENT, &CzelDlg::OnChangeDisplacement)
  ON_EN_CHANGE(IDC_EXHAUST_DURATION, &CzelDlg::OnChangeExhaustDuration)
  ON_EN_CHANGE(IDC_PORT_WIDTH, &CzelDlg::OnChangePortWidth)
  ON_EN_CHANGE(IDC_PORT_HEIGHT, &CzelDlg::OnChangePortHeight)
  ON_EN_CHANGE(IDC_EXHAUST_IN_CYLINDER, &CzelDlg::OnChangeExhaustInCylinder)
  ON_EN_CHANGE(IDC_RPM, &CzelDlg::OnChangeRpm)
  ON_EN_CHANGE(IDC_POWER, &CzelDlg::OnChangePower)
  ON_EN_CHANGE(IDC_HORN_COEFFICIENT, &CzelDlg::OnChangeHornCoefficient)
  ON_BN_CLICKED(IDC_SAVE, &CzelDlg::OnSave)
END_MESSAGE_MAP()

void CzelDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_DISPLACEMENT, displacementEdit);
  DDX_Control(pDX, IDC_RPM, rpmEdit);
  DDX_Control(pDX, IDC_POWER, powerEdit);
  DDX_Control(pDX, IDC_EXHAUST_IN_CYLINDER, exhaustInCylinderEdit);
  DDX_Control(pDX, IDC_PORT_WIDTH, portWidthEdit);
  DDX_Control(pDX, IDC_PORT_HEIGHT, portHeightEdit);
  DDX_Control(pDX, IDC_EXHAUST_DURATION, exhaustDurationEdit);
  DDX_Control(pDX, IDC_HORN_COEFFICIENT, hornCoefficientEdit);
}

BOOL CzelDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(formIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(formIcon));
  for (const int id : {IDC_SHOW, IDC_SAVE}) {
    if (CWnd* button = GetDlgItem(id)) button->EnableWindow(FALSE);
  }
  DisplayInputs();
  return TRUE;
}

double CzelDlg::ParseFieldText(const CEdit& edit) {
  // The whole line counts, however long: ask for its length first and give
  // the copy room for all of it.
  const int length = edit.LineLength(0);
  if (length <= 0) return 0.0;
  std::u16string line(static_cast<std::size_t>(length), u' ');
  const int copied = edit.GetLine(0, line.data(), length);
  line.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
  return ParseLeadingNumber(line);
}

void CzelDlg::DisplayInputs() {
  // Record order, not screen order: height before width, power before speed.
  const std::array<std::pair<CEdit CzelDlg::*, double ChamberDesign::*>, 8> inputs{{
      {&CzelDlg::displacementEdit, &ChamberDesign::displacement},
      {&CzelDlg::exhaustDurationEdit, &ChamberDesign::exhaustDuration},
      {&CzelDlg::portHeightEdit, &ChamberDesign::portHeight},
      {&CzelDlg::portWidthEdit, &ChamberDesign::portWidth},
      {&CzelDlg::exhaustInCylinderEdit, &ChamberDesign::exhaustInCylinder},
      {&CzelDlg::powerEdit, &ChamberDesign::power},
      {&CzelDlg::rpmEdit, &ChamberDesign::rpm},
      {&CzelDlg::hornCoefficientEdit, &ChamberDesign::hornCoefficient},
  }};
  for (const auto& [edit, field] : inputs) {
    (this->*edit).SetWindowText(WidenAscii(FormatValue(record_.*field)).c_str());
  }
}

void CzelDlg::StoreInput(const CEdit& edit, double& field) { field = ParseFieldText(edit); }

void CzelDlg::EnableControl(int id) {
  if (CWnd* control = GetDlgItem(id)) control->EnableWindow(TRUE);
}

void CzelDlg::OnSize(UINT, int, int) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const UINT templateId = height > width ? IDD_ZEL_DIALOG : IDD_ZEL_DIALOG_WIDE;
  ApplyTemplateLayout(AfxGetResourceHandle(), m_hWnd, templateId);
}

void CzelDlg::OnAbout() {
  CApropos about;
  about.DoModal();
}

void CzelDlg::OnCompute() {
  // Inputs outside the model's domain would only give infinities and NaN:
  // they are refused with a message that names the input, and nothing
  // changes.
  if (const auto refusal = ValidateDesignInputs(record_)) {
    AfxMessageBox(WidenAscii(*refusal).c_str(), MB_OK);
    return;
  }
  ComputeChamber(record_);
  EnableControl(IDC_SHOW);
  DisplayInputs();
}

void CzelDlg::OnShow() {
  if (record_.computed == 0) {
    AfxMessageBox(u"Hits Compute first", MB_OK);
    return;
  }
  COutputDlg output;
  output.CopyFigures(record_);
  if (output.DoModal() == IDOK) {
    EnableControl(IDC_SAVE);
  } else {
    AfxMessageBox(u"New Computation", MB_OK);
  }
}

void CzelDlg::OnSave() {
  if (record_.computed == 0) return;
  CFileDialog dialog(FALSE, u".txt", nullptr, 0, u"Pipe Parameters (*.txt)|*.txt||", nullptr);
  if (dialog.DoModal() != IDOK) return;
  const CString path = dialog.GetPathName();
  if (path.empty()) return;
  if (!WriteParameterReport(record_, path)) AfxMessageBox(u"Error on file save", MB_OK);
}

void CzelDlg::OnChangeDisplacement() { StoreInput(displacementEdit, record_.displacement); }
void CzelDlg::OnChangeExhaustDuration() {
  StoreInput(exhaustDurationEdit, record_.exhaustDuration);
}
void CzelDlg::OnChangePortWidth() { StoreInput(portWidthEdit, record_.portWidth); }
void CzelDlg::OnChangePortHeight() { StoreInput(portHeightEdit, record_.portHeight); }
void CzelDlg::OnChangeExhaustInCylinder() {
  StoreInput(exhaustInCylinderEdit, record_.exhaustInCylinder);
}
void CzelDlg::OnChangeRpm() { StoreInput(rpmEdit, record_.rpm); }
void CzelDlg::OnChangePower() { StoreInput(powerEdit, record_.power); }
void CzelDlg::OnChangeHornCoefficient() {
  StoreInput(hornCoefficientEdit, record_.hornCoefficient);
}
