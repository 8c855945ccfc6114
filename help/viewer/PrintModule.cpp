#include "PrintModule.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/DynamicLibrary.h"

namespace solvanex::help {

namespace {

PrintEntry& Entry() {
  static PrintEntry entry = nullptr;
  return entry;
}

// The directory of the file this function was loaded from. A module loaded through a descriptor
// is known by the descriptor's name, which resolves to the file's own.
std::string OwnDirectory() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&OwnDirectory), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  char resolved[PATH_MAX];
  if (::realpath(info.dli_fname, resolved) == nullptr) return {};
  const std::string file = resolved;
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
  // Loaded by the rule for code the program takes from files (platform/FileTrust.h), and kept
  // loaded for the rest of the run, as the print dialog's classes stay registered.
  const platform::ModuleHandle module = platform::LoadLibraryA(path);
  if (module == nullptr) return nullptr;
  Entry() = reinterpret_cast<PrintEntry>(platform::GetProcAddress(module, "SolvanexHelpPrint"));
  return Entry();
}

void SetPrintEntry(PrintEntry entry) {
  Entry() = entry;
}

}  // namespace solvanex::help
