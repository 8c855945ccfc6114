// The choice of the user's own temporary directory on POSIX systems. Diagnostics written into a
// directory that other accounts can write to could be redirected by a planted link, so only a
// directory that no one else can write to is taken: XDG_RUNTIME_DIR, then TMPDIR, then /tmp,
// each used as it is when it is a directory of the user's that others cannot write to. A shared
// directory is used only when, like /tmp, it has the sticky bit and belongs to the user or the
// administrator (so no one else can rename what the user puts there), and then only through its
// subdirectory "solvanex-<uid>", created with mode 0700 when missing and taken only when it is a
// real directory (not a link), owned by the user and closed to everyone else.
#pragma once

#include <string>

namespace solvanex::platform {

struct TempDirectoryCandidates {
  std::string runtimeDirectory;         // XDG_RUNTIME_DIR
  std::string tmpDirectory;             // TMPDIR
  std::string sharedFallback = "/tmp";  // the last resort, shared by all accounts
};

// The first safe directory of the candidates, without a trailing separator; empty when none is.
// Relative or empty candidates are skipped.
std::string ChooseTempDirectory(const TempDirectoryCandidates& candidates);

}  // namespace solvanex::platform
