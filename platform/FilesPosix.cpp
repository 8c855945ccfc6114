#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Files.h"

namespace solvanex::platform {

bool FileExists(const std::string& path) {
  struct stat status {};
  return !path.empty() && ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat status {};
  return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

namespace {

bool CreateExclusive(const std::string& path) {
  // O_EXCL refuses any existing entry, links included, so nothing is ever truncated.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

// A regular file of the user's own, looked at without following a link: what an earlier run
// that stopped halfway (a crash, a power cut, a second instance) may have left behind.
bool IsOwnRegularFile(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         status.st_uid == ::geteuid();
}

}  // namespace

bool CreateNewFile(const std::string& path) {
  if (CreateExclusive(path)) return true;
  if (errno != EEXIST || !IsOwnRegularFile(path)) return false;
  // Only a leftover of the user's own is cleared, and the creation is tried once more, still
  // exclusively: whatever takes the name in between wins, and the creation fails.
  if (::unlink(path.c_str()) != 0) return false;
  return CreateExclusive(path);
}

bool DeleteFileNoFollow(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) return false;
  // unlink removes a link itself, never what it points to.
  return ::unlink(path.c_str()) == 0;
}

bool AppendToOwnFile(const std::string& path, std::string_view bytes) {
  // O_NONBLOCK keeps a planted FIFO from blocking the program; it does not affect regular files.
  const int fd = ::open(path.c_str(),
                        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  struct stat status {};
  bool written =
      ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
  while (written && !bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      written = false;
      break;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  if (::close(fd) != 0) written = false;
  return written;
}

}  // namespace solvanex::platform
