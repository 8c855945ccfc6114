#include <windows.h>

#include <vector>

#include "platform/FileVersion.h"

namespace solvanex::platform {

std::optional<FixedFileVersion> ReadFixedFileVersion(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  // The buffer is released on every path by its owner.
  std::vector<char> buffer(size);
  if (::GetFileVersionInfoA(path.c_str(), 0, size, buffer.data()) == 0) return std::nullopt;
  void* value = nullptr;
  UINT length = 0;
  char root[] = "\\";
  if (::VerQueryValueA(buffer.data(), root, &value, &length) == 0 || value == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  if (info->dwSignature != 0xFEEF04BD) return std::nullopt;
  return FixedFileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
}

}  // namespace solvanex::platform
