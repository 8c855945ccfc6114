// Errors raised by key handlers: the box's text, caption and icon; no input acts between the
// failing key and the closing of its box; no button stays drawn pressed behind it.
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "form/Buttons.h"
#include "form/Menus.h"
#include "form/Window.h"
#include "win32/FormWin32.h"
#include "win32/Wide.h"

namespace solvanex::win32::test {
namespace {

TEST(ErrorBoxTest, APastedWordFailsAtTheNextOperatorWithItsMessage) {
  FormFixture fixture;
  SetClipboardText(L"abc");
  fixture.Command("Coller2");
  fixture.Char(L'+');
  ASSERT_EQ(fixture.Boxes().size(), 1u);
  EXPECT_EQ(ToUtf8(fixture.Boxes()[0].caption), form::kCaption);
  EXPECT_EQ(fixture.Boxes()[0].text, L"'abc' n'est pas une valeur en virgule flottante correcte.");
  // What the handler changed before the error stays; the program runs on.
  fixture.Char(L'5');
  EXPECT_EQ(fixture.DisplayText(), L"5,");
}

TEST(ErrorBoxTest, ALongPastedTextIsShortenedInTheBox) {
  FormFixture fixture;
  SetClipboardText(std::wstring(100000, L'x') + L"\r\nfin");
  fixture.Command("Coller2");
  fixture.Click("Egal");
  ASSERT_EQ(fixture.Boxes().size(), 1u);
  const std::wstring& text = fixture.Boxes()[0].text;
  EXPECT_LT(text.size(), 200u);
  EXPECT_NE(text.find(L'\u2026'), std::wstring::npos);
  EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
}

TEST(ErrorBoxTest, NoInputActsUntilTheBoxHasClosed) {
  std::wstring seenWhileOpen;
  FormFixture* self = nullptr;
  bool anyDown = false;
  FormFixture fixture(',', 96, [&](HWND, const std::wstring&, const std::wstring&) {
    // While the box is open: the release tick comes, keys and clicks arrive.
    self->PumpFor(120);
    for (const auto& button : self->Form().Buttons()) anyDown = anyDown || button->IsDown();
    SendMessageW(self->Window(), WM_CHAR, L'9', 1);
    SendMessageW(self->Form().Button("SpeedButton8")->Handle(), BM_CLICK, 0, 0);
    SetClipboardText(L"77");
    SendMessageW(self->Window(), WM_COMMAND, self->Form().MenuCommandId("Coller2"), 0);
    seenWhileOpen = self->DisplayText();
  });
  self = &fixture;
  SetClipboardText(L"abc");
  fixture.Command("Coller2");
  // The failing key and a key queued behind it.
  HWND focus = GetFocus() != nullptr ? GetFocus() : fixture.Window();
  PostMessageW(focus, WM_CHAR, L'+', 1);
  PostMessageW(focus, WM_CHAR, L'4', 1);
  fixture.Pump();
  EXPECT_EQ(seenWhileOpen, L"abc");
  EXPECT_FALSE(anyDown);
  EXPECT_EQ(fixture.DisplayText(), L"abc");
  EXPECT_TRUE(fixture.Form().Gate().IsOpen());
  // After the box, keys act again.
  fixture.Char(L'4');
  EXPECT_EQ(fixture.DisplayText(), L"4,");
}

// The real box: found among the thread's windows while it is open, read, and closed.
struct BoxReading {
  std::wstring caption;
  std::wstring text;
  bool errorIcon = false;
};

BoxReading* reading = nullptr;

BOOL CALLBACK ReadChild(HWND child, LPARAM) {
  wchar_t className[32];
  GetClassNameW(child, className, 32);
  if (std::wstring(className) != L"Static") return TRUE;
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) {
    reading->errorIcon = SendMessageW(child, STM_GETICON, 0, 0) ==
                         reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_ERROR));
  } else {
    wchar_t text[512];
    GetWindowTextW(child, text, 512);
    if (text[0] != L'\0') reading->text = text;
  }
  return TRUE;
}

VOID CALLBACK FindAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = FindWindowW(L"#32770", nullptr);
  if (box == nullptr) return;
  KillTimer(nullptr, timer);
  wchar_t caption[128];
  GetWindowTextW(box, caption, 128);
  reading->caption = caption;
  EnumChildWindows(box, ReadChild, 0);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(ErrorBoxTest, TheRealBoxHasTheErrorIconTheTitleAndTheText) {
  BoxReading box;
  reading = &box;
  FormFixture fixture(',', 96, ShowModalErrorBox);
  SetClipboardText(L"x");
  fixture.Command("Coller2");
  SetTimer(nullptr, 0, 20, FindAndCloseBox);
  fixture.Click("Egal");
  EXPECT_EQ(ToUtf8(box.caption), form::kCaption);
  EXPECT_EQ(box.text, L"'x' n'est pas une valeur en virgule flottante correcte.");
  EXPECT_TRUE(box.errorIcon);
  reading = nullptr;
}

}  // namespace
}  // namespace solvanex::win32::test
