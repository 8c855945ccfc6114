// The runner's contract, checked on the built executable: one JSON line per key, exit status 0,
// or 2 for an unknown key after the lines of the keys before it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "cli/Json.h"

namespace solvanex::cli {
namespace {

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;
};

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs the runner through the shell with arguments (already quoted) and standard input.
CliRun RunCli(const std::string& arguments, const std::string& input = "") {
  // Tests run in parallel processes: every run has files of its own.
  static int runs = 0;
  const std::string stem =
      ::testing::TempDir() + "cli_" + std::to_string(::getpid()) + "_" + std::to_string(++runs);
  const std::string in = stem + "_in.txt", out = stem + "_out.txt", err = stem + "_err.txt";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command = std::string("LC_ALL=C '") + SOLVANEX_CLI + "' " + arguments + " <'" +
                              in + "' >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  return {ReadFile(out), ReadFile(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

std::string Line(const char* key, const char* display, const char* color = "black",
                 const char* memory = "", const char* error = nullptr) {
  std::string line = std::string("{\"key\": \"") + key + "\", \"display\": \"" + display +
                     "\", \"color\": \"" + color + "\", \"memory\": \"" + memory +
                     "\", \"error\": ";
  line += error ? std::string("\"") + error + "\"" : "null";
  return line + "}\n";
}

TEST(RunnerTest, BodyMassIndexExample) {
  const CliRun run =
      RunCli("--separator=, SpeedButton7 SpeedButton0 Multiplication SpeedButton2 Egal");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Line("SpeedButton7", "7,") + Line("SpeedButton0", "70,") +
                         Line("Multiplication", "70,") + Line("SpeedButton2", "2,") +
                         Line("Egal", "140,"));
  EXPECT_EQ(run.err, "");
}

TEST(RunnerTest, KeysFromStandardInputSkipBlankLines) {
  const CliRun run = RunCli("--separator=.", "SpeedButton1\n\n  \nVirgule\r\nSpeedButton5\nMS\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Line("SpeedButton1", "1.") + Line("Virgule", "1.") +
                         Line("SpeedButton5", "1.5") + Line("MS", "1.5", "black", "M"));
}

TEST(RunnerTest, ErrorBoxAndRedMessage) {
  const CliRun run = RunCli("--separator=, SpeedButton7 Division SpeedButton0 Egal Addition");
  EXPECT_EQ(run.status, 0);
  const std::string message = "Erreur : division par zéro impossible !";
  const std::string box = "'" + message + "' n'est pas une valeur en virgule flottante correcte.";
  EXPECT_EQ(run.out, Line("SpeedButton7", "7,") + Line("Division", "7,") +
                         Line("SpeedButton0", "0,") + Line("Egal", message.c_str(), "red") +
                         Line("Addition", message.c_str(), "red", "", box.c_str()));
}

TEST(RunnerTest, RadioGroupsAndPaste) {
  const CliRun run =
      RunCli("--separator=, RadioGroup1=1 RadioGroup2=1 RadioGroup1=0 'paste=a \"b\"'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Line("RadioGroup1=1", "0,") + Line("RadioGroup2=1", "0,") +
                         Line("RadioGroup1=0", "0,") + Line("paste=a \\\"b\\\"", "a \\\"b\\\""));
}

struct BadCase {
  const char* name;
  const char* arguments;
  const char* input;
  int linesBefore;
  const char* stderrContains;
};

const BadCase kBadCases[] = {
    {"unknown_argument", "SpeedButton1 Nothing SpeedButton2", "", 1, "Nothing"},
    {"unknown_line", "", "SpeedButton1\nSpeedButton2\negal\nSpeedButton3\n", 2, "egal"},
    {"radio_item_out_of_range", "RadioGroup1=2", "", 0, "RadioGroup1=2"},
    {"radio_group_unknown", "RadioGroup3=0", "", 0, "RadioGroup3=0"},
    {"separator_too_long", "--separator=ab SpeedButton1", "", 0, "--separator"},
    {"unknown_option", "--bogus", "", 0, "--bogus"},
    {"paste_is_case_sensitive", "Paste=1", "", 0, "Paste=1"},
};

class RunnerBadKeyTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(RunnerBadKeyTest, ExitsTwoAfterEarlierLines) {
  const BadCase& c = GetParam();
  const CliRun run = RunCli(std::string("--separator=, ") + c.arguments, c.input);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), c.linesBefore);
  EXPECT_NE(run.err.find(c.stderrContains), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Table, RunnerBadKeyTest, ::testing::ValuesIn(kBadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunnerTest, SeparatorFromLocaleWithoutOption) {
  const CliRun run = RunCli("SpeedButton1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Line("SpeedButton1", "1."));  // the C locale's point
}

TEST(JsonStringTest, EscapesAndRepairs) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"plain", "\"plain\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"l1\nl2\r\t", "\"l1\\nl2\\r\\t\""},
      {std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
      {"zéro €", "\"zéro €\""},
      {"bad\xff", "\"bad\xEF\xBF\xBD\""},
      {"\xC3", "\"\xEF\xBF\xBD\""},                                  // truncated sequence
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // surrogate
      {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // overlong
  };
  for (const auto& c : cases) EXPECT_EQ(JsonString(c.in), c.out);
}

}  // namespace
}  // namespace solvanex::cli
