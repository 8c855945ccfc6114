// A fresh directory for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>

namespace solvanex::testing {

class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string operator/(const std::string& name) const {
#ifdef _WIN32
    return path_ + "\\" + name;
#else
    return path_ + "/" + name;
#endif
  }

 private:
  std::string path_;
};

// A path of the build as this system writes absolute paths: under Wine a Linux path "/a/b"
// becomes "Z:\\a\\b"; elsewhere path itself.
std::string NativePath(const std::string& path);

// The whole content of the file path ("" when it cannot be read).
std::string ReadAll(const std::string& path);

}  // namespace solvanex::testing
