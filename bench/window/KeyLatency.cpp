// Key-to-screen latency of the calculator window: the time from handing a key press to the
// window until the display line has been repainted with the result, on a real display (run it
// under Xvfb). Prints the median and the 90th percentile over a few hundred keys.
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "controls/AlignEdit.h"
#include "mainwindow/MainWindow.h"

namespace {

// Notes each paint of the display line.
class PaintSeen : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  solvanex::TForm1 form(',', solvanex::TForm1::Services{});
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    std::fprintf(stderr, "the window was never exposed\n");
    return 1;
  }
  QTest::qWait(200);
  PaintSeen seen;
  form.Afficheur()->viewport()->installEventFilter(&seen);
  QWindow* window = form.windowHandle();

  constexpr int kKeys = 400;
  std::vector<double> micros;
  micros.reserve(kKeys);
  const char keys[] = "1234567890+987654321=";
  for (int i = 0; i < kKeys; ++i) {
    const char key = keys[i % (sizeof keys - 1)];
    const Qt::Key code = key == '=' ? Qt::Key_Return : static_cast<Qt::Key>(key);
    seen.painted = false;
    const auto start = std::chrono::steady_clock::now();
    QTest::keyPress(window, code, Qt::NoModifier);
    // A key that leaves the display's text as it was repaints nothing: give up on it.
    // The paint may already have happened inside the key press (a synchronous repaint).
    auto end = std::chrono::steady_clock::now();
    while (!seen.painted && end - start < std::chrono::milliseconds(200)) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      end = std::chrono::steady_clock::now();
    }
    QTest::keyRelease(window, code, Qt::NoModifier);
    if (seen.painted)
      micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  if (micros.empty()) {
    std::fprintf(stderr, "no key repainted the display\n");
    return 1;
  }
  std::sort(micros.begin(), micros.end());
  std::printf("keys_measured %zu of %d\n", micros.size(), kKeys);
  std::printf("key_to_display_median_ms %.3f\n", micros[micros.size() / 2] / 1000.0);
  std::printf("key_to_display_p90_ms %.3f\n", micros[micros.size() * 9 / 10] / 1000.0);
  return 0;
}
