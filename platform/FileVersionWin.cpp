#include <windows.h>

#include <vector>

#include "platform/FileVersion.h"
#include "platform/WideText.h"

namespace solvanex::platform {

std::optional<FixedFileVersion> ReadFixedFileVersion(const std::string& path) {
  const std::optional<std::wstring> widePath = WidePath(path);
  if (!widePath) return std::nullopt;
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(widePath->c_str(), &ignored);
  if (size == 0) return std::nullopt;
  // The buffer is released on every path by its owner.
  std::vector<char> buffer(size);
  if (::GetFileVersionInfoW(widePath->c_str(), 0, size, buffer.data()) == 0) return std::nullopt;
  void* value = nullptr;
  UINT length = 0;
  if (::VerQueryValueW(buffer.data(), L"\\", &value, &length) == 0 || value == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  if (info->dwSignature != 0xFEEF04BD) return std::nullopt;
  return FixedFileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
}

}  // namespace solvanex::platform
