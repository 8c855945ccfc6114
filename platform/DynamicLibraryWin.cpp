#include <windows.h>

#include "platform/DynamicLibrary.h"
#include "platform/FloatingPointGuard.h"
#include "platform/Paths.h"

namespace solvanex::platform {

ModuleHandle LoadLibraryA(const std::string& path) {
  if (!IsAbsolutePath(path)) return nullptr;
  FloatingPointGuard guard;
  // A library that cannot be loaded must not bring up a system error box.
  const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const HMODULE module = ::LoadLibraryA(path.c_str());
  ::SetErrorMode(previousMode);
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
