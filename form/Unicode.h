// Conversions between the UTF-8 that the calculator and the tables speak and the UTF-16 and code
// points that the front ends draw. A malformed sequence becomes one U+FFFD per bad byte, never an
// error: the texts come from the clipboard as well.
#pragma once

#include <string>
#include <string_view>

namespace solvanex::form {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

std::u32string Utf8ToCodePoints(std::string_view text);
void AppendUtf8(std::string& out, char32_t c);
std::string CodePointsToUtf8(std::u32string_view text);

std::u16string Utf8ToUtf16(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace solvanex::form
