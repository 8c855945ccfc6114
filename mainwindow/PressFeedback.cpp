#include "mainwindow/PressFeedback.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace solvanex {

PressFeedback::PressFeedback(QWidget* surface, QTimer* timer, Click click)
    : QObject(surface), surface_(surface), timer_(timer), click_(std::move(click)) {
  connect(timer_, &QTimer::timeout, this, &PressFeedback::Timer1Timer);
}

void PressFeedback::PressButton(QAbstractButton* button) {
  if (button == nullptr) return;
  button->setDown(true);
  // Painted now, not at the next idle moment: the click may keep the event loop busy (or run an
  // error box), and the pressed look must be on screen while it does.
  button->repaint();
  click_(button);
  // Also after a click that ended in an error box, so that no button stays down. A running
  // timer keeps its period: one tick releases a whole burst of keys.
  if (!timer_->isActive()) timer_->start();
}

void PressFeedback::Timer1Timer() {
  timer_->stop();
  if (surface_ == nullptr) return;
  const auto buttons = surface_->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
  for (QAbstractButton* button : buttons) {
    if (button->isDown()) {
      button->setDown(false);
      button->repaint();
    }
  }
}

}  // namespace solvanex
