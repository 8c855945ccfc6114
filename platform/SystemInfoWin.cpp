#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/Paths.h"
#include "platform/SystemInfo.h"
#include "platform/WideText.h"

namespace solvanex::platform {

std::string ModuleFileName() {
  // GetModuleFileNameW truncates silently: grow the buffer until the path fits.
  for (DWORD size = MAX_PATH + 1; size <= 32768; size *= 2) {
    std::vector<wchar_t> buffer(size);
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return WideToUtf8(std::wstring_view(buffer.data(), length));
  }
  return {};
}

std::string SystemDirectory() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryW(buffer, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return {};
  return RemoveTrailingSeparators(WideToUtf8(std::wstring_view(buffer, length)));
}

std::string TempPath() {
  // The answer is at most MAX_PATH + 1 characters; a longer one is a variable gone wrong.
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 2, buffer);
  if (length == 0 || length > MAX_PATH + 1) return {};
  return RemoveTrailingSeparators(WideToUtf8(std::wstring_view(buffer, length)));
}

PlatformVersion GetPlatformVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (::GetVersionExW(&info) == 0) return PlatformVersion{"Windows"};
  const bool nt = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  // On the 9x family the high word of the build number repeats the major and minor version.
  const unsigned build = nt ? info.dwBuildNumber : LOWORD(info.dwBuildNumber);
  return PlatformVersion{nt ? "Windows NT" : "Windows", info.dwMajorVersion, info.dwMinorVersion,
                         build};
}

std::uint32_t UserDefaultLcid() {
  return ::GetUserDefaultLCID();
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc && argv != nullptr && argv[i] != nullptr; ++i) {
    arguments.emplace_back(argv[i]);
  }
  if (arguments.empty()) return arguments;
  // The run-time library's argv is in the ANSI code page, which may lack characters of the
  // program's path or arguments ('?' in their place): the same arguments are taken from the
  // wide command line, when it splits into as many. A program with a wide entry point has it
  // split already by the run-time library; any other asks the shell's splitter, whose library
  // is loaded for that alone, never at the start of a program that does not need it.
  if (__wargv != nullptr && __argc == static_cast<int>(arguments.size())) {
    for (int i = 0; i < __argc; ++i) {
      if (__wargv[i] == nullptr) return arguments;
    }
    for (int i = 0; i < __argc; ++i)
      arguments[static_cast<std::size_t>(i)] = WideToUtf8(__wargv[i]);
    return arguments;
  }
  const HMODULE shell = ::LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (shell == nullptr) return arguments;
  using Splitter = LPWSTR*(WINAPI*)(LPCWSTR, int*);
  const auto split = reinterpret_cast<Splitter>(
      reinterpret_cast<void*>(::GetProcAddress(shell, "CommandLineToArgvW")));
  int count = 0;
  LPWSTR* wide = split != nullptr ? split(::GetCommandLineW(), &count) : nullptr;
  if (wide != nullptr && count == static_cast<int>(arguments.size())) {
    for (int i = 0; i < count; ++i) arguments[static_cast<std::size_t>(i)] = WideToUtf8(wide[i]);
  }
  ::LocalFree(wide);
  ::FreeLibrary(shell);
  return arguments;
}

}  // namespace solvanex::platform
