#include <gtest/gtest.h>

#include <cstdint>

#include "calculator/tests/ParamName.h"
#include "platform/Files.h"
#include "platform/Lcid.h"
#include "platform/Paths.h"
#include "platform/PlatformVersion.h"
#include "platform/SystemInfo.h"

namespace solvanex::platform {
namespace {

struct LcidRow {
  const char* locale;
  std::uint32_t lcid, primary, sub;
};

class LcidTest : public ::testing::TestWithParam<LcidRow> {};

TEST_P(LcidTest, MapsLocaleNamesToWindowsIdentifiers) {
  const std::uint32_t lcid = LcidFromLocaleName(GetParam().locale);
  EXPECT_EQ(lcid, GetParam().lcid);
  EXPECT_EQ(PrimaryLanguageId(lcid), GetParam().primary);
  EXPECT_EQ(SubLanguageId(lcid), GetParam().sub);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LcidTest,
    ::testing::Values(LcidRow{"fr_FR.UTF-8", 0x040C, 0x0C, 1}, LcidRow{"fr_BE", 0x080C, 0x0C, 2},
                      LcidRow{"fr_CA.UTF-8", 0x0C0C, 0x0C, 3}, LcidRow{"fr_CH", 0x100C, 0x0C, 4},
                      LcidRow{"fr_FR@euro", 0x040C, 0x0C, 1}, LcidRow{"fr-FR", 0x040C, 0x0C, 1},
                      LcidRow{"en_US.UTF-8", 0x0409, 0x09, 1}, LcidRow{"en_GB", 0x0809, 0x09, 2},
                      LcidRow{"de_DE", 0x0407, 0x07, 1}, LcidRow{"es_ES", 0x0C0A, 0x0A, 3},
                      LcidRow{"it_IT", 0x0410, 0x10, 1}, LcidRow{"nl_NL", 0x0413, 0x13, 1},
                      LcidRow{"pt_PT", 0x0816, 0x16, 2}, LcidRow{"pt_BR", 0x0416, 0x16, 1},
                      // A known language in an unlisted country, or alone: its default.
                      LcidRow{"fr_SN.UTF-8", 0x040C, 0x0C, 1}, LcidRow{"de", 0x0407, 0x07, 1},
                      LcidRow{"C", 0x007F, 0x7F, 0}, LcidRow{"C.UTF-8", 0x007F, 0x7F, 0},
                      LcidRow{"POSIX", 0x007F, 0x7F, 0}, LcidRow{"", 0x007F, 0x7F, 0},
                      LcidRow{"xx_YY", 0x1000, 0x00, 4}),
    [](const auto& info) { return naming::ParamName(info.param.locale); });

struct ReleaseRow {
  const char* release;
  unsigned major, minor, build;
};

class KernelReleaseTest : public ::testing::TestWithParam<ReleaseRow> {};

TEST_P(KernelReleaseTest, ReadsMajorMinorAndPatch) {
  const PlatformVersion version = ParseKernelRelease(GetParam().release);
  EXPECT_EQ(version.name, "Linux");
  EXPECT_EQ(version.major, GetParam().major);
  EXPECT_EQ(version.minor, GetParam().minor);
  EXPECT_EQ(version.build, GetParam().build);
}

INSTANTIATE_TEST_SUITE_P(Releases, KernelReleaseTest,
                         ::testing::Values(ReleaseRow{"6.1.0-18-amd64", 6, 1, 0},
                                           ReleaseRow{"5.15.133.1-microsoft-standard-WSL2", 5, 15,
                                                      133},
                                           ReleaseRow{"4.19.276", 4, 19, 276},
                                           ReleaseRow{"6.8-rc1", 6, 8, 0}, ReleaseRow{"7", 7, 0, 0},
                                           ReleaseRow{"", 0, 0, 0}, ReleaseRow{"x.1.2", 0, 0, 0}),
                         [](const auto& info) { return naming::ParamName(info.param.release); });

TEST(SystemInfo, ProgramFileIsThisTestProgram) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux's program file; Windows's is tested in WindowsPlatformTest.cpp";
#endif
  const std::string path = ModuleFileName();
  EXPECT_TRUE(IsAbsolutePath(path));
  EXPECT_EQ(ExtractFileName(path), "solvanex_platform_tests");
  EXPECT_TRUE(FileExists(path));
}

TEST(SystemInfo, SystemDirectoryHoldsTheCLibrary) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux's C library; Windows's system directory is tested in "
                  "WindowsPlatformTest.cpp";
#endif
  const std::string directory = SystemDirectory();
  EXPECT_EQ(directory, RemoveTrailingSeparators(directory));
  EXPECT_TRUE(FileExists(JoinPath(directory, "libc.so.6"))) << directory;
  EXPECT_FALSE(FileExists(JoinPath(directory, "Shdocvw.dll")));
}

}  // namespace
}  // namespace solvanex::platform
