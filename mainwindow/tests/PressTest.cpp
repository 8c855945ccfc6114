// Button-press feedback: a key shows its button pressed, painted, before the click runs; the
// release timer lets it go again, also after a click that ended in an error box; a click never
// moves the keyboard focus.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "FormFixture.h"
#include "controls/AlignEdit.h"
#include "mainwindow/RadioGroup.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

// Records how a button was last painted.
class PaintProbe : public QObject {
 public:
  explicit PaintProbe(QAbstractButton* button) : button_(button) {
    button->installEventFilter(this);
  }
  int paints = 0;
  bool lastPaintDown = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
      lastPaintDown = button_->isDown();
    }
    return false;
  }

 private:
  QAbstractButton* button_;
};

}  // namespace

class PressTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { fixture_.reset(); }
  void pressedAndPaintedBeforeTheClick_data();
  void pressedAndPaintedBeforeTheClick();
  void oneTickReleasesABurst();
  void releasedAfterAnErrorBox();
  void clicksLeaveTheFocusAlone_data();
  void clicksLeaveTheFocusAlone();

 private:
  std::unique_ptr<FormFixture> fixture_;
};

void PressTest::init() {
  fixture_ = std::make_unique<FormFixture>();
  QVERIFY(fixture_->ShowActive());
  // Let the start-up tick pass, so that each test starts with the timer idle.
  QTRY_VERIFY(!fixture_->Form().Timer1()->isActive());
}

void PressTest::pressedAndPaintedBeforeTheClick_data() {
  // clang-format off
  QTest::addColumn<QString>("before");  // typed first
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("button");
  QTest::newRow("digit") << "" << int(Qt::Key_5) << "SpeedButton5";
  QTest::newRow("operator") << "2+3" << int(Qt::Key_Plus) << "Addition";
  QTest::newRow("Enter") << "2+3" << int(Qt::Key_Return) << "Egal";
  QTest::newRow("Escape") << "12" << int(Qt::Key_Escape) << "C";
  QTest::newRow("Delete") << "12" << int(Qt::Key_Delete) << "CE";
  // clang-format on
}

void PressTest::pressedAndPaintedBeforeTheClick() {
  QFETCH(QString, before);
  QFETCH(int, key);
  QFETCH(QString, button);
  for (const QChar c : before) QTest::keyClick(fixture_->Window(), c.toLatin1());
  QTRY_VERIFY(!fixture_->Form().Timer1()->isActive());

  QAbstractButton* pressed = fixture_->Button(button.toStdString());
  PaintProbe probe(pressed);
  bool clickRan = false;
  bool downInClick = false;
  bool paintedDownBeforeClick = false;
  // The click writes the display; that is the moment to look at the button.
  auto connection = connect(fixture_->Form().Afficheur(), &QPlainTextEdit::textChanged, this, [&] {
    if (clickRan) return;
    clickRan = true;
    downInClick = pressed->isDown();
    paintedDownBeforeClick = probe.paints > 0 && probe.lastPaintDown;
  });
  QTest::keyClick(fixture_->Window(), static_cast<Qt::Key>(key), Qt::NoModifier);
  disconnect(connection);

  QVERIFY(clickRan);
  QVERIFY(downInClick);
  QVERIFY(paintedDownBeforeClick);
  QVERIFY(pressed->isDown());
  QVERIFY(fixture_->Form().Timer1()->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(!pressed->isDown(), 1000);
  QVERIFY(!fixture_->Form().Timer1()->isActive());
  QVERIFY(!probe.lastPaintDown);  // the release is painted too
}

void PressTest::oneTickReleasesABurst() {
  QTest::keyClick(fixture_->Window(), '1');
  QTest::keyClick(fixture_->Window(), '2');
  QTest::keyClick(fixture_->Window(), '+');
  for (const char* name : {"SpeedButton1", "SpeedButton2", "Addition"}) {
    QVERIFY2(fixture_->Button(name)->isDown(), name);
  }
  QTimer* timer = fixture_->Form().Timer1();
  QSignalSpy ticks(timer, &QTimer::timeout);
  QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 1000);
  QCOMPARE(ticks.size(), 1);
  for (const char* name : {"SpeedButton1", "SpeedButton2", "Addition"}) {
    QVERIFY2(!fixture_->Button(name)->isDown(), name);
  }
  QCOMPARE(fixture_->Display(), QStringLiteral("12,"));
}

void PressTest::releasedAfterAnErrorBox() {
  QAbstractButton* egal = fixture_->Button("Egal");
  auto& form = fixture_->Form();
  QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
  form.Coller2Click();
  bool timerRunningDuringBox = false;
  fixture_->duringErrorBox = [&] { timerRunningDuringBox = form.Timer1()->isActive(); };
  QTest::keyClick(fixture_->Window(), Qt::Key_Return);
  // The box comes from the event loop after PressButton has started the release timer, so
  // the tick can release the button while the box is open.
  QTRY_COMPARE_WITH_TIMEOUT(fixture_->errorBoxes.size(), 1, 1000);
  QVERIFY(timerRunningDuringBox);
  QTRY_VERIFY_WITH_TIMEOUT(!egal->isDown(), 1000);
}

void PressTest::clicksLeaveTheFocusAlone_data() {
  // clang-format off
  QTest::addColumn<QString>("focus");
  QTest::newRow("radio button") << "radio";
  QTest::newRow("display") << "display";
  // clang-format on
}

void PressTest::clicksLeaveTheFocusAlone() {
  QFETCH(QString, focus);
  QWidget* focused = focus == "display" ? static_cast<QWidget*>(fixture_->Form().Afficheur())
                                        : fixture_->Form().RadioGroup2()->Buttons()[1];
  focused->setFocus();
  QTRY_VERIFY(focused->hasFocus());
  fixture_->Click({"SpeedButton8", "Addition", "SpeedButton1", "Egal"});
  QCOMPARE(fixture_->Display(), QStringLiteral("9,"));
  QVERIFY(focused->hasFocus());
  QCOMPARE(fixture_->Form().RadioGroup2()->ItemIndex(), 0);
}

QTEST_MAIN(PressTest)
#include "PressTest.moc"
