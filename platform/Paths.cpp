#include "platform/Paths.h"

#include <cctype>

namespace solvanex::platform {

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

std::string RemoveTrailingSeparators(std::string_view path) {
  while (!path.empty() && IsPathSeparator(path.back())) path.remove_suffix(1);
  return std::string(path);
}

namespace {
std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsPathSeparator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}
}  // namespace

std::string ExtractFileDir(std::string_view path) {
  const std::size_t at = LastSeparator(path);
  return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

std::string ExtractFileName(std::string_view path) {
  const std::size_t at = LastSeparator(path);
  return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string JoinPath(std::string_view directory, std::string_view name) {
  std::string path(directory);
  path += kPathSeparator;
  path += name;
  return path;
}

bool IsAbsolutePath(std::string_view path) {
#ifdef _WIN32
  // "c:\..." or a UNC name "\\server\share\...".
  if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
      IsPathSeparator(path[2])) {
    return true;
  }
  return path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
#else
  return !path.empty() && path.front() == '/';
#endif
}

}  // namespace solvanex::platform
