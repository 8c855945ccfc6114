#include "win32/Wide.h"

#include "form/Unicode.h"

namespace solvanex::win32 {

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring ToWide(std::string_view utf8) {
  const std::u16string text = form::Utf8ToUtf16(utf8);
  return std::wstring(text.begin(), text.end());
}

std::string ToUtf8(std::wstring_view wide) {
  return form::Utf16ToUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace solvanex::win32
