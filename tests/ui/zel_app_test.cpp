// Start-up and shutdown: the application object runs the form as its main
// window and ends when the form closes.

#include <QDialog>
#include <QTest>
#include <string>

#include "platform/resource_module.h"
#include "platform/window_functions.h"
#include "tests/support/modal_answers.h"
#include "tests/support/window_widgets.h"
#include "tests/ui/form_fixture.h"
#include "ui/apropos.h"
#include "ui/output_dlg.h"
#include "ui/zel_app.h"

namespace {

struct ClosingCase {
  const char* name;
  std::function<void(QDialog*)> close;
};

const ClosingCase kClosingCases[] = {
    {"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
    {"TitleBarClose", [](QDialog* d) { d->close(); }},
};

class StartUpTest : public ::testing::TestWithParam<ClosingCase> {};

// Whichever way the form is closed, InitInstance returns FALSE and no
// reference to the form is left.
TEST_P(StartUpTest, RunsTheFormAsMainWindowAndEndsWhenItCloses) {
  CzelApp app;
  ModalAnswers answers;
  answers.Expect<QDialog>([&app](QDialog* form) {
    EXPECT_EQ(form->windowTitle(), "Tubrix 1.2");
    ASSERT_NE(app.m_pMainWnd, nullptr);
    EXPECT_EQ(WidgetForWindow(app.m_pMainWnd->m_hWnd), form);
    GetParam().close(form);
  });
  EXPECT_EQ(app.InitInstance(), FALSE);
  EXPECT_EQ(answers.pending(), 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(std::u16string(app.m_pszRegistryKey), u"Applications locales générées par AppWizard");
  EXPECT_EQ(QString::fromStdU16String(app.m_pszProfileName), kProgramName);
}

INSTANTIATE_TEST_SUITE_P(StartUp, StartUpTest, ::testing::ValuesIn(kClosingCases), CaseName());

TEST(StartUp, AFormThatCannotComeUpLeavesNoMainWindow) {
  const ResourceModule empty;  // no templates at all
  AfxSetResourceHandle(&empty);
  CzelApp app;
  EXPECT_EQ(app.InitInstance(), FALSE);
  AfxSetResourceHandle(nullptr);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST(StartUp, RunTimeClassNames) {
  CzelApp app;
  CzelDlg form;
  COutputDlg output;
  CApropos about;
  EXPECT_STREQ(app.GetRuntimeClass()->m_lpszClassName, "CWinApp");
  EXPECT_STREQ(form.GetRuntimeClass()->m_lpszClassName, "CDialog");
  EXPECT_STREQ(output.GetRuntimeClass()->m_lpszClassName, "COutputDlg");
  EXPECT_EQ(output.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CDialog));
  EXPECT_STREQ(about.GetRuntimeClass()->m_lpszClassName, "CApropos");
  EXPECT_EQ(about.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CDialog));
}

}  // namespace
