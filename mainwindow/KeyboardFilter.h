// KeyboardFilter: the window's key preview. It watches the key events of the main window before
// the focused control gets them, turns the keys of the key tables into presses of their buttons
// and lets every key go on to the focused control unchanged. The menu shortcuts come first: the
// focused control never gets to claim them (the display would otherwise take Ctrl+C for its own
// copy of the selection), and they go no further.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <string_view>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace solvanex {

class KeyboardFilter : public QObject {
  Q_OBJECT

 public:
  using FindButton = std::function<QAbstractButton*(std::string_view name)>;
  using FindDigit = std::function<QAbstractButton*(char digit)>;
  using Press = std::function<void(QAbstractButton*)>;

  KeyboardFilter(QWidget* window, FindButton button, FindDigit digit, Press press);

  // Starts watching the window's key events; the window must exist on screen (or be created).
  void Install();

  // The key-down table: Enter, Escape, Delete. The modifiers are not examined.
  void FormKeyDown(int key);
  // The character table: digits, operator signs, ',' and '.'.
  void FormKeyPress(QChar character);
  // Whether a key held with these modifiers types its character (and so reaches FormKeyPress).
  static bool ProducesCharacter(Qt::KeyboardModifiers modifiers);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsMenuShortcut(const QKeyEvent& event) const;

  QPointer<QWidget> window_;
  FindButton button_;
  FindDigit digit_;
  Press press_;
};

}  // namespace solvanex
