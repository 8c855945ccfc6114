#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/Registry.h"
#include "platform/RegistryFile.h"
#include "platform/WideText.h"

namespace solvanex::platform {

std::string SystemRegistryFile() {
  return {};
}

std::optional<std::string> ReadClassesRootDefaultValue(std::string_view subKey,
                                                       const std::string& registryFile) {
  if (!registryFile.empty()) return ReadClassesRootDefaultValueFromFile(registryFile, subKey);
  const std::optional<std::wstring> name = WidePath(subKey);
  HKEY key = nullptr;
  if (!name ||
      ::RegOpenKeyExW(HKEY_CLASSES_ROOT, name->c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string value;
  DWORD type = 0;
  DWORD size = 0;
  LONG status = ::RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size);
  // The value may grow between two queries: ask again, a few times, until the buffer is big
  // enough.
  std::vector<wchar_t> buffer;
  for (int attempt = 0; attempt < 4 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA);
       ++attempt) {
    // One character more than asked for, always null: the stored string need not end in one.
    const std::size_t characters = size / sizeof(wchar_t) + 1;
    buffer.assign(characters + 1, L'\0');
    DWORD capacity = static_cast<DWORD>(characters * sizeof(wchar_t));
    status = ::RegQueryValueExW(key, nullptr, nullptr, &type,
                                reinterpret_cast<BYTE*>(buffer.data()), &capacity);
    if (status == ERROR_SUCCESS) {
      if (type == REG_SZ || type == REG_EXPAND_SZ) {
        value = WideToUtf8(
            std::wstring_view(buffer.data(), ::wcsnlen(buffer.data(), capacity / sizeof(wchar_t))));
      }
      break;
    }
    size = capacity;
  }
  ::RegCloseKey(key);
  return value;
}

}  // namespace solvanex::platform
