// The status bar's second panel follows the hint under the pointer: a control's own hint, else
// its parent's up to the window's; nothing over a menu or outside the program; and it is
// written only when the text changes.
#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "FormFixture.h"
#include "controls/AlignEdit.h"
#include "mainwindow/HintTracker.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {
const QString kWindowHint = QStringLiteral("Freeware destiné au corps médical !");

}  // namespace

class HintTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { fixture_ = std::make_unique<FormFixture>(); }
  void cleanup() { fixture_.reset(); }
  void startsWithTheWindowHint();
  void pointerOver_data();
  void pointerOver();
  void writtenOnlyWhenTheTextChanges();
  void emptyWhileAMenuIsOpen();

 private:
  QWidget* Widget(const QString& path);
  std::unique_ptr<FormFixture> fixture_;
};

QWidget* HintTest::Widget(const QString& path) {
  TForm1& form = fixture_->Form();
  if (path == "RadioGroup1.0") return form.RadioGroup1()->Buttons()[0];
  if (path == "RadioGroup1.1") return form.RadioGroup1()->Buttons()[1];
  if (path == "RadioGroup2.1") return form.RadioGroup2()->Buttons()[1];
  if (path == "StatusBar1.1") return form.StatusBar1()->Panel(1);
  if (path == "client") return form.ClientArea();
  if (path == "menubar") return form.menuBar();
  if (path == "window") return &form;
  if (path == "outside") return nullptr;
  if (QAbstractButton* button = form.Button(path.toStdString())) return button;
  return form.findChild<QWidget*>(path);
}

void HintTest::startsWithTheWindowHint() {
  QCOMPARE(fixture_->Form().StatusBar1()->PanelText(1), kWindowHint);
  QVERIFY(fixture_->Form().Hints().CurrentHint().isEmpty());
}

void HintTest::pointerOver_data() {
  // clang-format off
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("to");
  QTest::addColumn<QString>("shown");
  QTest::newRow("GLY") << "outside" << "Glycemie" << "Conversion de glycémie.";
  QTest::newRow("digit: window hint") << "Glycemie" << "SpeedButton7" << kWindowHint;
  QTest::newRow("digit to equals") << "SpeedButton7" << "Egal" << "Résultat de l'opération.";
  QTest::newRow("radio item: group hint") << "Egal" << "RadioGroup1.1"
                                          << "Choix du système d'unités.";
  QTest::newRow("other group") << "RadioGroup1.0" << "RadioGroup2.1" << "Choix du sexe du patient.";
  QTest::newRow("display") << "Egal" << "Afficheur"
                           << "Affichage du résultat des fonctions calculatrice.";
  QTest::newRow("memory indicator") << "Egal" << "EnMemoire" << "Etat de la mémoire.";
  QTest::newRow("status bar") << "Egal" << "StatusBar1.1" << kWindowHint;
  QTest::newRow("bare window") << "Egal" << "client" << kWindowHint;
  QTest::newRow("menu bar") << "Egal" << "menubar" << kWindowHint;
  QTest::newRow("outside the program") << "Egal" << "outside" << "";
  // clang-format on
}

void HintTest::pointerOver() {
  QFETCH(QString, from);
  QFETCH(QString, to);
  QFETCH(QString, shown);
  HintTracker& hints = fixture_->Form().Hints();
  hints.PointerOver(Widget(from));
  hints.PointerOver(Widget(to));
  QCOMPARE(hints.CurrentHint(), shown);
  QCOMPARE(fixture_->Form().StatusBar1()->PanelText(1), shown);
}

void HintTest::writtenOnlyWhenTheTextChanges() {
  TForm1& form = fixture_->Form();
  HintTracker& hints = form.Hints();
  // A marker in the panel shows whether the handler wrote it again.
  hints.PointerOver(form.Button("SpeedButton1"));
  form.StatusBar1()->SetPanelText(1, QStringLiteral("marker"));
  // Over another digit and the bare window the hint stays the window's: no write.
  hints.PointerOver(form.Button("SpeedButton2"));
  hints.PointerOver(form.ClientArea());
  QCOMPARE(form.StatusBar1()->PanelText(1), QStringLiteral("marker"));
  hints.PointerOver(form.Button("Division"));
  QCOMPARE(form.StatusBar1()->PanelText(1), QStringLiteral("Division."));
}

void HintTest::emptyWhileAMenuIsOpen() {
  QVERIFY(fixture_->ShowActive());
  TForm1& form = fixture_->Form();
  form.Hints().PointerOver(form.Button("MC"));
  QCOMPARE(form.StatusBar1()->PanelText(1), QStringLiteral("Effacer le nombre en mémoire."));
  QMenu* menu = form.Controls().menus.front();
  menu->popup(form.mapToGlobal(QPoint(0, 0)));
  QTRY_VERIFY(QApplication::activePopupWidget() == menu);
  QCOMPARE(form.StatusBar1()->PanelText(1), QString());
  // Not even the widget under the menu gets through while it is open.
  form.Hints().PointerOver(form.Button("MC"));
  QCOMPARE(form.StatusBar1()->PanelText(1), QString());
  menu->close();
  QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
  QCOMPARE(form.StatusBar1()->PanelText(1), QString());
  form.Hints().PointerOver(form.Button("MC"));
  QCOMPARE(form.StatusBar1()->PanelText(1), QStringLiteral("Effacer le nombre en mémoire."));
}

QTEST_MAIN(HintTest)
#include "HintTest.moc"
