#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "platform/FileVersion.h"

namespace solvanex::platform {
namespace {

using testing::BuildPeImage;
using testing::PeLayout;
using testing::Poke;

constexpr FixedFileVersion kVersion{0x0004004A, 0x24390000};  // 4.74.9273.0

class PeFormats : public ::testing::TestWithParam<bool> {};

TEST_P(PeFormats, ReadsTheFixedFileVersion) {
  EXPECT_EQ(
      PeFileVersion(BuildPeImage(kVersion.fileVersionMS, kVersion.fileVersionLS, GetParam()).bytes),
      kVersion);
  EXPECT_EQ(PeFileVersion(BuildPeImage(0xFFFFFFFF, 0xFFFFFFFE, GetParam()).bytes),
            (FixedFileVersion{0xFFFFFFFF, 0xFFFFFFFE}));
}

// The version structure ends the file, so every shorter copy has lost part of what the reader
// needs: none may give a version.
TEST_P(PeFormats, EveryTruncationGivesNoVersion) {
  const std::string image =
      BuildPeImage(kVersion.fileVersionMS, kVersion.fileVersionLS, GetParam()).bytes;
  for (std::size_t length = 0; length < image.size(); ++length) {
    ASSERT_EQ(PeFileVersion(std::string_view(image).substr(0, length)), std::nullopt)
        << "length " << length;
  }
}

TEST_P(PeFormats, ReadsFromAFileByItsContentNotItsName) {
  testing::ScratchDirectory directory;
  const std::string file = directory / "hhctrl.txt";
  testing::WriteFile(
      file, BuildPeImage(kVersion.fileVersionMS, kVersion.fileVersionLS, GetParam()).bytes);
  EXPECT_EQ(ReadFixedFileVersion(file), kVersion);
}

INSTANTIATE_TEST_SUITE_P(Pe32AndPe32Plus, PeFormats, ::testing::Bool(), [](const auto& info) {
  return std::string(info.param ? "Pe32Plus" : "Pe32");
});

struct Damage {
  const char* name;
  std::function<std::uint64_t(const PeLayout&)> field;
  std::uint64_t value;
  unsigned width;
};

class PeDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(PeDamage, GivesNoVersion) {
  for (const bool pe32Plus : {false, true}) {
    testing::PeImage image = BuildPeImage(kVersion.fileVersionMS, kVersion.fileVersionLS, pe32Plus);
    Poke(image.bytes, GetParam().field(image.layout), GetParam().value, GetParam().width);
    EXPECT_EQ(PeFileVersion(image.bytes), std::nullopt) << (pe32Plus ? "PE32+" : "PE32");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PeDamage,
    ::testing::Values(
        Damage{"NoDosSignature", [](const PeLayout&) { return 0; }, 0x4D5A, 2},
        Damage{"PeHeaderPastTheEnd", [](const PeLayout& l) { return l.peHeaderPointer; },
               0xFFFFFFF0, 4},
        Damage{"NoPeSignature", [](const PeLayout& l) { return l.peSignature; }, 0x00004543, 4},
        Damage{"NoSections", [](const PeLayout& l) { return l.sectionCount; }, 0, 2},
        Damage{"SectionTablePastTheEnd", [](const PeLayout& l) { return l.sectionCount; }, 0xFFFF,
               2},
        Damage{"OptionalHeaderTooShort", [](const PeLayout& l) { return l.optionalHeaderSize; }, 16,
               2},
        Damage{"UnknownOptionalMagic", [](const PeLayout& l) { return l.optionalMagic; }, 0x107, 2},
        Damage{"NoResourceDirectory", [](const PeLayout& l) { return l.directoryCount; }, 2, 4},
        Damage{"ResourceRvaZero", [](const PeLayout& l) { return l.resourceRva; }, 0, 4},
        Damage{"ResourceRvaUnmapped", [](const PeLayout& l) { return l.resourceRva; }, 0x5000, 4},
        Damage{"ResourceRvaWraps", [](const PeLayout& l) { return l.resourceRva; }, 0xFFFFFFF8, 4},
        Damage{"SectionDataPastTheEnd", [](const PeLayout& l) { return l.sectionRawPointer; },
               0xFFFFFF00, 4},
        Damage{"SectionElsewhere", [](const PeLayout& l) { return l.sectionVirtualAddress; },
               0x8000, 4},
        Damage{"NoVersionType", [](const PeLayout& l) { return l.typeEntryId; }, 6, 4},
        Damage{"TypeIsALeaf", [](const PeLayout& l) { return l.typeEntryOffset; }, 0x18, 4},
        Damage{"DirectoryLoop", [](const PeLayout& l) { return l.typeEntryOffset; }, 0x80000000, 4},
        Damage{"SubdirectoryPastTheEnd", [](const PeLayout& l) { return l.typeEntryOffset; },
               0xFFFFFFF0, 4},
        Damage{"LanguageIsADirectory", [](const PeLayout& l) { return l.languageEntryData; },
               0x80000030, 4},
        Damage{"DataEntryPastTheEnd", [](const PeLayout& l) { return l.languageEntryData; },
               0x7FFFFFF0, 4},
        Damage{"DataUnmapped", [](const PeLayout& l) { return l.dataEntryRva; }, 0x9000, 4},
        Damage{"DataSizeTooLarge", [](const PeLayout& l) { return l.dataEntrySize; }, 0xFFFFFFFF,
               4},
        Damage{"DataSizeTooSmall", [](const PeLayout& l) { return l.dataEntrySize; }, 60, 4},
        Damage{"VersionInfoTooShort", [](const PeLayout& l) { return l.versionInfoLength; }, 10, 2},
        Damage{"NoFixedValue", [](const PeLayout& l) { return l.versionValueLength; }, 0, 2},
        Damage{"WrongKey", [](const PeLayout& l) { return l.versionKey; }, 'W', 2},
        Damage{"WrongSignature", [](const PeLayout& l) { return l.fixedSignature; }, 0xFEEF04BE,
               4}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvanex::platform
