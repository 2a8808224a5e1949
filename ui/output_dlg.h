#pragma once

#include <array>

#include "calc/chamber_design.h"
#include "platform/framework.h"

// The results dialog: D0..D7, L01..L67 and the total length LT of the last
// computation, in mm, each in a read-only edit. It works on copies taken
// before its modal run and has no link back to the record.
class COutputDlg : public CDialog {
  DECLARE_DYNAMIC(COutputDlg)

 public:
  explicit COutputDlg(CWnd* parent = nullptr);

  // Takes copies of the fifteen dimensions, tunedLength and
  // exhaustInCylinder of `design`.
  void CopyFigures(const ChamberDesign& design);

  // Copies of the record's figures, mm.
  double D0 = 0.0, D1 = 0.0, D2 = 0.0, D3 = 0.0, D4 = 0.0, D5 = 0.0, D6 = 0.0, D7 = 0.0;
  double L01 = 0.0, L12 = 0.0, L23 = 0.0, L34 = 0.0, L45 = 0.0, L56 = 0.0, L67 = 0.0;
  double tunedLength = 0.0;
  double exhaustInCylinder = 0.0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Fills the sixteen edits with FormatValue; LT is worked out from the
  // copies as (tunedLength - exhaustInCylinder) + L67.
  BOOL OnInitDialog() override;

 private:
  // Wrappers of the edits 1010..1025: D0..D7, L01..L67, LT.
  std::array<CEdit, 16> figureEdits;

  DECLARE_MESSAGE_MAP()
};
