#include "form/MemoryText.h"

#include <algorithm>

namespace solvanex::form {

namespace {

// The line always groups by thousands and always in plain digits, also under locales whose
// number options omit the separator (the C locale) or group otherwise.
std::string GroupedByThousands(std::uint64_t value, std::string_view separator) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

std::string PhysicalMemoryText(std::uint64_t totalBytes, std::string_view groupSeparator) {
  // Whole kilobytes with halves rounded up, without the overflow of adding 512 first.
  const std::uint64_t kilobytes = totalBytes / 1024 + (totalBytes % 1024 >= 512 ? 1 : 0);
  return "Mémoire physique totale : " + GroupedByThousands(kilobytes, groupSeparator) + " Ko";
}

std::string FreeResourcesText(std::uint32_t memoryLoad) {
  const std::uint32_t free = 100 - std::min<std::uint32_t>(memoryLoad, 100);
  return "Ressources système      : " + std::to_string(free) + "% libre.";
}

}  // namespace solvanex::form
