#include <fstream>
#include <sstream>
#include <string>

#include "platform/MemoryStatus.h"

namespace solvanex::platform {

MemoryStatus GlobalMemoryStatus() {
  std::ifstream file("/proc/meminfo");
  std::stringstream text;
  text << file.rdbuf();
  return MemoryStatusFromMeminfo(text.str());
}

}  // namespace solvanex::platform
