// Windows locale identifiers (LCID) for POSIX locale names, so that the diagnostics name the
// user's locale the same way on every platform. An LCID's low 16 bits are the language
// identifier: primary language in bits 0 to 9, sub-language in bits 10 to 15.
#pragma once

#include <cstdint>
#include <string_view>

namespace solvanex::platform {

// LOCALE_INVARIANT: what the C and POSIX locales (and an empty name) are, since they are not the
// locale of any language or country.
inline constexpr std::uint32_t kLcidInvariant = 0x007F;
// LOCALE_CUSTOM_UNSPECIFIED: a language that the table below does not know.
inline constexpr std::uint32_t kLcidCustomUnspecified = 0x1000;

// The LCID of a locale name "language[_TERRITORY][.codeset][@modifier]" (a '-' may stand for
// the '_'). A language known with another territory, or with none, gets its default sub-language.
std::uint32_t LcidFromLocaleName(std::string_view name);

// The primary language of lcid (PRIMARYLANGID).
constexpr std::uint32_t PrimaryLanguageId(std::uint32_t lcid) {
  return lcid & 0x3FF;
}
// The sub-language of lcid (SUBLANGID).
constexpr std::uint32_t SubLanguageId(std::uint32_t lcid) {
  return (lcid & 0xFFFF) >> 10;
}

}  // namespace solvanex::platform
