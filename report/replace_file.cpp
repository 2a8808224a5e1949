#include "report/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Keeps errno as the first failure left it while cleaning up after it.
class SavedErrno {
 public:
  SavedErrno() : value_(errno) {}
  ~SavedErrno() { errno = value_; }
  SavedErrno(const SavedErrno&) = delete;
  SavedErrno& operator=(const SavedErrno&) = delete;

 private:
  int value_;
};

bool Fail(int error) {
  errno = error;
  return false;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Closes fd after ok work on it; the result tells whether both went well,
// errno the first failure.
bool CloseAfter(int fd, bool ok) {
  if (!ok) {
    const SavedErrno keep;
    ::close(fd);
    return false;
  }
  return ::close(fd) == 0;
}

// Resolves a chain of symbolic links to the path that holds the data.
// Returns an empty path for a loop or a link that cannot be read.
fs::path FollowLinks(fs::path path) {
  std::error_code ec;
  for (int hops = 0; fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
    if (hops == 40) return {};
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return {};
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

// A device or a FIFO: written where it is. A FIFO without a reader fails at
// once (ENXIO) instead of blocking the program forever.
bool WriteInPlace(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  const int flags = ::fcntl(fd, F_GETFL);
  const bool ok = flags != -1 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
  return CloseAfter(fd, ok && WriteAll(fd, bytes));
}

// Creates a new file next to target, readable and writable as the umask
// allows (a fixed short name, so that a target name near the length limit
// still leaves room). Returns its descriptor, or -1.
int CreateTemporary(const fs::path& folder, std::string& name) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    name = (folder /
            (".tubrix-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp"))
               .string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Gives the new file the owner and permission bits of the one it replaces.
// The owner can only be kept by a privileged process; that is not an error.
bool TakeOver(int fd, const struct stat& replaced) {
  if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) errno = 0;
  return ::fchmod(fd, replaced.st_mode & 07777) == 0;
}

bool WriteThroughTemporary(const fs::path& target, const struct stat* replaced,
                           std::string_view bytes) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string name;
  const int fd = CreateTemporary(folder, name);
  if (fd < 0) return false;
  const bool ok =
      (replaced == nullptr || TakeOver(fd, *replaced)) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (CloseAfter(fd, ok) && ::rename(name.c_str(), target.c_str()) == 0) return true;
  const SavedErrno keep;
  ::unlink(name.c_str());
  return false;
}

}  // namespace

bool ReplaceFile(const fs::path& path, std::string_view bytes) {
  const fs::path target = FollowLinks(path);
  if (target.empty()) return Fail(ELOOP);
  if (!target.has_filename()) return Fail(EISDIR);

  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) {
    if (errno != ENOENT) return false;
    return WriteThroughTemporary(target, nullptr, bytes);
  }
  if (S_ISDIR(info.st_mode)) return Fail(EISDIR);
  if (!S_ISREG(info.st_mode)) return WriteInPlace(target, bytes);
  // Renaming would get round a read-only file; refuse it as opening would.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
  // Root passes that check on any file. A file without a single write bit
  // was protected on purpose (rm and editors ask before touching one), so
  // it is refused whoever saves.
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Fail(EACCES);
  return WriteThroughTemporary(target, &info, bytes);
}
