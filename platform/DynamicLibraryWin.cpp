#include <windows.h>

#include "platform/DynamicLibrary.h"
#include "platform/FloatingPointGuard.h"
#include "platform/Paths.h"
#include "platform/WideText.h"

namespace solvanex::platform {

ModuleHandle LoadLibraryA(const std::string& path) {
  if (!IsAbsolutePath(path)) return nullptr;
  const std::optional<std::wstring> widePath = WidePath(path);
  if (!widePath) return nullptr;
  FloatingPointGuard guard;
  // A library that cannot be loaded must not bring up a system error box: the mode is this
  // thread's alone, and is put back at once.
  DWORD previousMode = 0;
  const BOOL modeSet =
      ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
  // The library itself comes from its full path; its own dependencies are looked for beside it
  // and in the system directory only, never in the current directory or along PATH, where
  // someone else's file could come first. A system that lacks these search flags (Windows 7
  // without its update KB2533623) refuses the call, and the library counts as absent.
  HMODULE module = ::LoadLibraryExW(
      widePath->c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (modeSet) ::SetThreadErrorMode(previousMode, nullptr);
  return module;
}

void* GetProcAddress(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name));
}

void FreeLibrary(ModuleHandle module) {
  if (module == nullptr) return;
  FloatingPointGuard guard;
  ::FreeLibrary(static_cast<HMODULE>(module));
}

}  // namespace solvanex::platform
