#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <utility>

#include "platform/FileTrust.h"
#include "platform/Paths.h"

namespace solvanex::platform {

namespace {

bool OwnedBy(const struct stat& status, unsigned user) {
  return status.st_uid == user || status.st_uid == 0;
}

// A folder others may write to is sound only when it is sticky and belongs to the user or the
// administrator.
FileTrust FolderTrust(const struct stat& folder, unsigned user) {
  if (!OwnedBy(folder, user)) return FileTrust::kForeignOwner;
  if ((folder.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (folder.st_mode & S_ISVTX) == 0) {
    return FileTrust::kWritableByOthers;
  }
  return FileTrust::kTrusted;
}

// The folder open at fd and every folder above it, up to the root, walked through ".." from the
// descriptor itself, so that no name is looked up again. Takes fd.
FileTrust FolderChainTrust(int fd, unsigned user) {
  // Paths are short; a chain longer than this is a loop of some kind.
  for (int depth = 0; depth < 4096; ++depth) {
    struct stat folder {};
    if (::fstat(fd, &folder) != 0) break;
    const FileTrust trust = FolderTrust(folder, user);
    if (trust != FileTrust::kTrusted) {
      ::close(fd);
      return trust;
    }
    const int parent = ::openat(fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
    ::close(fd);
    if (parent < 0) return FileTrust::kMissing;
    struct stat above {};
    if (::fstat(parent, &above) != 0) break;
    if (above.st_dev == folder.st_dev && above.st_ino == folder.st_ino) {  // the root
      ::close(parent);
      return FileTrust::kTrusted;
    }
    fd = parent;
  }
  ::close(fd);
  return FileTrust::kMissing;
}

}  // namespace

TrustedFile OpenTrustedFile(const std::string& path, unsigned user) {
  if (path.empty()) return {};
  const std::string folderPath = ExtractFileDir(path);
  const std::string name = ExtractFileName(path);
  const char* folderName =
      !folderPath.empty() ? folderPath.c_str() : (path.front() == '/' ? "/" : ".");
  const int folder = ::open(folderName, O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0 || name.empty()) {
    if (folder >= 0) ::close(folder);
    return {};
  }
  // The file is opened relative to the folder that is checked below.
  const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    const bool link = errno == ELOOP;
    ::close(folder);
    return {link ? FileTrust::kLink : FileTrust::kMissing, -1};
  }
  struct stat file {};
  FileTrust trust = FileTrust::kTrusted;
  if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) {
    trust = FileTrust::kMissing;
  } else if (!OwnedBy(file, user)) {
    trust = FileTrust::kForeignOwner;
  } else if ((file.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    trust = FileTrust::kWritableByOthers;
  }
  if (trust == FileTrust::kTrusted) {
    trust = FolderChainTrust(folder, user);
  } else {
    ::close(folder);
  }
  if (trust != FileTrust::kTrusted) {
    ::close(fd);
    return {trust, -1};
  }
  // Reads block again, now that a FIFO cannot be what was opened.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return {trust, fd};
}

TrustedFile OpenTrustedFile(const std::string& path) {
  return OpenTrustedFile(path, ::geteuid());
}

FileTrust CheckFileTrust(const std::string& path, unsigned user) {
  const TrustedFile file = OpenTrustedFile(path, user);
  if (file.fd >= 0) ::close(file.fd);
  return file.trust;
}

FileTrust CheckFileTrust(const std::string& path) {
  return CheckFileTrust(path, ::geteuid());
}

TrustedText ReadTrustedFile(const std::string& path, std::size_t maxBytes) {
  const TrustedFile file = OpenTrustedFile(path);
  TrustedText text{file.trust, std::nullopt};
  if (file.fd < 0) return text;
  std::string bytes;
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(file.fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 || bytes.size() + static_cast<std::size_t>(count) > maxBytes) {
      ::close(file.fd);
      return text;
    }
    if (count == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(file.fd);
  text.bytes = std::move(bytes);
  return text;
}

}  // namespace solvanex::platform
