#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/Registry.h"
#include "platform/RegistryFile.h"

namespace solvanex::platform {

std::string SystemRegistryFile() {
  return {};
}

std::optional<std::string> ReadClassesRootDefaultValue(std::string_view subKey,
                                                       const std::string& registryFile) {
  if (!registryFile.empty()) return ReadClassesRootDefaultValueFromFile(registryFile, subKey);
  HKEY key = nullptr;
  const std::string name(subKey);
  if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string value;
  DWORD type = 0;
  DWORD size = 0;
  LONG status = ::RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size);
  // The value may grow between two queries: ask again, a few times, until the buffer is big
  // enough.
  std::vector<char> buffer;
  for (int attempt = 0; attempt < 4 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA);
       ++attempt) {
    // One byte more than asked for, always null: the stored string need not end in one.
    buffer.assign(static_cast<std::size_t>(size) + 1, '\0');
    DWORD capacity = size;
    status = ::RegQueryValueExA(key, nullptr, nullptr, &type,
                                reinterpret_cast<BYTE*>(buffer.data()), &capacity);
    if (status == ERROR_SUCCESS) {
      if (type == REG_SZ || type == REG_EXPAND_SZ) {
        value.assign(buffer.data(), ::strnlen(buffer.data(), capacity));
      }
      break;
    }
    size = capacity;
  }
  ::RegCloseKey(key);
  return value;
}

}  // namespace solvanex::platform
