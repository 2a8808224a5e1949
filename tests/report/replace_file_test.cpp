#include "report/replace_file.h"

#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "calc/compute_chamber.h"
#include "report/parameter_report.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;
constexpr int kCannotDropPrivileges = 77;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Runs check in a child process as the unprivileged user nobody, since root
// may write anywhere. Returns the child's exit status: 0 when check held,
// kCannotDropPrivileges when the user could not be changed.
int RunAsNobody(const std::function<bool()>& check) {
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 &&
                         ::setuid(kNobody) == 0 && ::geteuid() == kNobody;
    ::_exit(!dropped ? kCannotDropPrivileges : check() ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// A fresh folder for each test, open to every user so that nobody can reach
// it; whatever a test leaves in it is checked and then removed.
class ReplaceFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "tubrix-replace-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    folder_ = name;
    ::chmod(folder_.c_str(), 0755);
  }

  void TearDown() override {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder_, ec)) {
      ::chmod(entry.path().c_str(), 0700);  // a read-only folder would stop remove_all
    }
    fs::remove_all(folder_, ec);
  }

  // The names in the folder, sorted; a left-over temporary file shows here.
  std::vector<std::string> List(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> List() const { return List(folder_); }

  fs::path folder_;
};

using Names = std::vector<std::string>;

TEST_F(ReplaceFileTest, ReplacesAWritableFileCompletely) {
  WriteFile(folder_ / "r.txt", std::string(5000, 'x'));
  EXPECT_TRUE(ReplaceFile(folder_ / "r.txt", "new\n"));
  EXPECT_EQ(ReadFile(folder_ / "r.txt"), "new\n");
  EXPECT_EQ(List(), Names{"r.txt"});
}

TEST_F(ReplaceFileTest, FolderThatDoesNotExist) {
  errno = 0;
  EXPECT_FALSE(ReplaceFile(folder_ / "missing" / "r.txt", "new\n"));
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(List(), Names{});
}

TEST_F(ReplaceFileTest, PathNamingAFolder) {
  fs::create_directory(folder_ / "sub");
  WriteFile(folder_ / "sub" / "keep.txt", "keep");
  errno = 0;
  EXPECT_FALSE(ReplaceFile(folder_ / "sub", "new\n"));
  EXPECT_EQ(errno, EISDIR);
  EXPECT_FALSE(ReplaceFile(folder_ / "sub" / "", "new\n"));
  EXPECT_TRUE(fs::is_directory(folder_ / "sub"));
  EXPECT_EQ(List(folder_ / "sub"), Names{"keep.txt"});
  EXPECT_EQ(List(), Names{"sub"});
}

TEST_F(ReplaceFileTest, KeepsPermissionBitsAndOwner) {
  const fs::path file = folder_ / "r.txt";
  WriteFile(file, "old\n");
  ::chmod(file.c_str(), 0640);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_TRUE(ReplaceFile(file, "new\n"));
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid, kNobody);
  }
  EXPECT_EQ(ReadFile(file), "new\n");
}

TEST_F(ReplaceFileTest, NewFileFollowsTheUmask) {
  const mode_t old = ::umask(027);
  const bool written = ReplaceFile(folder_ / "r.txt", "new\n");
  ::umask(old);
  ASSERT_TRUE(written);
  struct stat info {};
  ASSERT_EQ(::stat((folder_ / "r.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(ReplaceFileTest, SymbolicLinkKeepsPointingAtTheReplacedFile) {
  fs::create_directory(folder_ / "data");
  WriteFile(folder_ / "data" / "r.txt", "old\n");
  fs::create_symlink("data/r.txt", folder_ / "link.txt");
  ASSERT_TRUE(ReplaceFile(folder_ / "link.txt", "new\n"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "link.txt")));
  EXPECT_EQ(fs::read_symlink(folder_ / "link.txt"), "data/r.txt");
  EXPECT_EQ(ReadFile(folder_ / "data" / "r.txt"), "new\n");
  EXPECT_EQ(List(folder_ / "data"), Names{"r.txt"});
}

TEST_F(ReplaceFileTest, LinkLoopIsRefused) {
  fs::create_symlink("b", folder_ / "a");
  fs::create_symlink("a", folder_ / "b");
  EXPECT_FALSE(ReplaceFile(folder_ / "a", "new\n"));
  EXPECT_EQ(List(), (Names{"a", "b"}));
}

TEST_F(ReplaceFileTest, LinkToDevFullFails) {
  fs::create_symlink("/dev/full", folder_ / "full.txt");
  errno = 0;
  EXPECT_FALSE(ReplaceFile(folder_ / "full.txt", "new\n"));
  EXPECT_EQ(errno, ENOSPC);
  EXPECT_EQ(fs::read_symlink(folder_ / "full.txt"), "/dev/full");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_EQ(List(), Names{"full.txt"});
}

TEST_F(ReplaceFileTest, FifoIsWrittenInPlace) {
  const fs::path fifo = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(ReplaceFile(fifo, "new\n"));
  char bytes[16] = {};
  EXPECT_EQ(::read(reader, bytes, sizeof bytes), 4);
  ::close(reader);
  EXPECT_EQ(std::string(bytes), "new\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(ReplaceFileTest, FifoWithoutReaderFailsInsteadOfWaiting) {
  const fs::path fifo = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  errno = 0;
  EXPECT_FALSE(ReplaceFile(fifo, "new\n"));
  EXPECT_EQ(errno, ENXIO);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(ReplaceFileTest, DeviceIsWrittenInPlace) {
  EXPECT_TRUE(ReplaceFile("/dev/null", "new\n"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// Whoever saves, root included: a file without any write permission bit
// was protected by its user and stays as it is.
TEST_F(ReplaceFileTest, ReadOnlyFileIsKeptWhoeverSaves) {
  const fs::path file = folder_ / "r.txt";
  WriteFile(file, "old\n");
  ::chmod(file.c_str(), 0444);
  errno = 0;
  EXPECT_FALSE(ReplaceFile(file, "new\n"));
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(ReadFile(file), "old\n");
  EXPECT_EQ(List(), Names{"r.txt"});
}

// One write bit is enough for root, as it is for rm: the file is replaced
// and keeps its bits.
TEST_F(ReplaceFileTest, FileWritableOnlyByItsGroupIsReplacedByRoot) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may write a file of another group";
  const fs::path file = folder_ / "r.txt";
  WriteFile(file, "old\n");
  ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
  ::chmod(file.c_str(), 0464);
  EXPECT_TRUE(ReplaceFile(file, "new\n"));
  EXPECT_EQ(ReadFile(file), "new\n");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0464u);
}

// A file-size limit stops the write part way, as a disk that fills up while
// the report is written: the older file stays and the partial one goes.
TEST_F(ReplaceFileTest, WriteStoppedPartWayKeepsTheOlderFile) {
  const fs::path file = folder_ / "r.txt";
  WriteFile(file, "old\n");
  struct rlimit limit {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const struct rlimit small = {100, limit.rlim_max};
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);  // else the limit kills the test
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  errno = 0;
  const bool written = ReplaceFile(file, std::string(3000, 'n'));
  const int error = errno;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(ReadFile(file), "old\n");
  EXPECT_EQ(List(), Names{"r.txt"});
}

// The folder belongs to nobody, so that only the file's own read-only bits
// stand in the way: renaming a new file over it would otherwise succeed.
TEST_F(ReplaceFileTest, ReadOnlyFileAsUnprivilegedUser) {
  const fs::path file = folder_ / "r.txt";
  WriteFile(file, "old\n");
  ASSERT_EQ(::chown(folder_.c_str(), kNobody, kNobody), 0) << "needs root to set up";
  ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
  ::chmod(file.c_str(), 0444);
  const int status = RunAsNobody([&] { return !ReplaceFile(file, "new\n") && errno == EACCES; });
  if (status == kCannotDropPrivileges) GTEST_SKIP() << "cannot become nobody";
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(file), "old\n");
  EXPECT_EQ(List(), Names{"r.txt"});
}

// The file itself may be written, but the folder may not: a new file cannot
// be made there, and the old one stays as it was.
TEST_F(ReplaceFileTest, UnwritableFolderAsUnprivilegedUser) {
  const fs::path file = folder_ / "r.txt";
  WriteFile(file, "old\n");
  ::chmod(file.c_str(), 0666);
  const int status = RunAsNobody([&] {
    return !ReplaceFile(file, "new\n") && errno == EACCES &&
           !ReplaceFile(folder_ / "other.txt", "new\n") && errno == EACCES;
  });
  if (status == kCannotDropPrivileges) GTEST_SKIP() << "cannot become nobody";
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(file), "old\n");
  EXPECT_EQ(List(), Names{"r.txt"});
}

// A 64 KiB file system holding an older report, then filled up.
class FullDiskTest : public ReplaceFileTest {
 protected:
  void SetUp() override {
    ReplaceFileTest::SetUp();
    disk_ = folder_ / "disk";
    fs::create_directory(disk_);
    if (::mount("tubrix-test", disk_.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
      GTEST_SKIP() << "cannot mount a small file system: " << std::strerror(errno);
    }
    mounted_ = true;
  }

  void TearDown() override {
    if (mounted_) ::umount(disk_.c_str());
    ReplaceFileTest::TearDown();
  }

  // Writes a file that takes every block left.
  void Fill() {
    const int fd = ::open((disk_ / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'f');
    for (std::size_t size = block.size(); size > 0; size /= 2) {
      while (::write(fd, block.data(), size) == static_cast<ssize_t>(size)) {
      }
    }
    ::close(fd);
  }

  fs::path disk_;
  bool mounted_ = false;
};

TEST_F(FullDiskTest, OlderReportSurvivesAndNoTemporaryIsLeft) {
  const std::string older = std::string(2000, 'o') + "\n";
  WriteFile(disk_ / "r.txt", older);
  Fill();
  errno = 0;
  EXPECT_FALSE(ReplaceFile(disk_ / "r.txt", std::string(3000, 'n')));
  EXPECT_EQ(errno, ENOSPC);
  EXPECT_EQ(ReadFile(disk_ / "r.txt"), older);
  EXPECT_EQ(List(disk_), (Names{"filler", "r.txt"}));
}

class WriteParameterReportTest : public ReplaceFileTest {
 protected:
  WriteParameterReportTest() { ComputeChamber(design_); }

  std::u16string Path(std::u16string_view name) const {
    return folder_.u16string() + u"/" + std::u16string(name);
  }

  ChamberDesign design_;
};

TEST_F(WriteParameterReportTest, Utf8FileName) {
  ASSERT_TRUE(WriteParameterReport(design_, Path(u"r\u00e9sum\u00e9 \u6392\u6c17.txt")));
  EXPECT_EQ(List(), Names{"r\xC3\xA9sum\xC3\xA9 \xE6\x8E\x92\xE6\xB0\x97.txt"});
  EXPECT_EQ(ReadFile(folder_ / "r\xC3\xA9sum\xC3\xA9 \xE6\x8E\x92\xE6\xB0\x97.txt"),
            ParameterReportText(design_));
}

TEST_F(WriteParameterReportTest, SameDesignTwiceGivesTheSameFile) {
  ASSERT_TRUE(WriteParameterReport(design_, Path(u"r.txt")));
  const std::string first = ReadFile(folder_ / "r.txt");
  ASSERT_TRUE(WriteParameterReport(design_, Path(u"r.txt")));
  EXPECT_EQ(ReadFile(folder_ / "r.txt"), first);
  EXPECT_EQ(first, ParameterReportText(design_));
  EXPECT_EQ(List(), Names{"r.txt"});
}

TEST_F(WriteParameterReportTest, UnpairedSurrogateIsRefused) {
  const char16_t bad[] = {u'r', 0xD800, u'.', u't', u'x', u't'};
  errno = 0;
  EXPECT_FALSE(WriteParameterReport(design_, Path(std::u16string_view(bad, 6))));
  EXPECT_EQ(errno, EILSEQ);
  EXPECT_FALSE(WriteParameterReport(design_, u""));
  EXPECT_EQ(List(), Names{});
}

}  // namespace
