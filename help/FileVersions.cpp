#include "help/FileVersions.h"

#include <optional>

#include "platform/FileVersion.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace solvanex::help {

std::string VersionText(const FileVersionInfo& version) {
  return std::to_string(version.major) + '.' + std::to_string(version.minor) + '.' +
         std::to_string(version.release) + '.' + std::to_string(version.build);
}

FileVersionInfo ReadFileVersion(const std::string& path) {
  FileVersionInfo version;
  if (path.empty() || !platform::FileExists(path)) return version;
  const std::optional<platform::FixedFileVersion> fixed = platform::ReadFixedFileVersion(path);
  if (!fixed) return version;
  version.major = static_cast<std::uint16_t>(fixed->fileVersionMS >> 16);
  version.minor = static_cast<std::uint16_t>(fixed->fileVersionMS & 0xFFFF);
  version.release = static_cast<std::uint16_t>(fixed->fileVersionLS >> 16);
  version.build = static_cast<std::uint16_t>(fixed->fileVersionLS & 0xFFFF);
  version.text = VersionText(version);
  return version;
}

int CompareVersions(const FileVersionInfo& a, const FileVersionInfo& b) {
  const std::uint16_t left[] = {a.major, a.minor, a.release, a.build};
  const std::uint16_t right[] = {b.major, b.minor, b.release, b.build};
  for (int i = 0; i < 4; ++i) {
    if (left[i] != right[i]) return left[i] > right[i] ? 1 : -1;
  }
  return 0;
}

FileVersionInfo CorrectBrowserVersion(FileVersionInfo version) {
  if (version.major == 4 && version.minor <= 70 && version.release == 0) {
    version.release = version.build;
    version.build = 0;
    version.text = VersionText(version);
  }
  return version;
}

FileVersionInfo ReadBrowserVersion(const std::string& systemDirectory) {
  return CorrectBrowserVersion(ReadFileVersion(
      platform::JoinPath(platform::RemoveTrailingSeparators(systemDirectory), "Shdocvw.dll")));
}

}  // namespace solvanex::help
