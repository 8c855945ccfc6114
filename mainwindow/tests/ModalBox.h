// Waiting for a modal message box in a test, polled so that a box that comes late on a loaded
// machine is still found, and closed whatever happens, so that a failed check cannot leave the
// test waiting behind it.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace solvanex::testing {

// Runs look on the error box once it is the active modal window, then closes it with its
// button. Polled from the moment it is called, so that a box that comes late on a loaded machine
// is still found; a look that fails returns early, and the box is closed all the same. A modal
// window that never becomes active is closed unlooked after 20 s: the test then fails on what
// look did not record, instead of hanging.
inline void WhenBoxIsActive(std::function<void(QMessageBox*)> look) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QDeadlineTimer deadline(20'000);
  QObject::connect(timer, &QTimer::timeout, [timer, deadline, look = std::move(look)] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    const bool active = box != nullptr && QGuiApplication::focusWindow() == box->windowHandle();
    if (!active && !deadline.hasExpired()) return;
    timer->stop();
    timer->deleteLater();
    if (!active) {
      if (modal != nullptr) modal->close();
      return;
    }
    const auto closer = qScopeGuard([box] { box->buttons()[0]->click(); });
    look(box);
  });
  timer->start();
}

}  // namespace solvanex::testing
