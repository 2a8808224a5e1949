#pragma once

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calc/chamber_design.h"
#include "tests/support/modal_answers.h"
#include "ui/zel_dlg.h"

// Names a case of a parameterised test after the `name` of its row.
struct CaseName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

// The test program's own name: the caption of every message box.
inline const QString kProgramName = QStringLiteral("form_dialogs_test");

// The texts the form's edits 1001..1008 show at start, top to bottom.
inline const QStringList kDefaultTexts = {"124.90", "180.80",  " 35.00", " 25.00",
                                          " 52.00", "9800.00", " 27.00", "  1.60"};

// Every figure of a ChamberDesign, inputs and results, by its bits.
std::vector<std::uint64_t> FigureBits(const ChamberDesign& design);

// What the user can see of the form and what it holds: the texts of the
// eight edits, the record's figures and flag, and which commands are
// enabled.
struct FormState {
  QStringList texts;
  std::vector<std::uint64_t> figures;
  std::int32_t computed = 0;
  bool showEnabled = false;
  bool saveEnabled = false;
  bool operator==(const FormState&) const = default;
};

// Runs the real input form modally and lets a test act on it as its user:
// type into the edits, click buttons, and answer the modal windows that
// come up (message boxes, the results dialog, the about box, the file
// dialog).
class FormTest : public ::testing::Test {
 protected:
  // Runs the form; `steps` run once it shows, then Escape closes it.
  void RunForm(const std::function<void()>& steps);

  QLineEdit* Edit(int id) const;
  QPushButton* Button(int id) const;
  QString Text(int id) const { return Edit(id)->text(); }
  bool Enabled(int id) const { return Button(id)->isEnabled(); }
  const ChamberDesign& Record() const { return form_.Record(); }
  FormState State() const;

  // Selects the edit's text with Ctrl+A and deletes it with Backspace.
  void Clear(int id);
  // Clears the edit, then types `text` key by key.
  void Retype(int id, const QString& text);
  void Click(int id);
  // The form's command as the framework delivers a click, also for a
  // disabled button (which the user cannot click).
  void SendCommand(int id);

  // Answers the next message box: checks its text, the program's name as
  // caption, the exclamation icon and the one OK button, and clicks OK.
  void ExpectMessage(const QString& text);
  // Compute, then Show answered with OK: the Saveable state.
  void ComputeAndConfirmShow();
  // Fails the test if a modal window comes up while `action` runs (and
  // closes it).
  void ExpectNoModalWindow(const std::function<void()>& action) { Watch(action, false); }
  // The same for message boxes only, for actions that open other windows.
  void ExpectNoMessageBox(const std::function<void()>& action) { Watch(action, true); }

  ModalAnswers answers_;
  CzelDlg form_;

 private:
  void Watch(const std::function<void()>& action, bool messagesOnly);
};

// Clicks the push button of `window` that reads `text`.
void ClickButtonLabelled(QWidget* window, const QString& text);

// The texts of the results dialog's sixteen edits, 1010..1025.
QStringList ResultTexts(QWidget* resultsDialog);

// Every entry under `folder`, sorted: each file with its content
// ("name: bytes"), each folder marked by a trailing slash ("name/"), each
// symbolic link with its target ("name -> target"). A left-over temporary
// file shows here too.
QStringList FolderContent(const QString& folder);
