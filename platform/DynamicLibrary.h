// Run-time loading of a dynamic library (LoadLibraryExW, GetProcAddress and FreeLibrary on Windows,
// dlopen, dlsym and dlclose elsewhere). Only an absolute path is loaded: a bare or relative name
// would be searched for along the library path or in the current directory, where someone else's
// file could be found first. Loading and freeing run the library's initialisation and clean-up
// code, so both keep the caller's floating-point environment (FloatingPointGuard).
#pragma once

#include <string>

namespace solvanex::platform {

using ModuleHandle = void*;

// The loaded library at path, or null when path is not absolute or the library cannot be loaded.
// Failures are silent: no message box, no output.
ModuleHandle LoadLibraryA(const std::string& path);

// The address of the export name of module, or null when module is null or has no such export.
void* GetProcAddress(ModuleHandle module, const char* name);

// Releases a library loaded by LoadLibraryA; null is ignored.
void FreeLibrary(ModuleHandle module);

}  // namespace solvanex::platform
