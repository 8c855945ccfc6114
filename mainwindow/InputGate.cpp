#include "mainwindow/InputGate.h"

#include <QEvent>
#include <QWindow>

namespace solvanex {

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
      return true;
    default:
      return false;
  }
}

}  // namespace

void InputGate::Install(QWindow* window) {
  if (window_ != nullptr) window_->removeEventFilter(this);
  window_ = window;
  if (window_ != nullptr) window_->installEventFilter(this);
}

bool InputGate::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (!closed_ || event == nullptr) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Claimed by the window, so no menu shortcut (Ctrl+V) fires; the key that follows is then
    // dropped as a key press.
    event->accept();
    return true;
  }
  return IsUserInput(event->type());
}

}  // namespace solvanex
