// Copy and paste of the display in Unicode, the display keeping its text exactly, a huge paste
// that must not freeze it, and the colour of an error message.
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "win32/Wide.h"

namespace solvanex::win32::test {
namespace {

struct PasteCase {
  const char* name;
  std::wstring clipboard;
};

class PasteTest : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteTest, TheDisplayHoldsExactlyThePastedTextAndCopiesItBack) {
  FormFixture fixture;
  SetClipboardText(GetParam().clipboard);
  fixture.Command("Coller2");
  EXPECT_EQ(fixture.DisplayText(), GetParam().clipboard);
  EXPECT_TRUE(fixture.Form().Afficheur().ReadOnly());
  SetClipboardText(L"");
  fixture.Command("Coller1");
  EXPECT_EQ(ClipboardText(), GetParam().clipboard);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PasteTest,
    ::testing::Values(PasteCase{"Number", L"3,14"}, PasteCase{"Word", L"bonjour"},
                      PasteCase{"Accents", L"caf\u00e9 \u00e0 2\u20ac \U0001F600"},
                      PasteCase{"WindowsLines", L"1\r\n2\r\n"}, PasteCase{"LinuxLines", L"12\n"},
                      PasteCase{"LoneReturn", L"a\rb"},
                      PasteCase{"Long",
                                std::wstring(20000, L'7') + L"\r\n" + std::wstring(20000, L'8')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipboardTest, CopyPutsTheDisplayWithItsTrailingSeparator) {
  FormFixture fixture;
  fixture.Char(L'1');
  fixture.Char(L'2');
  fixture.Command("Coller1");
  EXPECT_EQ(ClipboardText(), L"12,");
}

TEST(ClipboardTest, APastedNumberIsReadByTheNextOperator) {
  FormFixture fixture;
  SetClipboardText(L"3,14");
  fixture.Command("Coller2");
  fixture.Char(L'+');
  fixture.Char(L'2');
  fixture.Key(VK_RETURN);
  EXPECT_EQ(fixture.DisplayText(), L"5,14");
}

TEST(ClipboardTest, AnEmptyClipboardChangesNothing) {
  FormFixture fixture;
  fixture.Char(L'8');
  SetClipboardText(L"");
  fixture.Command("Coller2");
  EXPECT_EQ(fixture.DisplayText(), L"8,");
  EXPECT_TRUE(fixture.Form().Afficheur().ReadOnly());
}

TEST(ClipboardTest, TenMebibytesPasteQuicklyAndStayExact) {
  FormFixture fixture;
  std::wstring huge(5 * 1024 * 1024, L'9');  // 10 MiB in UTF-16
  huge[123] = L'\r';
  huge[124] = L'\n';
  SetClipboardText(huge);
  const DWORD start = GetTickCount();
  fixture.Command("Coller2");
  fixture.Pump();
  const DWORD took = GetTickCount() - start;
  EXPECT_LT(took, 5000u);
  EXPECT_EQ(fixture.DisplayText().size(), huge.size());
  EXPECT_TRUE(fixture.DisplayText() == huge);
  // The control shows the end of the text after one ellipsis.
  const std::wstring shown = fixture.Form().Afficheur().ShownText();
  EXPECT_LT(shown.size(), 10000u);
  EXPECT_EQ(shown.front(), L'\u2026');
  EXPECT_EQ(shown.substr(1), huge.substr(huge.size() - (shown.size() - 1)));
}

TEST(ClipboardTest, LoneBreaksShowAsMarksOnOneLine) {
  FormFixture fixture;
  SetClipboardText(L"a\rb\nc\r\nd");
  fixture.Command("Coller2");
  EXPECT_EQ(fixture.Form().Afficheur().ShownText(), L"a\u240Db\u240Ac\r\nd");
}

TEST(ClipboardTest, AnErrorMessageIsRedAndADigitTurnsItBlack) {
  FormFixture fixture;
  fixture.Char(L'1');
  fixture.Char(L'/');
  fixture.Char(L'0');
  fixture.Key(VK_RETURN);
  EXPECT_EQ(fixture.Form().Afficheur().TextColor(), RGB(255, 0, 0));
  EXPECT_EQ(fixture.DisplayText().rfind(L"Erreur : ", 0), 0u);
  // Also while the display has the focus.
  SetFocus(fixture.Form().Afficheur().Handle());
  fixture.Char(L'2');
  EXPECT_EQ(fixture.Form().Afficheur().TextColor(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace solvanex::win32::test
