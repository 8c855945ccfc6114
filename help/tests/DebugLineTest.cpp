#include <gtest/gtest.h>

#include <filesystem>

#include "HelpTestSupport.h"
#include "ImageBuilders.h"
#include "calculator/tests/ParamName.h"
#include "help/DebugLine.h"
#include "help/hh_funcs.h"

namespace solvanex::help {
namespace {

struct FormatRow {
  const char* format;
  std::vector<DebugArgument> arguments;
  const char* expected;
};

class FormatDebugTextTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatDebugTextTest, FillsThePlaceholdersInOrder) {
  EXPECT_EQ(FormatDebugText(GetParam().format, GetParam().arguments), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatDebugTextTest,
    ::testing::Values(FormatRow{"!Operating System:      %s %d.%d.%d",
                                {"\tLinux", 6LL, 1LL, 0LL},
                                "!Operating System:      \tLinux 6.1.0"},
                      FormatRow{"%s|%s", {"a"}, "a|"},
                      FormatRow{"%d", {"text for a number"}, "text for a number"},
                      FormatRow{"%s", {-12LL}, "-12"}, FormatRow{"100%% %x %", {}, "100% %x %"},
                      FormatRow{"no placeholders", {"unused"}, "no placeholders"}),
    [](const auto& info) { return naming::ParamName(info.param.expected); });

struct LineRow {
  const char* name;
  std::string text;
  std::string expected;
};

class DebugLineTextTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(DebugLineTextTest, AppliesTheRulesOfTheDiagnosticsFile) {
  EXPECT_EQ(DebugLineText(GetParam().text, "14:03:07"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DebugLineTextTest,
    ::testing::Values(LineRow{"dash_rule", "-", std::string(79, '-')},
                      LineRow{"equals_rule", "=", std::string(79, '=')},
                      LineRow{"bang_no_time", "!Date:\t08/12/2025", "Date:\t08/12/2025"},
                      LineRow{"dash_then_text", "--", "-"}, LineRow{"equals_then_text", "=x", "x"},
                      LineRow{"bang_alone", "!", ""},
                      LineRow{"text_then_time", "Loading", "Loading   14:03:07"},
                      LineRow{"empty_then_time", "", "   14:03:07"},
                      LineRow{"bang_after_blank", " !indented", " !indented   14:03:07"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteDebugLine, AppendsOneCrLfLinePerCall) {
  testing::HelpScene scene;
  HelpDiagnostics diagnostics(scene.Environment());
  diagnostics.Start();
  ASSERT_EQ(diagnostics.State()._DebugDir, scene.programDir);
  diagnostics.WriteDebugLine("=");
  diagnostics.WriteDebugLine("!Fact:    %s", {"\tvalue"});
  diagnostics.WriteDebugLine("Step %d done", {2LL});
  diagnostics.WriteDebugLine("");
  EXPECT_EQ(
      testing::ReadAll(scene.programDir + "/HHDebug.txt"),
      std::string(79, '=') + "\r\nFact:    \tvalue\r\nStep 2 done   14:03:07\r\n   14:03:07\r\n");
}

// The row's number, then its arguments joined with blanks and the flag's name when it is set:
// "-debug" and "-debug " read alike.
std::string ArgumentsName(std::size_t row, const std::vector<std::string>& arguments,
                          const char* flag, bool set) {
  std::string joined;
  for (const std::string& argument : arguments) joined += (joined.empty() ? "" : " ") + argument;
  if (joined.empty()) joined = "no arguments";
  if (set) joined = joined + " " + flag;
  return naming::RowName(row, joined);
}

struct SwitchRow {
  std::vector<std::string> arguments;
  bool marker;  // "debug.debug" in the program directory
  bool debugMode;
};

class DebugSwitchTest : public ::testing::TestWithParam<SwitchRow> {};

TEST_P(DebugSwitchTest, TurnsDiagnosticsModeOn) {
  testing::HelpScene scene;
  if (GetParam().marker) testing::WriteFile(scene.programDir + "/debug.debug", "");
  HelpDiagnostics diagnostics(scene.Environment(GetParam().arguments));
  diagnostics.Start();
  EXPECT_EQ(diagnostics.State()._DebugMode, GetParam().debugMode);
  EXPECT_EQ(std::filesystem::exists(scene.programDir + "/HHDebug.txt"), GetParam().debugMode);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DebugSwitchTest,
    ::testing::Values(SwitchRow{{}, false, false}, SwitchRow{{"/debug"}, false, true},
                      SwitchRow{{"-debug"}, false, true}, SwitchRow{{"-DEBUG"}, false, true},
                      SwitchRow{{"/DeBuG"}, false, true},
                      SwitchRow{{"fichier.txt", "-Debug"}, false, true},
                      SwitchRow{{"debug"}, false, false}, SwitchRow{{"--debug"}, false, false},
                      SwitchRow{{"/debug2"}, false, false}, SwitchRow{{"-debug "}, false, false},
                      SwitchRow{{}, true, true}, SwitchRow{{"debug"}, true, true}),
    [](const auto& info) {
      return ArgumentsName(info.index, info.param.arguments, "marker", info.param.marker);
    });

TEST(DebugSwitch, ArgumentZeroIsNotASwitch) {
  testing::HelpScene scene;
  DiagnosticsEnvironment environment = scene.Environment();
  environment.arguments = {"/debug"};
  HelpDiagnostics diagnostics(environment);
  diagnostics.Start();
  EXPECT_FALSE(diagnostics.State()._DebugMode);
}

}  // namespace
}  // namespace solvanex::help
