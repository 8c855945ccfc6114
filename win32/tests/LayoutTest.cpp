// The window as built: size, style, the places and colours of every control taken from the
// shared description of the window, at 96 dpi and scaled at 144 and 192 dpi; menus and
// shortcuts; start-up state.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "FormFixture.h"
#include "clinical/Keypad.h"
#include "form/Buttons.h"
#include "form/Menus.h"
#include "form/Window.h"
#include "win32/FormWin32.h"
#include "win32/Wide.h"

namespace solvanex::win32::test {
namespace {

RECT ClientRectOf(HWND control, HWND window) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << actual.left << ", " << actual.top << ", " << actual.right << ", "
         << actual.bottom << ") instead of (" << expected.left << ", " << expected.top << ", "
         << expected.right << ", " << expected.bottom << ")";
}

class ScaledLayoutTest : public ::testing::TestWithParam<int> {};

TEST_P(ScaledLayoutTest, EveryControlSitsAtItsScaledPlace) {
  const int dpi = GetParam();
  const Dpi scale(dpi);
  FormFixture fixture(',', dpi);
  const HWND window = fixture.Window();
  RECT client;
  GetClientRect(window, &client);
  // A window larger than the screen is cut to it by the system: the test prefix's screen is
  // that of a 96 dpi display.
  if (scale.Scale(form::kClientSize.width) < GetSystemMetrics(SM_CXSCREEN)) {
    EXPECT_EQ(client.right, scale.Scale(form::kClientSize.width));
    EXPECT_EQ(client.bottom, scale.Scale(form::kClientSize.height));
  }

  const auto rows = form::ButtonTable();
  ASSERT_EQ(fixture.Form().Buttons().size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(std::string(rows[i].name));
    const KeyButton& button = *fixture.Form().Buttons()[i];
    EXPECT_TRUE(SameRect(ClientRectOf(button.Handle(), window), scale.Scale(ToRect(rows[i].rect))));
    EXPECT_EQ(button.Color(), form::ColorOf(rows[i].color));
    const KeyBinding* binding = FindKey(Keypad(), rows[i].name);
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(ToUtf8(fixture.WindowText(button.Handle())), binding->caption);
  }
  EXPECT_TRUE(SameRect(ClientRectOf(fixture.Form().Afficheur().Handle(), window),
                       scale.Scale(ToRect(form::kAfficheurRect))));
  EXPECT_TRUE(SameRect(ClientRectOf(fixture.Form().EnMemoire(), window),
                       scale.Scale(ToRect(form::kEnMemoireRect))));
  EXPECT_TRUE(SameRect(ClientRectOf(fixture.Form().StatusBar1(), window),
                       scale.Scale(ToRect(form::kStatusBarRect))));
  EXPECT_TRUE(SameRect(ClientRectOf(fixture.Form().RadioGroup1().Handle(), window),
                       scale.Scale(ToRect(form::kRadioGroup1.rect))));
  EXPECT_TRUE(SameRect(ClientRectOf(fixture.Form().RadioGroup2().Handle(), window),
                       scale.Scale(ToRect(form::kRadioGroup2.rect))));
  int parts[2] = {};
  SendMessageW(fixture.Form().StatusBar1(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  EXPECT_EQ(parts[0], scale.Scale(form::kPanelWidths[0]));
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledLayoutTest, ::testing::Values(96, 144, 192));

TEST(LayoutTest, WindowIsTitledFixedAndCentredFrameIncluded) {
  FormFixture fixture;
  const HWND window = fixture.Window();
  EXPECT_EQ(ToUtf8(fixture.WindowText(window)), form::kCaption);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);

  RECT outer;
  GetWindowRect(window, &outer);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(std::abs((outer.left + outer.right) - (work.left + work.right)), 1);
  EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1);

  // The size is locked at the current outer size.
  MINMAXINFO limits{};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left);
  EXPECT_EQ(limits.ptMaxTrackSize.y, outer.bottom - outer.top);
  EXPECT_EQ(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
}

TEST(LayoutTest, StartsClearedWithFirstChoicesAndTheWindowHint) {
  FormFixture fixture;
  EXPECT_EQ(fixture.DisplayText(), L"0,");
  EXPECT_EQ(fixture.Form().Afficheur().TextColor(), RGB(0, 0, 0));
  EXPECT_EQ(fixture.WindowText(fixture.Form().EnMemoire()), L"");
  EXPECT_EQ(fixture.Form().RadioGroup1().ItemIndex(), 0);
  EXPECT_EQ(fixture.Form().RadioGroup2().ItemIndex(), 0);
  EXPECT_EQ(ToUtf8(fixture.Form().PanelText(1)), form::kWindowHint);
  EXPECT_EQ(ToUtf8(fixture.Form().PanelText(0)), form::kCopyright);
  // The display is read-only, out of the tab order, right-aligned and multi-line.
  const LONG_PTR style = GetWindowLongPtrW(fixture.Form().Afficheur().Handle(), GWL_STYLE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & ES_RIGHT);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_FALSE(style & WS_TABSTOP);
  EXPECT_FALSE(style & ES_NOHIDESEL);
}

TEST(LayoutTest, ChoiceGroupsShowTheirItemsInTheirColours) {
  FormFixture fixture;
  for (const auto* row : {&form::kRadioGroup1, &form::kRadioGroup2}) {
    ChoiceGroup& group =
        row == &form::kRadioGroup1 ? fixture.Form().RadioGroup1() : fixture.Form().RadioGroup2();
    SCOPED_TRACE(std::string(row->name));
    EXPECT_EQ(group.Color(), row->color);
    ASSERT_EQ(group.ItemCount(), 2);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(ToUtf8(fixture.WindowText(group.ItemHandle(i))),
                row->items[static_cast<std::size_t>(i)]);
    }
    // Side by side in two columns.
    RECT first = ClientRectOf(group.ItemHandle(0), fixture.Window());
    RECT second = ClientRectOf(group.ItemHandle(1), fixture.Window());
    EXPECT_LE(first.right, second.left);
    EXPECT_EQ(first.top, second.top);
  }
}

TEST(LayoutTest, MenusCarryTheirCaptionsAndShortcuts) {
  FormFixture fixture;
  const HMENU bar = fixture.Form().MainMenu1();
  std::vector<std::wstring> menus;
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    wchar_t text[64];
    GetMenuStringW(bar, i, text, 64, MF_BYPOSITION);
    menus.push_back(text);
  }
  EXPECT_EQ(menus, (std::vector<std::wstring>{L"&Fichier", L"&Edition", L"&Aide"}));
  for (const form::MenuItemLayout& item : form::MenuTable()) {
    if (item.command == form::MenuCommand::None) continue;
    SCOPED_TRACE(std::string(item.name));
    wchar_t text[64] = {};
    ASSERT_GT(GetMenuStringW(bar, fixture.Form().MenuCommandId(item.name), text, 64, MF_BYCOMMAND),
              0);
    std::wstring caption = ToWide(item.caption);
    if (!item.accelerator.Empty()) {
      caption += std::wstring(L"\tCtrl+") + static_cast<wchar_t>(item.accelerator.letter);
    }
    EXPECT_EQ(text, caption);
  }
  std::vector<ACCEL> shortcuts(8);
  const int count = CopyAcceleratorTableW(fixture.Form().Accelerators(), shortcuts.data(), 8);
  ASSERT_EQ(count, 3);
  for (int i = 0; i < count; ++i) EXPECT_TRUE(shortcuts[i].fVirt & FCONTROL);
}

}  // namespace
}  // namespace solvanex::win32::test
