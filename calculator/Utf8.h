// Small UTF-8 helpers: the display limit counts characters, not bytes.
#pragma once

#include <cstddef>
#include <string_view>

namespace solvanex {

// Number of characters (code points) in a UTF-8 text; a stray byte counts as one character.
std::size_t CharacterCount(std::string_view text);

}  // namespace solvanex
