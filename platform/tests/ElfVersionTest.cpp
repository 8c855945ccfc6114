#include <gtest/gtest.h>

#include <optional>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "platform/FileVersion.h"

namespace solvanex::platform {
namespace {

using testing::BuildElfImage;
using testing::ElfOptions;

constexpr FixedFileVersion kVersion{0x00010000, 0x00000000};  // 1.0.0.0

struct ElfRow {
  const char* name;
  ElfOptions options;
  std::optional<FixedFileVersion> expected;
};

class ElfImages : public ::testing::TestWithParam<ElfRow> {};

TEST_P(ElfImages, ReadTheFileVersionSection) {
  const std::string image =
      BuildElfImage(kVersion.fileVersionMS, kVersion.fileVersionLS, GetParam().options);
  EXPECT_EQ(ElfFileVersion(image), GetParam().expected);
}

// The section table ends the image: a shorter copy must never give a version.
TEST_P(ElfImages, EveryTruncationGivesNoVersion) {
  const std::string image =
      BuildElfImage(kVersion.fileVersionMS, kVersion.fileVersionLS, GetParam().options);
  for (std::size_t length = 0; length < image.size(); ++length) {
    ASSERT_EQ(ElfFileVersion(std::string_view(image).substr(0, length)), std::nullopt)
        << "length " << length;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ElfImages,
    ::testing::Values(ElfRow{"Elf64LittleEndian", {}, kVersion},
                      ElfRow{"Elf32LittleEndian", {.is64 = false}, kVersion},
                      ElfRow{"Elf64BigEndian", {.bigEndian = true}, kVersion},
                      ElfRow{"Elf32BigEndian", {.is64 = false, .bigEndian = true}, kVersion},
                      ElfRow{"ExtendedNumbering", {.extendedNumbering = true}, kVersion},
                      ElfRow{"OtherSectionName", {.sectionName = ".fileversions"}, std::nullopt},
                      ElfRow{"PrefixOfTheName", {.sectionName = ".filever"}, std::nullopt},
                      ElfRow{"SectionWithoutContent", {.sectionType = 8}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct ElfDamage {
  const char* name;
  std::uint64_t offset;  // in a little-endian 64-bit image
  std::uint64_t value;
  unsigned width;
};

class ElfDamages : public ::testing::TestWithParam<ElfDamage> {};

TEST_P(ElfDamages, GiveNoVersion) {
  std::string image = BuildElfImage(kVersion.fileVersionMS, kVersion.fileVersionLS, {});
  testing::Poke(image, GetParam().offset, GetParam().value, GetParam().width);
  EXPECT_EQ(ElfFileVersion(image), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ElfDamages,
    ::testing::Values(ElfDamage{"UnknownClass", 4, 3, 1}, ElfDamage{"UnknownByteOrder", 5, 0, 1},
                      ElfDamage{"NoSectionTable", 0x28, 0, 8},
                      ElfDamage{"SectionTablePastTheEnd", 0x28, 0xFFFFFFFFFFFFFF00, 8},
                      ElfDamage{"SectionHeadersTooSmall", 0x3A, 16, 2},
                      ElfDamage{"HugeSectionCount", 0x3C, 0xFF00, 2},
                      ElfDamage{"NameTableIndexOutOfRange", 0x3E, 3, 2},
                      ElfDamage{"NameWithoutItsNull", 0x40 + 23, 'x', 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ElfVersion, NameTableCutShortOfTheNameGivesNoVersion) {
  std::string image = BuildElfImage(kVersion.fileVersionMS, kVersion.fileVersionLS, {});
  // The names' section header is the second of the table; its sh_size at 0x20.
  const std::uint64_t table = image.size() - 3 * 64;
  testing::Poke(image, table + 64 + 0x20, 20, 8);
  EXPECT_EQ(ElfFileVersion(image), std::nullopt);
}

TEST(ElfVersion, ReadsTheSectionOfARealModule) {
  EXPECT_EQ(ReadFixedFileVersion(SOLVANEX_TEST_MODULE), (FixedFileVersion{0x00010002, 0x00030004}));
}

TEST(ElfVersion, FilesWithoutAVersionGiveNone) {
  testing::ScratchDirectory directory;
  testing::WriteFile(directory / "text.so", "just text");
  EXPECT_EQ(ReadFixedFileVersion("/proc/self/exe"), std::nullopt);
  EXPECT_EQ(ReadFixedFileVersion(directory / "text.so"), std::nullopt);
  EXPECT_EQ(ReadFixedFileVersion(directory / "absent.so"), std::nullopt);
  EXPECT_EQ(ReadFixedFileVersion(directory.path()), std::nullopt);
  EXPECT_EQ(ReadFixedFileVersion(""), std::nullopt);
}

}  // namespace
}  // namespace solvanex::platform
