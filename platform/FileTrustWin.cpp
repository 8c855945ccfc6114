#include <windows.h>

#include "platform/FileTrust.h"

namespace solvanex::platform {

FileTrust CheckFileTrust(const std::string& path, unsigned) {
  const DWORD attributes =
      path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return FileTrust::kMissing;
  }
  return FileTrust::kTrusted;
}

FileTrust CheckFileTrust(const std::string& path) {
  return CheckFileTrust(path, 0);
}

}  // namespace solvanex::platform
