#include "help/hh.h"

#include <cstring>
#include <optional>

#include "help/HelpFile.h"
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

namespace {

// The registered path of the help library, read once, and why it is refused when it is: the
// registry file (where one stands for the system's registry) and the library it names must both
// be trustworthy.
struct Registration {
  std::optional<std::string> path;
  std::string refusal;
};

Registration ReadRegistration(const std::string& registryFile) {
  // The registry file matters only where it stands for the system's registry.
  const std::string file = registryFile.empty() ? platform::SystemRegistryFile() : registryFile;
  const std::string fileRefusal = platform::FileTrustRefusal(platform::CheckFileTrust(file));
  if (!file.empty() && !fileRefusal.empty()) return {std::nullopt, file + " (" + fileRefusal + ")"};
  Registration registration{platform::ReadClassesRootDefaultValue(kHelpControlKey, registryFile),
                            {}};
  const std::optional<std::string>& path = registration.path;
  if (path && !path->empty()) {
    const std::string refusal = platform::FileTrustRefusal(platform::CheckFileTrust(*path));
    if (!refusal.empty()) registration.refusal = *path + " (" + refusal + ")";
  }
  return registration;
}

}  // namespace

std::string HelpLibraryRefusal(const std::string& registryFile) {
  return ReadRegistration(registryFile).refusal;
}

std::string LocateHelpLibrary(const std::string& registryFile) {
  const Registration registration = ReadRegistration(registryFile);
  const std::optional<std::string>& path = registration.path;
  if (!registration.refusal.empty() || !path || (!path->empty() && !platform::FileExists(*path))) {
    return {};
  }
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
  // The program's own help file, by the name that finds it from any current folder.
  std::string helpFile;
  if (file != nullptr && std::strcmp(file, kHelpFileName) == 0) {
    helpFile = HelpFileArgumentForThisProgram();
    file = helpFile.c_str();
  }
  platform::FloatingPointGuard guard;
  return loadedHtmlHelp(window, file, command, data);
}

}  // namespace solvanex::help
