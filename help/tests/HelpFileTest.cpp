// Which name of the help file the help command gives the viewer.
#include <gtest/gtest.h>

#include <filesystem>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "help/HelpFile.h"
#include "help/hh.h"

namespace solvanex::help {
namespace {

enum class Beside { kNothing, kHelpFile, kDirectoryOfThatName, kOtherFile };

struct ArgumentRow {
  const char* name;
  Beside beside;
  bool fullPath;  // else the bare name
};

class HelpFileArgumentTest : public ::testing::TestWithParam<ArgumentRow> {};

TEST_P(HelpFileArgumentTest, FullPathOnlyWhenTheFileStandsBesideTheProgram) {
  const ArgumentRow& row = GetParam();
  testing::ScratchDirectory program;
  const std::string helpFile = program / kHelpFileName;
  switch (row.beside) {
    case Beside::kHelpFile:
      testing::WriteFile(helpFile, "ITSF");
      break;
    case Beside::kDirectoryOfThatName:
      std::filesystem::create_directory(helpFile);
      break;
    case Beside::kOtherFile:
      testing::WriteFile(program / "Autre.chm", "ITSF");
      break;
    case Beside::kNothing:
      break;
  }
  EXPECT_EQ(HelpFileArgument(program.path()), row.fullPath ? helpFile : std::string(kHelpFileName));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, HelpFileArgumentTest,
    ::testing::Values(ArgumentRow{"HelpFileBeside", Beside::kHelpFile, true},
                      ArgumentRow{"NothingBeside", Beside::kNothing, false},
                      ArgumentRow{"DirectoryOfThatName", Beside::kDirectoryOfThatName, false},
                      ArgumentRow{"AnotherHelpFile", Beside::kOtherFile, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpFileArgumentTest, UnknownProgramFolderGivesTheBareName) {
  EXPECT_EQ(HelpFileArgument(""), kHelpFileName);
}

}  // namespace
}  // namespace solvanex::help
