#include "ScratchDirectory.h"

#include <stdlib.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace solvanex::testing {

ScratchDirectory::ScratchDirectory() {
#ifdef _WIN32
  // No mkdtemp: a name of this process's own, created exclusively.
  static unsigned count = 0;
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    const std::filesystem::path candidate =
        std::filesystem::temp_directory_path() /
        ("solvanex-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
         std::to_string(++count) + "-" + std::to_string(::GetTickCount()));
    if (::CreateDirectoryW(candidate.c_str(), nullptr) != 0) path_ = candidate.string();
  }
  if (path_.empty()) throw std::runtime_error("no scratch directory");
#else
  const std::string pattern = (std::filesystem::temp_directory_path() / "solvanex-test-XXXXXX");
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = name.data();
#endif
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string NativePath(const std::string& path) {
#ifdef _WIN32
  return std::filesystem::absolute(path).make_preferred().string();
#else
  return path;
#endif
}

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace solvanex::testing
