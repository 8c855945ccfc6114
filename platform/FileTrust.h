// Whether a file that the program takes code or settings from (the registry file beside it, the
// help viewer module that file names) can be trusted, by the rules the dynamic loader applies to
// secure paths: the file, and the folder that holds it, belong to the user running the program
// or to the administrator, and no one else may write to them. A folder that others may write to
// is still sound when it is sticky (as /tmp is): others cannot replace a file they do not own.
#pragma once

#include <string>

namespace solvanex::platform {

enum class FileTrust {
  kTrusted,
  kMissing,           // no regular file there
  kWritableByOthers,  // the file or its folder may be written by other users
  kForeignOwner,      // the file or its folder belongs to another user
};

// The trust of the file path (links resolved) for the user running the program. Always
// kTrusted or kMissing on Windows, whose access rules are of another kind.
FileTrust CheckFileTrust(const std::string& path);
// The same for the user whose numeric identifier is user (for tests).
FileTrust CheckFileTrust(const std::string& path, unsigned user);

// Why a file is refused, for the diagnostics file: "writable by another user", "owned by another
// user"; empty for kTrusted and kMissing, which refuse nothing.
std::string FileTrustRefusal(FileTrust trust);

}  // namespace solvanex::platform
