#include "help/hh.h"

#include <optional>

#include "platform/FileTrust.h"
#include "platform/Files.h"
#include "platform/FloatingPointGuard.h"
#include "platform/Registry.h"

namespace solvanex::help {

namespace {
platform::ModuleHandle loadedLibrary = nullptr;
HtmlHelpEntry loadedHtmlHelpA = nullptr;
HtmlHelpWideEntry loadedHtmlHelpW = nullptr;
HtmlHelpEntry loadedHtmlHelp = nullptr;

template <typename Entry>
Entry LookUp(const char* name) {
  return reinterpret_cast<Entry>(platform::GetProcAddress(loadedLibrary, name));
}
}  // namespace

const platform::ModuleHandle& HelpLibraryHandle = loadedLibrary;
const HtmlHelpEntry& HtmlHelpA = loadedHtmlHelpA;
const HtmlHelpWideEntry& HtmlHelpW = loadedHtmlHelpW;
const HtmlHelpEntry& HtmlHelp = loadedHtmlHelp;

std::string HelpLibraryRefusal(const std::string& registryFile) {
  // The registry file matters only where it stands for the system's registry.
  const std::string file = registryFile.empty() ? platform::SystemRegistryFile() : registryFile;
  std::string refusal = platform::FileTrustRefusal(platform::CheckFileTrust(file));
  if (!file.empty() && !refusal.empty()) return file + " (" + refusal + ")";
  const std::optional<std::string> path =
      platform::ReadClassesRootDefaultValue(kHelpControlKey, registryFile);
  if (!path || path->empty()) return {};
  refusal = platform::FileTrustRefusal(platform::CheckFileTrust(*path));
  return refusal.empty() ? std::string() : *path + " (" + refusal + ")";
}

std::string LocateHelpLibrary(const std::string& registryFile) {
  if (!HelpLibraryRefusal(registryFile).empty()) return {};
  const std::optional<std::string> path =
      platform::ReadClassesRootDefaultValue(kHelpControlKey, registryFile);
  if (!path || (!path->empty() && !platform::FileExists(*path))) return {};
  return *path;
}

void LoadHelpLibrary(const std::string& registryFile) {
  if (loadedLibrary != nullptr) return;
  const std::string path = LocateHelpLibrary(registryFile);
  if (path.empty() || !platform::FileExists(path)) return;
  loadedLibrary = platform::LoadLibraryA(path);
  if (loadedLibrary == nullptr) return;
  loadedHtmlHelpA = LookUp<HtmlHelpEntry>("HtmlHelpA");
  loadedHtmlHelpW = LookUp<HtmlHelpWideEntry>("HtmlHelpW");
  loadedHtmlHelp = LookUp<HtmlHelpEntry>("HtmlHelpA");
}

void UnloadHelpLibrary() {
  if (loadedLibrary == nullptr) return;
  // The entries go first: nothing may reach into the library while it is being freed.
  loadedHtmlHelpA = nullptr;
  loadedHtmlHelpW = nullptr;
  loadedHtmlHelp = nullptr;
  platform::FreeLibrary(loadedLibrary);
  loadedLibrary = nullptr;
}

bool HtmlHelpAvailable() {
  return loadedHtmlHelp != nullptr;
}

void* CallHtmlHelp(void* window, const char* file, unsigned command, std::uintptr_t data) {
  if (loadedHtmlHelp == nullptr) return nullptr;
  platform::FloatingPointGuard guard;
  return loadedHtmlHelp(window, file, command, data);
}

}  // namespace solvanex::help
