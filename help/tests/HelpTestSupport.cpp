#include "HelpTestSupport.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "ImageBuilders.h"

namespace solvanex::testing {

HelpScene::HelpScene()
    : programDir(root / "program"),
      programFile(programDir + "/solvanex"),
      tempDir(root / "temp"),
      systemDir(root / "system"),
      registryFile(root / "registry.reg") {
  std::filesystem::create_directory(programDir);
  std::filesystem::create_directory(tempDir);
#ifndef _WIN32
  ::chmod(tempDir.c_str(), 0700);
#endif
  std::filesystem::create_directory(systemDir);
  WriteFile(registryFile, "REGEDIT4\n");
}

help::DiagnosticsEnvironment HelpScene::Environment(
    const std::vector<std::string>& arguments) const {
  help::DiagnosticsEnvironment environment;
  environment.moduleFileName = programFile;
  environment.arguments = {programFile};
  environment.arguments.insert(environment.arguments.end(), arguments.begin(), arguments.end());
  environment.registryFile = registryFile;
  environment.systemDirectory = systemDir;
  environment.tempDirectory = tempDir;
  environment.platformVersion = {"Linux", 6, 1, 0};
  environment.lcid = 0x040C;
  environment.regional = FrenchFixedMoment();
  return environment;
}

void HelpScene::Register(const std::string& modulePath) const {
  std::string escaped;
  for (const char c : modulePath) {
    if (c == '\\' || c == '"') escaped += '\\';
    escaped += c;
  }
  WriteFile(registryFile,
            "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}"
            "\\InprocServer32]\n@=\"" +
                escaped + "\"\n");
}

void HelpScene::InstallBrowser(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                               std::uint16_t build) const {
  const PeImage image =
      BuildPeImage(std::uint32_t{major} << 16 | minor, std::uint32_t{release} << 16 | build, false);
  WriteFile(systemDir + "/Shdocvw.dll", image.bytes);
}

help::RegionalTexts FrenchFixedMoment() {
  return {[] { return std::string("08/12/2025 14:03:07"); }, [] { return std::string("14:03:07"); },
          ","};
}

help::RegionalTexts AmericanFixedMoment() {
  return {[] { return std::string("12/8/25 2:03:07 PM"); },
          [] { return std::string("2:03:07 PM"); }, "."};
}

}  // namespace solvanex::testing
