#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/FileContents.h"
#include "platform/ReadInBlocks.h"

namespace solvanex::platform {

std::optional<std::string> ReadFileContents(const std::string& path, std::size_t maxBytes) {
  std::error_code error;
  const std::filesystem::path file(path);
  if (path.empty() || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > maxBytes) return std::nullopt;
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::nullopt;
  return ReadInBlocks(size, maxBytes,
                      [&stream](char* to, std::size_t count) -> std::optional<std::size_t> {
                        stream.read(to, static_cast<std::streamsize>(count));
                        if (stream.bad()) return std::nullopt;
                        return static_cast<std::size_t>(stream.gcount());
                      });
}

}  // namespace solvanex::platform
