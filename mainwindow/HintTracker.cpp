#include "mainwindow/HintTracker.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "mainwindow/Hints.h"

namespace solvanex {

HintTracker::HintTracker(QWidget* window) : QObject(window), window_(window) {}

void HintTracker::Start(Handler handler) {
  handler_ = std::move(handler);
  qApp->installEventFilter(this);
}

void HintTracker::PointerOver(const QWidget* widget) {
  // An open menu owns the pointer: its items have no hints.
  if (QApplication::activePopupWidget() != nullptr) {
    SetCurrentHint({});
    return;
  }
  SetCurrentHint(EffectiveHint(widget, window_));
}

void HintTracker::MenuHintChanged() {
  SetCurrentHint({});
}

void HintTracker::SetCurrentHint(const QString& hint) {
  if (hint == current_) return;
  current_ = hint;
  if (handler_) handler_(current_);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::MouseMove:
      // Only our own widgets matter; other top-level windows (dialogs) leave an empty hint.
      if (watched->isWidgetType()) ScheduleRefresh();
      break;
    default:
      break;
  }
  return false;
}

void HintTracker::ScheduleRefresh() {
  // Enter and leave events come in bursts (a leave for the old widget, enters for the new one
  // and its parents); one look after the burst gives the right widget without flicker.
  if (refreshPending_) return;
  refreshPending_ = true;
  QTimer::singleShot(0, this, &HintTracker::Refresh);
}

void HintTracker::Refresh() {
  refreshPending_ = false;
  if (window_ == nullptr) return;
  PointerOver(QApplication::widgetAt(QCursor::pos()));
}

}  // namespace solvanex
