#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/RegistryFile.h"
#include "platform/SystemInfo.h"

namespace solvanex::platform {

std::string SystemRegistryFile() {
  const std::string beside = JoinPath(ExtractFileDir(ModuleFileName()), kRegistryFileName);
  if (FileExists(beside)) return beside;
  const std::string installed = JoinPath(SOLVANEX_INSTALLED_DATA_DIR, kRegistryFileName);
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
