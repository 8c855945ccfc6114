#include "form/About.h"

namespace solvanex::form::about {

std::size_t CappedLength(std::u16string_view text) {
  constexpr auto kMax = static_cast<std::size_t>(kMaxLength);
  if (text.size() <= kMax) return text.size();
  const char16_t last = text[kMax - 1];
  return last >= 0xD800 && last <= 0xDBFF ? kMax - 1 : kMax;
}

}  // namespace solvanex::form::about
