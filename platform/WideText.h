// Texts at the edge of the Windows API (Windows only): the program holds every text, paths
// included, in UTF-8, and calls the system's wide (UTF-16) functions, so that a name with
// characters outside the ANSI code page keeps them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvanex::platform {

// text in UTF-16; nullopt when text is not valid UTF-8.
std::optional<std::wstring> Utf8ToWide(std::string_view text);

// A path or name for a wide call: nullopt when it is empty, not valid UTF-8, or holds a null
// character (which would cut it short).
std::optional<std::wstring> WidePath(std::string_view path);

// text in UTF-8; an unpaired surrogate becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);

}  // namespace solvanex::platform
