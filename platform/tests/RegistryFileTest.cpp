#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "platform/Registry.h"

namespace solvanex::platform {
namespace {

constexpr char kKey[] = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
constexpr char kSection[] =
    "[HKEY_CLASSES_ROOT\\CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32]";

struct RegistryRow {
  const char* name;
  std::string text;
  std::optional<std::string> expected;  // nullopt: the key cannot be opened
};

class RegistryFileTest : public ::testing::TestWithParam<RegistryRow> {};

TEST_P(RegistryFileTest, ReadsTheDefaultValueOfTheHelpControlKey) {
  testing::ScratchDirectory directory;
  const std::string file = directory / "registry.reg";
  testing::WriteFile(file, GetParam().text);
  EXPECT_EQ(ReadClassesRootDefaultValue(kKey, file), GetParam().expected);
}

const std::string S = kSection;

INSTANTIATE_TEST_SUITE_P(
    Rows, RegistryFileTest,
    ::testing::Values(
        RegistryRow{"plain", "REGEDIT4\n\n" + S + "\n@=\"/opt/hh/hhctrl.so\"\n",
                    "/opt/hh/hhctrl.so"},
        RegistryRow{
            "escapes",
            "REGEDIT4\n" + S + "\n@=\"C:\\\\Program Files\\\\HTML \\\"Help\\\"\\\\x.ocx\"\n",
            "C:\\Program Files\\HTML \"Help\"\\x.ocx"},
        RegistryRow{"other backslash stands for itself", "REGEDIT4\n" + S + "\n@=\"a\\nb\"\n",
                    "a\\nb"},
        RegistryRow{"environment reference kept", "REGEDIT4\n" + S + "\n@=\"%SystemRoot%\\\\x\"\n",
                    "%SystemRoot%\\x"},
        RegistryRow{"CR LF, byte-order mark, comments, blanks",
                    "\xEF\xBB\xBFREGEDIT4\r\n; the help viewer\r\n  " + S +
                        "  \r\n"
                        "\"ThreadingModel\"=\"Apartment\"\r\n@ = \"/x.so\" \r\n",
                    "/x.so"},
        RegistryRow{"key compared without letter case",
                    "REGEDIT4\n[hkey_classes_root\\clsid\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}"
                    "\\inprocserver32]\n@=\"/x.so\"\n",
                    "/x.so"},
        RegistryRow{"later value wins",
                    "REGEDIT4\n" + S + "\n@=\"/a.so\"\n" + S + "\n@=\"/b.so\"\n", "/b.so"},
        RegistryRow{"missing key",
                    "REGEDIT4\n[HKEY_CLASSES_ROOT\\CLSID\\{other}\\InprocServer32]\n@=\"/x.so\"\n",
                    std::nullopt},
        RegistryRow{"parent key only", "REGEDIT4\n[HKEY_CLASSES_ROOT\\CLSID]\n@=\"/x.so\"\n",
                    std::nullopt},
        RegistryRow{"deletion section", "REGEDIT4\n[-" + S.substr(1) + "\n@=\"/x.so\"\n",
                    std::nullopt},
        RegistryRow{"missing default value", "REGEDIT4\n" + S + "\n\"Other\"=\"/x.so\"\n", ""},
        RegistryRow{"default value not a string", "REGEDIT4\n" + S + "\n@=dword:00000001\n", ""},
        RegistryRow{"unterminated string skipped", "REGEDIT4\n" + S + "\n@=\"/x.so\n", ""},
        RegistryRow{"text after the string skipped", "REGEDIT4\n" + S + "\n@=\"/x.so\" junk\n", ""},
        RegistryRow{"value before any section ignored", "REGEDIT4\n@=\"/early.so\"\n" + S + "\n",
                    ""},
        RegistryRow{"not a REGEDIT4 file",
                    "Windows Registry Editor Version 5.00\n" + S + "\n@=\"/x.so\"\n", std::nullopt},
        RegistryRow{"empty file", "", std::nullopt}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(RegistryFile, MissingFileCannotBeOpened) {
  testing::ScratchDirectory directory;
  EXPECT_EQ(ReadClassesRootDefaultValue(kKey, directory / "absent.reg"), std::nullopt);
  EXPECT_EQ(ReadClassesRootDefaultValue(kKey, directory.path()), std::nullopt);
}

}  // namespace
}  // namespace solvanex::platform
