#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "platform/Files.h"

namespace solvanex::platform {
namespace {

namespace fs = std::filesystem;

// What a test finds at the path before the call, planted by "someone else".
enum class Planted {
  kNothing,        // the path is free
  kOwnFile,        // the user's own regular file holding "old"
  kLinkToFile,     // a symbolic link to a file holding "target"
  kDanglingLink,   // a symbolic link to a file that does not exist
  kFifo,           // a named pipe
  kDirectory,      // a directory
  kOtherUsersFile  // a regular file of another account (needs root to plant)
};

struct Scene {
  testing::ScratchDirectory directory;
  std::string path = directory / "entry";
  std::string target = directory / "target";

  explicit Scene(Planted planted) {
    switch (planted) {
      case Planted::kNothing:
        break;
      case Planted::kOwnFile:
        testing::WriteFile(path, "old");
        break;
      case Planted::kLinkToFile:
        testing::WriteFile(target, "target");
        fs::create_symlink(target, path);
        break;
      case Planted::kDanglingLink:
        fs::create_symlink(target, path);
        break;
      case Planted::kFifo:
        ::mkfifo(path.c_str(), 0600);
        break;
      case Planted::kDirectory:
        fs::create_directory(path);
        break;
      case Planted::kOtherUsersFile:
        testing::WriteFile(path, "old");
        if (::chown(path.c_str(), 54321, 54321) != 0) throw std::runtime_error("chown");
        break;
    }
  }
  bool TargetExists() const { return fs::exists(fs::symlink_status(target)); }
};

bool NeedsRoot(Planted planted) {
  return planted == Planted::kOtherUsersFile && ::geteuid() != 0;
}

// The name of what a test plants at a path.
const char* PlantedName(Planted planted) {
  constexpr const char* kNames[] = {"Nothing", "OwnFile",   "LinkToFile",    "DanglingLink",
                                    "Fifo",    "Directory", "OtherUsersFile"};
  return kNames[static_cast<int>(planted)];
}

struct AppendRow {
  Planted planted;
  bool written;
  std::string content;  // of the path afterwards (of the link's target for links)
};

class AppendToOwnFileTest : public ::testing::TestWithParam<AppendRow> {};

TEST_P(AppendToOwnFileTest, WritesOnlyIntoTheUsersOwnRegularFile) {
  if (NeedsRoot(GetParam().planted)) GTEST_SKIP() << "planting another account's file needs root";
  Scene scene(GetParam().planted);
  EXPECT_EQ(AppendToOwnFile(scene.path, "new\r\n"), GetParam().written);
  const bool link =
      GetParam().planted == Planted::kLinkToFile || GetParam().planted == Planted::kDanglingLink;
  if (link) {
    EXPECT_TRUE(fs::is_symlink(scene.path));
    EXPECT_EQ(testing::ReadAll(scene.target), GetParam().content);
  } else if (fs::is_regular_file(scene.path)) {
    EXPECT_EQ(testing::ReadAll(scene.path), GetParam().content);
  }
  if (GetParam().planted == Planted::kDanglingLink) {
    EXPECT_FALSE(scene.TargetExists());
  }
  if (GetParam().planted == Planted::kNothing) {
    EXPECT_EQ(fs::status(scene.path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
  }
}

INSTANTIATE_TEST_SUITE_P(Planted, AppendToOwnFileTest,
                         ::testing::Values(AppendRow{Planted::kNothing, true, "new\r\n"},
                                           AppendRow{Planted::kOwnFile, true, "oldnew\r\n"},
                                           AppendRow{Planted::kLinkToFile, false, "target"},
                                           AppendRow{Planted::kDanglingLink, false, ""},
                                           AppendRow{Planted::kFifo, false, ""},
                                           AppendRow{Planted::kDirectory, false, ""},
                                           AppendRow{Planted::kOtherUsersFile, false, "old"}),
                         [](const auto& info) {
                           return std::string(PlantedName(info.param.planted));
                         });

struct CreateRow {
  Planted planted;
  bool created;
};

class CreateNewFileTest : public ::testing::TestWithParam<CreateRow> {};

TEST_P(CreateNewFileTest, CreatesWhereNothingOrOnlyAnOwnLeftoverIs) {
  if (NeedsRoot(GetParam().planted)) GTEST_SKIP() << "planting another account's file needs root";
  Scene scene(GetParam().planted);
  EXPECT_EQ(CreateNewFile(scene.path), GetParam().created);
  switch (GetParam().planted) {
    case Planted::kNothing:
      EXPECT_TRUE(fs::is_regular_file(scene.path));
      EXPECT_EQ(fs::file_size(scene.path), 0u);
      break;
    case Planted::kOwnFile:
      // A leftover of the user's own is replaced by a new, empty, user-only file.
      EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(scene.path)));
      EXPECT_EQ(fs::file_size(scene.path), 0u);
      EXPECT_EQ(fs::status(scene.path).permissions() & fs::perms::all,
                fs::perms::owner_read | fs::perms::owner_write);
      break;
    case Planted::kOtherUsersFile:
      EXPECT_EQ(testing::ReadAll(scene.path), "old");
      break;
    case Planted::kLinkToFile:
      EXPECT_TRUE(fs::is_symlink(scene.path));
      EXPECT_EQ(testing::ReadAll(scene.target), "target");
      break;
    case Planted::kDanglingLink:
      EXPECT_TRUE(fs::is_symlink(scene.path));
      EXPECT_FALSE(scene.TargetExists());
      break;
    case Planted::kFifo:
      EXPECT_TRUE(fs::is_fifo(fs::symlink_status(scene.path)));
      break;
    case Planted::kDirectory:
      EXPECT_TRUE(fs::is_directory(fs::symlink_status(scene.path)));
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Planted, CreateNewFileTest,
    ::testing::Values(CreateRow{Planted::kNothing, true}, CreateRow{Planted::kOwnFile, true},
                      CreateRow{Planted::kLinkToFile, false},
                      CreateRow{Planted::kDanglingLink, false}, CreateRow{Planted::kFifo, false},
                      CreateRow{Planted::kDirectory, false},
                      CreateRow{Planted::kOtherUsersFile, false}),
    [](const auto& info) { return std::string(PlantedName(info.param.planted)); });

}  // namespace
}  // namespace solvanex::platform
