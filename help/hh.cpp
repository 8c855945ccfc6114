#include "help/hh.h"

#include <cstring>
#include <optional>
#include <utility>

#include "help/HelpFile.h"
#include "platform/FileTrust.h"
#include "platform/Files.h"
#include "platform/FloatingPointGuard.h"
#include "platform/Registry.h"
#include "platform/RegistryFile.h"

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

// The registered path of the help library and why it is refused when it is: the registry file
// (where one stands for the system's registry) and the library it names must both be
// trustworthy. The registry file's bytes are those of the descriptor that was checked.
struct Registration {
  std::optional<std::string> path;
  std::string refusal;
};

Registration ReadRegistration(const std::string& registryFile) {
  // The registry file matters only where it stands for the system's registry.
  const std::string file = registryFile.empty() ? platform::SystemRegistryFile() : registryFile;
  Registration registration;
  if (file.empty()) {
    registration.path = platform::ReadClassesRootDefaultValue(kHelpControlKey);
  } else {
    const platform::TrustedText text =
        platform::ReadTrustedFile(file, platform::kMaxRegistryFileBytes);
    const std::string fileRefusal = platform::FileTrustRefusal(text.trust);
    if (!fileRefusal.empty()) return {std::nullopt, file + " (" + fileRefusal + ")"};
    if (text.bytes)
      registration.path = platform::ClassesRootDefaultValue(*text.bytes, kHelpControlKey);
  }
  const std::optional<std::string>& path = registration.path;
  if (path && !path->empty()) {
    const std::string refusal = platform::FileTrustRefusal(platform::CheckFileTrust(*path));
    if (!refusal.empty()) registration.refusal = *path + " (" + refusal + ")";
  }
  return registration;
}

// The registration the loaded library came from, with the registry file named for it: read once
// per start, it also gives the library's location and refusal to the diagnostics, which so name
// the library that was loaded.
std::optional<std::pair<std::string, Registration>> loadedRegistration;

Registration CurrentRegistration(const std::string& registryFile) {
  if (loadedRegistration && loadedRegistration->first == registryFile) {
    return loadedRegistration->second;
  }
  return ReadRegistration(registryFile);
}

std::string LocatedPath(const Registration& registration) {
  const std::optional<std::string>& path = registration.path;
  if (!registration.refusal.empty() || !path || (!path->empty() && !platform::FileExists(*path))) {
    return {};
  }
  return *path;
}

}  // namespace

std::string HelpLibraryRefusal(const std::string& registryFile) {
  return CurrentRegistration(registryFile).refusal;
}

std::string LocateHelpLibrary(const std::string& registryFile) {
  return LocatedPath(CurrentRegistration(registryFile));
}

void LoadHelpLibrary(const std::string& registryFile) {
  if (loadedLibrary != nullptr) return;
  const Registration registration = ReadRegistration(registryFile);
  const std::string path = LocatedPath(registration);
  if (path.empty()) return;
  loadedLibrary = platform::LoadLibraryA(path);
  if (loadedLibrary == nullptr) return;
  loadedRegistration.emplace(registryFile, registration);
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
  loadedRegistration.reset();
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
