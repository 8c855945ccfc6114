// Keys typed into the window: the key-down and character tables act as button presses whichever
// control has the focus, and every other key reaches only the focused control.
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include "FormFixture.h"
#include "controls/AlignEdit.h"
#include "mainwindow/RadioGroup.h"
#include "platform/Beep.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

// Types script into window. Plain characters are typed as such; these stand for other keys:
// ⏎ Enter, ⌤ keypad Enter, ⇧ Shift, ⌥ Alt and ⌃ Ctrl held with the next key, ⎋ Escape,
// ⌦ Delete, ⌫ Backspace, ① to ⑨ the keypad digits.
void Type(QWindow* window, const QString& script) {
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  for (const QChar c : script) {
    switch (c.unicode()) {
      case u'⇧':
        modifiers |= Qt::ShiftModifier;
        continue;
      case u'⌥':
        modifiers |= Qt::AltModifier;
        continue;
      case u'⌃':
        modifiers |= Qt::ControlModifier;
        continue;
      case u'⏎':
        QTest::keyClick(window, Qt::Key_Return, modifiers);
        break;
      case u'⌤':
        QTest::keyClick(window, Qt::Key_Enter, modifiers | Qt::KeypadModifier);
        break;
      case u'⎋':
        QTest::keyClick(window, Qt::Key_Escape, modifiers);
        break;
      case u'⌦':
        QTest::keyClick(window, Qt::Key_Delete, modifiers);
        break;
      case u'⌫':
        QTest::keyClick(window, Qt::Key_Backspace, modifiers);
        break;
      default:
        if (c >= u'①' && c <= u'⑨') {
          const auto digit = static_cast<int>(c.unicode() - u'①') + 1;
          QTest::keyClick(window, static_cast<Qt::Key>(Qt::Key_0 + digit),
                          modifiers | Qt::KeypadModifier);
        } else {
          QTest::keyClick(window, c.toLatin1(), modifiers);
        }
    }
    modifiers = Qt::NoModifier;
  }
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void typedKeys_data();
  void typedKeys();
  void enterInTheDisplayComputesAndBeeps();
  void arrowKeysMoveTheRadioSelection();
  void keysInAnOpenMenuPressNothing();

 private:
  std::unique_ptr<FormFixture> fixture_;
  int beeps_ = 0;
};

void KeyboardTest::init() {
  beeps_ = 0;
  platform::SetBeepObserver([this](unsigned) { ++beeps_; });
  fixture_ = std::make_unique<FormFixture>();
  QVERIFY(fixture_->ShowActive());
}

void KeyboardTest::cleanup() {
  fixture_.reset();
  platform::SetBeepObserver({});
}

void KeyboardTest::typedKeys_data() {
  // clang-format off
  QTest::addColumn<QString>("focus");  // "radio": first item of RadioGroup1; "none"
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("display");
  QTest::addColumn<int>("unitSystem");

  QTest::newRow("sum with Enter") << "radio" << "12+3⏎" << "15," << 0;
  QTest::newRow("sum with keypad Enter") << "radio" << "12+3⌤" << "15," << 0;
  QTest::newRow("Shift+Enter acts as Enter") << "radio" << "12+3⇧⏎" << "15," << 0;
  // Held with Alt or Ctrl a key is a command and types nothing; the key-down table looks at no
  // modifier.
  QTest::newRow("Alt with a digit") << "radio" << "12⌥5" << "12," << 0;
  QTest::newRow("Ctrl with a digit") << "radio" << "12⌃5" << "12," << 0;
  QTest::newRow("Alt with an operator") << "radio" << "12⌥+3" << "123," << 0;
  QTest::newRow("Ctrl with the separator") << "radio" << "1⌃,5" << "15," << 0;
  QTest::newRow("Shift with a digit types it") << "radio" << "⇧5" << "5," << 0;
  QTest::newRow("Alt with Enter still computes") << "radio" << "12+3⌥⏎" << "15," << 0;
  QTest::newRow("no focus at all") << "none" << "12+3⏎" << "15," << 0;
  QTest::newRow("operators chain") << "radio" << "9*4/2-1⏎" << "17," << 0;
  QTest::newRow("point enters the separator") << "radio" << "1.5" << "1,5" << 0;
  QTest::newRow("comma enters the separator") << "radio" << "1,5" << "1,5" << 0;
  QTest::newRow("keypad digits") << "radio" << "④②" << "42," << 0;
  QTest::newRow("Escape clears all") << "radio" << "12+3⎋45" << "45," << 0;
  QTest::newRow("Delete clears the entry") << "radio" << "12+3⌦4⏎" << "16," << 0;
  QTest::newRow("Backspace does nothing") << "radio" << "12⌫" << "12," << 0;
  QTest::newRow("equals sign is no key") << "radio" << "2+3=" << "3," << 0;
  QTest::newRow("percent and letters are no keys") << "radio" << "5%pP" << "5," << 0;
  // Space is not in the tables: it reaches the focused radio button, which it selects.
  QTest::newRow("other keys reach the radio button") << "radio-second" << "7 " << "7," << 1;
  // clang-format on
}

void KeyboardTest::typedKeys() {
  QFETCH(QString, focus);
  QFETCH(QString, keys);
  QFETCH(QString, display);
  QFETCH(int, unitSystem);
  TForm1& form = fixture_->Form();
  if (focus == "radio") form.RadioGroup1()->Buttons()[0]->setFocus();
  if (focus == "radio-second") form.RadioGroup1()->Buttons()[1]->setFocus();
  if (focus == "none") {
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  }
  Type(fixture_->Window(), keys);
  QCOMPARE(fixture_->Display(), display);
  QCOMPARE(form.RadioGroup1()->ItemIndex(), unitSystem);
  QVERIFY(fixture_->errorBoxes.isEmpty());
  QCOMPARE(beeps_, 0);
}

void KeyboardTest::enterInTheDisplayComputesAndBeeps() {
  TAlignEdit* display = fixture_->Form().Afficheur();
  display->setFocus();
  QTRY_VERIFY(display->hasFocus());
  Type(fixture_->Window(), "6*7⏎");
  QCOMPARE(fixture_->Display(), QStringLiteral("42,"));
  // The display swallows Enter with its beep; nothing is inserted into it.
  QCOMPARE(beeps_, 1);
  QVERIFY(display->ReadOnly());
}

void KeyboardTest::arrowKeysMoveTheRadioSelection() {
  TRadioGroup* group = fixture_->Form().RadioGroup2();
  group->Buttons()[0]->setFocus();
  QTRY_VERIFY(group->Buttons()[0]->hasFocus());
  Type(fixture_->Window(), "3");
  QTest::keyClick(fixture_->Window(), Qt::Key_Right);
  QCOMPARE(group->ItemIndex(), 1);
  Type(fixture_->Window(), "4");
  QCOMPARE(fixture_->Display(), QStringLiteral("34,"));
  QTest::keyClick(fixture_->Window(), Qt::Key_Left);
  QCOMPARE(group->ItemIndex(), 0);
  QCOMPARE(fixture_->Display(), QStringLiteral("34,"));
}

void KeyboardTest::keysInAnOpenMenuPressNothing() {
  QMenu* menu = fixture_->Form().Controls().menus.front();
  menu->popup(fixture_->Form().mapToGlobal(QPoint(0, 0)));
  QTRY_VERIFY(QApplication::activePopupWidget() == menu);
  Type(fixture_->Window(), "7");
  QCOMPARE(fixture_->Display(), QStringLiteral("0,"));
  menu->close();
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
