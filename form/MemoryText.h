// The two system lines of the About box as UTF-8 text, without the toolkit, so that they are
// built and tested on every system: the machine's total physical memory and the share of it
// that is free. Both About boxes show them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace solvanex::form {

// "Mémoire physique totale : " and the total in kilobytes (bytes / 1024, halves rounded up),
// its digits grouped by thousands with groupSeparator, then " Ko".
std::string PhysicalMemoryText(std::uint64_t totalBytes, std::string_view groupSeparator);

// "Ressources système      : " and 100 minus the memory load, then "% libre.".
std::string FreeResourcesText(std::uint32_t memoryLoad);

}  // namespace solvanex::form
