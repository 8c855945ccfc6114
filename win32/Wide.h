// Text at the edge of the Windows API: the program holds UTF-8 inside and calls the wide (W)
// functions, so every text is converted here, in one place, when it crosses.
#pragma once

#include <string>
#include <string_view>

namespace solvanex::win32 {

// UTF-8 to UTF-16; a byte that is not part of valid UTF-8 becomes U+FFFD.
std::wstring ToWide(std::string_view utf8);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view wide);

}  // namespace solvanex::win32
