// A REGEDIT4 text file read as a read-only registry: what stands in for the Windows registry
// where there is none. Only what the program reads is understood:
//
//   REGEDIT4
//   ; comment
//   [HKEY_CLASSES_ROOT\CLSID\{...}\InprocServer32]
//   @="/usr/lib/solvanex/hhctrl.so"
//   "ThreadingModel"="Apartment"
//
// A section names a key by its full path (single backslashes); "@" is the key's default value,
// a quoted name a named value. String values are written in double quotes, with \\ for a
// backslash and \" for a quote; any other backslash stands for itself. Values of other types
// (dword:, hex:) and lines that cannot be read are skipped, as are deletion sections ("[-...]").
// Key paths compare without regard to letter case, as the registry's do; a key written twice
// keeps the values of both, the later winning.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace solvanex::platform {

class RegistryFile {
 public:
  using Values = std::map<std::string, std::string>;  // by value name; "" is the default value

  // nullopt when text does not begin with the line "REGEDIT4".
  static std::optional<RegistryFile> Parse(std::string_view text);
  // nullopt when the file cannot be read or is not a REGEDIT4 file.
  static std::optional<RegistryFile> Load(const std::string& path);

  // The values of the key keyPath ("HKEY_CLASSES_ROOT\CLSID\..."), or nullptr when the file does
  // not hold that key.
  const Values* FindKey(std::string_view keyPath) const;

 private:
  std::map<std::string, Values> keys_;  // by upper-cased key path
};

// The most a registry file may hold (it is a few lines); a larger one is not read.
inline constexpr std::size_t kMaxRegistryFileBytes = 1 << 20;

// The default value of HKEY_CLASSES_ROOT\subKey in a registry file's text: nullopt when the text is
// not a REGEDIT4 file or lacks the key; an empty text when the key has no default value.
std::optional<std::string> ClassesRootDefaultValue(std::string_view text, std::string_view subKey);

// The default value of HKEY_CLASSES_ROOT\subKey in the registry file path: nullopt when the file
// or the key is missing (the key cannot be opened); an empty text when the key has no default
// value.
std::optional<std::string> ReadClassesRootDefaultValueFromFile(const std::string& path,
                                                               std::string_view subKey);

}  // namespace solvanex::platform
