// Whether a file that the program takes code or settings from (the registry file beside it, the
// help viewer module that file names, its printing module) can be trusted, by the rules the
// dynamic loader applies to secure paths: the file, and every folder above it up to the root,
// belong to the user running the program or to the administrator, and no one else may write to
// them. A folder that others may write to is still sound when it is sticky (as /tmp is) and
// belongs to the user or the administrator: others cannot replace a file they do not own. The
// file's own name must not be a symbolic link, which could be re-pointed once checked.
//
// Where the system has file descriptors, the file is opened once and judged by that descriptor;
// what is then read or loaded is that same descriptor, so the file checked is the file used.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace solvanex::platform {

enum class FileTrust {
  kTrusted,
  kMissing,           // no regular file there
  kWritableByOthers,  // the file or its folder may be written by other users
  kForeignOwner,      // the file or its folder belongs to another user
  kLink,              // the file's name is a symbolic link
};

// The trust of the file path (links resolved) for the user running the program. Always
// kTrusted or kMissing on Windows, whose access rules are of another kind.
FileTrust CheckFileTrust(const std::string& path);
// The same for the user whose numeric identifier is user (for tests).
FileTrust CheckFileTrust(const std::string& path, unsigned user);

// Why a file is refused, for the diagnostics file: "writable by another user", "owned by another
// user", "a symbolic link"; empty for kTrusted and kMissing, which refuse nothing.
std::string FileTrustRefusal(FileTrust trust);

// The bytes of the file path, read once its trust is known: nothing unless it is kTrusted, or
// when it holds more than maxBytes.
struct TrustedText {
  FileTrust trust = FileTrust::kMissing;
  std::optional<std::string> bytes;
};
TrustedText ReadTrustedFile(const std::string& path, std::size_t maxBytes);

#ifndef _WIN32
// The file path opened for reading (close-on-exec, its name not followed when it is a link) and
// judged by its descriptor; fd is that descriptor, for the caller to close, when trust is
// kTrusted, and -1 otherwise.
struct TrustedFile {
  FileTrust trust = FileTrust::kMissing;
  int fd = -1;
};
TrustedFile OpenTrustedFile(const std::string& path);
TrustedFile OpenTrustedFile(const std::string& path, unsigned user);
#endif

}  // namespace solvanex::platform
