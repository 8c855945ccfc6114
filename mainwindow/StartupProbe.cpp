#include "mainwindow/StartupProbe.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace solvanex {

namespace {

class FirstExpose : public QObject {
 public:
  explicit FirstExpose(QWindow* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Expose && window_->isExposed()) {
      window_->removeEventFilter(this);
      // The expose event paints the window; the report waits until that has happened.
      QTimer::singleShot(0, this, [this] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        // The processor time the process has used so far, all threads together: steadier
        // than the wall clock on a busy machine.
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("mapped %lld cpu %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
        std::fflush(stdout);
        if (std::getenv("SOLVANEX_EXIT_MAPPED") != nullptr) std::_Exit(0);
        deleteLater();
      });
    }
    return false;
  }

 private:
  QWindow* window_;
};

}  // namespace

void ReportFirstExposeIfAsked(QWindow* window) {
  if (window == nullptr || std::getenv("SOLVANEX_REPORT_MAPPED") == nullptr) return;
  window->installEventFilter(new FirstExpose(window));
}

}  // namespace solvanex
