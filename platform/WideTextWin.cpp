#include <windows.h>

#include "platform/NarrowText.h"
#include "platform/WideText.h"

namespace solvanex::platform {

std::optional<std::wstring> Utf8ToWide(std::string_view text) {
  if (text.empty()) return std::wstring();
  if (text.size() > 0x7FFFFFFF) return std::nullopt;
  const int size = static_cast<int>(text.size());
  const int length =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(),
                            length) != length) {
    return std::nullopt;
  }
  return wide;
}

std::optional<std::wstring> WidePath(std::string_view path) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;
  return Utf8ToWide(path);
}

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty() || text.size() > 0x7FFFFFFF) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

std::optional<std::string> ToNarrowSystemText(std::string_view utf8) {
  const std::optional<std::wstring> wide = Utf8ToWide(utf8);
  if (!wide) return std::nullopt;
  // A system set to UTF-8 as its ANSI code page takes the text as it is.
  if (wide->empty() || ::GetACP() == CP_UTF8) return std::string(utf8);
  const int size = static_cast<int>(wide->size());
  BOOL lossy = FALSE;
  const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), size,
                                           nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), size, narrow.data(), length,
                        nullptr, &lossy);
  if (lossy) return std::nullopt;
  return narrow;
}

std::optional<std::string> ToNarrowSystemPath(std::string_view utf8Path) {
  if (std::optional<std::string> narrow = ToNarrowSystemText(utf8Path)) return narrow;
  const std::optional<std::wstring> path = WidePath(utf8Path);
  if (!path) return std::nullopt;
  // A volume without short names gives the long path back, which is then refused below for its
  // characters. The short form may be longer than the long one ("a.bcde" is "ABCDE~1").
  std::wstring shortPath(path->size() + 1, L'\0');
  DWORD length =
      ::GetShortPathNameW(path->c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
  if (length >= shortPath.size()) {
    shortPath.assign(length, L'\0');
    length =
        ::GetShortPathNameW(path->c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
  }
  if (length == 0 || length >= shortPath.size()) return std::nullopt;
  shortPath.resize(length);
  std::string ascii;
  ascii.reserve(shortPath.size());
  for (const wchar_t c : shortPath) {
    if (c == L'\0' || c >= 0x80) return std::nullopt;
    ascii.push_back(static_cast<char>(c));
  }
  return ascii;
}

}  // namespace solvanex::platform
