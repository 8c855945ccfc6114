#include "help/DebugLine.h"

namespace solvanex::help {

namespace {
std::string ArgumentText(const DebugArgument& argument) {
  if (const auto* text = std::get_if<std::string>(&argument)) return *text;
  return std::to_string(std::get<long long>(argument));
}
}  // namespace

std::string FormatDebugText(std::string_view format, std::span<const DebugArgument> arguments) {
  std::string text;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    const char conversion = i + 1 < format.size() ? format[i + 1] : '\0';
    if (c == '%' && (conversion == 's' || conversion == 'd')) {
      if (next < arguments.size()) text += ArgumentText(arguments[next]);
      ++next;
      ++i;
    } else if (c == '%' && conversion == '%') {
      text += '%';
      ++i;
    } else {
      text += c;
    }
  }
  return text;
}

std::string DebugLineText(std::string text, std::string_view timeText) {
  constexpr std::size_t kRuleLength = 80;
  if (text == "-" || text == "=") text.assign(kRuleLength, text.front());
  if (!text.empty() && (text.front() == '!' || text.front() == '-' || text.front() == '=')) {
    text.erase(0, 1);
  } else {
    text += "   ";
    text += timeText;
  }
  return text;
}

}  // namespace solvanex::help
