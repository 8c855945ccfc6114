// PressFeedback: shows a button pressed while a key's click runs and for a moment after it. The
// press sets the pressed look and redraws the button at once, runs the click, then starts the
// release timer (Timer1); the timer's tick releases every pressed button of the keypad.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QTimer;
class QWidget;

namespace solvanex {

class PressFeedback : public QObject {
  Q_OBJECT

 public:
  using Click = std::function<void(QAbstractButton*)>;

  // surface: the widget whose direct children are the buttons; timer: Timer1, already set up;
  // click: runs a button's handler exactly as a mouse click does (and never throws).
  PressFeedback(QWidget* surface, QTimer* timer, Click click);

  void PressButton(QAbstractButton* button);
  void Timer1Timer();

 private:
  QPointer<QWidget> surface_;
  QTimer* timer_;
  Click click_;
};

}  // namespace solvanex
