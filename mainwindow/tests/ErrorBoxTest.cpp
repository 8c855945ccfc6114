// The two ways a key reports failure: a message in red in the display, shown red whether or not
// the display has the focus, and an error raised by a handler, caught in one place and shown in
// the error box, its quoted text shortened when long so the box always fits the screen.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "FormFixture.h"
#include "ModalBox.h"
#include "controls/AlignEdit.h"
#include "form/ErrorText.h"
#include "mainwindow/ErrorBox.h"
#include "mainwindow/RadioGroup.h"

using namespace solvanex;
using solvanex::testing::FormFixture;
using solvanex::testing::WhenBoxIsActive;

namespace {

const QString kNotAFloat = QStringLiteral("' n'est pas une valeur en virgule flottante correcte.");

// Puts a key press and release of character c into window's event queue, as a fast typist's
// keys wait there while a key is handled.
void QueueKey(QWindow* window, char c) {
  const QString text(QChar::fromLatin1(c));
  const int key = QKeySequence(text)[0].key();
  QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

// Puts a left click on widget into its window's event queue.
void QueueClick(QWidget* widget) {
  QWindow* window = widget->window()->windowHandle();
  const QPointF at = widget->mapTo(widget->window(), widget->rect().center());
  const QPointF global = widget->mapToGlobal(widget->rect().center());
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QCoreApplication::postEvent(
        window, new QMouseEvent(type, at, global, Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
  }
}

void Paste(FormFixture& fixture, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  fixture.Form().Coller2Click();
}

// Types keys (one key with its modifiers) through the window system's path, the shortcut map
// included, as a user's keys come in, but without running the event loop after them.
void TypeBeforeTheLoopRuns(QWindow* window, const QKeySequence& keys) {
  const QKeyCombination key = keys[0];
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    qt_handleKeyEvent(window, type, key.key(), key.keyboardModifiers());
  }
}

}  // namespace

class ErrorBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { fixture_.reset(); }
  void displayMessageIsRedWithOrWithoutFocus_data();
  void displayMessageIsRedWithOrWithoutFocus();
  void handlerErrorsGoToTheBox_data();
  void handlerErrorsGoToTheBox();
  void realBoxFitsTheScreen();
  void queuedInputWaitsForTheRealBox_data();
  void queuedInputWaitsForTheRealBox();
  void pasteShortcutWaitsForTheRealBox();

 private:
  std::unique_ptr<FormFixture> fixture_;
};

void ErrorBoxTest::init() {
  fixture_ = std::make_unique<FormFixture>();
  QVERIFY(fixture_->ShowActive());
}

void ErrorBoxTest::displayMessageIsRedWithOrWithoutFocus_data() {
  // clang-format off
  QTest::addColumn<bool>("displayFocused");
  QTest::newRow("display focused") << true;
  QTest::newRow("radio button focused") << false;
  // clang-format on
}

void ErrorBoxTest::displayMessageIsRedWithOrWithoutFocus() {
  QFETCH(bool, displayFocused);
  TAlignEdit* display = fixture_->Form().Afficheur();
  QWidget* focus = displayFocused ? static_cast<QWidget*>(display)
                                  : fixture_->Form().RadioGroup1()->Buttons()[0];
  focus->setFocus();
  QTRY_VERIFY(focus->hasFocus());

  fixture_->Click({"SpeedButton1", "Division", "SpeedButton0", "Egal"});
  QCOMPARE(fixture_->Display(), QStringLiteral("Erreur : division par zéro impossible !"));
  QCOMPARE(display->ShownFontColor(), std::uint32_t{255});
  QCOMPARE(display->ShownColor(), clWindow);

  fixture_->Click({"SpeedButton5"});
  QCOMPARE(fixture_->Display(), QStringLiteral("5,"));
  QCOMPARE(display->ShownFontColor(), std::uint32_t{0});
  QVERIFY(fixture_->errorBoxes.isEmpty());
  QVERIFY(focus->hasFocus());
}

void ErrorBoxTest::handlerErrorsGoToTheBox_data() {
  // clang-format off
  QTest::addColumn<QString>("first");  // pasted, then the button pressed
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("second");  // pasted, then '=' (empty: none)
  QTest::addColumn<QString>("boxText");
  QTest::addColumn<QString>("display");  // after the box: nothing rolled back
  QTest::newRow("word at equals") << "abc" << "Egal" << "" << "'abc" + kNotAFloat << "abc";
  QTest::newRow("word at square root") << "x1" << "Racine" << "" << "'x1" + kNotAFloat << "x1";
  QTest::newRow("word at reciprocal") << "1 2" << "Inverse" << "" << "'1 2" + kNotAFloat << "1 2";
  QTest::newRow("overflow") << "1E300" << "Multiplication" << "1E300"
                            << "Débordement en virgule flottante." << "1E300";
  // clang-format on
}

void ErrorBoxTest::handlerErrorsGoToTheBox() {
  QFETCH(QString, first);
  QFETCH(QString, button);
  QFETCH(QString, second);
  QFETCH(QString, boxText);
  QFETCH(QString, display);
  Paste(*fixture_, first);
  fixture_->Click({button.toStdString()});
  if (!second.isEmpty()) {
    Paste(*fixture_, second);
    fixture_->Click({"Egal"});
  }
  QCOMPARE(fixture_->errorBoxes.size(), 1);
  QCOMPARE(fixture_->errorBoxes[0].caption, QStringLiteral("Solvanex 1.0"));
  QCOMPARE(fixture_->errorBoxes[0].text, boxText);
  QCOMPARE(fixture_->Display(), display);
  // The window goes on working.
  fixture_->Click({"C", "SpeedButton2", "Addition", "SpeedButton2", "Egal"});
  QCOMPARE(fixture_->Display(), QStringLiteral("4,"));
}

void ErrorBoxTest::realBoxFitsTheScreen() {
  // The box that a 10 MiB paste produces, shown for real.
  const std::string huge(10 * 1024 * 1024, '7');
  const std::string message = "'" + huge + "x" + kNotAFloat.toStdString();
  const QString text = QString::fromStdString(form::ElideForErrorBox(message, 1, huge.size() + 1));
  bool checked = false;
  QTimer::singleShot(0, this, [&] {
    // Closed whatever happens: a failed check returns from here at once, and the box must not
    // stay open with the test waiting behind it.
    const auto closer = qScopeGuard([] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("Solvanex 1.0"));
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->standardButton(box->buttons()[0]), QMessageBox::Ok);
    const QRect screen = box->screen()->availableGeometry();
    QVERIFY(screen.contains(box->frameGeometry()));
    QVERIFY(box->frameGeometry().width() < 800);
    checked = true;
  });
  ShowModalErrorBox(&fixture_->Form(), QStringLiteral("Solvanex 1.0"), text);
  QVERIFY(checked);
}

void ErrorBoxTest::queuedInputWaitsForTheRealBox_data() {
  QTest::addColumn<QString>("failing");  // the key that raises the error
  QTest::addColumn<QString>("queued");   // keys queued behind it; '#' a click on the 9 button
  QTest::newRow("an operator, then digits") << "+"
                                            << "778";
  QTest::newRow("an operator, then a click") << "+"
                                             << "#7";
  QTest::newRow("equals, then an operator and digits") << "\r"
                                                       << "-12";
}

void ErrorBoxTest::queuedInputWaitsForTheRealBox() {
  QFETCH(QString, failing);
  QFETCH(QString, queued);
  // A window that shows the real modal box, and notes what is behind it while it is open.
  QString displayBehindBox;
  QString boxText;
  bool releasedWhileOpen = false;
  int boxes = 0;
  TForm1::Services services;
  services.errorBox = [&](QWidget* parent, const QString& caption, const QString& text) {
    ++boxes;
    WhenBoxIsActive([&](QMessageBox* box) {
      boxText = box->text();
      auto* form = static_cast<TForm1*>(box->parentWidget());
      displayBehindBox = form->Afficheur()->Text();
      // The release tick comes while the box is open: waited for, however loaded the machine.
      releasedWhileOpen = QTest::qWaitFor(
          [form] {
            for (const KeyButton& key : form->Controls().buttons) {
              if (key.button->isDown()) return false;
            }
            return true;
          },
          10'000);
    });
    ShowModalErrorBox(parent, caption, text);
  };
  TForm1 form(',', services);
  form.show();
  form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QGuiApplication::clipboard()->setText(QStringLiteral("bad"));
  form.Coller2Click();

  QWindow* window = form.windowHandle();
  for (const QChar c : failing) QueueKey(window, c.toLatin1());
  for (const QChar c : queued) {
    if (c == u'#') {
      QueueClick(form.Button("SpeedButton9"));
    } else {
      QueueKey(window, c.toLatin1());
    }
  }
  QTRY_COMPARE(boxes, 1);
  QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
  // Whatever input was still queued when the box closed is handled now.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();

  QCOMPARE(boxText, QStringLiteral("'bad") + kNotAFloat);
  QCOMPARE(displayBehindBox, QStringLiteral("bad"));
  QVERIFY(releasedWhileOpen);
  // What was queued before the box closed never acted.
  QCOMPARE(form.Afficheur()->Text(), QStringLiteral("bad"));
  QCOMPARE(boxes, 1);
  // And the window takes keys again once the box is closed.
  QTest::keyClick(window, '5');
  QCOMPARE(form.Afficheur()->Text(), QStringLiteral("5,"));
}

// Ctrl+V through the window system's key path, shortcut map included: held from the key that
// fails until its box has closed, whether typed behind the failing key or while the box is open,
// and pasting again afterwards.
void ErrorBoxTest::pasteShortcutWaitsForTheRealBox() {
  const QKeySequence paste(Qt::CTRL | Qt::Key_V);
  TForm1* shown = nullptr;
  QString displayWhileOpen;
  bool pressedWhileOpen = false;
  int boxes = 0;
  TForm1::Services services;
  services.errorBox = [&](QWidget* parent, const QString& caption, const QString& text) {
    ++boxes;
    WhenBoxIsActive([&](QMessageBox* box) {
      QGuiApplication::clipboard()->setText(QStringLiteral("9,5"));
      // Typed at the box, which has the focus, and at the window behind it.
      QTest::keySequence(box->windowHandle(), paste);
      QTest::keySequence(shown->windowHandle(), paste);
      QCoreApplication::processEvents();
      displayWhileOpen = shown->Afficheur()->Text();
      pressedWhileOpen = true;
    });
    ShowModalErrorBox(parent, caption, text);
  };
  TForm1 form(',', services);
  shown = &form;
  form.show();
  form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QWindow* window = form.windowHandle();

  QGuiApplication::clipboard()->setText(QStringLiteral("bad"));
  QTest::keySequence(window, paste);
  QCOMPARE(form.Afficheur()->Text(), QStringLiteral("bad"));

  // '=' fails on the pasted word and the box is on its way: Ctrl+V typed right behind it is
  // held. The keys go in without the event loop running in between (as QTest's key functions
  // do), which would show the box first.
  form.Button("Egal")->click();
  QCOMPARE(boxes, 0);
  QGuiApplication::clipboard()->setText(QStringLiteral("3,14"));
  TypeBeforeTheLoopRuns(window, paste);
  QCOMPARE(form.Afficheur()->Text(), QStringLiteral("bad"));

  QTRY_COMPARE(boxes, 1);
  QTRY_VERIFY(pressedWhileOpen);
  QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
  QCOMPARE(displayWhileOpen, QStringLiteral("bad"));
  QCOMPARE(form.Afficheur()->Text(), QStringLiteral("bad"));

  form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QGuiApplication::clipboard()->setText(QStringLiteral("2,5"));
  QTest::keySequence(window, paste);
  QTRY_COMPARE(form.Afficheur()->Text(), QStringLiteral("2,5"));
  QCOMPARE(boxes, 1);
}

QTEST_MAIN(ErrorBoxTest)
#include "ErrorBoxTest.moc"
