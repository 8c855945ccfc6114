#include <gtest/gtest.h>

#include "HelpTestSupport.h"
#include "ImageBuilders.h"
#include "calculator/tests/ParamName.h"
#include "help/FileVersions.h"
#include "help/ProductNames.h"

namespace solvanex::help {
namespace {

FileVersionInfo Version(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                        std::uint16_t build) {
  FileVersionInfo version{major, minor, release, build, {}};
  version.text = std::to_string(major) + "." + std::to_string(minor) + "." +
                 std::to_string(release) + "." + std::to_string(build);
  return version;
}

// The highest version below v in the order of four 16-bit numbers.
FileVersionInfo OneBelow(const FileVersionInfo& v) {
  std::uint16_t parts[] = {v.major, v.minor, v.release, v.build};
  for (int i = 3; i >= 0; --i) {
    if (parts[i]-- != 0) break;  // a zero borrows from the part before it
  }
  return Version(parts[0], parts[1], parts[2], parts[3]);
}

struct Boundary {
  FileVersionInfo threshold;
  const char* atThreshold;
  const char* oneBelow;
};

void PrintTo(const Boundary& row, std::ostream* out) {
  *out << row.threshold.text;
}

class HelpControlNames : public ::testing::TestWithParam<Boundary> {};
class BrowserNames : public ::testing::TestWithParam<Boundary> {};

TEST_P(HelpControlNames, NameEachRowFromItsThresholdOn) {
  EXPECT_EQ(ProductName(kHelpControlNames, GetParam().threshold), GetParam().atThreshold);
  EXPECT_EQ(ProductName(kHelpControlNames, OneBelow(GetParam().threshold)), GetParam().oneBelow);
}

TEST_P(BrowserNames, NameEachRowFromItsThresholdOn) {
  EXPECT_EQ(ProductName(kBrowserNames, GetParam().threshold), GetParam().atThreshold);
  EXPECT_EQ(ProductName(kBrowserNames, OneBelow(GetParam().threshold)), GetParam().oneBelow);
}

INSTANTIATE_TEST_SUITE_P(Rows, HelpControlNames,
                         ::testing::Values(Boundary{Version(4, 74, 9273, 1), "> 1.33", "1.33"},
                                           Boundary{Version(4, 74, 9300, 0), "> 1.33", "> 1.33"},
                                           Boundary{Version(4, 74, 9273, 0), "1.33", "1.32"},
                                           Boundary{Version(4, 74, 8857, 0), "1.32", "1.31"},
                                           Boundary{Version(4, 74, 8793, 0), "1.31", "1.3"},
                                           Boundary{Version(4, 74, 8702, 0), "1.3", "1.22"},
                                           Boundary{Version(4, 73, 8561, 0), "1.22", "1.21a"},
                                           Boundary{Version(4, 73, 8474, 0), "1.21a", "1.21"},
                                           Boundary{Version(4, 73, 8412, 0), "1.21", "1.2"},
                                           Boundary{Version(4, 73, 8252, 0), "1.2", "1.1b"},
                                           Boundary{Version(4, 72, 8164, 0), "1.1b", "1.1a"},
                                           Boundary{Version(4, 72, 7325, 0), "1.1a", "1.1"},
                                           Boundary{Version(4, 72, 7323, 0), "1.1", "1.0"},
                                           Boundary{Version(4, 72, 7290, 0), "1.0", "< 1.0"},
                                           Boundary{Version(0, 0, 0, 1), "< 1.0", "< 1.0"}),
                         [](const auto& info) {
                           return naming::ParamName(info.param.threshold.text);
                         });

INSTANTIATE_TEST_SUITE_P(
    Rows, BrowserNames,
    ::testing::Values(
        Boundary{Version(6, 0, 2600, 1), "> Internet Explorer 6",
                 "Internet Explorer 6 (Windows XP)"},
        Boundary{Version(6, 0, 2600, 0), "Internet Explorer 6 (Windows XP)",
                 "Internet Explorer 6 Public Preview (Beta) Refresh"},
        Boundary{Version(6, 0, 2479, 6), "Internet Explorer 6 Public Preview (Beta) Refresh",
                 "Internet Explorer 6 Public Preview (Beta)"},
        Boundary{Version(6, 0, 2462, 0), "Internet Explorer 6 Public Preview (Beta)",
                 "Internet Explorer 5.5 Service Pack 2"},
        Boundary{Version(5, 50, 4807, 2300), "Internet Explorer 5.5 Service Pack 2",
                 "Internet Explorer 5.5 Service Pack 1"},
        Boundary{Version(5, 50, 4522, 1800), "Internet Explorer 5.5 Service Pack 1",
                 "Internet Explorer 5.5 Advanced Security Privacy Beta"},
        Boundary{Version(5, 50, 4308, 2900), "Internet Explorer 5.5 Advanced Security Privacy Beta",
                 "Internet Explorer 5.5"},
        Boundary{Version(5, 50, 4134, 600), "Internet Explorer 5.5",
                 "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
        Boundary{Version(5, 50, 4134, 100), "Internet Explorer 5.5 for Windows Me (4.90.3000)",
                 "Internet Explorer 5.5 & Internet Tools Beta"},
        Boundary{Version(5, 50, 4030, 2400), "Internet Explorer 5.5 & Internet Tools Beta",
                 "Internet Explorer 5.5 Developer Preview"},
        Boundary{Version(5, 50, 3825, 1300), "Internet Explorer 5.5 Developer Preview",
                 "Internet Explorer 5.01"},
        Boundary{Version(5, 0, 2919, 6307), "Internet Explorer 5.01",
                 "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
        Boundary{Version(5, 0, 2919, 3800),
                 "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)",
                 "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
        Boundary{Version(5, 0, 2919, 800),
                 "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)",
                 "Internet Explorer 5.0 updated"},
        Boundary{Version(5, 0, 2721, 1400), "Internet Explorer 5.0 updated",
                 "Internet Explorer 5.0b"},
        Boundary{Version(5, 0, 2614, 0), "Internet Explorer 5.0b", "Internet Explorer 5.0a"},
        Boundary{Version(5, 0, 2314, 0), "Internet Explorer 5.0a", "Internet Explorer 5.0"},
        Boundary{Version(5, 0, 2014, 0), "Internet Explorer 5.0",
                 "Internet Explorer 5 Beta (Beta 2)"},
        Boundary{Version(5, 0, 910, 0), "Internet Explorer 5 Beta (Beta 2)",
                 "Internet Explorer 5 Developer Preview (Beta 1)"},
        Boundary{Version(5, 0, 518, 0), "Internet Explorer 5 Developer Preview (Beta 1)",
                 "Internet Explorer 4.01 Service Pack 2 (SP2)"},
        Boundary{Version(4, 72, 3612, 0), "Internet Explorer 4.01 Service Pack 2 (SP2)",
                 "Internet Explorer 4.01 Service Pack 1 (SP1)"},
        Boundary{Version(4, 72, 3110, 0), "Internet Explorer 4.01 Service Pack 1 (SP1)",
                 "Internet Explorer 4.01"},
        Boundary{Version(4, 72, 2106, 0), "Internet Explorer 4.01", "Internet Explorer 4.0"},
        Boundary{Version(4, 71, 1712, 0), "Internet Explorer 4.0",
                 "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
        Boundary{Version(4, 71, 1008, 0), "Internet Explorer 4.0 Platform Preview 2.0 (PP2)",
                 "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
        Boundary{Version(4, 71, 544, 0), "Internet Explorer 4.0 Platform Preview 1.0 (PP1)",
                 "Internet Explorer 3.02"},
        Boundary{Version(4, 70, 1300, 0), "Internet Explorer 3.02", "Internet Explorer 3.01"},
        Boundary{Version(4, 70, 1215, 0), "Internet Explorer 3.01", "Internet Explorer 3.0 (OSR2)"},
        Boundary{Version(4, 70, 1158, 0), "Internet Explorer 3.0 (OSR2)", "Internet Explorer 3.0"},
        Boundary{Version(4, 70, 1155, 0), "Internet Explorer 3.0", "Internet Explorer 2.0"},
        Boundary{Version(4, 40, 520, 0), "Internet Explorer 2.0", "Internet Explorer 1.0 (Plus!)"},
        Boundary{Version(4, 40, 308, 0), "Internet Explorer 1.0 (Plus!)",
                 "< Internet Explorer 1.0 (Plus!)"}),
    [](const auto& info) { return naming::ParamName(info.param.threshold.text); });

TEST(ProductNames, VersionWithoutTextHasNoName) {
  EXPECT_EQ(ProductName(kHelpControlNames, FileVersionInfo{}), "");
  EXPECT_EQ(ProductName(kBrowserNames, FileVersionInfo{}), "");
  EXPECT_EQ(ProductName(kBrowserNames, FileVersionInfo{6, 0, 2600, 0, ""}), "");
}

struct Comparison {
  FileVersionInfo a, b;
  int expected;
};

class CompareVersionsTest : public ::testing::TestWithParam<Comparison> {};

TEST_P(CompareVersionsTest, DecidesByTheFirstDifferentNumber) {
  EXPECT_EQ(CompareVersions(GetParam().a, GetParam().b), GetParam().expected);
  EXPECT_EQ(CompareVersions(GetParam().b, GetParam().a), -GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CompareVersionsTest,
    ::testing::Values(Comparison{Version(4, 74, 9273, 0), Version(4, 74, 9273, 0), 0},
                      Comparison{Version(5, 0, 0, 0), Version(4, 99, 9999, 9999), 1},
                      Comparison{Version(4, 74, 0, 0), Version(4, 73, 9999, 9999), 1},
                      Comparison{Version(4, 74, 9273, 0), Version(4, 74, 8857, 65535), 1},
                      Comparison{Version(6, 0, 2479, 6), Version(6, 0, 2479, 5), 1},
                      Comparison{Version(65535, 0, 0, 0), Version(1, 0, 0, 0), 1},
                      Comparison{Version(0, 0, 0, 65535), Version(0, 0, 0, 32768), 1},
                      // The texts play no part.
                      Comparison{FileVersionInfo{1, 2, 3, 4, ""}, Version(1, 2, 3, 4), 0}),
    [](const auto& info) { return naming::ParamName(info.param.a.text, info.param.b.text); });

struct BrowserFile {
  std::uint16_t major, minor, release, build;
  const char* text;
  const char* name;
};

class BrowserVersionTest : public ::testing::TestWithParam<BrowserFile> {};

TEST_P(BrowserVersionTest, ReadsAndCorrectsTheSystemDirectorysShdocvw) {
  testing::HelpScene scene;
  const BrowserFile& row = GetParam();
  scene.InstallBrowser(row.major, row.minor, row.release, row.build);
  const FileVersionInfo version = ReadBrowserVersion(scene.systemDir + "/");
  EXPECT_EQ(version.text, row.text);
  EXPECT_EQ(ProductName(kBrowserNames, version), row.name);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BrowserVersionTest,
    ::testing::Values(BrowserFile{4, 70, 0, 1155, "4.70.1155.0", "Internet Explorer 3.0"},
                      BrowserFile{4, 40, 0, 308, "4.40.308.0", "Internet Explorer 1.0 (Plus!)"},
                      BrowserFile{4, 70, 0, 0, "4.70.0.0", "Internet Explorer 2.0"},
                      // Not the 3.0-era layout: left as read.
                      BrowserFile{4, 71, 0, 1712, "4.71.0.1712", "Internet Explorer 3.02"},
                      BrowserFile{4, 70, 1, 5, "4.70.1.5", "Internet Explorer 2.0"},
                      BrowserFile{5, 0, 0, 2014, "5.0.0.2014",
                                  "Internet Explorer 4.01 Service Pack 2 (SP2)"},
                      BrowserFile{6, 0, 2600, 0, "6.0.2600.0", "Internet Explorer 6 (Windows XP)"}),
    [](const auto& info) {
      const BrowserFile& f = info.param;
      return naming::ParamName(std::to_string(f.major) + "." + std::to_string(f.minor) + "." +
                               std::to_string(f.release) + "." + std::to_string(f.build));
    });

TEST(BrowserVersion, MissingFileIsNotInstalled) {
  testing::HelpScene scene;
  const FileVersionInfo version = ReadBrowserVersion(scene.systemDir);
  EXPECT_EQ(version, FileVersionInfo{});
  EXPECT_EQ(ProductName(kBrowserNames, version), "");
}

TEST(ReadFileVersion, SplitsTheFixedVersionIntoFourNumbers) {
  testing::HelpScene scene;
  const std::string file = scene.root / "hhctrl.ocx";
  testing::WriteFile(file, testing::BuildPeImage(0x0004004A, 0x24390102, true).bytes);
  EXPECT_EQ(ReadFileVersion(file), (FileVersionInfo{4, 74, 9273, 258, "4.74.9273.258"}));
  EXPECT_EQ(ReadFileVersion(scene.root / "absent.ocx"), FileVersionInfo{});
  EXPECT_EQ(ReadFileVersion(""), FileVersionInfo{});
}

}  // namespace
}  // namespace solvanex::help
