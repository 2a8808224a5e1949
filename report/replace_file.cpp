#include "report/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

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

// Closes fd and reports whether everything before reached the file.
bool CloseChecked(int fd) { return ::close(fd) == 0; }

// Resolves a chain of symbolic links to the path that holds the data.
// Returns an empty path for a loop.
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

mode_t DefaultFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteInPlace(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  return CloseChecked(fd) && written;
}

bool WriteThroughTemporary(const fs::path& target, mode_t mode, std::string_view bytes) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  const bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (CloseChecked(fd) && ok && ::rename(name.c_str(), target.c_str()) == 0) return true;
  ::unlink(name.c_str());
  return false;
}

}  // namespace

bool ReplaceFile(const fs::path& path, std::string_view bytes) {
  const fs::path target = FollowLinks(path);
  if (target.empty() || !target.has_filename()) return false;

  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) {
    if (errno != ENOENT) return false;
    return WriteThroughTemporary(target, DefaultFileMode(), bytes);
  }
  if (S_ISDIR(info.st_mode)) return false;
  if (!S_ISREG(info.st_mode)) return WriteInPlace(target, bytes);
  // Renaming would get round a read-only file; refuse it as opening would.
  if (::access(target.c_str(), W_OK) != 0) return false;
  return WriteThroughTemporary(target, info.st_mode & 07777, bytes);
}
