#include <windows.h>

#include "platform/Files.h"

namespace solvanex::platform {

namespace {
DWORD Attributes(const std::string& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path.c_str());
}
}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateNewFile(const std::string& path) {
  // CREATE_NEW fails on any existing name, a symbolic link or junction included.
  const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

bool DeleteFileNoFollow(const std::string& path) {
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  // DeleteFileA removes a symbolic link itself, not its target.
  return ::DeleteFileA(path.c_str()) != 0;
}

bool AppendToOwnFile(const std::string& path, std::string_view bytes) {
  const HANDLE file =
      ::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information{};
  // Opened with FILE_FLAG_OPEN_REPARSE_POINT, a link is the link itself: refuse it, and anything
  // that is not a plain disk file.
  bool written = ::GetFileType(file) == FILE_TYPE_DISK &&
                 ::GetFileInformationByHandle(file, &information) != 0 &&
                 (information.dwFileAttributes &
                  (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0;
  while (written && !bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x10000 ? 0x10000 : static_cast<DWORD>(bytes.size());
    DWORD count = 0;
    if (::WriteFile(file, bytes.data(), chunk, &count, nullptr) == 0 || count == 0) {
      written = false;
      break;
    }
    bytes.remove_prefix(count);
  }
  if (::CloseHandle(file) == 0) written = false;
  return written;
}

}  // namespace solvanex::platform
