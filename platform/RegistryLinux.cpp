#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/RegistryFile.h"
#include "platform/SystemInfo.h"

namespace solvanex::platform {

std::string SystemRegistryFile() {
  const std::string programDir = ExtractFileDir(ModuleFileName());
  const std::string beside = JoinPath(programDir, kRegistryFileName);
  if (FileExists(beside)) return beside;
  // The installed registration lies in the module's folder, named relative to the program's
  // folder (or absolute), so that it is found wherever the installation was put.
  const std::string_view registrationDir = SOLVANEX_REGISTRATION_DIR;
  const std::string installed =
      JoinPath(IsAbsolutePath(registrationDir) ? std::string(registrationDir)
                                               : JoinPath(programDir, registrationDir),
               kRegistryFileName);
  if (FileExists(installed)) return installed;
  return {};
}

std::optional<std::string> ReadClassesRootDefaultValue(std::string_view subKey,
                                                       const std::string& registryFile) {
  const std::string file = registryFile.empty() ? SystemRegistryFile() : registryFile;
  if (file.empty()) return std::nullopt;
  return ReadClassesRootDefaultValueFromFile(file, subKey);
}

}  // namespace solvanex::platform
