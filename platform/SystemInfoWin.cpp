#include <windows.h>

#include <vector>

#include "platform/Paths.h"
#include "platform/SystemInfo.h"

namespace solvanex::platform {

std::string ModuleFileName() {
  // GetModuleFileNameA truncates silently: grow the buffer until the path fits.
  for (DWORD size = MAX_PATH + 1; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return std::string(buffer.data(), length);
  }
  return {};
}

std::string SystemDirectory() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryA(buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return {};
  return RemoveTrailingSeparators(std::string(buffer, length));
}

std::string TempPath() {
  char buffer[300] = {};
  const DWORD length = ::GetTempPathA(sizeof buffer, buffer);
  if (length == 0 || length >= sizeof buffer) return {};
  return RemoveTrailingSeparators(std::string(buffer, length));
}

PlatformVersion GetPlatformVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (::GetVersionExA(&info) == 0) return PlatformVersion{"Windows"};
  const bool nt = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  // On the 9x family the high word of the build number repeats the major and minor version.
  const unsigned build = nt ? info.dwBuildNumber : LOWORD(info.dwBuildNumber);
  return PlatformVersion{nt ? "Windows NT" : "Windows", info.dwMajorVersion, info.dwMinorVersion,
                         build};
}

std::uint32_t UserDefaultLcid() {
  return ::GetUserDefaultLCID();
}

}  // namespace solvanex::platform
