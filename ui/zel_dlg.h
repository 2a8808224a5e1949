#pragma once

// The input form, the program's main window.
//
// How data flows: the form owns the one ChamberDesign record. Every change
// of an input edit (typed, or written by DisplayInputs) arrives as EN_CHANGE
// and stores ParseFieldText of that edit into its field at once. Compute
// checks the inputs (ValidateDesignInputs), runs ComputeChamber on the
// record, enables Show and writes the inputs back with FormatValue. Show
// copies the dimensions into a COutputDlg; leaving it with OK enables Save.
// Save hands the record and a path from the file dialog to
// WriteParameterReport. A size change lays the controls out again from
// template 102 or 103 (ApplyTemplateLayout).
//
// Command states, by the enabled buttons: Fresh (neither Show nor Save),
// Computed (Show), Saveable (Show and Save); nothing leads back.

#include "calc/chamber_design.h"
#include "platform/framework.h"

class CzelDlg : public CDialog {
 public:
  // Creates no window: the edits are empty until OnInitDialog runs. The
  // record starts from its defaults, not computed.
  explicit CzelDlg(CWnd* parent = nullptr);

  // The design record as the form holds it now.
  const ChamberDesign& Record() const { return record_; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

 private:
  // The number at the start of the edit's whole text (wcstod rules in the C
  // locale); 0 for empty or non-numeric text.
  static double ParseFieldText(const CEdit& edit);
  // Writes the eight inputs, in record order, into their edits with
  // FormatValue; each write stores its own read-back through EN_CHANGE.
  void DisplayInputs();
  void StoreInput(const CEdit& edit, double& field);
  void EnableControl(int id);

  void OnSize(UINT type, int cx, int cy);
  void OnAbout();
  void OnCompute();
  void OnShow();
  void OnSave();
  void OnChangeDisplacement();
  void OnChangeExhaustDuration();
  void OnChangePortWidth();
  void OnChangePortHeight();
  void OnChangeExhaustInCylinder();
  void OnChangeRpm();
  void OnChangePower();
  void OnChangeHornCoefficient();

  HICON formIcon;
  CEdit rpmEdit;
  CEdit powerEdit;
  CEdit exhaustInCylinderEdit;
  CEdit portWidthEdit;
  CEdit portHeightEdit;
  CEdit exhaustDurationEdit;
  CEdit displacementEdit;
  CEdit hornCoefficientEdit;
  ChamberDesign record_;

  DECLARE_MESSAGE_MAP()
};
