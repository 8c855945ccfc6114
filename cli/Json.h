// The one line of JSON that the key-script runner prints after each key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvanex::cli {

// text as a JSON string literal, quotes included. Invalid UTF-8 becomes U+FFFD so that the
// output is always valid UTF-8.
std::string JsonString(std::string_view text);

// {"key": ..., "display": ..., "color": "black"|"red", "memory": ..., "error": null|...}
std::string KeyResultLine(std::string_view key, std::string_view display, bool red,
                          std::string_view memory, const std::optional<std::string>& error);

}  // namespace solvanex::cli
