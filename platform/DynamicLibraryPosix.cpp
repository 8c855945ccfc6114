#include <dlfcn.h>

#include "platform/DynamicLibrary.h"
#include "platform/FloatingPointGuard.h"
#include "platform/Paths.h"

namespace solvanex::platform {

ModuleHandle LoadLibraryA(const std::string& path) {
  if (!IsAbsolutePath(path)) return nullptr;
  FloatingPointGuard guard;
  // RTLD_LOCAL keeps the module's symbols from standing in for anyone else's.
  return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* GetProcAddress(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  return ::dlsym(module, name);
}

void FreeLibrary(ModuleHandle module) {
  if (module == nullptr) return;
  FloatingPointGuard guard;
  ::dlclose(module);
}

}  // namespace solvanex::platform
