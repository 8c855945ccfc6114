// Texts for the system's single-byte ("A") calls, such as the HTML Help entry HtmlHelpA: on
// Windows they take the ANSI code page, elsewhere UTF-8, the program's own form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvanex::platform {

#ifdef _WIN32
// utf8 in the ANSI code page; nullopt when it is not valid UTF-8 or holds a character that the
// code page lacks (no look-alike is put in its place).
std::optional<std::string> ToNarrowSystemText(std::string_view utf8);

// The existing file or folder path for a single-byte call: ToNarrowSystemText's form where the
// code page holds it; otherwise its short (8.3) form when that is plain ASCII (a folder named in
// Greek or Japanese has one on most volumes); nullopt when neither names it.
std::optional<std::string> ToNarrowSystemPath(std::string_view utf8Path);
#else
inline std::optional<std::string> ToNarrowSystemText(std::string_view utf8) {
  return std::string(utf8);
}
inline std::optional<std::string> ToNarrowSystemPath(std::string_view utf8Path) {
  return std::string(utf8Path);
}
#endif

}  // namespace solvanex::platform
