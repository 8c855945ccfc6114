// The two ways a key reports failure: a message in red in the display, shown red whether or not
// the display has the focus, and an error raised by a handler, caught in one place and shown in
// the error box, its quoted text shortened when long so the box always fits the screen.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "FormFixture.h"
#include "controls/AlignEdit.h"
#include "mainwindow/ErrorBox.h"
#include "mainwindow/RadioGroup.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

const QString kNotAFloat = QStringLiteral("' n'est pas une valeur en virgule flottante correcte.");

void Paste(FormFixture& fixture, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  fixture.Form().Coller2Click();
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
  void elision_data();
  void elision();
  void realBoxFitsTheScreen();

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

void ErrorBoxTest::elision_data() {
  // clang-format off
  QTest::addColumn<QString>("quoted");
  QTest::addColumn<QString>("shown");
  const QString digits = QString("0123456789").repeated(100);
  const QString accents = QString("é").repeated(300);
  QTest::newRow("short, whole") << "12abc" << "12abc";
  QTest::newRow("at the limit, whole") << digits.left(81) << digits.left(81);
  QTest::newRow("long: head … tail") << digits << digits.left(60) + "…" + digits.right(20);
  QTest::newRow("accents never cut") << accents << accents.left(60) + "…" + accents.right(20);
  QTest::newRow("line breaks marked") << "1\r\n2\n3\r4\t5" << "1↵2↵3↵4 5";
  QTest::newRow("emoji counted whole")
      << QString("😀").repeated(100) << QString("😀").repeated(60) + "…" + QString("😀").repeated(20);
  // clang-format on
}

void ErrorBoxTest::elision() {
  QFETCH(QString, quoted);
  QFETCH(QString, shown);
  const std::string message = "'" + quoted.toStdString() + "' n'est pas.";
  QCOMPARE(ElideForErrorBox(message, 1, quoted.toStdString().size()), "'" + shown + "' n'est pas.");
}

void ErrorBoxTest::realBoxFitsTheScreen() {
  // The box that a 10 MiB paste produces, shown for real.
  const std::string huge(10 * 1024 * 1024, '7');
  const std::string message = "'" + huge + "x" + kNotAFloat.toStdString();
  const QString text = ElideForErrorBox(message, 1, huge.size() + 1);
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

QTEST_MAIN(ErrorBoxTest)
#include "ErrorBoxTest.moc"
