// Version numbers of the components the help diagnostics report: read from a file's version
// resource, compared, and the browser component's quirk corrected.
#pragma once

#include <cstdint>
#include <string>

namespace solvanex::help {

// A file version: four unsigned 16-bit numbers and their text "major.minor.release.build"
// (empty when the file has no version).
struct FileVersionInfo {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t release = 0;
  std::uint16_t build = 0;
  std::string text;
  bool operator==(const FileVersionInfo&) const = default;
};

// The version numbers as "%d.%d.%d.%d".
std::string VersionText(const FileVersionInfo& version);

// The file version of path: zero numbers and empty text when path is empty, the file does not
// exist, or it carries no readable version.
FileVersionInfo ReadFileVersion(const std::string& path);

// 0 when a and b are equal, 1 when a is the higher, -1 when a is the lower: major, then minor,
// then release, then build decide.
int CompareVersions(const FileVersionInfo& a, const FileVersionInfo& b);

// The browser component of the 3.0 era stores its build number in the release field: a version
// 4.x.0.b with x at most 70 is read as 4.x.b.0, and its text rewritten.
FileVersionInfo CorrectBrowserVersion(FileVersionInfo version);

// The corrected version of "Shdocvw.dll" in systemDirectory.
FileVersionInfo ReadBrowserVersion(const std::string& systemDirectory);

}  // namespace solvanex::help
