// How long 10 MiB of clipboard text takes through the display line and the main window: set as
// the text, pasted, one key typed at its end and all copied back, and pasted into the
// calculator with Ctrl+V then '='. Prints the median of a few runs of each, in milliseconds;
// each should stay well under a second. Run it under Xvfb or with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "controls/AlignEdit.h"
#include "mainwindow/MainWindow.h"

namespace {

constexpr int kRuns = 5;
constexpr qsizetype kSize = 10 * 1024 * 1024;

// Median milliseconds of kRuns runs of measured, each after an unmeasured prepare.
double Median(const std::function<void()>& prepare, const std::function<void()>& measured) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    prepare();
    QElapsedTimer timer;
    timer.start();
    measured();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString big(kSize, u'7');
  QClipboard* clipboard = QGuiApplication::clipboard();

  solvanex::TAlignEdit edit;
  edit.SetAlignment(solvanex::TAlignment::taRightJustify);
  edit.SetReadOnly(true);
  edit.resize(537, 24);
  edit.show();
  if (!QTest::qWaitForWindowExposed(&edit)) {
    std::fprintf(stderr, "the display line was never exposed\n");
    return 1;
  }
  const auto repaint = [&edit] {
    edit.repaint();
    QCoreApplication::processEvents();
  };
  const double set = Median([&] { edit.SetText(QString()); },
                            [&] {
                              edit.SetText(big);
                              repaint();
                            });
  const double paste = Median(
      [&] {
        clipboard->setText(big);
        edit.SetReadOnly(false);
        edit.Clear();
      },
      [&] {
        edit.PasteFromClipboard();
        edit.SetReadOnly(true);
        repaint();
      });
  const double typeAndCopy = Median(
      [&] {
        edit.SetText(big);
        edit.SetReadOnly(false);
        edit.SetSelection(big.size(), big.size());
      },
      [&] {
        QTest::keyClicks(&edit, "8");
        edit.SelectAll();
        edit.CopyToClipboard();
      });
  edit.hide();

  solvanex::TForm1::Services services;
  services.errorBox = [](QWidget*, const QString&, const QString&) {};  // no modal box
  solvanex::TForm1 form(',', services);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    std::fprintf(stderr, "the window was never exposed\n");
    return 1;
  }
  const double windowPaste = Median([&] { clipboard->setText(big); },
                                    [&] {
                                      QTest::keySequence(&form, QKeySequence(Qt::CTRL | Qt::Key_V));
                                      QTest::keyClick(&form, Qt::Key_Return);
                                      QCoreApplication::processEvents();
                                    });

  std::printf("10 MiB set as the display line's text and repainted: %.1f ms\n", set);
  std::printf("10 MiB pasted into the display line and repainted: %.1f ms\n", paste);
  std::printf("one key typed after 10 MiB, then all copied: %.1f ms\n", typeAndCopy);
  std::printf("10 MiB pasted into the calculator with Ctrl+V, then '=': %.1f ms\n", windowPaste);
  return 0;
}
