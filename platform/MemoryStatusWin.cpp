#include <windows.h>

#include "platform/MemoryStatus.h"

namespace solvanex::platform {

// GlobalMemoryStatusEx rather than GlobalMemoryStatus: the latter wraps around above 4 GB.
MemoryStatus GlobalMemoryStatus() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (::GlobalMemoryStatusEx(&status) == 0) return {};
  return MemoryStatus{status.dwMemoryLoad, status.ullTotalPhys};
}

}  // namespace solvanex::platform
