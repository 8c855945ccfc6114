#include <gtest/gtest.h>

#include <cfenv>
#include <filesystem>

#include "HelpTestSupport.h"
#include "ImageBuilders.h"
#include "help/HelpFile.h"
#include "help/HelpLifecycle.h"
#include "help/hh.h"
#include "platform/DynamicLibrary.h"
#include "platform/Paths.h"
#include "platform/SystemInfo.h"

namespace solvanex::help {
namespace {

// What a test registers as the help control.
enum class Registration {
  kNone,              // no key at all
  kNoDefaultValue,    // the key, without a default value
  kModule,            // the test module
  kNarrowModule,      // the test module without HtmlHelpW
  kMissingFile,       // a path where there is no file
  kTextFile,          // an existing file that is not a library
  kRelativeExisting,  // a relative path to a file that exists from the current directory
  kWritableModule,    // a copy of the test module that other users may write to
  kWritableRegistry,  // the test module, in a registry file that other users may write to
  kLinkToModule,      // a link to the test module, which could be re-pointed once checked
};

struct LoadRow {
  const char* name;
  Registration registration;
  bool located;  // LocateHelpLibrary gives the registered path
  bool loaded;
};

class HelpLoading : public ::testing::TestWithParam<LoadRow> {
 protected:
  void TearDown() override { UnloadHelpLibrary(); }

  std::string Registered(Registration registration) {
    switch (registration) {
      case Registration::kModule:
        return SOLVANEX_TEST_HELP_MODULE;
      case Registration::kNarrowModule:
        return SOLVANEX_TEST_HELP_MODULE_NARROW;
      case Registration::kMissingFile:
        return scene_.root / "hhctrl.so";
      case Registration::kTextFile:
        testing::WriteFile(scene_.root / "hhctrl.ocx", "MZ but nothing more");
        return scene_.root / "hhctrl.ocx";
      case Registration::kRelativeExisting:
        return std::filesystem::relative(SOLVANEX_TEST_HELP_MODULE).string();
      case Registration::kWritableModule:
        std::filesystem::copy_file(SOLVANEX_TEST_HELP_MODULE, scene_.root / "hhctrl.so");
        std::filesystem::permissions(scene_.root / "hhctrl.so", std::filesystem::perms::group_write,
                                     std::filesystem::perm_options::add);
        return scene_.root / "hhctrl.so";
      case Registration::kWritableRegistry:
        return SOLVANEX_TEST_HELP_MODULE;
      case Registration::kLinkToModule:
        std::filesystem::create_symlink(SOLVANEX_TEST_HELP_MODULE, scene_.root / "hhctrl.so");
        return scene_.root / "hhctrl.so";
      default:
        return {};
    }
  }

  testing::HelpScene scene_;
};

TEST_P(HelpLoading, LocatesAndLoadsOnlyARegisteredExistingLibrary) {
  const LoadRow& row = GetParam();
  const std::string path = Registered(row.registration);
  if (row.registration == Registration::kNoDefaultValue) {
    testing::WriteFile(scene_.registryFile,
                       "REGEDIT4\n[HKEY_CLASSES_ROOT\\CLSID\\{adb880a6-d8ff-11cf-9377-"
                       "00aa003b7a11}\\InprocServer32]\n\"ThreadingModel\"=\"Apartment\"\n");
  } else if (row.registration != Registration::kNone) {
    scene_.Register(path);
  }
  if (row.registration == Registration::kWritableRegistry) {
    std::filesystem::permissions(scene_.registryFile, std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::add);
  }
  EXPECT_EQ(LocateHelpLibrary(scene_.registryFile), row.located ? path : "");

  LoadHelpLibrary(scene_.registryFile);
  EXPECT_EQ(HelpLibraryHandle != nullptr, row.loaded);
  EXPECT_EQ(HtmlHelpA != nullptr, row.loaded);
  EXPECT_EQ(HtmlHelpW != nullptr, row.loaded && row.registration == Registration::kModule);
  EXPECT_EQ(HtmlHelp, HtmlHelpA);
  EXPECT_EQ(HtmlHelpAvailable(), row.loaded);

  UnloadHelpLibrary();
  EXPECT_EQ(HelpLibraryHandle, nullptr);
  EXPECT_EQ(HtmlHelpA, nullptr);
  EXPECT_EQ(HtmlHelpW, nullptr);
  EXPECT_EQ(HtmlHelp, nullptr);
  EXPECT_EQ(CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Registrations, HelpLoading,
    ::testing::Values(
        LoadRow{"MissingKey", Registration::kNone, false, false},
        LoadRow{"NoDefaultValue", Registration::kNoDefaultValue, false, false},
        LoadRow{"Module", Registration::kModule, true, true},
        LoadRow{"ModuleWithoutHtmlHelpW", Registration::kNarrowModule, true, true},
        LoadRow{"MissingFile", Registration::kMissingFile, false, false},
        LoadRow{"NotALibrary", Registration::kTextFile, true, false},
        LoadRow{"RelativePath", Registration::kRelativeExisting, true, false},
        LoadRow{"ModuleWritableByOthers", Registration::kWritableModule, false, false},
        LoadRow{"RegistryWritableByOthers", Registration::kWritableRegistry, false, false},
        LoadRow{"LinkToModule", Registration::kLinkToModule, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

using LastCall = int (*)(void**, const char**, unsigned*, std::uintptr_t*);

struct Call {
  void* window;
  const char* file;
  unsigned command;
  std::uintptr_t data;
};

class HtmlHelpCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    scene_.Register(SOLVANEX_TEST_HELP_MODULE);
    LoadHelpLibrary(scene_.registryFile);
    ASSERT_TRUE(HtmlHelpAvailable());
    lastCall_ =
        reinterpret_cast<LastCall>(platform::GetProcAddress(HelpLibraryHandle, "TestHelpLastCall"));
    ASSERT_NE(lastCall_, nullptr);
  }
  void TearDown() override { UnloadHelpLibrary(); }

  testing::HelpScene scene_;
  LastCall lastCall_ = nullptr;
};

// The program's help file goes by the name HelpFileArgument gives for the test program's
// folder; any other file name as it is.
TEST_F(HtmlHelpCalls, PassTheArgumentsAndKeepTheRoundingMode) {
  int window = 0;
  const Call calls[] = {{GetDesktopWindow(), kHelpFileName, HH_DISPLAY_TOPIC, 0},
                        {nullptr, nullptr, HH_CLOSE_ALL, 0},
                        {&window, "other.chm", 7, 0x1234}};
  const std::string helpFile =
      HelpFileArgument(platform::ExtractFileDir(platform::ModuleFileName()));
  using LastFileText = const char* (*)();
  const auto lastFileText = reinterpret_cast<LastFileText>(
      platform::GetProcAddress(HelpLibraryHandle, "TestHelpLastFileText"));
  ASSERT_NE(lastFileText, nullptr);
  int count = 0;
  for (const Call& call : calls) {
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    EXPECT_NE(CallHtmlHelp(call.window, call.file, call.command, call.data), nullptr);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST) << "the module's rounding mode leaked";
    Call seen{};
    EXPECT_EQ(lastCall_(&seen.window, &seen.file, &seen.command, &seen.data), ++count);
    EXPECT_EQ(seen.window, call.window);
    if (call.file == nullptr) {
      EXPECT_EQ(seen.file, nullptr);
    } else {
      EXPECT_EQ(std::string(lastFileText()), call.file == kHelpFileName ? helpFile : call.file);
    }
    EXPECT_EQ(seen.command, call.command);
    EXPECT_EQ(seen.data, call.data);
  }
  EXPECT_EQ(GetDesktopWindow(), nullptr);
}

TEST_F(HtmlHelpCalls, SecondLoadKeepsTheLibraryAlreadyLoaded) {
  const platform::ModuleHandle first = HelpLibraryHandle;
  scene_.Register(SOLVANEX_TEST_HELP_MODULE_NARROW);
  LoadHelpLibrary(scene_.registryFile);
  EXPECT_EQ(HelpLibraryHandle, first);
  EXPECT_NE(HtmlHelpW, nullptr);
}

TEST(HelpStartupAndShutdown, LoadFirstThenDiagnoseAndReleaseThenUnload) {
  testing::HelpScene scene;
  scene.Register(SOLVANEX_TEST_HELP_MODULE_NARROW);
  HelpStartup(scene.Environment({"-debug"}));
  ASSERT_TRUE(HtmlHelpAvailable());
  const DiagnosticsState* state = ProgramDiagnosticsState();
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(state->_hhVerStr, "4.74.9300.0");
  EXPECT_EQ(state->_hhFriendlyVerStr, "> 1.33");
  EXPECT_NE(testing::ReadAll(scene.programDir + "/HHDebug.txt").find("_hhInstalled =      \tYES"),
            std::string::npos);
  // The main window's closing call comes before the shut-down and still finds the viewer.
  EXPECT_NE(CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);

  HelpShutdown();
  EXPECT_EQ(ProgramDiagnosticsState(), nullptr);
  EXPECT_EQ(HelpLibraryHandle, nullptr);
  EXPECT_FALSE(HtmlHelpAvailable());
  EXPECT_EQ(CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
}

}  // namespace
}  // namespace solvanex::help
