// Names of parameterised test cases, shared by the test suites of every module: short, stable
// from run to run, and unique, as CTest lists them. A text is written with its letters and
// digits as they are and every other character as a word between underscores ("1,5" gives
// "1_comma_5"), so that different texts always give different names.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace solvanex::naming {

inline std::string ParamName(std::string_view text) {
  std::string name;
  for (const char c : text) {
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      name += c;
      continue;
    }
    switch (c) {
      case ',':
        name += "_comma_";
        break;
      case '.':
        name += "_point_";
        break;
      case '-':
        name += "_minus_";
        break;
      case '+':
        name += "_plus_";
        break;
      case ' ':
        name += "_sp_";
        break;
      case '\t':
        name += "_tab_";
        break;
      case '/':
        name += "_slash_";
        break;
      default: {
        char code[8];
        std::snprintf(code, sizeof code, "_x%02X_", static_cast<unsigned char>(c));
        name += code;
      }
    }
  }
  return name.empty() ? "empty" : name;
}

// Parts joined with "__", each written as above.
template <typename... Parts>
std::string ParamName(std::string_view first, Parts... rest) {
  std::string name = ParamName(first);
  ((name += "__" + ParamName(std::string_view(rest))), ...);
  return name;
}

}  // namespace solvanex::naming
