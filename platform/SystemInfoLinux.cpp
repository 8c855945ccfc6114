#include <dlfcn.h>
#include <link.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/Lcid.h"
#include "platform/Paths.h"
#include "platform/SystemInfo.h"
#include "platform/TempDirectory.h"

namespace solvanex::platform {

namespace {
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}
}  // namespace

std::string ModuleFileName() {
  // readlink does not say whether it truncated: grow the buffer until the text fits.
  for (std::size_t size = 256; size <= 65536; size *= 2) {
    std::vector<char> buffer(size);
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < buffer.size()) {
      return std::string(buffer.data(), static_cast<std::size_t>(length));
    }
  }
  return {};
}

std::string SystemDirectory() {
  std::string directory;
  // RTLD_NOLOAD only finds the C library the program already uses; nothing new is loaded.
  if (void* libc = ::dlopen("libc.so.6", RTLD_LAZY | RTLD_NOLOAD)) {
    struct link_map* map = nullptr;
    if (::dlinfo(libc, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name != nullptr &&
        IsAbsolutePath(map->l_name)) {
      directory = RemoveTrailingSeparators(ExtractFileDir(map->l_name));
    }
    ::dlclose(libc);
  }
  return directory.empty() ? std::string("/usr/lib") : directory;
}

std::string TempPath() {
  return ChooseTempDirectory({Environment("XDG_RUNTIME_DIR"), Environment("TMPDIR"), "/tmp"});
}

PlatformVersion GetPlatformVersion() {
  struct utsname names {};
  if (::uname(&names) != 0) return PlatformVersion{"Linux"};
  return ParseKernelRelease(names.release);
}

std::uint32_t UserDefaultLcid() {
  // The first variable that is set decides, as for the C library's own choice of LC_NUMERIC.
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const std::string name = Environment(variable);
    if (!name.empty()) return LcidFromLocaleName(name);
  }
  return LcidFromLocaleName("C");
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc && argv != nullptr && argv[i] != nullptr; ++i) {
    arguments.emplace_back(argv[i]);
  }
  return arguments;
}

}  // namespace solvanex::platform
