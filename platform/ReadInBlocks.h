// The block loop of the whole-file readers, the same over every system's file calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace solvanex::platform {

// Reads through read(buffer, count), which answers the bytes it put there (0 at the end of the
// file) or nullopt on an error, in blocks up to one byte past maxBytes, so that a file that grew
// since its size (expected) was taken is still refused. The bytes, or nullopt on an error or
// past the limit.
template <typename Read>
std::optional<std::string> ReadInBlocks(std::uintmax_t expected, std::size_t maxBytes, Read read) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(expected));
  // A byte at a time would cost milliseconds at start-up for the viewer module alone.
  constexpr std::size_t kBlock = 64 * 1024;
  while (bytes.size() <= maxBytes) {
    const std::size_t at = bytes.size();
    bytes.resize(at + kBlock);
    const std::optional<std::size_t> got = read(bytes.data() + at, kBlock);
    if (!got) return std::nullopt;
    bytes.resize(at + *got);
    if (*got == 0) break;
  }
  if (bytes.size() > maxBytes) return std::nullopt;
  return bytes;
}

}  // namespace solvanex::platform
