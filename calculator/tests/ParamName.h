// Names of parameterised test cases, shared by the test suites of every module: short, readable
// and made only of letters, digits and '_', as GoogleTest and CTest need them. A text keeps its
// letters and digits (an accented letter as its plain one), a sign is written as a word ("-3,5"
// gives "minus_3_5") and every other run of characters becomes one '_'; the name is cut to
// kMaxNameLength characters, at the end of a word where one ends near there. Texts that read alike
// ("1,5" and "1.5") give the same name: a table that holds such texts names its rows with RowName,
// which puts the row's number first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace solvanex::naming {

inline constexpr std::size_t kMaxNameLength = 40;

namespace detail {

inline bool IsAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The plain letter of a two-byte UTF-8 Latin-1 letter (C3 xx), or 0 when it has none.
inline char PlainLetter(unsigned char second) {
  static constexpr std::string_view kUpper = "AAAAAAACEEEEIIII_NOOOOO_OUUUUY__";  // C0..DF
  static constexpr std::string_view kLower = "aaaaaaaceeeeiiii_nooooo_ouuuuy_y";  // E0..FF
  if (second >= 0x80 && second < 0xA0) {
    const char c = kUpper[second - 0x80];
    return c == '_' ? 0 : c;
  }
  if (second >= 0xA0 && second <= 0xBF) {
    const char c = kLower[second - 0xA0];
    return c == '_' ? 0 : c;
  }
  return 0;
}

// name cut to kMaxNameLength characters, at the end of a word when one ends near the cut, and
// with no '_' left at its end.
inline void Cut(std::string& name) {
  if (name.size() > kMaxNameLength) {
    const std::size_t blank = name.rfind('_', kMaxNameLength);
    name.resize(blank != std::string::npos && blank + 12 > kMaxNameLength ? blank : kMaxNameLength);
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
}

inline void AppendWord(std::string& name, std::string_view word) {
  if (!name.empty() && name.back() != '_') name += '_';
  name += word;
  name += '_';
}

}  // namespace detail

inline std::string ParamName(std::string_view text) {
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (detail::IsAsciiAlnum(c)) {
      name += c;
    } else if (c == '-') {
      detail::AppendWord(name, "minus");
    } else if (c == '+') {
      detail::AppendWord(name, "plus");
    } else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < text.size() &&
               detail::PlainLetter(static_cast<unsigned char>(text[i + 1])) != 0) {
      name += detail::PlainLetter(static_cast<unsigned char>(text[++i]));
    } else if (!name.empty() && name.back() != '_') {
      name += '_';
    }
  }
  detail::Cut(name);
  return name.empty() ? "empty" : name;
}

// The parts that are not empty, joined with '_', each written as above, the whole cut as above.
template <typename... Parts>
std::string ParamName(std::string_view first, Parts... rest) {
  std::string joined;
  for (const std::string_view part : {first, std::string_view(rest)...}) {
    if (!part.empty()) joined += ParamName(part) + '_';
  }
  return ParamName(joined);
}

// The row's number, then its text as above, the whole cut as above: unique in its table whatever
// the texts.
inline std::string RowName(std::size_t index, std::string_view text) {
  std::string name = "row" + std::to_string(index) + "_" + ParamName(text);
  detail::Cut(name);
  return name;
}

}  // namespace solvanex::naming
