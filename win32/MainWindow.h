// TForm1: the calculator's one window in plain Win32. It lays out the controls from the shared
// description of the window, runs every button's keypad handler on the calculator core, turns
// keys into button presses (key preview in the message loop), exchanges the display with the
// clipboard and keeps the status bar showing the hint under the pointer. An error raised by a
// handler is caught by the window procedure (BaseWindow) and shown here in the error box.
#pragma once

#include <array>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator/Calculator.h"
#include "calculator/Keypad.h"
#include "form/Services.h"
#include "win32/BaseWindow.h"
#include "win32/ChoiceGroup.h"
#include "win32/Display.h"
#include "win32/Dpi.h"
#include "win32/InputGate.h"
#include "win32/KeyButton.h"

namespace solvanex::win32 {

// Shows the modal error box: owner, caption, text.
using ErrorBoxFunction =
    std::function<void(HWND owner, const std::wstring& caption, const std::wstring& text)>;

// MessageBoxW with the error icon and an OK button.
void ShowModalErrorBox(HWND owner, const std::wstring& caption, const std::wstring& text);

class TForm1 : public BaseWindow {
 public:
  static constexpr wchar_t kClassName[] = L"SolvanexForm1";
  static constexpr UINT_PTR kTimer1 = 1;

  struct Services {
    HelpAccess* help = nullptr;     // nullptr: no help viewer loaded
    AboutCommand* about = nullptr;  // nullptr: no About dialog
    ErrorBoxFunction errorBox = ShowModalErrorBox;
    Dpi dpi = Dpi::OfScreen();
    bool endsProgram = true;  // destroying the window ends the message loop (WM_QUIT)
  };

  TForm1(char decimalSeparator, Services services);
  ~TForm1() override;

  // Creates the window, centred on the screen frame included, hidden until Show.
  void Create();
  void Show(int showCommand = SW_SHOWNORMAL);

  // The message loop of the program; returns the exit code of WM_QUIT.
  int RunMessageLoop();
  // Handles the messages already queued, as the loop does, and returns; false after WM_QUIT.
  bool PumpPending();
  // What the loop does with a message before dispatching it: drops input while an error box is
  // due, matches menu shortcuts, and shows keys of the key tables as button presses whichever
  // control has the focus. True when the message went no further.
  bool PreviewMessage(MSG& msg);

  // The controls.
  Display& Afficheur() { return display_; }
  HWND EnMemoire() const { return enMemoire_; }
  ChoiceGroup& RadioGroup1() { return *radioGroup1_; }
  ChoiceGroup& RadioGroup2() { return *radioGroup2_; }
  HWND StatusBar1() const { return statusBar1_; }
  HWND Tooltips() const { return tooltips_; }
  HMENU MainMenu1() const { return mainMenu1_; }
  HACCEL Accelerators() const { return accelerators_; }
  KeyButton* Button(std::string_view name) const;
  const std::vector<std::unique_ptr<KeyButton>>& Buttons() const { return buttons_; }
  KeyButton* DigitButton(char digit) const;
  const Calculator& Core() const { return *calculator_; }
  const InputGate& Gate() const { return gate_; }
  bool Timer1Running() const { return timerRunning_; }
  // The menu command id of the item named name, 0 for none.
  UINT MenuCommandId(std::string_view name) const;

  // Shows button pressed, clicks it and starts the release timer.
  void PressButton(KeyButton* button);
  // Releases every pressed button.
  void Timer1Timer();
  void FormKeyDown(WPARAM key);
  void FormKeyPress(wchar_t character);

  // Menu commands.
  void Quitter1Click();
  void Coller1Click();
  void Coller2Click();
  void Rubriquesdelaide1Click();
  void Aproposde1Click();

  // The hint for the pointer at screen point: that of the control under it or of its nearest
  // parent with one; empty outside the window and while a menu is open.
  std::wstring HintAt(POINT screen) const;
  // Follows the pointer (called when the message queue has emptied).
  void RefreshHint();
  const std::wstring& CurrentHint() const { return currentHint_; }
  std::wstring PanelText(int panel) const;
  // The hint a control carries itself, empty for none.
  std::wstring HintOf(HWND control) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BuildControls();
  void BuildMenu();
  // What the window needs only once it is on screen, done when the queue first runs dry after
  // showing it: the tooltips (their window and a subclass of each control) are not needed for
  // the first painting, which they would slow down.
  void FinishStartup();
  // Gives the menu items their images; done once, when a menu first opens: the pictures load
  // GDI+, which a window used only from its keypad never needs.
  void LoadImages();
  void FormCreate();
  void FormDestroy();
  void FillDigitButtons();
  void ButtonClick(KeyButton& button);
  void RunCommand(UINT id);
  void OnHandlerError(std::exception_ptr error);
  void ShowQueuedErrors();
  void SetCurrentHint(const std::wstring& hint);
  void ShowApplicationHint();
  bool IsOwnWindow(HWND hwnd) const;
  RECT Scaled(const RECT& rect) const { return services_.dpi.Scale(rect); }

  class View;

  Services services_;
  char decimalSeparator_;
  InputGate gate_;
  Display display_;
  HWND enMemoire_ = nullptr;
  std::unique_ptr<ChoiceGroup> radioGroup1_;
  std::unique_ptr<ChoiceGroup> radioGroup2_;
  HWND statusBar1_ = nullptr;
  HWND tooltips_ = nullptr;
  HMENU mainMenu1_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HFONT font_ = nullptr;
  HICON icon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::vector<HBITMAP> menuImages_;
  bool imagesLoaded_ = false;
  std::vector<std::unique_ptr<KeyButton>> buttons_;
  std::map<HWND, const KeyBinding*> bindings_;
  std::map<HWND, std::wstring> hints_;
  // The tooltip of each control that has one, until FinishStartup has registered them.
  std::vector<std::pair<HWND, std::wstring>> tooltipTexts_;
  std::array<KeyButton*, 10> digitButtons_{};
  std::unique_ptr<View> view_;
  std::unique_ptr<Calculator> calculator_;
  std::vector<std::wstring> pendingErrors_;
  std::wstring currentHint_;
  bool timerRunning_ = false;
  bool menuOpen_ = false;
};

}  // namespace solvanex::win32
