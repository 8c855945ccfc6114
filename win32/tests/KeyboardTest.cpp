// Keys as button presses: the key tables whichever control has the focus, the pressed look and
// its release by the timer, keys that press nothing, menu shortcuts.
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "form/Buttons.h"
#include "form/Menus.h"
#include "form/Window.h"
#include "win32/FormWin32.h"

namespace solvanex::win32::test {
namespace {

struct TypedCase {
  const char* name;
  std::wstring typed;  // characters; \r Enter, \x1b Escape, \x7f Delete
  std::wstring display;
};

void Type(FormFixture& fixture, const std::wstring& typed) {
  for (const wchar_t c : typed) {
    switch (c) {
      case L'\r':
        fixture.Key(VK_RETURN);
        break;
      case 0x1b:
        fixture.Key(VK_ESCAPE);
        break;
      case 0x7f:
        fixture.Key(VK_DELETE);
        break;
      case L'\b':
        fixture.Key(VK_BACK, L'\b');
        break;
      default:
        fixture.Char(c);
    }
  }
}

class TypedTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedTest, KeysActAsTheirButtons) {
  FormFixture fixture;
  Type(fixture, GetParam().typed);
  EXPECT_EQ(fixture.DisplayText(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(Keys, TypedTest,
                         ::testing::Values(TypedCase{"Sum", L"12+3\r", L"15,"},
                                           TypedCase{"PointIsTheSeparator", L"1.5*2\r", L"3,"},
                                           TypedCase{"CommaIsTheSeparator", L"1,5/3\r", L"0,5"},
                                           TypedCase{"EscapeClears", L"12+3\x1b", L"0,"},
                                           TypedCase{"DeleteClearsEntry",
                                                     L"12+3\x7f"
                                                     L"4\r",
                                                     L"16,"},
                                           TypedCase{"BackspaceAndLettersDoNothing", L"12\bP=%",
                                                     L"12,"},
                                           TypedCase{"Subtraction", L"7-9\r", L"-2,"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardTest, KeysReachTheWindowWhileAChoiceHasTheFocus) {
  FormFixture fixture;
  SetFocus(fixture.Form().RadioGroup2().ItemHandle(0));
  ASSERT_EQ(GetFocus(), fixture.Form().RadioGroup2().ItemHandle(0));
  Type(fixture, L"42");
  EXPECT_EQ(fixture.DisplayText(), L"42,");
  // The arrows still move the choice.
  fixture.Key(VK_RIGHT);
  EXPECT_EQ(fixture.Form().RadioGroup2().ItemIndex(), 1);
  EXPECT_EQ(fixture.DisplayText(), L"42,");
}

TEST(KeyboardTest, EnterInTheDisplayComputesAndInsertsNothing) {
  FormFixture fixture;
  Type(fixture, L"2*3");
  SetFocus(fixture.Form().Afficheur().Handle());
  fixture.Key(VK_RETURN);
  EXPECT_EQ(fixture.DisplayText(), L"6,");
}

TEST(KeyboardTest, CtrlCombinationsPressNothing) {
  FormFixture fixture;
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  Type(fixture, L"7");
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(fixture.DisplayText(), L"0,");
  for (const auto& button : fixture.Form().Buttons()) EXPECT_FALSE(button->IsDown());
}

TEST(KeyboardTest, AKeyShowsItsButtonPressedUntilTheTimerTicks) {
  FormFixture fixture;
  fixture.PumpFor(80);  // the creation tick
  EXPECT_FALSE(fixture.Form().Timer1Running());
  KeyButton* seven = fixture.Form().DigitButton('7');
  fixture.Form().PressButton(seven);
  EXPECT_TRUE(seven->IsDown());
  EXPECT_TRUE(fixture.Form().Timer1Running());
  EXPECT_EQ(fixture.DisplayText(), L"7,");
  // A burst: the second key keeps the running timer, one tick releases both.
  KeyButton* plus = fixture.Form().Button("Addition");
  fixture.Form().PressButton(plus);
  EXPECT_TRUE(plus->IsDown());
  fixture.PumpFor(150);
  EXPECT_FALSE(seven->IsDown());
  EXPECT_FALSE(plus->IsDown());
  EXPECT_FALSE(fixture.Form().Timer1Running());
}

TEST(KeyboardTest, ButtonsNeverTakeTheFocus) {
  FormFixture fixture;
  const HWND focused = fixture.Form().RadioGroup1().ItemHandle(0);
  SetFocus(focused);
  for (const auto& button : fixture.Form().Buttons()) {
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  }
  fixture.Pump();
  EXPECT_EQ(GetFocus(), focused);
}

TEST(KeyboardTest, MenuShortcutsAreMatchedFirst) {
  FormFixture fixture;
  Type(fixture, L"12,5");
  SetClipboardText(L"");
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SetFocus(fixture.Form().Afficheur().Handle());
  fixture.Key('C');
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(ClipboardText(), L"12,5");
}

}  // namespace
}  // namespace solvanex::win32::test
