#include <windows.h>

#include "platform/FileTrust.h"
#include "platform/WideText.h"

namespace solvanex::platform {

FileTrust CheckFileTrust(const std::string& path, unsigned) {
  const std::optional<std::wstring> widePath = WidePath(path);
  const DWORD attributes =
      widePath ? ::GetFileAttributesW(widePath->c_str()) : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return FileTrust::kMissing;
  }
  return FileTrust::kTrusted;
}

FileTrust CheckFileTrust(const std::string& path) {
  return CheckFileTrust(path, 0);
}

}  // namespace solvanex::platform
