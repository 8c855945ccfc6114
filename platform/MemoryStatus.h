// The machine's memory figures (GlobalMemoryStatus on Windows).
#pragma once

#include <cstdint>
#include <string_view>

namespace solvanex::platform {

struct MemoryStatus {
  std::uint32_t memoryLoad = 0;     // share of physical memory in use, 0 to 100
  std::uint64_t totalPhysical = 0;  // bytes of physical memory
};

MemoryStatus GlobalMemoryStatus();

// The figures from the text of /proc/meminfo (MemTotal, and MemAvailable or MemFree), or zero.
MemoryStatus MemoryStatusFromMeminfo(std::string_view meminfo);

}  // namespace solvanex::platform
