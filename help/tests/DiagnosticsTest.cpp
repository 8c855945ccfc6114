#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "HelpTestSupport.h"
#include "ImageBuilders.h"
#include "calculator/tests/ParamName.h"
#include "help/hh_funcs.h"

namespace solvanex::help {
namespace {

namespace fs = std::filesystem;

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST(Diagnostics, WritesTheWholeFileInTheProgramDirectory) {
  testing::HelpScene scene;
  scene.Register(SOLVANEX_TEST_HELP_MODULE);
  scene.InstallBrowser(4, 70, 0, 1155);
  const std::string& dir = scene.programDir;
  HelpDiagnostics diagnostics(scene.Environment({"/DEBUG", "fichier.txt"}));
  diagnostics.Start();

  const std::string rule(79, '-');
  EXPECT_EQ(testing::ReadAll(dir + "/HHDebug.txt"),
            Lines({"Filename:             \t" + dir + "/HHDebug.txt",
                   "Date:                 \t08/12/2025 14:03:07",
                   "Operating System:      \tLinux 6.1.0",
                   "SysLocale.DefaultLCID: \t0x040C",
                   "SysLocale.PriLangID:   \t0x000C",
                   "SysLocale.SubLangID:   \t0x0001",
                   "DecimalSeparator:      \t,",
                   rule,
                   "EXE Path =          \t" + dir + "/solvanex",
                   "Cmdline Param(s) =  \t/DEBUG | fichier.txt",
                   "_RunDir =           \t" + dir,
                   "_ModuleName =       \tsolvanex",
                   "_ModuleDir =        \t" + dir,
                   rule,
                   "_hhInstalled =      \tYES",
                   "_hhVerStr =         \t4.74.9273.0",
                   "_hhFriendlyVerStr = \t1.33",
                   rule,
                   "_ieInstalled =      \tYES",
                   "_ieVerStr =         \t4.70.1155.0",
                   "_ieFriendlyVerStr = \tInternet Explorer 3.0",
                   std::string(79, '=')}));
}

// A registration that other users may change counts as no help control, and the file says why,
// in one more line after the help control's facts.
TEST(Diagnostics, SaysWhyARegistrationIsRefused) {
  testing::HelpScene scene;
  scene.Register(SOLVANEX_TEST_HELP_MODULE);
  fs::permissions(scene.registryFile, fs::perms::group_write, fs::perm_options::add);
  HelpDiagnostics diagnostics(scene.Environment({"-debug"}));
  diagnostics.Start();
  EXPECT_FALSE(diagnostics.State()._hhInstalled);
  const std::string text = testing::ReadAll(scene.programDir + "/HHDebug.txt");
  const std::string facts =
      Lines({"_hhInstalled =      \tNO", "_hhVerStr =         \t", "_hhFriendlyVerStr = \t",
             "_hhRefused =        \t" + scene.registryFile + " (writable by another user)",
             std::string(79, '-')});
  EXPECT_NE(text.find(facts), std::string::npos) << text;
}

// A program started from elsewhere, in a directory where nothing can be created, with neither
// component installed.
TEST(Diagnostics, WritesToTheTemporaryDirectoryWhenTheProgramDirectoryIsNotWritable) {
  testing::HelpScene scene;
  DiagnosticsEnvironment environment = scene.Environment();
  environment.moduleFileName = scene.root / "missing/solvanex";
  environment.arguments = {"./solvanex", "-debug"};
  environment.regional = testing::AmericanFixedMoment();
  environment.lcid = 0x0409;
  HelpDiagnostics diagnostics(environment);
  diagnostics.Start();

  const std::string rule(79, '-');
  const std::string missing = scene.root / "missing";
  EXPECT_EQ(testing::ReadAll(scene.tempDir + "/HHDebug.txt"),
            Lines({"Filename:             \t" + scene.tempDir + "/HHDebug.txt",
                   "Date:                 \t12/8/25 2:03:07 PM",
                   "Operating System:      \tLinux 6.1.0",
                   "SysLocale.DefaultLCID: \t0x0409",
                   "SysLocale.PriLangID:   \t0x0009",
                   "SysLocale.SubLangID:   \t0x0001",
                   "DecimalSeparator:      \t.",
                   rule,
                   "EXE Path =          \t./solvanex",
                   "Cmdline Param(s) =  \t-debug",
                   "_RunDir =           \t.",
                   "_ModuleName =       \tsolvanex",
                   "_ModuleDir =        \t" + missing,
                   rule,
                   "_hhInstalled =      \tNO",
                   "_hhVerStr =         \t",
                   "_hhFriendlyVerStr = \t",
                   rule,
                   "_ieInstalled =      \tNO",
                   "_ieVerStr =         \t",
                   "_ieFriendlyVerStr = \t",
                   std::string(79, '=')}));
}

TEST(Diagnostics, FallsBackToTheRootWhenTheTemporaryDirectoryIsMissingToo) {
  testing::HelpScene scene;
  DiagnosticsEnvironment environment = scene.Environment();
  environment.moduleFileName = scene.root / "missing/solvanex";
  environment.tempDirectory = scene.root / "no-temp";
  HelpDiagnostics diagnostics(environment);
  diagnostics.Start();
  EXPECT_EQ(diagnostics.State()._DebugDir, "");
  EXPECT_EQ(diagnostics.DebugFilePath(), "/HHDebug.txt");
}

// As in the switch tests: the row's number, then its arguments joined with blanks and the flag's
// name when it is set.
std::string ArgumentsName(std::size_t row, const std::vector<std::string>& arguments,
                          const char* flag, bool set) {
  std::string joined;
  for (const std::string& argument : arguments) joined += (joined.empty() ? "" : " ") + argument;
  if (joined.empty()) joined = "no arguments";
  if (set) joined = joined + " " + flag;
  return naming::RowName(row, joined);
}

struct LeftoverRow {
  std::vector<std::string> arguments;
  bool programDirWritable;
};

class OldDiagnosticsFile : public ::testing::TestWithParam<LeftoverRow> {};

TEST_P(OldDiagnosticsFile, IsRemovedAtEveryStart) {
  testing::HelpScene scene;
  DiagnosticsEnvironment environment = scene.Environment(GetParam().arguments);
  if (!GetParam().programDirWritable) {
    // A directory at the write test's name makes the program directory count as not writable.
    fs::create_directory(scene.programDir + "/$_Temp_$.$$$");
  }
  const std::string debugDir = GetParam().programDirWritable ? scene.programDir : scene.tempDir;
  testing::WriteFile(debugDir + "/HHDebug.txt", "old diagnostics\r\n");
  HelpDiagnostics diagnostics(environment);
  diagnostics.Start();
  ASSERT_EQ(diagnostics.State()._DebugDir, debugDir);
  const bool debugMode = !GetParam().arguments.empty();
  ASSERT_EQ(fs::exists(debugDir + "/HHDebug.txt"), debugMode);
  if (debugMode) {
    EXPECT_EQ(testing::ReadAll(debugDir + "/HHDebug.txt").find("old"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, OldDiagnosticsFile,
                         ::testing::Values(LeftoverRow{{}, true}, LeftoverRow{{"/debug"}, true},
                                           LeftoverRow{{}, false}, LeftoverRow{{"/debug"}, false}),
                         [](const auto& info) {
                           return ArgumentsName(info.index, info.param.arguments, "writable",
                                                info.param.programDirWritable);
                         });

// Watches a directory for the creation and removal of entries.
class DirectoryWatch {
 public:
  explicit DirectoryWatch(const std::string& directory) : fd_(::inotify_init1(IN_NONBLOCK)) {
    ::inotify_add_watch(fd_, directory.c_str(), IN_CREATE | IN_DELETE);
  }
  ~DirectoryWatch() { ::close(fd_); }
  // The events so far, as "+name" for a creation and "-name" for a removal.
  std::vector<std::string> Events() {
    std::vector<std::string> events;
    alignas(inotify_event) char buffer[4096];
    ssize_t length;
    while ((length = ::read(fd_, buffer, sizeof buffer)) > 0) {
      for (char* at = buffer; at < buffer + length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        events.push_back(((event->mask & IN_CREATE) ? "+" : "-") + std::string(event->name));
        at += sizeof(inotify_event) + event->len;
      }
    }
    return events;
  }

 private:
  int fd_;
};

TEST(WriteTest, CreatesAndDeletesItsFileInTheProgramDirectory) {
  testing::HelpScene scene;
  DirectoryWatch watch(scene.programDir);
  HelpDiagnostics diagnostics(scene.Environment());
  diagnostics.Start();
  EXPECT_EQ(watch.Events(), (std::vector<std::string>{"+$_Temp_$.$$$", "-$_Temp_$.$$$"}));
  EXPECT_EQ(diagnostics.State()._DebugDir, scene.programDir);
  EXPECT_TRUE(fs::is_empty(scene.programDir));
}

// What an earlier run may have left at the write test's name: a file of the user's own is
// cleared and the directory stays in use (the old diagnostics file beside the program is still
// removed at every start); anything else makes the directory count as not writable and stays.
struct LeftoverAtWriteTestRow {
  const char* name;
  std::function<void(const std::string& path)> plant;
  bool programDirUsed;
};

class LeftoverAtWriteTest : public ::testing::TestWithParam<LeftoverAtWriteTestRow> {};

TEST_P(LeftoverAtWriteTest, OnlyAnOwnRegularFileIsCleared) {
  testing::HelpScene scene;
  const std::string leftover = scene.programDir + "/$_Temp_$.$$$";
  GetParam().plant(leftover);
  testing::WriteFile(scene.programDir + "/HHDebug.txt", "old diagnostics\r\n");
  HelpDiagnostics diagnostics(scene.Environment());
  diagnostics.Start();
  EXPECT_EQ(diagnostics.State()._DebugDir,
            GetParam().programDirUsed ? scene.programDir : scene.tempDir);
  EXPECT_EQ(fs::exists(fs::symlink_status(leftover)), !GetParam().programDirUsed);
  EXPECT_EQ(fs::exists(scene.programDir + "/HHDebug.txt"), !GetParam().programDirUsed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LeftoverAtWriteTest,
    ::testing::Values(
        LeftoverAtWriteTestRow{"OwnFile", [](const std::string& p) { testing::WriteFile(p, "x"); },
                               true},
        LeftoverAtWriteTestRow{"OwnReadOnlyFile",
                               [](const std::string& p) {
                                 testing::WriteFile(p, "x");
                                 fs::permissions(p, fs::perms::owner_read);
                               },
                               true},
        LeftoverAtWriteTestRow{"Directory", [](const std::string& p) { fs::create_directory(p); },
                               false},
        LeftoverAtWriteTestRow{"DanglingLink",
                               [](const std::string& p) { fs::create_symlink(p + ".gone", p); },
                               false}),
    [](const ::testing::TestParamInfo<LeftoverAtWriteTestRow>& info) { return info.param.name; });

// Someone plants a link where the program writes: the link's target must stay untouched, and
// nothing may be written through it.
TEST(PlantedLinks, AtTheWriteTestNameAreNotFollowedNorRemoved) {
  testing::HelpScene scene;
  const std::string target = scene.root / "precious";
  testing::WriteFile(target, "precious");
  fs::create_symlink(target, scene.programDir + "/$_Temp_$.$$$");
  HelpDiagnostics diagnostics(scene.Environment({"/debug"}));
  diagnostics.Start();
  EXPECT_EQ(testing::ReadAll(target), "precious");
  EXPECT_TRUE(fs::is_symlink(scene.programDir + "/$_Temp_$.$$$"));
  EXPECT_EQ(diagnostics.State()._DebugDir, scene.tempDir);
  EXPECT_TRUE(fs::exists(scene.tempDir + "/HHDebug.txt"));
}

TEST(PlantedLinks, AtTheWriteTestNameDanglingCreatesNoTarget) {
  testing::HelpScene scene;
  const std::string target = scene.root / "created-through-link";
  fs::create_symlink(target, scene.programDir + "/$_Temp_$.$$$");
  HelpDiagnostics diagnostics(scene.Environment());
  diagnostics.Start();
  EXPECT_FALSE(fs::exists(target));
  EXPECT_EQ(diagnostics.State()._DebugDir, scene.tempDir);
}

TEST(PlantedLinks, AtTheDiagnosticsFileAreRemovedAtStartWithoutTouchingTheTarget) {
  testing::HelpScene scene;
  const std::string target = scene.root / "precious";
  testing::WriteFile(target, "precious");
  fs::create_symlink(target, scene.programDir + "/HHDebug.txt");
  HelpDiagnostics diagnostics(scene.Environment({"/debug"}));
  diagnostics.Start();
  EXPECT_EQ(testing::ReadAll(target), "precious");
  EXPECT_FALSE(fs::is_symlink(scene.programDir + "/HHDebug.txt"));
  EXPECT_TRUE(fs::is_regular_file(scene.programDir + "/HHDebug.txt"));
}

TEST(PlantedLinks, AtTheDiagnosticsFileLaterMakeLinesLostNotRedirected) {
  testing::HelpScene scene;
  HelpDiagnostics diagnostics(scene.Environment());
  diagnostics.Start();
  const std::string target = scene.root / "precious";
  const std::string dangling = scene.root / "not-to-be-created";
  testing::WriteFile(target, "precious");
  for (const std::string& pointee : {target, dangling}) {
    fs::remove(scene.programDir + "/HHDebug.txt");
    fs::create_symlink(pointee, scene.programDir + "/HHDebug.txt");
    diagnostics.WriteDebugLine("!Redirected: %s", {"\tsecret"});
  }
  EXPECT_EQ(testing::ReadAll(target), "precious");
  EXPECT_FALSE(fs::exists(dangling));
}

TEST(Diagnostics, ReleaseClearsTheTexts) {
  testing::HelpScene scene;
  HelpDiagnostics diagnostics(scene.Environment({"-debug"}));
  diagnostics.Start();
  ASSERT_FALSE(diagnostics.State()._ModuleDir.empty());
  diagnostics.Release();
  EXPECT_EQ(diagnostics.State()._ModuleDir, "");
  EXPECT_EQ(diagnostics.State()._DebugDir, "");
  EXPECT_FALSE(diagnostics.State()._DebugMode);
}

}  // namespace
}  // namespace solvanex::help
