#include "platform/FileContents.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace solvanex::platform {

std::optional<std::string> ReadFileContents(const std::string& path, std::size_t maxBytes) {
  std::error_code error;
  const std::filesystem::path file(path);
  if (path.empty() || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > maxBytes) return std::nullopt;
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::nullopt;
  // Read in blocks up to one byte past the limit, so that a file that grew meanwhile is still
  // refused; a byte at a time would cost milliseconds at start-up for the viewer module alone.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size));
  constexpr std::size_t kBlock = 64 * 1024;
  while (stream && bytes.size() <= maxBytes) {
    const std::size_t at = bytes.size();
    bytes.resize(at + kBlock);
    stream.read(bytes.data() + at, static_cast<std::streamsize>(kBlock));
    bytes.resize(at + static_cast<std::size_t>(stream.gcount()));
  }
  if (stream.bad() || bytes.size() > maxBytes) return std::nullopt;
  return bytes;
}

}  // namespace solvanex::platform
