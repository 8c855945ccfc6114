#include "platform/FileContents.h"

#include <filesystem>
#include <fstream>
#include <iterator>
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
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size));
  // Reads at most one byte past the limit, so that a file that grew meanwhile is still refused.
  std::istreambuf_iterator<char> it(stream), end;
  while (it != end && bytes.size() <= maxBytes) bytes.push_back(*it++);
  if (stream.bad() || bytes.size() > maxBytes) return std::nullopt;
  return bytes;
}

}  // namespace solvanex::platform
