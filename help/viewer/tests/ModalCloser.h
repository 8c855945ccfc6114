// Closes the next modal dialog of a test once it is the active modal one, after a look at it:
// polled every 20 ms from the moment the closer is made, so that a dialog that comes late (a
// loaded machine) is still found, and any dialog is closed, so that a test that meets another
// one than it expects fails at once instead of waiting on it.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace solvanex::testing {

class ModalCloser {
 public:
  explicit ModalCloser(std::function<void(QWidget*)> look) : look_(std::move(look)) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      timer_.stop();
      look_(dialog);
      if (dialog->isVisible()) dialog->close();
    });
    timer_.start();
  }
  ModalCloser(const ModalCloser&) = delete;
  ModalCloser& operator=(const ModalCloser&) = delete;

 private:
  std::function<void(QWidget*)> look_;
  QTimer timer_;
};

}  // namespace solvanex::testing
