#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ScratchDirectory.h"
#include "platform/TempDirectory.h"

namespace solvanex::platform {
namespace {

namespace fs = std::filesystem;

// How a test prepares one candidate directory.
enum class Kind {
  kUnset,           // the variable is not set
  kRelative,        // a relative path
  kMissing,         // an absolute path to nothing
  kPrivate,         // the user's own directory, mode 0700
  kOwnOpen,         // the user's own directory, mode 0755: no one else can write either
  kShared,          // mode 1777, like /tmp
  kSharedWithLink,  // shared, its "solvanex-<uid>" planted as a link to a private directory
  kSharedWithOpen,  // shared, its "solvanex-<uid>" already there with mode 0777
  kSharedWithFile,  // shared, its "solvanex-<uid>" a regular file
  kOtherOwner,      // mode 1777 but another account's (needs root), who could rename entries
  kOpenNoSticky,    // the user's own, mode 0777 without the sticky bit: anyone can rename entries
};

struct Row {
  const char* name;
  Kind runtime, tmp, fallback;
  int chosen;         // 0, 1, 2: which candidate is chosen; -1: none
  bool subdirectory;  // whether the choice is the "solvanex-<uid>" subdirectory
};

std::string OwnName() {
  return "solvanex-" + std::to_string(::geteuid());
}

std::string Prepare(const testing::ScratchDirectory& scratch, const std::string& name, Kind kind) {
  const std::string path = scratch / name;
  const auto make = [&](mode_t mode) {
    fs::create_directory(path);
    ::chmod(path.c_str(), mode);
  };
  switch (kind) {
    case Kind::kUnset:
      return "";
    case Kind::kRelative:
      return "relative/" + name;
    case Kind::kMissing:
      return path;
    case Kind::kPrivate:
      make(0700);
      break;
    case Kind::kOwnOpen:
      make(0755);
      break;
    case Kind::kShared:
      make(01777);
      break;
    case Kind::kSharedWithLink:
      make(01777);
      fs::create_directory(scratch / "elsewhere");
      ::chmod((scratch / "elsewhere").c_str(), 0700);
      fs::create_directory_symlink(scratch / "elsewhere", path + "/" + OwnName());
      break;
    case Kind::kSharedWithOpen:
      make(01777);
      fs::create_directory(path + "/" + OwnName());
      ::chmod((path + "/" + OwnName()).c_str(), 0777);
      break;
    case Kind::kSharedWithFile:
      make(01777);
      std::ofstream(path + "/" + OwnName()) << "x";
      break;
    case Kind::kOpenNoSticky:
      make(0777);
      break;
    case Kind::kOtherOwner:
      make(01777);
      if (::chown(path.c_str(), 54321, 54321) != 0) throw std::runtime_error("chown");
      break;
  }
  return path + "/";  // a trailing separator that the choice must drop
}

class ChooseTempDirectoryTest : public ::testing::TestWithParam<Row> {};

TEST_P(ChooseTempDirectoryTest, TakesTheFirstDirectoryNoOneElseCanWriteTo) {
  const Row& row = GetParam();
  if ((row.runtime == Kind::kOtherOwner || row.tmp == Kind::kOtherOwner) && ::geteuid() != 0) {
    GTEST_SKIP() << "planting another account's directory needs root";
  }
  testing::ScratchDirectory scratch;
  const TempDirectoryCandidates candidates{Prepare(scratch, "runtime", row.runtime),
                                           Prepare(scratch, "tmp", row.tmp),
                                           Prepare(scratch, "fallback", row.fallback)};
  const std::string chosen = ChooseTempDirectory(candidates);
  if (row.chosen < 0) {
    EXPECT_EQ(chosen, "");
    return;
  }
  const char* names[] = {"runtime", "tmp", "fallback"};
  const std::string expected =
      (scratch / names[row.chosen]) + (row.subdirectory ? "/" + OwnName() : "");
  EXPECT_EQ(chosen, expected);
  struct stat status {};
  ASSERT_EQ(::lstat(chosen.c_str(), &status), 0);
  EXPECT_TRUE(S_ISDIR(status.st_mode));
  EXPECT_EQ(status.st_uid, ::geteuid());
  if (row.subdirectory) {
    EXPECT_EQ(status.st_mode & 07777, 0700u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChooseTempDirectoryTest,
    ::testing::Values(
        Row{"RuntimeDirectoryFirst", Kind::kPrivate, Kind::kPrivate, Kind::kShared, 0, false},
        Row{"UnsetRuntimeDirectory", Kind::kUnset, Kind::kPrivate, Kind::kShared, 1, false},
        Row{"RelativeIsSkipped", Kind::kRelative, Kind::kRelative, Kind::kPrivate, 2, false},
        Row{"MissingIsSkipped", Kind::kMissing, Kind::kPrivate, Kind::kShared, 1, false},
        Row{"OwnReadableDirectory", Kind::kUnset, Kind::kOwnOpen, Kind::kShared, 1, false},
        Row{"SharedTmpDirGetsASubdirectory", Kind::kUnset, Kind::kShared, Kind::kPrivate, 1, true},
        Row{"SharedFallbackGetsASubdirectory", Kind::kUnset, Kind::kUnset, Kind::kShared, 2, true},
        Row{"PlantedLinkRefused", Kind::kUnset, Kind::kSharedWithLink, Kind::kShared, 2, true},
        Row{"OpenSubdirectoryRefused", Kind::kUnset, Kind::kSharedWithOpen, Kind::kShared, 2, true},
        Row{"FileInTheWayRefused", Kind::kUnset, Kind::kSharedWithFile, Kind::kUnset, -1, false},
        Row{"OtherAccountsDirectoryRefused", Kind::kOtherOwner, Kind::kUnset, Kind::kUnset, -1,
            false},
        Row{"SharedWithoutStickyBitRefused", Kind::kOpenNoSticky, Kind::kUnset, Kind::kShared, 2,
            true},
        Row{"NothingUsable", Kind::kUnset, Kind::kMissing, Kind::kRelative, -1, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvanex::platform
