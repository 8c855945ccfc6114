// InputGate: holds the user's input off the main window between a key that raised an error and
// the closing of its error box. The box is opened by the event loop once the failing key has
// returned, so keys, clicks and pastes already queued behind that key would otherwise reach the
// calculator before the box is up; while the gate is closed they are dropped, as keys typed into
// a modal box are. Timers and repaints go on (the release tick still comes).
#pragma once

#include <QObject>
#include <QPointer>

class QWindow;

namespace solvanex {

class InputGate : public QObject {
  Q_OBJECT

 public:
  explicit InputGate(QObject* parent = nullptr) : QObject(parent) {}

  // Watches window, the platform window of the main window, where its input arrives first.
  void Install(QWindow* window);
  void Close() { closed_ = true; }
  void Open() { closed_ = false; }
  bool IsClosed() const { return closed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWindow> window_;
  bool closed_ = false;
};

}  // namespace solvanex
