#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileVersion.h"

namespace solvanex::platform {

namespace {

// Modules whose version is asked for are a few megabytes at most; the limit only keeps a
// pathological file out.
constexpr std::size_t kMaxModuleBytes = std::size_t{256} << 20;

// A read-only mapping of a whole regular file. The version readers touch a few pages (headers,
// section table, one section), so the file is mapped rather than read: reading the viewer module
// whole cost several milliseconds at every start.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
        static_cast<std::uint64_t>(status.st_size) <= kMaxModuleBytes) {
      const auto size = static_cast<std::size_t>(status.st_size);
      void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
      if (address != MAP_FAILED) {
        address_ = address;
        size_ = size;
      }
    }
    ::close(fd);
  }
  ~MappedFile() {
    if (address_ != nullptr) ::munmap(address_, size_);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::optional<std::string_view> Bytes() const {
    if (address_ == nullptr) return std::nullopt;
    return std::string_view(static_cast<const char*>(address_), size_);
  }

 private:
  void* address_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace

std::optional<FixedFileVersion> ReadFixedFileVersion(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const MappedFile file(path);
  const std::optional<std::string_view> image = file.Bytes();
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
