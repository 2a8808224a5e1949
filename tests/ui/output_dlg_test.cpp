// The Show command and the results dialog, answered as the user answers
// them.

#include <QDialog>
#include <QTest>
#include <string>

#include "res/resource_ids.h"
#include "tests/ui/form_fixture.h"
#include "ui/output_dlg.h"

namespace {

using ShowCommandTest = FormTest;

// D0..D7, then L01..L67 and LT, after Compute on the defaults.
const QStringList kDefaultResults = {" 37.41", " 37.41", " 50.12", " 72.49", " 94.58", " 94.58",
                                     " 21.06", " 21.06", " 38.53", "248.97", "165.68", " 83.29",
                                     " 99.59", "217.28", "217.28", "1070.62"};

TEST_F(ShowCommandTest, BeforeComputeSaysHitsComputeFirst) {
  RunForm([&] {
    const FormState before = State();
    ExpectMessage("Hits Compute first");
    SendCommand(IDC_SHOW);  // the button itself is disabled
    EXPECT_EQ(answers_.pending(), 0);
    EXPECT_EQ(State(), before);
  });
}

TEST_F(ShowCommandTest, ShowsTheDimensionsOfTheDefaults) {
  RunForm([&] {
    Click(IDC_COMPUTE);
    for (int run = 0; run < 2; ++run) {  // a second Show presents the same
      answers_.Expect<QDialog>([](QDialog* results) {
        EXPECT_EQ(results->windowTitle(), "Tubrix Outputs");
        EXPECT_EQ(ResultTexts(results), kDefaultResults);
        QTest::keyClick(results, Qt::Key_Return);
      });
      ExpectNoMessageBox([&] { Click(IDC_SHOW); });
    }
  });
}

TEST_F(ShowCommandTest, ResultsThatAreNotNumbersShowAsNan) {
  RunForm([&] {
    Retype(IDC_POWER, "12");  // low pressure: the belly is narrower than the header
    Click(IDC_COMPUTE);
    answers_.Expect<QDialog>([](QDialog* results) {
      const QStringList texts = ResultTexts(results);
      EXPECT_EQ(texts[2], "   nan");
      EXPECT_EQ(texts[3], "   nan");
      EXPECT_EQ(texts[6], " 27.69");
      QTest::keyClick(results, Qt::Key_Return);
    });
    Click(IDC_SHOW);
  });
}

// LT takes the exhaust in cylinder as typed since, with the tuned length and
// the stinger of the last Compute.
TEST_F(ShowCommandTest, TotalLengthUsesTheCurrentExhaustInCylinder) {
  RunForm([&] {
    Click(IDC_COMPUTE);
    Retype(IDC_EXHAUST_IN_CYLINDER, "100");
    answers_.Expect<QDialog>([](QDialog* results) {
      const QStringList texts = ResultTexts(results);
      EXPECT_EQ(texts[8], " 38.53");    // L01 of the last Compute
      EXPECT_EQ(texts[15], "1022.62");  // (905.34 - 100) + 217.28
      QTest::keyClick(results, Qt::Key_Return);
    });
    Click(IDC_SHOW);
  });
}

struct LeavingCase {
  const char* name;
  std::function<void(QDialog*)> leave;
  bool savable;  // OK: Save enabled, no message; else "New Computation"
};

const LeavingCase kLeavingCases[] = {
    {"OkButton", [](QDialog* d) { ClickButtonLabelled(d, "OK"); }, true},
    {"Enter", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }, true},
    {"TitleBarClose", [](QDialog* d) { d->close(); }, true},
    {"CancelButton", [](QDialog* d) { ClickButtonLabelled(d, "Cancel"); }, false},
    {"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, false},
};

class LeavingResultsTest : public FormTest, public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(LeavingResultsTest, OnlyOkEnablesSave) {
  const LeavingCase& c = GetParam();
  RunForm([&] {
    Click(IDC_COMPUTE);
    const FormState before = State();
    answers_.Expect<QDialog>(c.leave);
    if (!c.savable) ExpectMessage("New Computation");
    Click(IDC_SHOW);
    EXPECT_EQ(answers_.pending(), 0);
    FormState expected = before;
    expected.saveEnabled = c.savable;
    EXPECT_EQ(State(), expected);
  });
}

INSTANTIATE_TEST_SUITE_P(ShowCommand, LeavingResultsTest, ::testing::ValuesIn(kLeavingCases),
                         CaseName());

TEST_F(ShowCommandTest, CancelAfterAnEarlierOkKeepsSaveEnabled) {
  RunForm([&] {
    ComputeAndConfirmShow();
    const FormState before = State();
    answers_.Expect<QDialog>([](QDialog* results) { QTest::keyClick(results, Qt::Key_Escape); });
    ExpectMessage("New Computation");
    Click(IDC_SHOW);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(Enabled(IDC_SAVE));
  });
}

TEST(OutputDialog, WorksOutTheTotalLengthFromItsOwnCopies) {
  COutputDlg output;
  output.tunedLength = 800.0;
  output.exhaustInCylinder = 50.0;
  output.L67 = 100.0;
  output.D0 = 54.5;
  output.D1 = 1234.5;
  ModalAnswers answers;
  answers.Expect<QDialog>([](QDialog* results) {
    const QStringList texts = ResultTexts(results);
    EXPECT_EQ(texts[0], " 54.50");
    EXPECT_EQ(texts[1], "1234.50");
    EXPECT_EQ(texts[15], "850.00");
    QTest::keyClick(results, Qt::Key_Escape);
  });
  EXPECT_EQ(output.DoModal(), IDCANCEL);
}

}  // namespace
