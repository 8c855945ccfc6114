#include <windows.h>

#include <aclapi.h>

#include <vector>

#include "platform/Files.h"
#include "platform/OwnFileCheck.h"
#include "platform/UserOnlySecurity.h"
#include "platform/WideText.h"

namespace solvanex::platform {

namespace {

DWORD Attributes(const std::string& path) {
  const std::optional<std::wstring> widePath = WidePath(path);
  return widePath ? ::GetFileAttributesW(widePath->c_str()) : INVALID_FILE_ATTRIBUTES;
}

HANDLE CreateExclusively(const std::wstring& path, SECURITY_ATTRIBUTES* security) {
  // CREATE_NEW fails on any existing name, a symbolic link or junction included.
  return ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// Removes the entry at path when it is the user's own regular file, looked at without following
// a link; false, with nothing removed, for anything else.
bool DeleteOwnLeftover(const std::wstring& path, PSID user) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), DELETE | READ_CONTROL | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // Deleted through the handle that was checked, so that nothing can be swapped in between.
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = TRUE;
  const bool deleted = IsUsersOwnRegularFile(file, user) &&
                       ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                                    sizeof disposition) != 0;
  ::CloseHandle(file);
  return deleted;
}

}  // namespace

bool IsUsersOwnRegularFile(HANDLE file, PSID user) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (user == nullptr || ::GetFileType(file) != FILE_TYPE_DISK ||
      ::GetFileInformationByHandle(file, &information) == 0 ||
      (information.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) !=
          0) {
    return false;
  }
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                        nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool own = owner != nullptr && ::EqualSid(owner, user) != 0;
  ::LocalFree(descriptor);
  return own;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateNewFile(const std::string& path) {
  const std::optional<std::wstring> widePath = WidePath(path);
  if (!widePath) return false;
  UserOnlySecurity security;
  if (security.Attributes() == nullptr) return false;
  HANDLE file = CreateExclusively(*widePath, security.Attributes());
  // A file of the user's own left there (by a run that ended early) is removed and the creation
  // tried once more; a link, a directory or another account's file stays and counts as refusal.
  if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS &&
      DeleteOwnLeftover(*widePath, security.User())) {
    file = CreateExclusively(*widePath, security.Attributes());
  }
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

bool DeleteFileNoFollow(const std::string& path) {
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  // DeleteFileW removes a symbolic link itself, not its target.
  return ::DeleteFileW(WidePath(path)->c_str()) != 0;
}

bool AppendToOwnFile(const std::string& path, std::string_view bytes) {
  const std::optional<std::wstring> widePath = WidePath(path);
  if (!widePath) return false;
  UserOnlySecurity security;
  if (security.Attributes() == nullptr) return false;
  // A new file gets the user-only access list; opened with FILE_FLAG_OPEN_REPARSE_POINT, a link
  // is the link itself, which the check below refuses along with anything not the user's own.
  const HANDLE file = ::CreateFileW(widePath->c_str(), FILE_APPEND_DATA | READ_CONTROL,
                                    FILE_SHARE_READ, security.Attributes(), OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = IsUsersOwnRegularFile(file, security.User());
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
