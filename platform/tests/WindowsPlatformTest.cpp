// The Win32 side of the platform layer, run under Windows or Wine: what it reads is checked
// against what other system calls or files say, never against numbers written here.
#include <gtest/gtest.h>
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "WindowsKernelVersion.h"
#include "platform/DynamicLibrary.h"
#include "platform/Files.h"
#include "platform/MemoryStatus.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "platform/UserOnlySecurity.h"

namespace solvanex::platform {
namespace {

namespace fs = std::filesystem;
using ::solvanex::testing::KernelVersion;

// --- Loading: a library's own dependencies are looked for beside it and in the system
// directory, never in the current directory.

struct DependencyRow {
  const char* name;
  bool besideTheLibrary;  // the dependency is copied next to the library
  bool inCurrentDirectory;
  bool loaded;
};

class DependencySearch : public ::testing::TestWithParam<DependencyRow> {};

TEST_P(DependencySearch, LooksBesideTheLibraryNotInTheCurrentDirectory) {
  const DependencyRow& row = GetParam();
  testing::ScratchDirectory scratch;
  const std::string libraryDir = scratch / "library";
  const std::string currentDir = scratch / "current";
  fs::create_directory(libraryDir);
  fs::create_directory(currentDir);
  const std::string dependency = fs::path(SOLVANEX_TEST_DEPENDENCY).filename().string();
  fs::copy_file(SOLVANEX_TEST_DEPENDENT, JoinPath(libraryDir, "dependent.dll"));
  if (row.besideTheLibrary) {
    fs::copy_file(SOLVANEX_TEST_DEPENDENCY, JoinPath(libraryDir, dependency));
  }
  if (row.inCurrentDirectory) {
    fs::copy_file(SOLVANEX_TEST_DEPENDENCY, JoinPath(currentDir, dependency));
  }
  const fs::path previous = fs::current_path();
  fs::current_path(currentDir);
  const ModuleHandle module = LoadLibraryA(JoinPath(libraryDir, "dependent.dll"));
  fs::current_path(previous);
  EXPECT_EQ(module != nullptr, row.loaded);
  if (module != nullptr) {
    using Answer = int (*)();
    const auto answer = reinterpret_cast<Answer>(GetProcAddress(module, "TestDependentAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 43);
  }
  FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Places, DependencySearch,
                         ::testing::Values(DependencyRow{"Beside", true, false, true},
                                           DependencyRow{"CurrentDirectoryOnly", false, true,
                                                         false},
                                           DependencyRow{"Nowhere", false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Files: user-only access, and the write test's leftover rule.

std::string CurrentUserSidText() {
  HANDLE token = nullptr;
  EXPECT_NE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token), 0);
  alignas(TOKEN_USER) BYTE buffer[512];
  DWORD size = 0;
  EXPECT_NE(::GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size), 0);
  ::CloseHandle(token);
  char* text = nullptr;
  ::ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &text);
  const std::string sid = text == nullptr ? "" : text;
  ::LocalFree(text);
  return sid;
}

// The access list of path as "protected" and one "allow <sid> <mask>" per entry.
std::string AccessList(const std::string& path) {
  PACL acl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &acl, nullptr, &descriptor) != ERROR_SUCCESS) {
    return "unreadable";
  }
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ::GetSecurityDescriptorControl(descriptor, &control, &revision);
  std::string text = (control & SE_DACL_PROTECTED) != 0 ? "protected" : "inherits";
  for (DWORD i = 0; acl != nullptr && i < acl->AceCount; ++i) {
    void* ace = nullptr;
    if (::GetAce(acl, i, &ace) == 0) continue;
    const auto* header = static_cast<ACE_HEADER*>(ace);
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) {
      text += " other";
      continue;
    }
    auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    char* sid = nullptr;
    ::ConvertSidToStringSidA(&allowed->SidStart, &sid);
    text += std::string(" allow ") + (sid == nullptr ? "?" : sid);
    ::LocalFree(sid);
  }
  ::LocalFree(descriptor);
  return text;
}

// Whether files in directory keep the access list given to them (Wine keeps them only where the
// Linux file system takes extended attributes).
bool KeepsAccessLists(const std::string& directory, const std::string& expected) {
  const std::string probe = JoinPath(directory, "probe");
  testing::WriteFile(probe, "");
  HANDLE token = nullptr;
  ::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token);
  alignas(TOKEN_USER) BYTE user[512];
  DWORD size = 0;
  ::GetTokenInformation(token, TokenUser, user, sizeof user, &size);
  ::CloseHandle(token);
  EXPLICIT_ACCESS_A access{};
  access.grfAccessPermissions = GENERIC_ALL;
  access.grfAccessMode = SET_ACCESS;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.ptstrName = static_cast<LPSTR>(reinterpret_cast<TOKEN_USER*>(user)->User.Sid);
  PACL acl = nullptr;
  ::SetEntriesInAclA(1, &access, nullptr, &acl);
  std::string name = probe;
  ::SetNamedSecurityInfoA(name.data(), SE_FILE_OBJECT,
                          DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                          nullptr, acl, nullptr);
  ::LocalFree(acl);
  const bool kept = AccessList(probe) == expected;
  ::DeleteFileA(probe.c_str());
  return kept;
}

// The descriptor given to every file the help access creates, read back entry by entry.
TEST(WindowsFiles, SecurityDescriptorAllowsTheUserAlone) {
  UserOnlySecurity security;
  ASSERT_NE(security.Attributes(), nullptr);
  const auto descriptor =
      static_cast<PSECURITY_DESCRIPTOR>(security.Attributes()->lpSecurityDescriptor);
  EXPECT_EQ(security.Attributes()->bInheritHandle, FALSE);
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ASSERT_NE(::GetSecurityDescriptorControl(descriptor, &control, &revision), 0);
  EXPECT_NE(control & SE_DACL_PROTECTED, 0);
  PSID owner = nullptr;
  BOOL defaulted = TRUE;
  ASSERT_NE(::GetSecurityDescriptorOwner(descriptor, &owner, &defaulted), 0);
  char* ownerText = nullptr;
  ::ConvertSidToStringSidA(owner, &ownerText);
  EXPECT_EQ(std::string(ownerText == nullptr ? "" : ownerText), CurrentUserSidText());
  ::LocalFree(ownerText);
  BOOL present = FALSE;
  PACL acl = nullptr;
  ASSERT_NE(::GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted), 0);
  ASSERT_TRUE(present);
  ASSERT_NE(acl, nullptr);
  ASSERT_EQ(acl->AceCount, 1);
  void* ace = nullptr;
  ASSERT_NE(::GetAce(acl, 0, &ace), 0);
  ASSERT_EQ(static_cast<ACE_HEADER*>(ace)->AceType, ACCESS_ALLOWED_ACE_TYPE);
  auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
  EXPECT_EQ(allowed->Mask, static_cast<ACCESS_MASK>(GENERIC_ALL));
  char* sid = nullptr;
  ::ConvertSidToStringSidA(&allowed->SidStart, &sid);
  EXPECT_EQ(std::string(sid == nullptr ? "" : sid), CurrentUserSidText());
  ::LocalFree(sid);
}

TEST(WindowsFiles, NewFilesAreOpenToTheUserAlone) {
  testing::ScratchDirectory scratch;
  const std::string expected = "protected allow " + CurrentUserSidText();
  if (!KeepsAccessLists(scratch.path(), expected)) {
    GTEST_SKIP() << "this file system keeps no Windows access lists (" << AccessList(scratch.path())
                 << ")";
  }
  const std::string created = scratch / "created";
  const std::string appended = scratch / "appended";
  ASSERT_TRUE(CreateNewFile(created));
  ASSERT_TRUE(AppendToOwnFile(appended, "line\r\n"));
  EXPECT_EQ(AccessList(created), expected);
  EXPECT_EQ(AccessList(appended), expected);
  EXPECT_EQ(testing::ReadAll(appended), "line\r\n");
  ASSERT_TRUE(AppendToOwnFile(appended, "more\r\n"));
  EXPECT_EQ(testing::ReadAll(appended), "line\r\nmore\r\n");
}

enum class Standing { kNothing, kOwnFile, kOwnReadOnlyFile, kDirectory };

struct CreateRow {
  const char* name;
  Standing standing;
  bool created;
};

class WindowsCreateNewFile : public ::testing::TestWithParam<CreateRow> {};

TEST_P(WindowsCreateNewFile, ReplacesOnlyTheUsersOwnLeftoverFile) {
  testing::ScratchDirectory scratch;
  const std::string path = scratch / "$_Temp_$.$$$";
  switch (GetParam().standing) {
    case Standing::kOwnFile:
      testing::WriteFile(path, "left behind");
      break;
    case Standing::kOwnReadOnlyFile:
      testing::WriteFile(path, "left behind");
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
      break;
    case Standing::kDirectory:
      fs::create_directory(path);
      break;
    case Standing::kNothing:
      break;
  }
  EXPECT_EQ(CreateNewFile(path), GetParam().created);
  if (GetParam().created) {
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(testing::ReadAll(path), "");
  }
  if (GetParam().standing == Standing::kDirectory) {
    EXPECT_TRUE(DirectoryExists(path));
  }
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(
    Standings, WindowsCreateNewFile,
    ::testing::Values(CreateRow{"Nothing", Standing::kNothing, true},
                      CreateRow{"OwnFile", Standing::kOwnFile, true},
                      // A read-only file cannot be deleted: it stays, and counts as refusal.
                      CreateRow{"OwnReadOnlyFile", Standing::kOwnReadOnlyFile, false},
                      CreateRow{"Directory", Standing::kDirectory, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsFiles, SymbolicLinksAreNeitherFollowedNorReplaced) {
  testing::ScratchDirectory scratch;
  const std::string target = scratch / "precious";
  const std::string link = scratch / "$_Temp_$.$$$";
  testing::WriteFile(target, "precious");
  if (::CreateSymbolicLinkA(link.c_str(), target.c_str(), 0) == 0) {
    ::CreateSymbolicLinkA(link.c_str(), target.c_str(),
                          SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
  }
  // Wine 8 answers success without making the link.
  const DWORD attributes = ::GetFileAttributesA(link.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    GTEST_SKIP() << "this system makes no symbolic link for the test";
  }
  EXPECT_FALSE(CreateNewFile(link));
  EXPECT_FALSE(AppendToOwnFile(link, "secret"));
  EXPECT_EQ(testing::ReadAll(target), "precious");
  EXPECT_TRUE(DeleteFileNoFollow(link));
  EXPECT_EQ(testing::ReadAll(target), "precious");
}

// --- The registry: HKEY_CLASSES_ROOT's default values, read as strings and left unchanged.

struct RegistryRow {
  const char* name;
  DWORD type;  // REG_NONE: the key has no default value
  std::string data;
  std::optional<std::string> expected;
};

void PrintTo(const RegistryRow& row, std::ostream* out) {
  *out << row.name;
}

class WindowsRegistry : public ::testing::TestWithParam<RegistryRow> {
 protected:
  std::string key_ = std::string("SolvanexTest.") + GetParam().name;
  void TearDown() override {
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, (key_ + "\\Sub").c_str());
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, key_.c_str());
  }
};

TEST_P(WindowsRegistry, ReadsTheDefaultValueUnchanged) {
  const RegistryRow& row = GetParam();
  if (row.expected) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, (key_ + "\\Sub").c_str(), 0, nullptr, 0,
                                KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (row.type != REG_NONE) {
      ASSERT_EQ(::RegSetValueExA(key, nullptr, 0, row.type,
                                 reinterpret_cast<const BYTE*>(row.data.data()),
                                 static_cast<DWORD>(row.data.size())),
                ERROR_SUCCESS);
    }
    ::RegCloseKey(key);
  }
  EXPECT_EQ(ReadClassesRootDefaultValue(key_ + "\\Sub"), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WindowsRegistry,
    ::testing::Values(RegistryRow{"String", REG_SZ, std::string("C:\\dir\\hhctrl.ocx\0", 18),
                                  "C:\\dir\\hhctrl.ocx"},
                      RegistryRow{"Unterminated", REG_SZ, "C:\\a.ocx", "C:\\a.ocx"},
                      RegistryRow{"Expandable", REG_EXPAND_SZ,
                                  std::string("%SystemRoot%\\x.ocx\0", 19), "%SystemRoot%\\x.ocx"},
                      RegistryRow{"Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4), ""},
                      RegistryRow{"NoDefaultValue", REG_NONE, "", ""},
                      RegistryRow{"MissingKey", REG_NONE, "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Facts about the machine.

TEST(WindowsSystemInfo, ProgramSystemAndTemporaryDirectoriesInWindowsForm) {
  const std::string program = ModuleFileName();
  EXPECT_TRUE(IsAbsolutePath(program)) << program;
  EXPECT_EQ(ExtractFileName(program), "solvanex_platform_tests.exe");
  EXPECT_TRUE(FileExists(program));
  for (const std::string& directory : {SystemDirectory(), TempPath()}) {
    EXPECT_TRUE(IsAbsolutePath(directory)) << directory;
    EXPECT_EQ(directory, RemoveTrailingSeparators(directory));
    EXPECT_EQ(directory.find('/'), std::string::npos) << directory;
    EXPECT_TRUE(DirectoryExists(directory)) << directory;
  }
  EXPECT_TRUE(FileExists(JoinPath(SystemDirectory(), "kernel32.dll")));
}

TEST(WindowsSystemInfo, VersionIsTheSystemsOwnThanksToTheManifest) {
  const OSVERSIONINFOW kernel = KernelVersion();
  ASSERT_NE(kernel.dwMajorVersion, 0u);
  const PlatformVersion version = GetPlatformVersion();
  EXPECT_EQ(version.name, "Windows NT");
  EXPECT_EQ(version.major, kernel.dwMajorVersion);
  EXPECT_EQ(version.minor, kernel.dwMinorVersion);
  EXPECT_EQ(version.build, kernel.dwBuildNumber);
}

TEST(WindowsSystemInfo, LocaleIdentifierIsTheUsersLanguage) {
  char language[16] = {};
  ASSERT_GT(::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ILANGUAGE, language, sizeof language), 0);
  EXPECT_EQ(UserDefaultLcid() & 0xFFFF, std::stoul(language, nullptr, 16));
}

// Wine takes the machine's memory from Linux: /proc/meminfo, seen here through drive Z:.
TEST(WindowsMemoryStatus, TotalIsTheMachinesAndLoadAShare) {
  const std::string meminfo = testing::ReadAll("Z:\\proc\\meminfo");
  if (meminfo.empty()) GTEST_SKIP() << "not under Wine: no /proc/meminfo to compare with";
  const MemoryStatus status = GlobalMemoryStatus();
  const MemoryStatus linux = MemoryStatusFromMeminfo(meminfo);
  ASSERT_GT(linux.totalPhysical, 0u);
  // Counted in whole pages on the Windows side, which may leave out the last one.
  EXPECT_LE(status.totalPhysical, linux.totalPhysical);
  EXPECT_LE(linux.totalPhysical - status.totalPhysical, 4096u);
  EXPECT_LE(status.memoryLoad, 100u);
}

}  // namespace
}  // namespace solvanex::platform
