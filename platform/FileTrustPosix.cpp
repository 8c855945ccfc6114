#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/FileTrust.h"
#include "platform/Paths.h"

namespace solvanex::platform {

namespace {

bool OwnedBy(const struct stat& status, unsigned user) {
  return status.st_uid == user || status.st_uid == 0;
}

}  // namespace

FileTrust CheckFileTrust(const std::string& path, unsigned user) {
  if (path.empty()) return FileTrust::kMissing;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return FileTrust::kMissing;
  struct stat file {};
  if (::stat(resolved, &file) != 0 || !S_ISREG(file.st_mode)) return FileTrust::kMissing;
  const std::string folderPath = ExtractFileDir(resolved);
  struct stat folder {};
  if (::stat(folderPath.empty() ? "/" : folderPath.c_str(), &folder) != 0) {
    return FileTrust::kMissing;
  }
  if (!OwnedBy(file, user) || !OwnedBy(folder, user)) return FileTrust::kForeignOwner;
  const bool folderOpen =
      (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (folder.st_mode & S_ISVTX) == 0;
  if ((file.st_mode & (S_IWGRP | S_IWOTH)) != 0 || folderOpen) {
    return FileTrust::kWritableByOthers;
  }
  return FileTrust::kTrusted;
}

FileTrust CheckFileTrust(const std::string& path) {
  return CheckFileTrust(path, ::geteuid());
}

}  // namespace solvanex::platform
