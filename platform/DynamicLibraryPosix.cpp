#include <dlfcn.h>
#include <unistd.h>

#include <map>
#include <string>

#include "platform/DynamicLibrary.h"
#include "platform/FileTrust.h"
#include "platform/FloatingPointGuard.h"
#include "platform/Paths.h"

namespace solvanex::platform {

namespace {

// The descriptor each load went through, by module, closed when that load is freed: the loader
// knows the module by the descriptor's name, which names the file only while it is open.
std::multimap<ModuleHandle, int>& LoadDescriptors() {
  static std::multimap<ModuleHandle, int> descriptors;
  return descriptors;
}

}  // namespace

ModuleHandle LoadLibraryA(const std::string& path) {
  if (!IsAbsolutePath(path)) return nullptr;
  // The module is opened once and judged by its descriptor; the loader then opens that same
  // descriptor, so no one can put another file in its place between the check and the load.
  const TrustedFile file = OpenTrustedFile(path);
  if (file.fd < 0) return nullptr;
  const std::string opened = "/proc/self/fd/" + std::to_string(file.fd);
  FloatingPointGuard guard;
  // RTLD_LOCAL keeps the module's symbols from standing in for anyone else's.
  ModuleHandle module = ::dlopen(opened.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    ::close(file.fd);
    return nullptr;
  }
  LoadDescriptors().emplace(module, file.fd);
  return module;
}

void* GetProcAddress(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  return ::dlsym(module, name);
}

void FreeLibrary(ModuleHandle module) {
  if (module == nullptr) return;
  {
    FloatingPointGuard guard;
    ::dlclose(module);
  }
  const auto load = LoadDescriptors().find(module);
  if (load != LoadDescriptors().end()) {
    ::close(load->second);
    LoadDescriptors().erase(load);
  }
}

}  // namespace solvanex::platform
