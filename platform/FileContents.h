// Whole-file reads of the small files the program inspects (its registry file, the version
// resources of modules), with a size limit so that a huge or endless file cannot exhaust memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace solvanex::platform {

// The bytes of the regular file path, or nullopt when it is missing, is not a regular file (a
// FIFO would block), cannot be read, or holds more than maxBytes.
std::optional<std::string> ReadFileContents(const std::string& path, std::size_t maxBytes);

}  // namespace solvanex::platform
