#include "platform/FileTrust.h"

#ifdef _WIN32
#include "platform/FileContents.h"
#endif

namespace solvanex::platform {

std::string FileTrustRefusal(FileTrust trust) {
  switch (trust) {
    case FileTrust::kWritableByOthers:
      return "writable by another user";
    case FileTrust::kForeignOwner:
      return "owned by another user";
    case FileTrust::kLink:
      return "a symbolic link";
    default:
      return {};
  }
}

#ifdef _WIN32
// Windows's access rules are of another kind: the file is judged by name, then read.
TrustedText ReadTrustedFile(const std::string& path, std::size_t maxBytes) {
  TrustedText text{CheckFileTrust(path), std::nullopt};
  if (text.trust == FileTrust::kTrusted) text.bytes = ReadFileContents(path, maxBytes);
  return text;
}
#endif

}  // namespace solvanex::platform
