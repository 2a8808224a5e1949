#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/framework.h"
#include "tests/support/modal_answers.h"
#include "tests/support/window_widgets.h"

namespace {

TEST(MessageBox, ShowsTextOneOkTheExclamationIconAndTheProgramName) {
  ModalAnswers answers;
  answers.Expect<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->text(), "Hits Compute first");
    EXPECT_EQ(box->windowTitle(), "platform_common_dialogs_test");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->buttons().first()->click();
  });
  EXPECT_EQ(AfxMessageBox(u"Hits Compute first", MB_OK), IDOK);
  EXPECT_EQ(std::u16string(AfxGetAppName()), u"platform_common_dialogs_test");
}

TEST(MessageBox, ClosingTheBoxCountsAsOk) {
  ModalAnswers answers;
  answers.Expect<QMessageBox>([](QMessageBox* box) { box->close(); });
  EXPECT_EQ(AfxMessageBox(u"New Computation"), IDOK);
}

class SaveDialog : public ::testing::Test {
 protected:
  CFileDialog MakeDialog() {
    return CFileDialog(FALSE, u".txt", nullptr, 0, u"Pipe Parameters (*.txt)|*.txt||");
  }
  QTemporaryDir folder;
  ModalAnswers answers;
};

TEST_F(SaveDialog, OffersOneFilterEntryAnEmptyNameAndNoOverwriteQuestion) {
  answers.Expect<QFileDialog>([](QFileDialog* dialog) {
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Pipe Parameters (*.txt)"});
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), "txt");
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "");
    dialog->reject();
  });
  CFileDialog dialog = MakeDialog();
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.GetPathName(), u"");
}

TEST_F(SaveDialog, NameWithoutExtensionGetsTxtAndAnExistingFileIsChosenWithoutQuestion) {
  const QString existing = folder.filePath("old.txt");
  QFile file(existing);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const QString typed = folder.filePath("report");
  answers.Expect<QFileDialog>(
      [typed](QFileDialog* dialog) { TypeFileNameAndAccept(dialog, typed); });
  answers.Expect<QFileDialog>([existing](QFileDialog* dialog) {
    EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "");
    TypeFileNameAndAccept(dialog, existing);
  });
  CFileDialog first = MakeDialog();
  ASSERT_EQ(first.DoModal(), IDOK);
  EXPECT_EQ(QString::fromStdU16String(first.GetPathName()), folder.filePath("report.txt"));
  EXPECT_EQ(first.GetFileName(), u"report.txt");
  CFileDialog second = MakeDialog();
  ASSERT_EQ(second.DoModal(), IDOK);
  EXPECT_EQ(QString::fromStdU16String(second.GetPathName()), existing);
}

// A whole path typed into the name field, keystroke by keystroke, comes
// back as typed, also when its folder does not exist: the save must then
// fail there rather than land in the folder the dialog shows.
TEST_F(SaveDialog, WholeTypedPathComesBackAsTyped) {
  struct Case {
    const char* typed;
    const char* chosen;
  };
  const Case cases[] = {{"missing/chamber", "missing/chamber.txt"},
                        {"chamber", "chamber.txt"},
                        {"sub/../other.txt", "other.txt"}};
  for (const Case& c : cases) {
    const QString typed = folder.path() + "/" + c.typed;
    answers.Expect<QFileDialog>(
        [typed](QFileDialog* dialog) { TypeFileNameAndAccept(dialog, typed); });
    CFileDialog dialog = MakeDialog();
    ASSERT_EQ(dialog.DoModal(), IDOK) << c.typed;
    EXPECT_EQ(QString::fromStdU16String(dialog.GetPathName()), folder.path() + "/" + c.chosen);
  }
}

TEST_F(SaveDialog, WritesNoSettingsFile) {
  // HOME and XDG_CONFIG_HOME point into the build tree for this test.
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const auto entries = [&config] {
    return QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  };
  const QStringList before = entries();
  answers.Expect<QFileDialog>(
      [this](QFileDialog* dialog) { TypeFileNameAndAccept(dialog, folder.filePath("a")); });
  CFileDialog dialog = MakeDialog();
  dialog.DoModal();
  CWinApp app;
  app.SetRegistryKey(u"Applications locales générées par AppWizard");
  EXPECT_EQ(std::u16string(app.m_pszRegistryKey), u"Applications locales générées par AppWizard");
  EXPECT_EQ(entries(), before);
  EXPECT_FALSE(QFile::exists(config + "/QtProject.conf"));
}

}  // namespace
