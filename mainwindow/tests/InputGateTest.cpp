// The gate that holds input off the main window while an error box is on its way: events are
// sent to the window synchronously, so no timing is involved.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWindow>
#include <QtTest>

#include <memory>

#include "mainwindow/InputGate.h"

using solvanex::InputGate;

namespace {

// A window that counts the events that reach it, by type.
class CountingWindow : public QWindow {
 public:
  int Count(QEvent::Type type) const { return counts_.value(type); }

 protected:
  bool event(QEvent* event) override {
    ++counts_[event->type()];
    return QWindow::event(event);
  }

 private:
  QHash<QEvent::Type, int> counts_;
};

// One event of each kind the gate judges.
std::unique_ptr<QEvent> MakeEvent(const QString& kind) {
  const QPointF at(5, 5);
  if (kind == u"key")
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, u"5"_qs);
  if (kind == u"key release") {
    return std::make_unique<QKeyEvent>(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, u"5"_qs);
  }
  if (kind == u"Ctrl+V") {
    return std::make_unique<QKeyEvent>(QEvent::ShortcutOverride, Qt::Key_V, Qt::ControlModifier);
  }
  if (kind == u"click") {
    return std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, at, at, Qt::LeftButton,
                                         Qt::LeftButton, Qt::NoModifier);
  }
  if (kind == u"double click") {
    return std::make_unique<QMouseEvent>(QEvent::MouseButtonDblClick, at, at, Qt::LeftButton,
                                         Qt::LeftButton, Qt::NoModifier);
  }
  if (kind == u"timer") return std::make_unique<QTimerEvent>(1);
  return std::make_unique<QEvent>(QEvent::UpdateRequest);
}

}  // namespace

class InputGateTest : public QObject {
  Q_OBJECT

 private slots:
  void dropsInputOnlyWhileClosed_data();
  void dropsInputOnlyWhileClosed();
  void followsTheWindowItWatches();
};

void InputGateTest::dropsInputOnlyWhileClosed_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<bool>("heldWhileClosed");
  QTest::newRow("key") << u"key"_qs << true;
  QTest::newRow("key release") << u"key release"_qs << true;
  // The menu shortcut is claimed before it can fire, so no paste happens behind the box.
  QTest::newRow("Ctrl+V") << u"Ctrl+V"_qs << true;
  QTest::newRow("click") << u"click"_qs << true;
  QTest::newRow("double click") << u"double click"_qs << true;
  // The release tick and the repaints go on.
  QTest::newRow("timer") << u"timer"_qs << false;
  QTest::newRow("repaint") << u"repaint"_qs << false;
}

void InputGateTest::dropsInputOnlyWhileClosed() {
  QFETCH(QString, kind);
  QFETCH(bool, heldWhileClosed);
  CountingWindow window;
  InputGate gate;
  gate.Install(&window);
  for (const bool closed : {false, true, false}) {
    closed ? gate.Close() : gate.Open();
    QCOMPARE(gate.IsClosed(), closed);
    const std::unique_ptr<QEvent> event = MakeEvent(kind);
    event->ignore();
    const QEvent::Type type = event->type();
    const int before = window.Count(type);
    QCoreApplication::sendEvent(&window, event.get());
    const bool held = closed && heldWhileClosed;
    QCOMPARE(window.Count(type) - before, held ? 0 : 1);
    // A shortcut claimed by the gate is accepted, which keeps it from firing.
    if (type == QEvent::ShortcutOverride && held) QVERIFY(event->isAccepted());
  }
}

void InputGateTest::followsTheWindowItWatches() {
  CountingWindow first;
  CountingWindow second;
  InputGate gate;
  gate.Install(&first);
  gate.Install(&second);
  gate.Close();
  QKeyEvent toFirst(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, u"1"_qs);
  QCoreApplication::sendEvent(&first, &toFirst);
  QCOMPARE(first.Count(QEvent::KeyPress), 1);  // no longer watched
  QKeyEvent toSecond(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, u"1"_qs);
  QCoreApplication::sendEvent(&second, &toSecond);
  QCOMPARE(second.Count(QEvent::KeyPress), 0);
  gate.Install(nullptr);
  QCoreApplication::sendEvent(&second, &toSecond);
  QCOMPARE(second.Count(QEvent::KeyPress), 1);
}

QTEST_MAIN(InputGateTest)
#include "InputGateTest.moc"
