// Status-bar hints under the pointer, tooltips, and the About box's texts and line control.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "FormFixture.h"
#include "clinical/Keypad.h"
#include "form/Buttons.h"
#include "form/MemoryText.h"
#include "form/Menus.h"
#include "form/Window.h"
#include "platform/Beep.h"
#include "win32/AboutBox.h"
#include "win32/FormWin32.h"
#include "win32/Wide.h"

namespace solvanex::win32::test {
namespace {

POINT CentreOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST(HintTest, EveryButtonExplainsItselfInTheStatusBar) {
  FormFixture fixture;
  const auto rows = form::ButtonTable();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(std::string(rows[i].name));
    const KeyBinding* binding = FindKey(Keypad(), rows[i].name);
    const std::string expected =
        binding->hint.empty() ? std::string(form::kWindowHint) : std::string(binding->hint);
    EXPECT_EQ(ToUtf8(fixture.Form().HintAt(CentreOf(fixture.Form().Buttons()[i]->Handle()))),
              expected);
    // A tooltip where the table asks for one.
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = fixture.Window();
    tool.uId = reinterpret_cast<UINT_PTR>(fixture.Form().Buttons()[i]->Handle());
    const bool hasTip = SendMessageW(fixture.Form().Tooltips(), TTM_GETTOOLINFOW, 0,
                                     reinterpret_cast<LPARAM>(&tool)) != 0;
    EXPECT_EQ(hasTip, rows[i].tooltip);
  }
}

TEST(HintTest, OtherControlsAndTheChoiceItemsCarryTheirHints) {
  FormFixture fixture;
  TForm1& form = fixture.Form();
  EXPECT_EQ(ToUtf8(form.HintAt(CentreOf(form.Afficheur().Handle()))), form::kAfficheurHint);
  EXPECT_EQ(ToUtf8(form.HintAt(CentreOf(form.EnMemoire()))), form::kEnMemoireHint);
  EXPECT_EQ(ToUtf8(form.HintAt(CentreOf(form.RadioGroup1().ItemHandle(1)))),
            form::kRadioGroup1.hint);
  EXPECT_EQ(ToUtf8(form.HintAt(CentreOf(form.RadioGroup2().ItemHandle(0)))),
            form::kRadioGroup2.hint);
  EXPECT_EQ(ToUtf8(form.HintAt(CentreOf(form.StatusBar1()))), form::kWindowHint);
  EXPECT_EQ(form.HintAt({-5000, -5000}), L"");
}

TEST(HintTest, TheSecondPanelFollowsTheCurrentHint) {
  FormFixture fixture;
  TForm1& form = fixture.Form();
  SetCursorPos(CentreOf(form.Button("Egal")->Handle()).x,
               CentreOf(form.Button("Egal")->Handle()).y);
  form.RefreshHint();
  EXPECT_EQ(form.PanelText(1), L"R\u00e9sultat de l'op\u00e9ration.");
  SendMessageW(form.Handle(), WM_ENTERMENULOOP, FALSE, 0);
  EXPECT_EQ(form.PanelText(1), L"");
  SendMessageW(form.Handle(), WM_EXITMENULOOP, FALSE, 0);
}

// What the timer below sees of the window run by the program's own loop.
struct LoopWatch {
  TForm1* form = nullptr;
  int ticksLeft = 300;  // 10 ms each
  LRESULT tools = -1;
  HWND focus = nullptr;
};
LoopWatch watch;

void CALLBACK WatchTick(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND tooltips = watch.form->Tooltips();
  // The tooltips come once the loop has first run dry; until then, or until time runs out, wait.
  if (tooltips == nullptr && --watch.ticksLeft > 0) return;
  KillTimer(nullptr, timer);
  watch.tools = tooltips != nullptr ? SendMessageW(tooltips, TTM_GETTOOLCOUNT, 0, 0) : -1;
  watch.focus = GetFocus();
  PostMessageW(watch.form->Handle(), WM_CLOSE, 0, 0);
}

TEST(HintTest, TheProgramsLoopGivesEveryTooltipAndTheFocusOnceTheWindowIsShown) {
  TForm1::Services services;
  services.dpi = Dpi(96);
  TForm1 window(',', std::move(services));
  window.Create();
  ASSERT_NE(window.Handle(), nullptr);
  window.Show(SW_SHOWNOACTIVATE);
  const HWND firstItem = window.RadioGroup1().ItemHandle(0);
  watch = LoopWatch{&window};
  SetTimer(nullptr, 0, 10, WatchTick);
  EXPECT_EQ(window.RunMessageLoop(), 0);
  LRESULT expected = 0;
  for (const form::FormButton& row : form::FormButtons()) expected += row.ShowsTooltip() ? 1 : 0;
  // Each choice group, and each of its items, shows the group's hint.
  expected += 2 + window.RadioGroup1().ItemCount() + window.RadioGroup2().ItemCount();
  EXPECT_EQ(watch.tools, expected);
  EXPECT_EQ(watch.focus, firstItem);
}

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetBeepObserver([this](unsigned) { ++beeps_; });
  }
  void TearDown() override { platform::SetBeepObserver({}); }
  int beeps_ = 0;
};

TEST_F(AboutTest, ShowsItsTextsTheMemoryFiguresAndAnEngravedLine) {
  FormFixture fixture;
  TAboutBox box;
  box.SetOwner(fixture.Window());
  box.SetDpi(Dpi(96));
  box.SetProductName(L"SOLVANEX");
  box.SetVersion(L"Version 1.00 - Win 9x et Win XP");
  box.SetMemoryStatusSource([] { return platform::MemoryStatus{63, 523763712}; });
  std::wstring texts[5];
  std::wstring caption;
  int line1[4] = {}, line2[4] = {};
  COLORREF line2Colour = 0;
  bool ownerDisabled = false;
  box.SetShownObserver([&](TFAbout& dialog) {
    wchar_t buffer[256];
    for (int i = 0; i < 3; ++i) {
      GetWindowTextW(dialog.Label(i + 1), buffer, 256);
      texts[i] = buffer;
    }
    GetWindowTextW(dialog.PhysMem(), buffer, 256);
    texts[3] = buffer;
    GetWindowTextW(dialog.PhysRes(), buffer, 256);
    texts[4] = buffer;
    GetWindowTextW(dialog.Handle(), buffer, 256);
    caption = buffer;
    // Two paintings settle the lines at 4 pixels below their tops.
    for (int pass = 0; pass < 2; ++pass) {
      HDC dc = GetDC(dialog.Handle());
      dialog.Line1().Paint(dc);
      dialog.Line2().Paint(dc);
      ReleaseDC(dialog.Handle(), dc);
    }
    LineControl& l1 = dialog.Line1();
    LineControl& l2 = dialog.Line2();
    line1[0] = l1.FromX(), line1[1] = l1.FromY(), line1[2] = l1.ToX(), line1[3] = l1.ToY();
    line2[0] = l2.FromX(), line2[1] = l2.FromY(), line2[2] = l2.ToX(), line2[3] = l2.ToY();
    line2Colour = l2.PenColor();
    dialog.Button1Click();
  });
  ownerDisabled = IsWindowEnabled(fixture.Window()) == FALSE;
  box.Execute();
  EXPECT_FALSE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(fixture.Window()));
  EXPECT_EQ(caption, L"A propos de...");
  EXPECT_EQ(texts[0], L"SOLVANEX");
  EXPECT_EQ(texts[1], L"Version 1.00 - Win 9x et Win XP");
  EXPECT_EQ(texts[2], TAboutBox::DefaultCopyright());
  wchar_t group[8] = {};
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, group, 8);
  EXPECT_EQ(texts[3], ToWide(form::PhysicalMemoryText(523763712, ToUtf8(group))));
  EXPECT_EQ(texts[4], L"Ressources syst\u00e8me      : 37% libre.");
  EXPECT_EQ(std::vector<int>(line1, line1 + 4), (std::vector<int>{0, 4, 195, 4}));
  EXPECT_EQ(std::vector<int>(line2, line2 + 4), (std::vector<int>{0, 4, 195, 4}));
  EXPECT_EQ(line2Colour, RGB(255, 255, 255));
  EXPECT_EQ(beeps_, 1);
}

TEST_F(AboutTest, LongTextsAreCutAtAHundredCharacters) {
  TAboutBox box;
  box.SetProductName(std::wstring(150, L'P'));
  box.SetCopyright(std::wstring(101, L'\u00e9'));
  EXPECT_EQ(box.ProductName(), std::wstring(100, L'P'));
  EXPECT_EQ(box.Copyright(), std::wstring(100, L'\u00e9'));
}

}  // namespace
}  // namespace solvanex::win32::test
