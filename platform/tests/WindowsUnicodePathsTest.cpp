// The Win32 side of the platform layer with names that no ANSI code page holds (Greek and
// Japanese at once), and the loader's refusal of a library planted in the current directory.
// Run under Windows or Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "TestCopyRun.h"
#include "platform/DynamicLibrary.h"
#include "platform/FileTrust.h"
#include "platform/FileVersion.h"
#include "platform/Files.h"
#include "platform/NarrowText.h"
#include "platform/Paths.h"
#include "platform/SystemInfo.h"
#include "platform/WideText.h"

namespace solvanex::platform {
namespace {

namespace fs = std::filesystem;

constexpr char kFolderName[] = "Φάκελος-フォルダ";

std::wstring Wide(const std::string& text) {
  const std::optional<std::wstring> wide = Utf8ToWide(text);
  EXPECT_TRUE(wide.has_value()) << text;
  return wide.value_or(L"");
}

// The folder kFolderName made inside scratch with the wide call; its path in UTF-8.
std::string MakeUnicodeFolder(const testing::ScratchDirectory& scratch) {
  const std::string folder = scratch / kFolderName;
  EXPECT_NE(::CreateDirectoryW(Wide(folder).c_str(), nullptr), 0);
  return folder;
}

std::string ReadWide(const std::string& path) {
  const HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(4096, '\0');
  DWORD count = 0;
  ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr);
  ::CloseHandle(file);
  bytes.resize(count);
  return bytes;
}

std::string EnvironmentVariable(const wchar_t* name) {
  wchar_t value[1024] = {};
  const DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
  return length == 0 || length >= 1024 ? std::string() : WideToUtf8(value);
}

TEST(WideText, RoundTripsAndRefusesWhatNoPathMayHold) {
  EXPECT_EQ(Utf8ToWide(kFolderName), std::wstring(L"Φάκελος-フォルダ"));
  EXPECT_EQ(WideToUtf8(L"Φάκελος-フォルダ"), kFolderName);
  EXPECT_EQ(Utf8ToWide(""), std::wstring());
  EXPECT_EQ(Utf8ToWide("\xC3\x28"), std::nullopt);      // a broken sequence
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), std::nullopt);  // an encoded surrogate
  EXPECT_EQ(WidePath(""), std::nullopt);
  EXPECT_EQ(WidePath(std::string("a\0b", 3)), std::nullopt);
  EXPECT_EQ(WidePath("C:\\caf\xC3\xA9"), std::wstring(L"C:\\caf\u00E9"));
}

// The ANSI code page's form, which HtmlHelpA takes: a character it lacks makes the whole text
// unusable rather than a look-alike.
TEST(WideText, NarrowSystemTextInTheWesternCodePage) {
  if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP() << ", not 1252";
  EXPECT_EQ(ToNarrowSystemText("C:\\Programmes\\Solvanex"), "C:\\Programmes\\Solvanex");
  EXPECT_EQ(ToNarrowSystemText("C:\\Donn\xC3\xA9"
                               "es \xE2\x80\x94 \xE2\x82\xAC"),
            "C:\\Donn\xE9"
            "es \x97 \x80");
  EXPECT_EQ(ToNarrowSystemText(std::string("C:\\") + kFolderName), std::nullopt);
  EXPECT_EQ(ToNarrowSystemText("\xE2\x87\x84"), std::nullopt);  // U+21C4, no best fit
  EXPECT_EQ(ToNarrowSystemText("\xC3\x28"), std::nullopt);
}

// --- Paths for the single-byte calls (HtmlHelpA): the path itself where the ANSI code page
// holds it, else its short form, which must be plain ASCII and name the same file.

enum class NarrowForm { kAsItIs, kShortAscii, kNone };

struct NarrowPathRow {
  const char* name;
  const char* folder;  // made, with every folder on its way, in a scratch directory
  const char* file;    // in that folder: written when `exists`
  bool exists;
  NarrowForm form;
  bool shortFormLonger = false;  // the short form has more characters than the path
};

void PrintTo(const NarrowPathRow& row, std::ostream* out) {
  *out << row.name;
}

class NarrowSystemPath : public ::testing::TestWithParam<NarrowPathRow> {};

TEST_P(NarrowSystemPath, NamesTheSameFileInASingleByteForm) {
  const NarrowPathRow& row = GetParam();
  if (row.form == NarrowForm::kAsItIs && ::GetACP() != 1252) {
    GTEST_SKIP() << "ANSI code page " << ::GetACP() << ", not 1252";
  }
  testing::ScratchDirectory scratch;
  std::string folder = scratch.path();
  for (std::string_view rest = row.folder; !rest.empty();) {
    const std::size_t end = std::min(rest.find('\\'), rest.size());
    folder = JoinPath(folder, rest.substr(0, end));
    ASSERT_NE(::CreateDirectoryW(Wide(folder).c_str(), nullptr), 0) << folder;
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  const std::string path = JoinPath(folder, row.file);
  const std::string contents = std::string("contenu de ") + row.name;
  if (row.exists) {
    const HANDLE file =
        ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    ::CloseHandle(file);
  }

  const std::optional<std::string> narrow = ToNarrowSystemPath(path);
  switch (row.form) {
    case NarrowForm::kNone:
      EXPECT_EQ(narrow, std::nullopt);
      return;
    case NarrowForm::kAsItIs:
      EXPECT_EQ(narrow, ToNarrowSystemText(path));
      break;
    case NarrowForm::kShortAscii:
      ASSERT_TRUE(narrow.has_value());
      EXPECT_NE(*narrow, path);
      EXPECT_EQ(narrow->size() > Wide(path).size(), row.shortFormLonger) << *narrow;
      for (const char c : *narrow) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << *narrow;
      // Its long form is the path it stands for.
      wchar_t longPath[MAX_PATH + 1] = {};
      const DWORD length = ::GetLongPathNameW(Wide(*narrow).c_str(), longPath, MAX_PATH + 1);
      EXPECT_EQ(WideToUtf8(std::wstring_view(longPath, length)), path);
      break;
  }
  // The single-byte call opens the file itself.
  ASSERT_TRUE(narrow.has_value());
  const HANDLE file = ::CreateFileA(narrow->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << *narrow;
  std::string bytes(256, '\0');
  DWORD count = 0;
  ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr);
  ::CloseHandle(file);
  EXPECT_EQ(bytes.substr(0, count), contents);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, NarrowSystemPath,
    ::testing::Values(NarrowPathRow{"WesternFolder",
                                    "Donn\xC3\xA9"
                                    "es",
                                    "Solvanex.chm", true, NarrowForm::kAsItIs},
                      NarrowPathRow{"GreekAndJapaneseFolder", kFolderName, "Solvanex.chm", true,
                                    NarrowForm::kShortAscii},
                      NarrowPathRow{"GreekFile", "Aide",
                                    "\xCE\x92\xCE\xBF\xCE\xAE\xCE\xB8\xCE\xB5\xCE\xB9"
                                    "\xCE\xB1.chm",
                                    true, NarrowForm::kShortAscii},
                      NarrowPathRow{"ShortFormLongerThanThePath",
                                    "\xCE\xA6\\\xCE\xA6\\\xCE\xA6\\\xCE\xA6\\\xCE\xA6", "a.bcde",
                                    true, NarrowForm::kShortAscii, true},
                      NarrowPathRow{"MissingFileInGreekFolder", kFolderName, "Solvanex.chm", false,
                                    NarrowForm::kNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsUnicodePaths, FilesInTheFolderKeepTheirNames) {
  testing::ScratchDirectory scratch;
  const std::string folder = MakeUnicodeFolder(scratch);
  EXPECT_TRUE(DirectoryExists(folder));
  EXPECT_FALSE(FileExists(folder));

  const std::string probe = JoinPath(folder, "$_Temp_$.$$$");
  ASSERT_TRUE(CreateNewFile(probe));
  EXPECT_NE(::GetFileAttributesW(Wide(probe).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(FileExists(probe));
  EXPECT_EQ(CheckFileTrust(probe), FileTrust::kTrusted);
  EXPECT_TRUE(DeleteFileNoFollow(probe));
  EXPECT_EQ(::GetFileAttributesW(Wide(probe).c_str()), INVALID_FILE_ATTRIBUTES);

  const std::string debugFile = JoinPath(folder, "HHDebug.txt");
  ASSERT_TRUE(AppendToOwnFile(debugFile, "Φ\r\n"));
  ASSERT_TRUE(AppendToOwnFile(debugFile, "フ\r\n"));
  EXPECT_EQ(ReadWide(debugFile), "Φ\r\nフ\r\n");
}

TEST(WindowsUnicodePaths, LibrariesAndVersionsAreReadFromTheFolder) {
  testing::ScratchDirectory scratch;
  const std::string folder = MakeUnicodeFolder(scratch);
  const std::string module = JoinPath(folder, "module.dll");
  ASSERT_NE(::CopyFileW(Wide(testing::NativePath(SOLVANEX_TEST_MODULE)).c_str(),
                        Wide(module).c_str(), TRUE),
            0);
  const ModuleHandle handle = LoadLibraryA(module);
  ASSERT_NE(handle, nullptr);
  using Answer = int (*)();
  const auto answer = reinterpret_cast<Answer>(GetProcAddress(handle, "TestModuleAnswer"));
  ASSERT_NE(answer, nullptr);
  FreeLibrary(handle);

  const std::string kernel = JoinPath(SystemDirectory(), "kernel32.dll");
  const std::string copy = JoinPath(folder, "kernel32-copy.dll");
  ASSERT_NE(::CopyFileW(Wide(kernel).c_str(), Wide(copy).c_str(), TRUE), 0);
  const std::optional<FixedFileVersion> original = ReadFixedFileVersion(kernel);
  const std::optional<FixedFileVersion> copied = ReadFixedFileVersion(copy);
  ASSERT_TRUE(original.has_value());
  EXPECT_EQ(copied, original);
}

// The temporary directory named by TMP, which GetTempPathA would have given with '?' in place
// of each character and so as missing.
TEST(WindowsUnicodePaths, TemporaryDirectoryKeepsItsName) {
  testing::ScratchDirectory scratch;
  const std::string folder = MakeUnicodeFolder(scratch);
  const std::string previous = EnvironmentVariable(L"TMP");
  ASSERT_NE(::SetEnvironmentVariableW(L"TMP", Wide(folder + "\\").c_str()), 0);
  const std::string temp = TempPath();
  ::SetEnvironmentVariableW(L"TMP", previous.empty() ? nullptr : Wide(previous).c_str());
  EXPECT_EQ(temp, folder);
  EXPECT_TRUE(DirectoryExists(temp));
}

// The program's own path and arguments, as seen by a copy of this test program started from
// the folder by the next test; skipped in any other run.
TEST(WindowsUnicodePaths, ProgramCopyInTheFolderSeesItsPath) {
  const std::string expected = EnvironmentVariable(L"SOLVANEX_EXPECTED_PROGRAM");
  if (expected.empty()) GTEST_SKIP() << "run by a copy of this program that the next test starts";
  EXPECT_EQ(ModuleFileName(), expected);
  const std::vector<std::string> arguments = CommandLineArguments(__argc, __argv);
  ASSERT_EQ(arguments.size(), 3u);
  EXPECT_EQ(arguments[0], expected);
  EXPECT_EQ(arguments[2], kFolderName);
}

TEST(WindowsUnicodePaths, ProgramStartedFromTheFolder) {
  if (!EnvironmentVariable(L"SOLVANEX_EXPECTED_PROGRAM").empty()) GTEST_SKIP() << "the copy";
  testing::ScratchDirectory scratch;
  const std::string folder = MakeUnicodeFolder(scratch);
  const std::string program = JoinPath(folder, "platform-tests-copy.exe");
  ASSERT_NE(::CopyFileW(Wide(ModuleFileName()).c_str(), Wide(program).c_str(), TRUE), 0);
  const std::optional<unsigned long> exitCode = testing::RunTestCopy(
      program, L"--gtest_filter=WindowsUnicodePaths.ProgramCopyInTheFolderSeesItsPath \"" +
                   Wide(kFolderName) + L"\"");
  ASSERT_TRUE(exitCode.has_value()) << "the copy did not start or did not end";
  EXPECT_EQ(*exitCode, 0u) << "the copy's test failed: see its output above";
}

// --- A library planted in the current directory under the help control's name is never
// loaded, whatever relative form names it; the control itself comes from its full path.

struct PlantedRow {
  const char* name;
  std::string path;  // "%" stands for the current directory's drive letter
};

void PrintTo(const PlantedRow& row, std::ostream* out) {
  *out << row.name;
}

class CurrentDirectoryWithPlantedControl : public ::testing::Test {
 protected:
  void SetUp() override {
    current_ = scratch_ / "current";
    fs::create_directory(current_);
    planted_ = JoinPath(current_, "hhctrl.ocx");
    fs::copy_file(testing::NativePath(SOLVANEX_TEST_MODULE), planted_);
    previous_ = fs::current_path();
    fs::current_path(current_);
  }
  void TearDown() override { fs::current_path(previous_); }

  bool PlantedIsLoaded() const { return ::GetModuleHandleW(Wide(planted_).c_str()) != nullptr; }

  testing::ScratchDirectory scratch_;
  std::string current_;
  std::string planted_;
  fs::path previous_;
};

class PlantedLibrary : public CurrentDirectoryWithPlantedControl,
                       public ::testing::WithParamInterface<PlantedRow> {};

TEST_P(PlantedLibrary, IsNeverLoaded) {
  std::string path = GetParam().path;
  if (!path.empty() && path[0] == '%') path[0] = current_[0];
  const ModuleHandle module = LoadLibraryA(path);
  EXPECT_EQ(module, nullptr);
  EXPECT_FALSE(PlantedIsLoaded());
  FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Names, PlantedLibrary,
                         ::testing::Values(PlantedRow{"Bare", "hhctrl.ocx"},
                                           PlantedRow{"DotRelative", ".\\hhctrl.ocx"},
                                           PlantedRow{"SlashRelative", "./hhctrl.ocx"},
                                           PlantedRow{"DriveRelative", "%:hhctrl.ocx"},
                                           PlantedRow{"RootRelative", "\\hhctrl.ocx"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CurrentDirectoryWithPlantedControl, TheSystemControlComesFromItsFullPath) {
  const std::string system = JoinPath(SystemDirectory(), "hhctrl.ocx");
  if (!FileExists(system)) GTEST_SKIP() << "no HTML Help control on this system";
  const ModuleHandle module = LoadLibraryA(system);
  ASSERT_NE(module, nullptr);
  EXPECT_FALSE(PlantedIsLoaded());
  EXPECT_EQ(GetProcAddress(module, "TestModuleAnswer"), nullptr);
  EXPECT_NE(GetProcAddress(module, "HtmlHelpA"), nullptr);
  wchar_t loaded[MAX_PATH + 1] = {};
  const DWORD length = ::GetModuleFileNameW(static_cast<HMODULE>(module), loaded, MAX_PATH + 1);
  EXPECT_EQ(
      ::CompareStringOrdinal(loaded, static_cast<int>(length), Wide(system).c_str(), -1, TRUE),
      CSTR_EQUAL);
  FreeLibrary(module);
}

}  // namespace
}  // namespace solvanex::platform
