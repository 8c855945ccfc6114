#include "platform/FileContents.h"
#include "platform/FileVersion.h"

namespace solvanex::platform {

namespace {
// Modules whose version is asked for are a few megabytes at most; the limit only keeps a
// pathological file from filling memory.
constexpr std::size_t kMaxModuleBytes = std::size_t{256} << 20;
}  // namespace

std::optional<FixedFileVersion> ReadFixedFileVersion(const std::string& path) {
  const std::optional<std::string> image = ReadFileContents(path, kMaxModuleBytes);
  if (!image) return std::nullopt;
  // The format is told by the file's first bytes, never by its name.
  if (image->starts_with("MZ")) return PeFileVersion(*image);
  if (image->starts_with("\x7F"
                         "ELF")) {
    return ElfFileVersion(*image);
  }
  return std::nullopt;
}

}  // namespace solvanex::platform
