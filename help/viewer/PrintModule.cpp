#include "PrintModule.h"

#include <dlfcn.h>

#include <string>

namespace solvanex::help {

namespace {

PrintEntry& Entry() {
  static PrintEntry entry = nullptr;
  return entry;
}

// The directory of the file this function was loaded from.
std::string OwnDirectory() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&OwnDirectory), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  const std::string file = info.dli_fname;
  const std::size_t slash = file.rfind('/');
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

}  // namespace

PrintEntry LoadPrintEntry() {
  if (Entry() != nullptr) return Entry();
  const std::string directory = OwnDirectory();
  // Only an absolute path: a bare name would be searched for along the library path.
  if (directory.empty() || directory.front() != '/') return nullptr;
  const std::string path = directory + "/hhprint.so";
  // Kept loaded for the rest of the run, as the print dialog's classes stay registered.
  void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) return nullptr;
  Entry() = reinterpret_cast<PrintEntry>(::dlsym(module, "SolvanexHelpPrint"));
  return Entry();
}

void SetPrintEntry(PrintEntry entry) {
  Entry() = entry;
}

}  // namespace solvanex::help
