// The platform's name and version as the diagnostics print them ("%s %d.%d.%d").
#pragma once

#include <string>
#include <string_view>

namespace solvanex::platform {

struct PlatformVersion {
  std::string name;    // "Windows NT", "Windows" (the 9x family) or "Linux"
  unsigned major = 0;  // major version
  unsigned minor = 0;  // minor version
  unsigned build = 0;  // build number; the kernel's patch level on Linux
};

// The Linux kernel release as uname gives it ("6.1.0-18-amd64") read as major.minor.patch:
// leading decimal numbers separated by dots; a missing part is zero.
PlatformVersion ParseKernelRelease(std::string_view release);

}  // namespace solvanex::platform
