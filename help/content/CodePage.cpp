#include "CodePage.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace solvanex::helpcontent {

namespace {

// Windows-1252's bytes 0x80 to 0x9F, which hold typographic characters instead of the C1
// controls; 0 where the code page has none.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// What stands for a character the code page lacks.
struct StandIn {
  char32_t character;
  const char* text;  // in windows-1252
};

// The texts are HTML: a stand-in's markup characters are written as character references.
constexpr StandIn kStandIns[] = {
    {0x202F, "\xA0"},       // narrow no-break space (French punctuation): no-break space
    {0x2009, " "},          // thin space
    {0x2011, "-"},          // non-breaking hyphen
    {0x2212, "-"},          // minus sign
    {0x2192, "-&gt;"},      // rightwards arrow
    {0x2190, "&lt;-"},      // leftwards arrow
    {0x2194, "&lt;-&gt;"},  // left right arrow
    {0x21C4, "&lt;-&gt;"},  // rightwards arrow over leftwards arrow (conversions both ways)
    {0x21C6, "&lt;-&gt;"},  // leftwards arrow over rightwards arrow
    {0x2264, "&lt;="},      // less-than or equal to
    {0x2265, "&gt;="},      // greater-than or equal to
    {0x2260, "&lt;&gt;"},   // not equal to
    {0x2248, "~"},          // almost equal to
    {0x2081, "1"},          // subscript digits (O2, CO2)
    {0x2082, "2"},          //
    {0x2083, "3"},          //
    {0x221A, "Rac"},        // square root: the caption of the key that takes it
};

std::string CharacterName(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

// The next character of utf8 at position, which is moved past it; throws on a broken sequence.
char32_t NextCharacter(std::string_view utf8, std::size_t& position) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byte(position);
  int length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++position;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
  } else {
    throw std::runtime_error("invalid UTF-8 in \"" + std::string(utf8) + "\"");
  }
  if (position + length > utf8.size()) {
    throw std::runtime_error("truncated UTF-8 in \"" + std::string(utf8) + "\"");
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(position + i);
    if ((next & 0xC0) != 0x80) {
      throw std::runtime_error("invalid UTF-8 in \"" + std::string(utf8) + "\"");
    }
    c = (c << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    throw std::runtime_error("invalid UTF-8 in \"" + std::string(utf8) + "\"");
  }
  position += length;
  return c;
}

}  // namespace

std::string ToWindows1252(std::string_view utf8) {
  std::string result;
  result.reserve(utf8.size());
  std::size_t position = 0;
  while (position < utf8.size()) {
    const char32_t c = NextCharacter(utf8, position);
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      result += static_cast<char>(c);
      continue;
    }
    bool found = false;
    for (int i = 0; i < 32 && !found; ++i) {
      if (kHighControls[i] == c) {
        result += static_cast<char>(0x80 + i);
        found = true;
      }
    }
    for (const StandIn& standIn : kStandIns) {
      if (!found && standIn.character == c) {
        result += standIn.text;
        found = true;
      }
    }
    if (!found) {
      throw std::runtime_error("no windows-1252 form for " + CharacterName(c) + " in \"" +
                               std::string(utf8) + "\"");
    }
  }
  return result;
}

}  // namespace solvanex::helpcontent
