// TForm1: the calculator's one window. It lays out the controls from the layout tables, runs
// every button's keypad handler on the calculator core through one error-catching path, turns
// keys into button presses, exchanges the display with the clipboard and keeps the status bar
// showing the hint under the pointer. The window holds no calculator logic: the display, its
// colour and the memory indicator show what the core says.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "calculator/Calculator.h"
#include "form/Services.h"
#include "mainwindow/DisplayView.h"
#include "mainwindow/ErrorBox.h"
#include "mainwindow/FormBuilder.h"

class QAbstractButton;
class QLabel;
class QTimer;

namespace solvanex {

class HintTracker;
class InputGate;
class KeyboardFilter;
class PressFeedback;
class TAlignEdit;
class TRadioGroup;
class TStatusBar;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  struct Services {
    HelpAccess* help = nullptr;     // nullptr: no help viewer loaded
    AboutCommand* about = nullptr;  // nullptr: no About dialog
    ErrorBoxFunction errorBox = ShowModalErrorBox;
  };

  // decimalSeparator: the one-character separator of the regional settings, read at start-up.
  TForm1(char decimalSeparator, Services services, QWidget* parent = nullptr);
  ~TForm1() override;

  // The controls, by their layout names.
  TAlignEdit* Afficheur() const { return controls_.afficheur; }
  QLabel* EnMemoire() const { return controls_.enMemoire; }
  TRadioGroup* RadioGroup1() const { return controls_.radioGroup1; }
  TRadioGroup* RadioGroup2() const { return controls_.radioGroup2; }
  TStatusBar* StatusBar1() const { return controls_.statusBar1; }
  QTimer* Timer1() const { return timer1_; }
  // The client area: the direct parent of every control but the menu bar.
  QWidget* ClientArea() const { return centralWidget(); }
  QAbstractButton* Button(std::string_view name) const;
  const FormControls& Controls() const { return controls_; }
  // The digit buttons by digit '0' to '9', filled at creation.
  QAbstractButton* DigitButton(char digit) const;
  const Calculator& Core() const { return *calculator_; }
  // Keypad rows that had no button handler when the window was built.
  QStringList UnwiredButtons() const;

  // Shows button pressed, clicks it and starts the release timer.
  void PressButton(QAbstractButton* button);
  // Releases every pressed button.
  void Timer1Timer();

  // Menu commands.
  void Quitter1Click();
  void Coller1Click();
  void Coller2Click();
  void Rubriquesdelaide1Click();
  void Aproposde1Click();

  // Gives the menu items their images; done once, when a menu first opens. Their vector images
  // load the SVG renderer, which a window that is only used from its keypad never needs. (The
  // window's icon is set once the window has been drawn.)
  void LoadImages();

  // Writes the current hint into the status bar's second panel.
  void ShowApplicationHint(const QString& hint);
  HintTracker& Hints() const { return *hints_; }
  KeyboardFilter& Keyboard() const { return *keyboard_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  // The close box ends the program, also while a help window of its own is open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void FillDigitButtons();
  void WireButtons();
  void WireMenu();
  // A button's handler, with the button as sender: the core key of its keypad row with its
  // live caption.
  void ButtonClick(QAbstractButton* button);
  // The one place where a handler's error is caught and shown; nothing thrown may cross the
  // event loop.
  void RunGuarded(const std::function<void()>& handler);
  // Shows the box with shown, its text already shortened, once the handler has returned.
  void ShowErrorBox(const QString& shown);
  // Centres the whole window, frame included, on its screen's work area.
  void CenterOnScreen();
  // Centres it once more when the window manager's frame first becomes known after showing.
  void RecenterOnceFramed();

  Services services_;
  FormControls controls_;
  QTimer* timer1_ = nullptr;
  std::unique_ptr<DisplayView> view_;
  std::unique_ptr<Calculator> calculator_;
  QHash<const QAbstractButton*, const KeyBinding*> bindings_;
  std::array<QAbstractButton*, 10> digitButtons_{};
  PressFeedback* press_ = nullptr;
  KeyboardFilter* keyboard_ = nullptr;
  HintTracker* hints_ = nullptr;
  InputGate* inputGate_ = nullptr;
  bool shownOnce_ = false;
  bool awaitingFrame_ = false;
  bool imagesLoaded_ = false;
  bool iconQueued_ = false;
};

}  // namespace solvanex
