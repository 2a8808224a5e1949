// The Save command: the file dialog answered as the user answers it, and
// the file it leaves on disk.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "res/resource_ids.h"
#include "tests/support/default_report.h"
#include "tests/support/window_widgets.h"
#include "tests/ui/form_fixture.h"

namespace {

class SaveCommandTest : public FormTest {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

  QString PathOf(const QString& name) const { return folder_.filePath(name); }

  // Clicks Save and, in the file dialog, types `typed` into the name field
  // (which starts empty every time) and accepts it; then answers the
  // message, when one is expected.
  void SaveAs(const QString& typed, const QString& message = {}) {
    answers_.Expect<QFileDialog>([typed](QFileDialog* dialog) {
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      EXPECT_TRUE(name != nullptr && name->text().isEmpty());
      EXPECT_EQ(dialog->nameFilters(), QStringList{"Pipe Parameters (*.txt)"});
      TypeFileNameAndAccept(dialog, typed);
      if (dialog->isVisible()) {  // the name was not taken: end the test, not hang
        ADD_FAILURE() << "the file dialog did not take " << typed.toStdString();
        dialog->reject();
      }
    });
    if (!message.isEmpty()) ExpectMessage(message);
    Click(IDC_SAVE);
    EXPECT_EQ(answers_.pending(), 0);
  }

  // The folder's entries, each with its content.
  QStringList FolderContent() const {
    QStringList content;
    const QDir dir(folder_.path());
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
      content << name + ": " + QString::fromLatin1(ReadFile(dir.filePath(name)));
    }
    return content;
  }

  static QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }

  static void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QTemporaryDir folder_;
};

TEST_F(SaveCommandTest, WritesTheReportOfTheDesign) {
  RunForm([&] {
    ComputeAndConfirmShow();
    const FormState before = State();
    ExpectNoMessageBox([&] { SaveAs(PathOf("chamber.txt")); });
    EXPECT_EQ(ReadFile(PathOf("chamber.txt")), kDefaultReport);
    EXPECT_EQ(State(), before);
  });
}

TEST_F(SaveCommandTest, ANameWithoutExtensionGetsTxt) {
  RunForm([&] {
    ComputeAndConfirmShow();
    SaveAs(PathOf("chamber"));
    EXPECT_EQ(FolderContent(), QStringList{"chamber.txt: " + QString::fromLatin1(kDefaultReport)});
  });
}

TEST_F(SaveCommandTest, ReplacesAnExistingFileWithoutAQuestion) {
  WriteFile(PathOf("chamber.txt"), "an older report\n");
  RunForm([&] {
    ComputeAndConfirmShow();
    ExpectNoMessageBox([&] { SaveAs(PathOf("chamber.txt")); });
    EXPECT_EQ(ReadFile(PathOf("chamber.txt")), kDefaultReport);
  });
}

TEST_F(SaveCommandTest, WritesTheInputsAsEditedSinceTheLastCompute) {
  RunForm([&] {
    ComputeAndConfirmShow();
    Retype(IDC_POWER, "30");
    SaveAs(PathOf("chamber.txt"));
    const QList<QByteArray> lines = ReadFile(PathOf("chamber.txt")).split('\n');
    ASSERT_EQ(lines.size(), 27);  // 26 lines, each ended
    EXPECT_EQ(lines[5], "Power :  30.00");
    EXPECT_EQ(lines[8], "D0 :  37.41 mm");
  });
}

TEST_F(SaveCommandTest, CancelWritesNothingAndSaysNothing) {
  RunForm([&] {
    ComputeAndConfirmShow();
    const FormState before = State();
    answers_.Expect<QFileDialog>(
        [](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    ExpectNoMessageBox([&] { Click(IDC_SAVE); });
    EXPECT_EQ(FolderContent(), QStringList{});
    EXPECT_EQ(State(), before);
  });
}

TEST_F(SaveCommandTest, BeforeComputeDoesNothingAtAll) {
  RunForm([&] {
    const FormState before = State();
    ExpectNoModalWindow([&] { SendCommand(IDC_SAVE); });  // the button itself is disabled
    EXPECT_EQ(State(), before);
  });
}

// A "folder" that is a regular file: a place that even root cannot write.
TEST_F(SaveCommandTest, AnUnwritablePlaceSaysErrorOnFileSaveThenASecondSaveSucceeds) {
  WriteFile(PathOf("notes.txt"), "keep me\n");
  RunForm([&] {
    ComputeAndConfirmShow();
    const FormState before = State();
    SaveAs(PathOf("notes.txt/chamber.txt"), "Error on file save");
    EXPECT_EQ(FolderContent(), QStringList{"notes.txt: keep me\n"});
    EXPECT_EQ(State(), before);

    ExpectNoMessageBox([&] { SaveAs(PathOf("chamber.txt")); });
    EXPECT_EQ(ReadFile(PathOf("chamber.txt")), kDefaultReport);
    EXPECT_EQ(State(), before);
  });
}

// The typed folder does not exist: the save fails there, and nothing lands
// in the folder the file dialog shows instead.
TEST_F(SaveCommandTest, AFolderThatDoesNotExistSaysErrorOnFileSaveAndWritesNothingElsewhere) {
  const QString shownFolderFile = QDir::current().filePath("chamber.txt");
  ASSERT_FALSE(QFile::exists(shownFolderFile));
  RunForm([&] {
    ComputeAndConfirmShow();
    SaveAs(PathOf("missing/chamber.txt"), "Error on file save");
  });
  EXPECT_EQ(FolderContent(), QStringList{});
  EXPECT_FALSE(QFile::exists(shownFolderFile));
}

}  // namespace
