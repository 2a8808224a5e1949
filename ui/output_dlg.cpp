#include "ui/output_dlg.h"

#include "report/format_value.h"
#include "res/resource_ids.h"
#include "ui/field_text.h"

namespace {

// The dimensions in the order of the edits 1010..1024.
constexpr std::array<double COutputDlg::*, 15> kDimensions{
    &COutputDlg::D0,  &COutputDlg::D1,  &COutputDlg::D2,  &COutputDlg::D3,  &COutputDlg::D4,
    &COutputDlg::D5,  &COutputDlg::D6,  &COutputDlg::D7,  &COutputDlg::L01, &COutputDlg::L12,
    &COutputDlg::L23, &COutputDlg::L34, &COutputDlg::L45, &COutputDlg::L56, &COutputDlg::L67,
};

constexpr std::array<double ChamberDesign::*, 15> kRecordDimensions{
    &ChamberDesign::D0,  &ChamberDesign::D1,  &ChamberDesign::D2,  &ChamberDesign::D3,
    &ChamberDesign::D4,  &ChamberDesign::D5,  &ChamberDesign::D6,  &ChamberDesign::D7,
    &ChamberDesign::L01, &ChamberDesign::L12, &ChamberDesign::L23, &ChamberDesign::L34,
    &ChamberDesign::L45, &ChamberDesign::L56, &ChamberDesign::L67,
};

}  // namespace

IMPLEMENT_DYNAMIC(COutputDlg, CDialog)

BEGIN_MESSAGE_MAP(COutputDlg, CDialog)
END_MESSAGE_MAP()

COutputDlg::COutputDlg(CWnd* parent) : CDialog(IDD_OUTPUT, parent) {}

void COutputDlg::CopyFigures(const ChamberDesign& design) {
  for (std::size_t i = 0; i < kDimensions.size(); ++i)
    this->*kDimensions[i] = design.*kRecordDimensions[i];
  tunedLength = design.tunedLength;
  exhaustInCylinder = design.exhaustInCylinder;
}

void COutputDlg::DoDataExchange(CDataExchange* pDX) {
  for (std::size_t i = 0; i < figureEdits.size(); ++i) {
    DDX_Control(pDX, IDC_D0 + static_cast<int>(i), figureEdits[i]);
  }
}

BOOL COutputDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (std::size_t i = 0; i < kDimensions.size(); ++i) {
    figureEdits[i].SetWindowText(WidenAscii(FormatValue(this->*kDimensions[i])).c_str());
  }
  // The same figure as the report's "Total Length", in the same order of
  // operations, from this dialog's own copies.
  const double withoutStinger = tunedLength - exhaustInCylinder;
  const double totalLength = withoutStinger + L67;
  figureEdits.back().SetWindowText(WidenAscii(FormatValue(totalLength)).c_str());
  return TRUE;
}
