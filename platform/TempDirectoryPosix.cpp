#include <sys/stat.h>
#include <unistd.h>

#include "platform/Paths.h"
#include "platform/TempDirectory.h"

namespace solvanex::platform {

namespace {

// A directory, owned by the user, that no other account can write to.
bool IsPrivateDirectory(const struct stat& status) {
  return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
         (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A directory where others may write but cannot remove or rename what the user puts there: the
// sticky bit set, and owned by the user or by the administrator (as /tmp is).
bool IsStickySharedDirectory(const struct stat& status) {
  return S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX) != 0 &&
         (status.st_uid == ::geteuid() || status.st_uid == 0);
}

std::string UsableDirectory(const std::string& candidate) {
  if (!IsAbsolutePath(candidate)) return {};
  struct stat status {};
  // The candidate itself comes from the user's own environment, so a link to it is accepted.
  if (::stat(candidate.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return {};
  const std::string directory = RemoveTrailingSeparators(candidate);
  if (IsPrivateDirectory(status)) return directory.empty() ? std::string("/") : directory;
  if (!IsStickySharedDirectory(status)) return {};

  const std::string own = JoinPath(directory, "solvanex-" + std::to_string(::geteuid()));
  // An existing entry may be someone else's: it is checked like a new one, and lstat makes a
  // planted link fail the check instead of being followed.
  ::mkdir(own.c_str(), 0700);
  if (::lstat(own.c_str(), &status) != 0 || !IsPrivateDirectory(status) ||
      (status.st_mode & 077) != 0) {
    return {};
  }
  return own;
}

}  // namespace

std::string ChooseTempDirectory(const TempDirectoryCandidates& candidates) {
  for (const std::string* candidate :
       {&candidates.runtimeDirectory, &candidates.tmpDirectory, &candidates.sharedFallback}) {
    std::string directory = UsableDirectory(*candidate);
    if (!directory.empty()) return directory;
  }
  return {};
}

}  // namespace solvanex::platform
