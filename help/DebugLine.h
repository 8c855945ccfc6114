// The text of one line of the diagnostics file "HHDebug.txt", from a format and its arguments.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace solvanex::help {

// An argument of a diagnostics line: a text or a whole number.
using DebugArgument = std::variant<std::string, long long>;

// format with each "%s" and "%d" replaced by the next argument (of either kind) and "%%" by a
// percent sign. A placeholder without an argument stands for nothing; any other '%' is kept.
std::string FormatDebugText(std::string_view format, std::span<const DebugArgument> arguments);

// The line as it is written, without its CR LF: "-" and "=" alone become rules of 80 of that
// character; then a leading "!", "-" or "=" is dropped (so rules are 79 characters long and fact
// lines show no "!"); any other line, an empty one too, gets three blanks and timeText.
std::string DebugLineText(std::string text, std::string_view timeText);

}  // namespace solvanex::help
