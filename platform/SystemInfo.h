// Facts about the machine and the running program that the help diagnostics report:
// GetModuleFileNameW, GetSystemDirectoryW, GetTempPathW (in UTF-8), the platform's version and the
// user's locale identifier on Windows; their nearest equivalents elsewhere. Directories come
// without a trailing separator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/PlatformVersion.h"

namespace solvanex::platform {

// The full path of the program file (/proc/self/exe on Linux); empty when unknown.
std::string ModuleFileName();

// The directory of the system's shared libraries: System32 on Windows; on Linux the directory
// from which the C library was loaded (e.g. /lib/x86_64-linux-gnu), else /usr/lib.
std::string SystemDirectory();

// The user's own temporary directory (see TempDirectory.h on Linux); empty when there is none.
std::string TempPath();

// The platform's family name and version.
PlatformVersion GetPlatformVersion();

// The program's arguments, argument 0 first, in UTF-8: on Windows from the wide command line
// (the run-time library's argv holds them in the ANSI code page), elsewhere argv itself.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// The user's default locale identifier (GetUserDefaultLCID; on Linux from LC_ALL, LC_NUMERIC or
// LANG, see Lcid.h).
std::uint32_t UserDefaultLcid();

}  // namespace solvanex::platform
