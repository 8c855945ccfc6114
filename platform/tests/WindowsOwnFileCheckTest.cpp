// The check that the Windows file operations make on an open handle before they write to or
// delete a file that was already there: exercised on handles of every kind built here, since
// Wine makes no symbolic links and, on some file systems, keeps no owners.
#include <gtest/gtest.h>
#include <windows.h>

#include <aclapi.h>

#include <functional>
#include <string>
#include <vector>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "platform/Files.h"
#include "platform/OwnFileCheck.h"
#include "platform/UserOnlySecurity.h"
#include "platform/WideText.h"

namespace solvanex::platform {
namespace {

std::wstring Wide(const std::string& text) {
  return Utf8ToWide(text).value_or(L"");
}

// A well-known account that the tests never run as.
std::vector<BYTE> AdministratorsSid() {
  std::vector<BYTE> sid(SECURITY_MAX_SID_SIZE);
  DWORD size = static_cast<DWORD>(sid.size());
  if (::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid.data(), &size) == 0) return {};
  sid.resize(size);
  return sid;
}

HANDLE OpenExisting(const std::string& path, DWORD flags = 0) {
  return ::CreateFileW(Wide(path).c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, flags | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// Gives path the owner sid; false when the file system does not keep it.
bool SetOwner(const std::string& path, std::vector<BYTE>& sid) {
  std::wstring name = Wide(path);
  if (::SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, sid.data(),
                              nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                              nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool kept = owner != nullptr && ::EqualSid(owner, sid.data()) != 0;
  ::LocalFree(descriptor);
  return kept;
}

struct HandleRow {
  const char* name;
  // Opens the handle to check in the scratch directory; INVALID_HANDLE_VALUE skips the row,
  // with why in skipReason.
  std::function<HANDLE(const testing::ScratchDirectory&, std::string& skipReason)> open;
  bool askAsAdministrators;  // check against the administrators' account, not the user's
  bool own;
};

void PrintTo(const HandleRow& row, std::ostream* out) {
  *out << row.name;
}

class OwnFileCheck : public ::testing::TestWithParam<HandleRow> {};

TEST_P(OwnFileCheck, AcceptsOnlyTheUsersOwnPlainFile) {
  testing::ScratchDirectory scratch;
  std::string skipReason;
  const HANDLE handle = GetParam().open(scratch, skipReason);
  if (handle == INVALID_HANDLE_VALUE) GTEST_SKIP() << skipReason;
  std::vector<BYTE> user = GetParam().askAsAdministrators ? AdministratorsSid() : CurrentUserSid();
  ASSERT_FALSE(user.empty());
  EXPECT_EQ(IsUsersOwnRegularFile(handle, user.data()), GetParam().own);
  EXPECT_FALSE(IsUsersOwnRegularFile(handle, nullptr));
  ::CloseHandle(handle);
}

HANDLE OwnFile(const testing::ScratchDirectory& scratch, std::string&) {
  testing::WriteFile(scratch / "own", "own");
  return OpenExisting(scratch / "own");
}

HANDLE ForeignFile(const testing::ScratchDirectory& scratch, std::string& skipReason) {
  testing::WriteFile(scratch / "foreign", "foreign");
  std::vector<BYTE> administrators = AdministratorsSid();
  if (!SetOwner(scratch / "foreign", administrators)) {
    skipReason = "this file system keeps no owner but the process's own";
    return INVALID_HANDLE_VALUE;
  }
  return OpenExisting(scratch / "foreign");
}

HANDLE Directory(const testing::ScratchDirectory& scratch, std::string&) {
  return OpenExisting(scratch.path(), FILE_FLAG_BACKUP_SEMANTICS);
}

HANDLE Pipe(const testing::ScratchDirectory&, std::string& skipReason) {
  HANDLE reading = nullptr;
  HANDLE writing = nullptr;
  if (::CreatePipe(&reading, &writing, nullptr, 0) == 0) {
    skipReason = "no pipe";
    return INVALID_HANDLE_VALUE;
  }
  ::CloseHandle(writing);
  return reading;
}

HANDLE NulDevice(const testing::ScratchDirectory&, std::string&) {
  return ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Handles, OwnFileCheck,
    ::testing::Values(HandleRow{"OwnFile", OwnFile, false, true},
                      HandleRow{"OwnFileAskedForAnotherAccount", OwnFile, true, false},
                      HandleRow{"AnotherAccountsFile", ForeignFile, false, false},
                      HandleRow{"AnotherAccountsFileAskedForItsOwner", ForeignFile, true, true},
                      HandleRow{"Directory", Directory, false, false},
                      HandleRow{"Pipe", Pipe, false, false},
                      HandleRow{"NulDevice", NulDevice, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// What the file operations make of another account's file where one stands: nothing written,
// nothing removed.
TEST(OwnFileCheck, FileOperationsLeaveAnotherAccountsFileAlone) {
  testing::ScratchDirectory scratch;
  const std::string path = scratch / "$_Temp_$.$$$";
  testing::WriteFile(path, "theirs");
  std::vector<BYTE> administrators = AdministratorsSid();
  if (!SetOwner(path, administrators)) {
    GTEST_SKIP() << "this file system keeps no owner but the process's own";
  }
  EXPECT_FALSE(CreateNewFile(path));
  EXPECT_FALSE(AppendToOwnFile(path, "mine"));
  EXPECT_EQ(testing::ReadAll(path), "theirs");
}

}  // namespace
}  // namespace solvanex::platform
