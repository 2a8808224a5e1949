// The Save command: the file dialog answered as the user answers it, and
// the file it leaves on disk.

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <functional>
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
  // (which starts empty every time) and accepts it; `afterChoosing` runs
  // once the dialog has taken the name, before the report is written (the
  // disk changing under the user). Then answers the message, when one is
  // expected.
  void SaveAs(const QString& typed, const QString& message = {},
              const std::function<void()>& afterChoosing = {}) {
    answers_.Expect<QFileDialog>([typed, afterChoosing](QFileDialog* dialog) {
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      EXPECT_TRUE(name != nullptr && name->text().isEmpty());
      EXPECT_EQ(dialog->nameFilters(), QStringList{"Pipe Parameters (*.txt)"});
      TypeFileNameAndAccept(dialog, typed);
      if (dialog->isVisible()) {  // the name was not taken: end the test, not hang
        ADD_FAILURE() << "the file dialog did not take " << typed.toStdString();
        dialog->reject();
      }
      if (afterChoosing) afterChoosing();
    });
    if (!message.isEmpty()) ExpectMessage(message);
    Click(IDC_SAVE);
    EXPECT_EQ(answers_.pending(), 0);
  }

  QStringList FolderContent() const { return ::FolderContent(folder_.path()); }

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

// --- Saving onto a disk that fails ---
// Each time the user is told "Error on file save", the form stays as it was
// and whatever lay at the chosen name before is still there, byte for byte.

TEST_F(SaveCommandTest, AReadOnlyFileIsKeptWhoeverSaves) {
  WriteFile(PathOf("chamber.txt"), "an older report\n");
  const QByteArray file = PathOf("chamber.txt").toLocal8Bit();
  ASSERT_EQ(::chmod(file.constData(), 0444), 0);
  RunForm([&] {
    ComputeAndConfirmShow();
    const FormState before = State();
    SaveAs(PathOf("chamber.txt"), "Error on file save");
    EXPECT_EQ(FolderContent(), QStringList{"chamber.txt: an older report\n"});
    EXPECT_EQ(State(), before);
  });
  struct stat info {};
  ASSERT_EQ(::stat(file.constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0444u);
}

TEST_F(SaveCommandTest, AFolderThatVanishedAfterChoosingSaysErrorOnFileSave) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir("reports"));
  RunForm([&] {
    ComputeAndConfirmShow();
    const FormState before = State();
    SaveAs(PathOf("reports/chamber.txt"), "Error on file save",
           [&] { ASSERT_TRUE(QDir(PathOf("reports")).removeRecursively()); });
    EXPECT_EQ(FolderContent(), QStringList{});
    EXPECT_EQ(State(), before);
  });
}

TEST_F(SaveCommandTest, AFolderMadeAtTheChosenNameAfterChoosingIsLeftAlone) {
  RunForm([&] {
    ComputeAndConfirmShow();
    SaveAs(PathOf("chamber"), "Error on file save", [&] {
      ASSERT_TRUE(QDir(folder_.path()).mkdir("chamber.txt"));
      WriteFile(PathOf("chamber.txt/inside.txt"), "keep me\n");
    });
    EXPECT_EQ(FolderContent(), (QStringList{"chamber.txt/", "chamber.txt/inside.txt: keep me\n"}));
  });
}

// Typing the name of a folder, with or without its extension, opens that
// folder in the file dialog instead of choosing it; the user then gives up.
class SaveOntoAFolderTest : public SaveCommandTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(SaveOntoAFolderTest, TheDialogOpensTheFolderAndNothingIsWritten) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir("old.txt"));
  WriteFile(PathOf("old.txt/inside.txt"), "keep me\n");
  RunForm([&] {
    ComputeAndConfirmShow();
    const QString typed = PathOf(GetParam());
    answers_.Expect<QFileDialog>([&](QFileDialog* dialog) {
      TypeFileNameAndAccept(dialog, typed);
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_EQ(dialog->directory().absolutePath(), PathOf("old.txt"));
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    ExpectNoMessageBox([&] { Click(IDC_SAVE); });
    EXPECT_EQ(FolderContent(), (QStringList{"old.txt/", "old.txt/inside.txt: keep me\n"}));
  });
}

INSTANTIATE_TEST_SUITE_P(SaveCommand, SaveOntoAFolderTest, ::testing::Values("old.txt", "old"),
                         [](const auto& row) {
                           return std::string(row.index == 0 ? "WithExtension"
                                                             : "WithoutExtension");
                         });

// /dev/full takes no byte: a full disk on every machine.
TEST_F(SaveCommandTest, AFullDeviceSaysErrorOnFileSave) {
  ASSERT_TRUE(QFile::link("/dev/full", PathOf("full.txt")));
  RunForm([&] {
    ComputeAndConfirmShow();
    SaveAs(PathOf("full.txt"), "Error on file save");
  });
  EXPECT_EQ(FolderContent(), QStringList{"full.txt -> /dev/full"});
}

// A file-size limit stops the write part way, as a disk that fills up while
// the report is written.
TEST_F(SaveCommandTest, ADiskFillingUpDuringTheWriteKeepsTheOlderReport) {
  WriteFile(PathOf("chamber.txt"), "an older report\n");
  struct rlimit limit {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const struct rlimit small = {100, limit.rlim_max};  // the report needs about 800 bytes
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  RunForm([&] {
    ComputeAndConfirmShow();
    SaveAs(PathOf("chamber.txt"), "Error on file save",
           [&] { ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0); });
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(FolderContent(), QStringList{"chamber.txt: an older report\n"});
    SaveAs(PathOf("chamber.txt"));  // room again: the second try succeeds
    EXPECT_EQ(ReadFile(PathOf("chamber.txt")), kDefaultReport);
  });
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);
}

// A real file system of 64 KiB, filled up: needs the right to mount.
class FullDiskSaveTest : public SaveCommandTest {
 protected:
  void SetUp() override {
    SaveCommandTest::SetUp();
    ASSERT_TRUE(QDir(folder_.path()).mkdir("disk"));
    if (::mount("tubrix-test", PathOf("disk").toLocal8Bit().constData(), "tmpfs", 0,
                "size=64k,mode=0755") != 0) {
      GTEST_SKIP() << "cannot mount a small file system here (" << std::strerror(errno)
                   << "); the full device and the file-size limit stand in for it";
    }
    mounted_ = true;
  }

  void TearDown() override {
    if (mounted_) ::umount(PathOf("disk").toLocal8Bit().constData());
  }

  void Fill() {
    QFile filler(PathOf("disk/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    for (qsizetype size = block.size(); size > 0; size /= 2) {
      while (filler.write(block.constData(), size) == size) {
      }
    }
  }

  bool mounted_ = false;
};

TEST_F(FullDiskSaveTest, TheOlderReportSurvivesAndNoPartialFileIsLeft) {
  WriteFile(PathOf("disk/chamber.txt"), QByteArray(2000, 'o'));
  Fill();
  RunForm([&] {
    ComputeAndConfirmShow();
    SaveAs(PathOf("disk/chamber.txt"), "Error on file save");
  });
  EXPECT_EQ(ReadFile(PathOf("disk/chamber.txt")), QByteArray(2000, 'o'));
  EXPECT_EQ(QDir(PathOf("disk")).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"chamber.txt", "filler"}));
}

}  // namespace
