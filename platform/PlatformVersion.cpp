#include "platform/PlatformVersion.h"

#include <charconv>

namespace solvanex::platform {

PlatformVersion ParseKernelRelease(std::string_view release) {
  PlatformVersion version{"Linux"};
  unsigned* parts[] = {&version.major, &version.minor, &version.build};
  const char* at = release.data();
  const char* end = release.data() + release.size();
  for (unsigned* part : parts) {
    const auto [next, error] = std::from_chars(at, end, *part);
    if (error != std::errc()) {
      *part = 0;
      break;
    }
    at = next;
    if (at == end || *at != '.') break;
    ++at;
  }
  return version;
}

}  // namespace solvanex::platform
