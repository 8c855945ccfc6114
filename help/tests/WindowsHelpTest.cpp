// The help access on Windows, run under Windows or Wine against the system's own HTML Help
// control: found through the registry, loaded and called, its version read and named, and the
// diagnostics file written with the system's facts in Windows form. Expected values come from
// other system calls and from the files themselves, never from numbers written here.
#include <gtest/gtest.h>
#include <windows.h>

#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <sstream>
#include <vector>

#include "HelpTestSupport.h"
#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "WindowsKernelVersion.h"
#include "help/FileVersions.h"
#include "help/ProductNames.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "platform/FileVersion.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/SystemInfo.h"

namespace solvanex::help {
namespace {

namespace fs = std::filesystem;
using ::solvanex::testing::KernelVersion;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The system directory as the system itself gives it.
std::string SystemDirectoryOfTheSystem() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryA(buffer, sizeof buffer);
  return std::string(buffer, length);
}

// The version in the file's bytes, read by the portable PE reader rather than by the system.
FileVersionInfo VersionInTheFile(const std::string& path) {
  const std::optional<platform::FixedFileVersion> fixed =
      platform::PeFileVersion(testing::ReadAll(path));
  if (!fixed) return {};
  FileVersionInfo version{static_cast<std::uint16_t>(fixed->fileVersionMS >> 16),
                          static_cast<std::uint16_t>(fixed->fileVersionMS & 0xFFFF),
                          static_cast<std::uint16_t>(fixed->fileVersionLS >> 16),
                          static_cast<std::uint16_t>(fixed->fileVersionLS & 0xFFFF),
                          {}};
  std::ostringstream text;
  text << version.major << '.' << version.minor << '.' << version.release << '.' << version.build;
  version.text = text.str();
  return version;
}

// The name a table gives, found by comparing versions as single 64-bit numbers.
std::string NameByNumber(std::span<const ProductNameRow> table, const FileVersionInfo& v) {
  const auto number = [](std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d) {
    return a << 48 | b << 32 | c << 16 | d;
  };
  const std::uint64_t value = number(v.major, v.minor, v.release, v.build);
  for (const ProductNameRow& row : table) {
    const std::uint64_t threshold = number(row.major, row.minor, row.release, row.build);
    if (row.reach == Reach::kAny || (row.reach == Reach::kAbove && value > threshold) ||
        (row.reach == Reach::kExactly && value == threshold) ||
        (row.reach == Reach::kAtLeast && value >= threshold)) {
      return row.name;
    }
  }
  return {};
}

TEST(WindowsHelpControl, IsFoundThroughTheRegistryInTheSystemDirectory) {
  const std::string path = LocateHelpLibrary();
  EXPECT_EQ(Lower(path), Lower(SystemDirectoryOfTheSystem() + "\\hhctrl.ocx"));
  EXPECT_TRUE(platform::FileExists(path));
}

TEST(WindowsHelpControl, LoadsAndClosesAllHelpWindowsThroughHtmlHelpA) {
  LoadHelpLibrary();
  ASSERT_NE(HelpLibraryHandle, nullptr);
  EXPECT_NE(HtmlHelpA, nullptr);
  EXPECT_NE(HtmlHelpW, nullptr);
  EXPECT_EQ(HtmlHelp, HtmlHelpA);
  EXPECT_EQ(reinterpret_cast<void*>(HtmlHelpA),
            reinterpret_cast<void*>(
                ::GetProcAddress(static_cast<HMODULE>(HelpLibraryHandle), "HtmlHelpA")));
  // No help window is open: closing them all returns without one.
  EXPECT_EQ(CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
  UnloadHelpLibrary();
  EXPECT_EQ(HelpLibraryHandle, nullptr);
  EXPECT_FALSE(HtmlHelpAvailable());
}

TEST(WindowsHelpControl, VersionIsTheFilesAndNamedByTable1) {
  const std::string path = LocateHelpLibrary();
  const FileVersionInfo inFile = VersionInTheFile(path);
  ASSERT_FALSE(inFile.text.empty()) << path;
  const FileVersionInfo read = ReadFileVersion(path);
  EXPECT_EQ(read, inFile);
  EXPECT_EQ(ProductName(kHelpControlNames, read), NameByNumber(kHelpControlNames, inFile));
}

std::vector<std::string> FileLines(const std::string& path) {
  const std::string text = testing::ReadAll(path);
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back("unterminated: " + text.substr(at));
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::string LocaleInfo(LCTYPE type) {
  char text[64] = {};
  const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text);
  return length > 0 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

std::string Hex4(unsigned long value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04lX", value);
  return text;
}

// The system's own environment, the program moved into a scratch directory in Windows form.
TEST(WindowsDiagnostics, WriteTheTwentyTwoLinesWithTheSystemsFacts) {
  testing::ScratchDirectory scratch;
  const std::string program = platform::JoinPath(scratch.path(), "solvanex.exe");
  DiagnosticsEnvironment environment = SystemDiagnosticsEnvironment(0, nullptr);
  environment.moduleFileName = program;
  environment.arguments = {program, "-DEBUG", "fichier.txt"};
  HelpDiagnostics diagnostics(environment);
  diagnostics.Start();
  const std::string file = scratch / "HHDebug.txt";
  const std::vector<std::string> lines = FileLines(file);
  ASSERT_EQ(lines.size(), 22u) << testing::ReadAll(file);

  const OSVERSIONINFOW kernel = KernelVersion();
  const unsigned long language = std::stoul(LocaleInfo(LOCALE_ILANGUAGE), nullptr, 16);
  const std::string hhctrl = SystemDirectoryOfTheSystem() + "\\hhctrl.ocx";
  const FileVersionInfo help = VersionInTheFile(hhctrl);
  const FileVersionInfo browser =
      CorrectBrowserVersion(VersionInTheFile(SystemDirectoryOfTheSystem() + "\\shdocvw.dll"));
  const std::string rule(79, '-');
  const std::vector<std::string> expected = {
      "Filename:             \t" + scratch.path() + "\\HHDebug.txt",
      lines[1],  // the date and time: checked below
      "Operating System:      \tWindows NT " + std::to_string(kernel.dwMajorVersion) + "." +
          std::to_string(kernel.dwMinorVersion) + "." + std::to_string(kernel.dwBuildNumber),
      "SysLocale.DefaultLCID: \t" + Hex4(::GetUserDefaultLCID()),
      "SysLocale.PriLangID:   \t" + Hex4(language & 0x3FF),
      "SysLocale.SubLangID:   \t" + Hex4(language >> 10),
      "DecimalSeparator:      \t" + LocaleInfo(LOCALE_SDECIMAL),
      rule,
      "EXE Path =          \t" + program,
      "Cmdline Param(s) =  \t-DEBUG | fichier.txt",
      "_RunDir =           \t" + scratch.path(),
      "_ModuleName =       \tsolvanex.exe",
      "_ModuleDir =        \t" + scratch.path(),
      rule,
      "_hhInstalled =      \t" + std::string(help.text.empty() ? "NO" : "YES"),
      "_hhVerStr =         \t" + help.text,
      "_hhFriendlyVerStr = \t" + NameByNumber(kHelpControlNames, help),
      rule,
      "_ieInstalled =      \t" + std::string(browser.text.empty() ? "NO" : "YES"),
      "_ieVerStr =         \t" + browser.text,
      "_ieFriendlyVerStr = \t" + NameByNumber(kBrowserNames, browser),
      std::string(79, '=')};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(help.text.empty(), false) << "the system has no HTML Help control";

  // The date line holds today's date in the short date format of the user's settings.
  char today[80] = {};
  ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, sizeof today);
  EXPECT_EQ(lines[1].rfind("Date:                 \t" + std::string(today) + " ", 0), 0u)
      << lines[1];
}

// The real program's location, and the write test's file created and deleted beside it.
TEST(WindowsDiagnostics, RunFromTheProgramsOwnDirectory) {
  const std::string module = platform::ModuleFileName();
  HelpDiagnostics diagnostics(SystemDiagnosticsEnvironment(0, nullptr));
  diagnostics.Start();
  const DiagnosticsState& state = diagnostics.State();
  EXPECT_EQ(state._ModuleName, "solvanex_help_tests.exe");
  EXPECT_EQ(state._ModuleDir + "\\" + state._ModuleName, module);
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(state._ModuleDir[0])) &&
              state._ModuleDir.substr(1, 2) == ":\\")
      << state._ModuleDir;
  EXPECT_EQ(state._DebugDir, state._ModuleDir);
  EXPECT_FALSE(platform::FileExists(platform::JoinPath(state._ModuleDir, kWriteTestFileName)));
  EXPECT_FALSE(state._DebugMode);
  EXPECT_FALSE(platform::FileExists(diagnostics.DebugFilePath()));
}

enum class AtTheWriteTestName { kNothing, kOwnFile, kDirectory, kNoProgramDirectory };

struct WriteTestRow {
  const char* name;
  AtTheWriteTestName standing;
  bool programDirectory;  // the diagnostics go to the program directory, else the temporary one
};

class WindowsWriteTest : public ::testing::TestWithParam<WriteTestRow> {};

TEST_P(WindowsWriteTest, ChoosesTheDirectoryOfTheDiagnostics) {
  testing::ScratchDirectory scratch;
  std::string programDir = scratch.path();
  const std::string writeTest = platform::JoinPath(programDir, kWriteTestFileName);
  switch (GetParam().standing) {
    case AtTheWriteTestName::kOwnFile:
      testing::WriteFile(writeTest, "left behind");
      break;
    case AtTheWriteTestName::kDirectory:
      fs::create_directory(writeTest);
      break;
    case AtTheWriteTestName::kNoProgramDirectory:
      programDir = platform::JoinPath(programDir, "missing");
      break;
    case AtTheWriteTestName::kNothing:
      break;
  }
  DiagnosticsEnvironment environment = SystemDiagnosticsEnvironment(0, nullptr);
  environment.moduleFileName = platform::JoinPath(programDir, "solvanex.exe");
  environment.arguments = {environment.moduleFileName, "/debug"};
  HelpDiagnostics diagnostics(environment);
  diagnostics.Start();

  // The temporary directory is GetTempPathA's, without its trailing backslash.
  char temp[MAX_PATH + 1] = {};
  const std::string systemTemp(temp, ::GetTempPathA(sizeof temp, temp));
  const std::string expected =
      GetParam().programDirectory ? programDir : platform::RemoveTrailingSeparators(systemTemp);
  EXPECT_EQ(diagnostics.State()._DebugDir, expected);
  EXPECT_TRUE(platform::FileExists(platform::JoinPath(expected, "HHDebug.txt")));
  EXPECT_EQ(fs::is_directory(writeTest), GetParam().standing == AtTheWriteTestName::kDirectory);
  if (GetParam().standing != AtTheWriteTestName::kDirectory) {
    EXPECT_FALSE(fs::exists(writeTest));
  }
  platform::DeleteFileNoFollow(platform::JoinPath(expected, "HHDebug.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Standings, WindowsWriteTest,
    ::testing::Values(WriteTestRow{"Nothing", AtTheWriteTestName::kNothing, true},
                      WriteTestRow{"OwnLeftover", AtTheWriteTestName::kOwnFile, true},
                      WriteTestRow{"Directory", AtTheWriteTestName::kDirectory, false},
                      WriteTestRow{"MissingProgramDirectory",
                                   AtTheWriteTestName::kNoProgramDirectory, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvanex::help
