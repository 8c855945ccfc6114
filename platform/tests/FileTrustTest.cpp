// Which files the program may take code or settings from: its user's or the administrator's,
// in a folder of the same owners, written by no one else (a sticky folder excepted).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "platform/FileTrust.h"

namespace solvanex::platform {
namespace {

// An owner that is neither the user running the test nor the administrator.
enum class Owner { kUser, kOther };

struct TrustRow {
  const char* name;
  mode_t fileMode;
  mode_t folderMode;
  Owner fileOwner;
  Owner folderOwner;
  FileTrust expected;
};

class FileTrustTest : public ::testing::TestWithParam<TrustRow> {};

// As the administrator the test hands the file to another account (nobody); otherwise it asks
// on behalf of another user, for whom the test's own files are another user's.
TEST_P(FileTrustTest, FollowsTheLoadersRulesForSecurePaths) {
  const TrustRow& row = GetParam();
  testing::ScratchDirectory scratch;
  const std::string folder = scratch / "folder";
  const std::string file = folder + "/registry.reg";
  std::filesystem::create_directory(folder);
  testing::WriteFile(file, "REGEDIT4\n");
  ASSERT_EQ(::chmod(file.c_str(), row.fileMode), 0);
  ASSERT_EQ(::chmod(folder.c_str(), row.folderMode), 0);
  const bool administrator = ::geteuid() == 0;
  constexpr uid_t kNobody = 65534;
  unsigned asking = ::geteuid();
  if (row.fileOwner == Owner::kOther || row.folderOwner == Owner::kOther) {
    if (administrator) {
      if (row.fileOwner == Owner::kOther) {
        ASSERT_EQ(::chown(file.c_str(), kNobody, -1), 0);
      }
      if (row.folderOwner == Owner::kOther) {
        ASSERT_EQ(::chown(folder.c_str(), kNobody, -1), 0);
      }
    } else if (row.fileOwner == row.folderOwner) {
      asking = ::geteuid() + 1;
    } else {
      GTEST_SKIP() << "a file and its folder of different owners need the administrator";
    }
  }
  EXPECT_EQ(CheckFileTrust(file, asking), row.expected);
  // A link is refused whatever it leads to: it could be re-pointed once checked.
  const std::string link = scratch / "link.reg";
  std::filesystem::create_symlink(file, link);
  EXPECT_EQ(CheckFileTrust(link, asking), FileTrust::kLink);
  ::chmod(folder.c_str(), 0700);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileTrustTest,
    ::testing::Values(
        TrustRow{"OwnFileOwnFolder", 0644, 0755, Owner::kUser, Owner::kUser, FileTrust::kTrusted},
        TrustRow{"ReadOnly", 0400, 0500, Owner::kUser, Owner::kUser, FileTrust::kTrusted},
        TrustRow{"GroupWritableFile", 0664, 0755, Owner::kUser, Owner::kUser,
                 FileTrust::kWritableByOthers},
        TrustRow{"WorldWritableFile", 0646, 0755, Owner::kUser, Owner::kUser,
                 FileTrust::kWritableByOthers},
        TrustRow{"GroupWritableFolder", 0644, 0775, Owner::kUser, Owner::kUser,
                 FileTrust::kWritableByOthers},
        TrustRow{"WorldWritableFolder", 0644, 0777, Owner::kUser, Owner::kUser,
                 FileTrust::kWritableByOthers},
        TrustRow{"StickyWorldWritableFolder", 0644, 01777, Owner::kUser, Owner::kUser,
                 FileTrust::kTrusted},
        TrustRow{"ForeignFile", 0644, 0755, Owner::kOther, Owner::kUser, FileTrust::kForeignOwner},
        TrustRow{"ForeignFolder", 0644, 0755, Owner::kUser, Owner::kOther,
                 FileTrust::kForeignOwner},
        TrustRow{"ForeignFileAndFolder", 0644, 0755, Owner::kOther, Owner::kOther,
                 FileTrust::kForeignOwner}),
    [](const ::testing::TestParamInfo<TrustRow>& info) { return std::string(info.param.name); });

TEST(FileTrustTest, NothingThereOrNoRegularFileIsMissing) {
  testing::ScratchDirectory scratch;
  EXPECT_EQ(CheckFileTrust(""), FileTrust::kMissing);
  EXPECT_EQ(CheckFileTrust(scratch / "absent.reg"), FileTrust::kMissing);
  EXPECT_EQ(CheckFileTrust(scratch.path()), FileTrust::kMissing);
  std::filesystem::create_symlink(scratch / "absent.reg", scratch / "dangling.reg");
  EXPECT_EQ(CheckFileTrust(scratch / "dangling.reg"), FileTrust::kLink);
}

// Every folder above the file counts, not only its own: one that others may write to could have
// the file's folder renamed away and another put in its place.
TEST(FileTrustTest, JudgesEveryFolderAbove) {
  testing::ScratchDirectory scratch;
  const std::string outer = scratch / "outer";
  const std::string file = outer + "/inner/registry.reg";
  std::filesystem::create_directories(outer + "/inner");
  testing::WriteFile(file, "REGEDIT4\n");
  for (const auto& [mode, trust] :
       {std::pair{0755, FileTrust::kTrusted}, std::pair{0777, FileTrust::kWritableByOthers},
        std::pair{01777, FileTrust::kTrusted}}) {
    ASSERT_EQ(::chmod(outer.c_str(), mode), 0);
    EXPECT_EQ(CheckFileTrust(file), trust) << std::oct << mode;
  }
}

// What is read is the file that was checked, even when another takes its name in between (a
// registration file swapped after the check).
TEST(FileTrustTest, ReadsTheDescriptorThatWasChecked) {
  testing::ScratchDirectory scratch;
  const std::string file = scratch / "registry.reg";
  testing::WriteFile(file, "checked");
  const TrustedFile opened = OpenTrustedFile(file);
  ASSERT_EQ(opened.trust, FileTrust::kTrusted);
  ASSERT_GE(opened.fd, 0);
  testing::WriteFile(scratch / "other.reg", "swapped");
  std::filesystem::rename(scratch / "other.reg", file);
  char bytes[16] = {};
  EXPECT_EQ(::read(opened.fd, bytes, sizeof bytes), 7);
  EXPECT_EQ(std::string(bytes), "checked");
  ::close(opened.fd);
  EXPECT_EQ(ReadTrustedFile(file, 100).bytes, std::optional<std::string>("swapped"));
  EXPECT_EQ(ReadTrustedFile(file, 3).bytes, std::nullopt);  // more than allowed
}

}  // namespace
}  // namespace solvanex::platform
