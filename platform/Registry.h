// Read-only access to HKEY_CLASSES_ROOT (RegOpenKeyExA and RegQueryValueExA on Windows).
//
// Elsewhere the registry is the REGEDIT4 file kRegistryFileName (see RegistryFile.h): the one
// beside the program file when there is one, else the installed one in the help viewer module's
// folder. The build writes it beside the program, registering the help viewer module it built;
// installing writes one with the installed module's path into the module's folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvanex::platform {

inline constexpr char kRegistryFileName[] = "registry.reg";

// The default value of HKEY_CLASSES_ROOT\subKey, read as a string and left unchanged
// (environment references are not expanded): nullopt when the key cannot be opened; an empty
// text when it has no default value or one that is not a string. registryFile names a REGEDIT4
// file to read instead of the system's registry; empty means the system's.
std::optional<std::string> ReadClassesRootDefaultValue(std::string_view subKey,
                                                       const std::string& registryFile = {});

// The registry file that stands for the system's registry, or empty when there is none (always
// empty on Windows, which has a real registry).
std::string SystemRegistryFile();

}  // namespace solvanex::platform
