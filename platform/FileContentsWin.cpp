#include <windows.h>

#include "platform/FileContents.h"
#include "platform/ReadInBlocks.h"
#include "platform/WideText.h"

namespace solvanex::platform {

namespace {

// Closes the file when the read is over, whichever way it ends.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

// Through the system's own calls rather than the standard streams: their locale machinery would
// be most of the program's code, and read into memory at every start.
std::optional<std::string> ReadFileContents(const std::string& path, std::size_t maxBytes) {
  const std::optional<std::wstring> widePath = WidePath(path);
  if (!widePath) return std::nullopt;
  // A folder does not open this way (that needs backup semantics); a pipe or a device opens but
  // is refused by its type, as reading it could block.
  const FileHandle file(::CreateFileW(widePath->c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE || ::GetFileType(file.Get()) != FILE_TYPE_DISK) {
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
    return std::nullopt;
  }
  return ReadInBlocks(static_cast<std::uintmax_t>(size.QuadPart), maxBytes,
                      [&file](char* to, std::size_t count) -> std::optional<std::size_t> {
                        DWORD got = 0;
                        if (!::ReadFile(file.Get(), to, static_cast<DWORD>(count), &got, nullptr))
                          return std::nullopt;
                        return got;
                      });
}

}  // namespace solvanex::platform
