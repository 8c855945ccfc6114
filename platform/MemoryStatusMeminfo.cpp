#include <algorithm>
#include <charconv>

#include "platform/MemoryStatus.h"

namespace solvanex::platform {

namespace {
// The value in kB of the line "Name:   12345 kB", or -1.
long long MeminfoField(std::string_view meminfo, std::string_view name) {
  std::size_t at = 0;
  while (at < meminfo.size()) {
    const std::size_t end = std::min(meminfo.find('\n', at), meminfo.size());
    const std::string_view line = meminfo.substr(at, end - at);
    at = end + 1;
    if (line.size() > name.size() && line.substr(0, name.size()) == name &&
        line[name.size()] == ':') {
      std::string_view value = line.substr(name.size() + 1);
      value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
      long long kilobytes = -1;
      std::from_chars(value.data(), value.data() + value.size(), kilobytes);
      return kilobytes;
    }
  }
  return -1;
}
}  // namespace

MemoryStatus MemoryStatusFromMeminfo(std::string_view meminfo) {
  MemoryStatus status;
  const long long total = MeminfoField(meminfo, "MemTotal");
  long long available = MeminfoField(meminfo, "MemAvailable");
  if (available < 0) available = MeminfoField(meminfo, "MemFree");
  if (total <= 0 || available < 0) return status;
  if (available > total) available = total;
  status.totalPhysical = static_cast<std::uint64_t>(total) * 1024;
  // Rounded to the nearest whole percent.
  status.memoryLoad = static_cast<std::uint32_t>(((total - available) * 100 + total / 2) / total);
  return status;
}

}  // namespace solvanex::platform
