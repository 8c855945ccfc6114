// The live window against the layout as written down for this program: every button control by
// control, the other controls, the menu with its shortcuts and images, and the locked size.
#include <QAbstractButton>
#include <QAction>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <array>
#include <cmath>

#include "FormFixture.h"
#include "about/FAbout.h"
#include "controls/AlignEdit.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kFuchsia(255, 0, 255), kPurple(128, 0, 128),
    kTeal(0, 128, 128);

struct Expected {
  const char* name;
  const char* caption;
  const char* hint;
  QColor color;
  QRect rect;
  bool tooltip;
};

// Whether the caption as painted is of the given colour: the pixel inside the face that differs
// most from its row's face colour must lie on the line from that face colour to the given one
// (antialiased edges are mixes of the two).
bool CaptionDrawnIn(QAbstractButton* button, const QColor& color) {
  const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect inner = image.rect().adjusted(3, 3, -3, -3);
  double bestDistance = 0;
  std::array<double, 3> bestOffset{}, bestTowards{};
  for (int y = inner.top(); y <= inner.bottom(); ++y) {
    // The face is the most frequent colour of the row.
    QHash<QRgb, int> counts;
    for (int x = inner.left(); x <= inner.right(); ++x) ++counts[image.pixel(x, y)];
    QRgb face = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
      if (it.value() > most) most = it.value(), face = it.key();
    }
    for (int x = inner.left(); x <= inner.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      const std::array<double, 3> offset{double(qRed(pixel)) - qRed(face),
                                         double(qGreen(pixel)) - qGreen(face),
                                         double(qBlue(pixel)) - qBlue(face)};
      const double distance = std::hypot(offset[0], offset[1], offset[2]);
      if (distance > bestDistance) {
        bestDistance = distance;
        bestOffset = offset;
        bestTowards = {double(color.red()) - qRed(face), double(color.green()) - qGreen(face),
                       double(color.blue()) - qBlue(face)};
      }
    }
  }
  const double towards = std::hypot(bestTowards[0], bestTowards[1], bestTowards[2]);
  if (bestDistance < 0.3 * towards) return false;  // no caption drawn, or too faint
  const double cosine = (bestOffset[0] * bestTowards[0] + bestOffset[1] * bestTowards[1] +
                         bestOffset[2] * bestTowards[2]) /
                        (bestDistance * towards);
  return cosine > 0.98;
}

// Written out from the program's layout, not taken from the code's tables.
const Expected kButtons[] = {
    {"Retour", "Retour arrière", "Efface le dernier chiffre.", kRed, {53, 37, 94, 28}, true},
    {"CE", "CE", "Efface le dernier nombre..", kRed, {152, 37, 43, 28}, true},
    {"C", "C", "Efface tous les nombres.", kRed, {200, 37, 43, 28}, true},
    {"MC", "MC", "Effacer le nombre en mémoire.", kRed, {8, 72, 36, 28}, true},
    {"SpeedButton7", "7", "", kBlue, {53, 72, 34, 28}, false},
    {"SpeedButton8", "8", "", kBlue, {91, 72, 34, 28}, false},
    {"SpeedButton9", "9", "", kBlue, {130, 72, 34, 28}, false},
    {"Division", "/", "Division.", kRed, {170, 72, 34, 28}, true},
    {"Racine", "Rac", "Racine carrée du nombre affiché.", kBlue, {209, 72, 34, 28}, true},
    {"Glycemie", "GLY", "Conversion de glycémie.", kFuchsia, {248, 72, 38, 28}, true},
    {"Calcemie", "CAL", "Conversion de calcium.", kFuchsia, {291, 72, 38, 28}, true},
    {"PO2", "PO2", "Calcul de la PaO2 théorique.", kFuchsia, {334, 72, 38, 28}, true},
    {"IMC", "P", "Calcul de l'index de masse corporelle.", kPurple, {377, 72, 38, 28}, true},
    {"HbCO", "H", "Calcul de l' HbCO.", kPurple, {420, 72, 38, 28}, true},
    {"SpeedButton17", "N", "Calcul de la natrémie corrigée.", kPurple, {463, 72, 38, 28}, true},
    {"DEB", "E", "Dépense énergétique de base.", kTeal, {506, 72, 38, 28}, true},
    {"MR", "MR", "Afficher un nombre stocké en mémoire.", kRed, {8, 104, 36, 28}, true},
    {"SpeedButton4", "4", "", kBlue, {53, 104, 34, 28}, false},
    {"SpeedButton5", "5", "", kBlue, {91, 104, 34, 28}, false},
    {"SpeedButton6", "6", "", kBlue, {130, 104, 34, 28}, false},
    {"Multiplication", "*", "Multiplication.", kRed, {170, 104, 34, 28}, true},
    {"PourCent", "%", "Pourcentage du nombre.", kBlue, {209, 104, 34, 28}, true},
    {"TG", "TRG", "Conversion de triglycérides.", kFuchsia, {248, 104, 38, 28}, true},
    {"Chol", "CHL", "Conversion de cholestérol.", kFuchsia, {291, 104, 38, 28}, true},
    {"H2O", "H2O", "Calcul de l'eau totale selon le poids.", kFuchsia, {334, 104, 38, 28}, true},
    {"Surface", "S", "Calcul de la surface corporelle.", kPurple, {377, 104, 38, 28}, true},
    {"LBM", "M", "Calcul du poids maigre.", kPurple, {420, 104, 38, 28}, true},
    {"SerumPhy",
     "I",
     "Calcul du déficit en sérum physiologique.",
     kPurple,
     {463, 104, 38, 28},
     true},
    {"LDL", "L", "Calcul du LDL-Cholesthérol.", kTeal, {506, 104, 38, 28}, true},
    {"MS", "MS", "Mettre en mémoire le nombre affiché.", kRed, {8, 136, 36, 28}, true},
    {"SpeedButton1", "1", "", kBlue, {53, 136, 34, 28}, false},
    {"SpeedButton2", "2", "", kBlue, {91, 136, 34, 28}, false},
    {"SpeedButton3", "3", "", kBlue, {130, 136, 34, 28}, false},
    {"Soustraction", "-", "Soustraction.", kRed, {170, 136, 34, 28}, true},
    {"Inverse", "1/x", "Inverse du nombre affiché.", kBlue, {209, 136, 34, 28}, true},
    {"Creatinine", "CRE", "Conversion de créatinine.", kFuchsia, {248, 136, 38, 28}, true},
    {"Uree", "URE", "Conversion de urée.", kFuchsia, {291, 136, 38, 28}, true},
    {"PID", "PID", "Calcul du poids idéal.", kFuchsia, {334, 136, 38, 28}, true},
    {"TensionM", "T", "Calcul de la TA moyenne.", kPurple, {377, 136, 38, 28}, true},
    {"Alcoolemie", "A", "Estimation de l'alcoolémie.", kPurple, {420, 136, 38, 28}, true},
    {"SpeedButton19", "Y", "Calcul du déficit hydrique.", kPurple, {463, 136, 38, 28}, true},
    {"Clearance", "R", "Calcul de la clearance de la créatinine.", kTeal, {506, 136, 38, 28}, true},
    {"MP",
     "M+",
     "Ajouter le nombre affiché au nombre déjà en mémoire.",
     kRed,
     {8, 168, 36, 28},
     true},
    {"SpeedButton0", "0", "", kBlue, {53, 168, 34, 28}, false},
    {"bSigne", "+/-", "Inverse le signe du nombre affiché.", kBlue, {91, 168, 34, 28}, true},
    {"Virgule", ",", "", kBlue, {130, 168, 34, 28}, false},
    {"Addition", "+", "Addition.", kRed, {170, 168, 34, 28}, true},
    {"Egal", "=", "Résultat de l'opération.", kRed, {209, 168, 34, 28}, true},
    {"FER", "FER", "Conversion de fer.", kFuchsia, {248, 168, 38, 28}, true},
    {"Magnesium", "MAG", "Conversion de magnésium.", kFuchsia, {291, 168, 38, 28}, true},
    {"SpeedButton13", "PHO", "Conversion du phosphore.", kFuchsia, {334, 168, 38, 28}, true},
    {"CalCorr", "K", "Calcul de la calcémie corrigée.", kPurple, {377, 168, 38, 28}, true},
    {"SpeedButton16",
     "D",
     "Calcul du volume de distribution de l'urée.",
     kPurple,
     {420, 168, 38, 28},
     true},
    {"SpeedButton20", "U", "Calcul du déficit en Sodium.", kPurple, {463, 168, 38, 28}, true},
    {"Osmolalite", "O", "Calcul de l'osmolalité plasmatique.", kTeal, {506, 168, 38, 28}, true},
};

QString HintOf(const QWidget* widget) {
  return widget->property("solvanexHint").toString();
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { fixture_ = std::make_unique<FormFixture>(); }
  void cleanup() { fixture_.reset(); }

  void buttonMatchesLayout_data();
  void buttonMatchesLayout();
  void everyButtonIsInTheLayout();
  void captionsFitTheirButtons();
  void displayLine();
  void memoryIndicator();
  void choiceGroups_data();
  void choiceGroups();
  void statusBar();
  void releaseTimerRunsFromCreation();
  void menuItems_data();
  void menuItems();
  void menuImagesStaySharpWhenScaled();
  void aboutBoxShowsTheWindowIcon();
  void windowCaptionIconAndSize();
  void sizeIsLocked();
  void quitShortcutClosesTheWindowFromTheDisplay();

 private:
  std::unique_ptr<FormFixture> fixture_;
};

void LayoutTest::buttonMatchesLayout_data() {
  // clang-format off
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(std::size(kButtons)); ++i) {
    QTest::newRow(kButtons[i].name) << i;
  }
  // clang-format on
}

void LayoutTest::buttonMatchesLayout() {
  QFETCH(int, row);
  const Expected& expected = kButtons[row];
  auto* button = fixture_->Form().ClientArea()->findChild<QAbstractButton*>(
      expected.name, Qt::FindDirectChildrenOnly);
  QVERIFY2(button != nullptr, expected.name);
  QCOMPARE(button->text(), QString::fromUtf8(expected.caption));
  QCOMPARE(button->geometry(), expected.rect);
  QVERIFY2(CaptionDrawnIn(button, expected.color), expected.name);
  QCOMPARE(HintOf(button), QString::fromUtf8(expected.hint));
  QCOMPARE(button->toolTip(), expected.tooltip ? QString::fromUtf8(expected.hint) : QString());
  QCOMPARE(button->focusPolicy(), Qt::NoFocus);
  QCOMPARE(button->accessibleName(), QString::fromUtf8(expected.caption));
  QCOMPARE(button->accessibleDescription(), QString::fromUtf8(expected.hint));
}

void LayoutTest::everyButtonIsInTheLayout() {
  const auto buttons = fixture_->Form().ClientArea()->findChildren<QPushButton*>(
      QString(), Qt::FindDirectChildrenOnly);
  QCOMPARE(buttons.size(), static_cast<qsizetype>(std::size(kButtons)));
  QVERIFY2(fixture_->Form().UnwiredButtons().isEmpty(),
           qPrintable(fixture_->Form().UnwiredButtons().join(' ')));
  for (char digit = '0'; digit <= '9'; ++digit) {
    QAbstractButton* button = fixture_->Form().DigitButton(digit);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), QString(QChar(digit)));
  }
}

void LayoutTest::captionsFitTheirButtons() {
  for (const Expected& expected : kButtons) {
    QAbstractButton* button = fixture_->Button(expected.name);
    QVERIFY(button != nullptr);
    const int width = button->fontMetrics().horizontalAdvance(button->text());
    QVERIFY2(width < button->width() - 4, expected.name);
    // 11 pixels, or smaller where the machine's face is wider than the one laid out for.
    QVERIFY(button->font().pixelSize() <= 11);
  }
}

void LayoutTest::displayLine() {
  TAlignEdit* display = fixture_->Form().Afficheur();
  QCOMPARE(display->objectName(), QStringLiteral("Afficheur"));
  QCOMPARE(display->parentWidget(), fixture_->Form().ClientArea());
  QCOMPARE(display->geometry(), QRect(8, 3, 537, 24));
  QCOMPARE(display->Alignment(), TAlignment::taRightJustify);
  QVERIFY(display->ReadOnly());
  QVERIFY(!display->TabStop());
  QCOMPARE(display->Text(), QStringLiteral("0,"));
  QCOMPARE(display->ColorOnFocus(), clWindow);
  QCOMPARE(display->ColorOnNoFocus(), clWindow);
  for (TFont* font : {display->FontOnFocus(), display->FontOnNoFocus()}) {
    QCOMPARE(font->Name(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font->Height(), -11);
  }
  QCOMPARE(display->FontOnFocus()->Color(), clWindowText);
  // The display line's text is drawn in the very face and size of the window's captions.
  QCOMPARE(display->font(), fixture_->Form().font());
  // The start-up CE has painted the unfocused font black, as every CE does.
  QCOMPARE(display->FontOnNoFocus()->Color(), std::uint32_t{0});
  QCOMPARE(HintOf(display), QStringLiteral("Affichage du résultat des fonctions calculatrice."));
  QCOMPARE(display->accessibleName(),
           QStringLiteral("Affichage du résultat des fonctions calculatrice"));
  QVERIFY(display->toolTip().isEmpty());
}

void LayoutTest::memoryIndicator() {
  QLabel* indicator = fixture_->Form().EnMemoire();
  QCOMPARE(indicator->objectName(), QStringLiteral("EnMemoire"));
  QCOMPARE(indicator->geometry(), QRect(13, 39, 27, 26));
  QVERIFY(indicator->text().isEmpty());
  QCOMPARE(indicator->frameShape(), QFrame::Box);
  QCOMPARE(indicator->frameShadow(), QFrame::Plain);
  QCOMPARE(HintOf(indicator), QStringLiteral("Etat de la mémoire."));
  QVERIFY(indicator->toolTip().isEmpty());
}

void LayoutTest::choiceGroups_data() {
  // clang-format off
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("rect");
  QTest::addColumn<QStringList>("items");
  QTest::addColumn<QColor>("color");
  QTest::addColumn<QString>("hint");
  QTest::newRow("RadioGroup1") << "RadioGroup1" << QRect(249, 34, 167, 30)
                               << QStringList{"Ancien ", "International"} << kFuchsia
                               << "Choix du système d'unités.";
  QTest::newRow("RadioGroup2") << "RadioGroup2" << QRect(420, 34, 124, 30)
                               << QStringList{"Homme", "Femme"} << kTeal
                               << "Choix du sexe du patient.";
  // clang-format on
}

void LayoutTest::choiceGroups() {
  QFETCH(QString, name);
  QFETCH(QRect, rect);
  QFETCH(QStringList, items);
  QFETCH(QColor, color);
  QFETCH(QString, hint);
  auto* group = fixture_->Form().ClientArea()->findChild<TRadioGroup*>(name);
  QVERIFY(group != nullptr);
  QCOMPARE(group->geometry(), rect);
  QVERIFY(group->title().isEmpty());
  QCOMPARE(group->ItemIndex(), 0);
  QCOMPARE(group->Buttons().size(), items.size());
  for (int i = 0; i < items.size(); ++i) {
    QRadioButton* item = group->Buttons()[i];
    QCOMPARE(item->text(), items[i]);
    QCOMPARE(item->palette().color(QPalette::WindowText), color);
    // Both items side by side, each inside the frame.
    QVERIFY(group->rect().contains(item->geometry()));
    QCOMPARE(item->geometry().top(), group->Buttons()[0]->geometry().top());
  }
  QCOMPARE(HintOf(group), hint);
  QCOMPARE(group->toolTip(), hint);
}

void LayoutTest::statusBar() {
  TStatusBar* bar = fixture_->Form().StatusBar1();
  QCOMPARE(bar->objectName(), QStringLiteral("StatusBar1"));
  QCOMPARE(bar->geometry(), QRect(0, 205, 552, 19));
  QCOMPARE(bar->PanelCount(), 2);
  QVERIFY(bar->PanelText(0).contains(QStringLiteral("©")));
  QCOMPARE(bar->PanelText(1), QStringLiteral("Freeware destiné au corps médical !"));
  QVERIFY(bar->Panel(0)->geometry().right() < 110);
  QVERIFY(bar->Panel(1)->geometry().left() >= 110);
  QCOMPARE(bar->Panel(1)->geometry().right(), bar->width() - 1);
}

void LayoutTest::releaseTimerRunsFromCreation() {
  QTimer* timer = fixture_->Form().Timer1();
  QCOMPARE(timer->objectName(), QStringLiteral("Timer1"));
  QCOMPARE(timer->interval(), 50);
  QVERIFY(timer->isActive());
  // Its first tick finds nothing pressed and stops it.
  QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 1000);
}

void LayoutTest::menuItems_data() {
  // clang-format off
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("menuCaption");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QKeySequence>("shortcut");
  QTest::addColumn<bool>("image");
  QTest::newRow("Quitter1") << "N1" << "&Fichier" << "Quitter1"
                            << "&Quitter" << QKeySequence(Qt::CTRL | Qt::Key_Q) << true;
  QTest::newRow("Coller1") << "Affichage1" << "&Edition" << "Coller1"
                           << "&Copier" << QKeySequence(Qt::CTRL | Qt::Key_C) << true;
  QTest::newRow("Coller2") << "Affichage1" << "&Edition" << "Coller2"
                           << "Co&ller" << QKeySequence(Qt::CTRL | Qt::Key_V) << true;
  QTest::newRow("Rubriquesdelaide1") << "Aide1" << "&Aide" << "Rubriquesdelaide1"
                                     << "&Rubriques de l'aide" << QKeySequence() << true;
  QTest::newRow("N2") << "Aide1" << "&Aide" << "N2" << "" << QKeySequence() << false;
  QTest::newRow("Aproposde1") << "Aide1" << "&Aide" << "Aproposde1"
                              << "A &propos de..." << QKeySequence() << true;
  // clang-format on
}

void LayoutTest::menuItems() {
  QFETCH(QString, menu);
  QFETCH(QString, menuCaption);
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QKeySequence, shortcut);
  QFETCH(bool, image);
  QMenuBar* bar = fixture_->Form().menuBar();
  QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
  auto* popup = bar->findChild<QMenu*>(menu);
  QVERIFY(popup != nullptr);
  QCOMPARE(popup->title(), menuCaption);
  auto* action = popup->findChild<QAction*>(name);
  QVERIFY(action != nullptr);
  QVERIFY(popup->actions().contains(action));
  QCOMPARE(action->isSeparator(), caption.isEmpty());
  QCOMPARE(action->text(), caption);
  QCOMPARE(action->shortcut(), shortcut);
  fixture_->Form().LoadImages();
  QCOMPARE(!action->icon().isNull(), image);
  const QStringList menus{"N1", "Affichage1", "Aide1"};
  QCOMPARE(bar->actions().size(), menus.size());
  QCOMPARE(bar->actions().at(menus.indexOf(menu))->menu(), popup);
}

void LayoutTest::menuImagesStaySharpWhenScaled() {
  QVERIFY(fixture_->ShowActive());
  QTRY_VERIFY(!fixture_->Form().windowIcon().isNull());
  // The menu images come with the first opening of a menu.
  int images = 0;
  for (QAction* action : fixture_->Form().findChildren<QAction*>())
    images += !action->icon().isNull();
  QCOMPARE(images, 0);
  fixture_->Form().Controls().menus[0]->popup(QPoint(0, 0));
  fixture_->Form().Controls().menus[0]->hide();
  for (QAction* action : fixture_->Form().findChildren<QAction*>()) {
    if (action->icon().isNull()) continue;
    ++images;
    // Drawn from vectors: at 200 % the image has twice the pixels, not a blown-up 16 × 16.
    const QPixmap pixmap = action->icon().pixmap(QSize(16, 16), 2.0);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(16, 16));
    QCOMPARE(pixmap.size(), QSize(32, 32));
  }
  QCOMPARE(images, 5);
  // The window icon is drawn in bitmaps of many sizes, a 32-pixel one among them.
  QVERIFY(!fixture_->Form().windowIcon().isNull());
  QVERIFY(fixture_->Form().windowIcon().availableSizes().contains(QSize(32, 32)));
}

void LayoutTest::aboutBoxShowsTheWindowIcon() {
  QVERIFY(fixture_->ShowActive());
  QTRY_VERIFY(!fixture_->Form().windowIcon().isNull());
  TFAbout dialog([] { return platform::MemoryStatus{.memoryLoad = 0, .totalPhysical = 0}; });
  QCOMPARE(dialog.windowIcon().cacheKey(), fixture_->Form().windowIcon().cacheKey());
}

void LayoutTest::windowCaptionIconAndSize() {
  TForm1& form = fixture_->Form();
  QCOMPARE(form.windowTitle(), QStringLiteral("Solvanex 1.0"));
  QCOMPARE(form.objectName(), QStringLiteral("Form1"));
  QCOMPARE(HintOf(&form), QStringLiteral("Freeware destiné au corps médical !"));
  QVERIFY(form.toolTip().isEmpty());
  QVERIFY(fixture_->ShowActive());
  QCOMPARE(form.ClientArea()->size(), QSize(552, 224));
  QCOMPARE(form.ClientArea()->y(), form.menuBar()->geometry().bottom() + 1);
  QCOMPARE(form.size(), QSize(552, 224 + form.menuBar()->height()));
  QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
  const QPoint offCentre =
      form.frameGeometry().center() - form.screen()->availableGeometry().center();
  QVERIFY2(offCentre.manhattanLength() <= 2, "not centred on the screen");
}

void LayoutTest::sizeIsLocked() {
  TForm1& form = fixture_->Form();
  QVERIFY(fixture_->ShowActive());
  const QSize size = form.size();
  QCOMPARE(form.minimumSize(), size);
  QCOMPARE(form.maximumSize(), size);
  form.resize(size + QSize(100, 80));
  QCOMPARE(form.size(), size);
  const Qt::WindowFlags flags = form.windowFlags();
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QVERIFY(flags & Qt::WindowMinimizeButtonHint);
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(flags & Qt::WindowSystemMenuHint);
}

void LayoutTest::quitShortcutClosesTheWindowFromTheDisplay() {
  QVERIFY(fixture_->ShowActive());
  fixture_->Form().Afficheur()->setFocus();
  QTest::keyClick(fixture_->Window(), Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!fixture_->Form().isVisible());
  QCOMPARE(fixture_->Display(), QStringLiteral("0,"));
}

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
