// The window on a desktop that is not the one it was drawn for: a dark colour scheme must leave
// every text readable on the light faces its colours were chosen for (the main window, its error
// box, the About box), and Qt's own texts read French whatever the locale.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "FormFixture.h"
#include "ModalBox.h"
#include "about/FAbout.h"
#include "controls/AlignEdit.h"
#include "mainwindow/CaptionButton.h"
#include "mainwindow/ErrorBox.h"
#include "mainwindow/QtTranslations.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

// Relative luminance and contrast ratio as the WCAG define them.
double Luminance(const QColor& color) {
  const auto channel = [](double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
         0.0722 * channel(color.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark scheme as dark desktop themes give it: light texts on dark faces.
QPalette DarkPalette() {
  QPalette dark(QColor(53, 53, 53));
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dark.setColor(QPalette::Button, QColor(53, 53, 53));
  dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  return dark;
}

// The least contrast of the keypad's caption colours on a light grey face is that of fuchsia
// (about 2.7:1); black texts on it reach more than 15:1. Under the dark scheme the captions fell
// to 1.06-1.41:1.
constexpr double kCaptionContrast = 2.5;
constexpr double kTextContrast = 7.0;

// The average luminance of a widget as drawn.
double DrawnLuminance(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += Luminance(image.pixelColor(x, y));
  }
  return sum / (image.width() * image.height());
}

QStringList MenuTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    QString text = action->text();
    text.remove(u'&');
    texts.append(text.section(u'\t', 0, 0));
  }
  return texts;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { lightPalette_ = QApplication::palette(); }
  void init() { QApplication::setPalette(DarkPalette()); }
  void cleanup() { QApplication::setPalette(lightPalette_); }
  void mainWindowStaysLightUnderADarkScheme();
  void errorBoxStaysLightUnderADarkScheme();
  void aboutBoxStaysLightUnderADarkScheme();
  void displayContextMenuReadsFrench();

 private:
  QPalette lightPalette_;
};

void DesktopTest::mainWindowStaysLightUnderADarkScheme() {
  FormFixture fixture;
  TForm1& form = fixture.Form();
  for (const KeyButton& key : form.Controls().buttons) {
    const auto* button = dynamic_cast<const CaptionButton*>(key.button);
    QVERIFY2(button != nullptr, qPrintable(key.button->objectName()));
    const double contrast =
        Contrast(button->CaptionColor(), button->palette().color(QPalette::Button));
    QVERIFY2(contrast >= kCaptionContrast,
             qPrintable(key.button->objectName() + QStringLiteral(" %1:1").arg(contrast)));
  }
  for (TRadioGroup* group : {form.RadioGroup1(), form.RadioGroup2()}) {
    for (QRadioButton* item : group->Buttons()) {
      const double contrast = Contrast(item->palette().color(QPalette::WindowText),
                                       item->palette().color(QPalette::Window));
      QVERIFY2(contrast >= kCaptionContrast, qPrintable(item->text()));
    }
  }
  QLabel* panel = form.StatusBar1()->Panel(1);
  QVERIFY(Contrast(panel->palette().color(QPalette::WindowText),
                   panel->palette().color(QPalette::Window)) >= kTextContrast);
  TAlignEdit* display = form.Afficheur();
  QVERIFY(Contrast(display->palette().color(QPalette::Text),
                   display->palette().color(QPalette::Base)) >= kTextContrast);
  for (const QMenu* menu : form.Controls().menus) {
    QVERIFY(Contrast(menu->palette().color(QPalette::WindowText),
                     menu->palette().color(QPalette::Window)) >= kTextContrast);
  }
  // As drawn: light faces (the dark scheme's grey has a luminance of about 0.04).
  QVERIFY(fixture.ShowActive());
  QVERIFY2(DrawnLuminance(&form) > 0.6, qPrintable(QString::number(DrawnLuminance(&form))));
}

void DesktopTest::errorBoxStaysLightUnderADarkScheme() {
  QPalette seen;
  testing::WhenBoxIsActive([&seen](QMessageBox* box) { seen = box->palette(); });
  ShowModalErrorBox(nullptr, QStringLiteral("Solvanex 1.0"),
                    QStringLiteral("Division par zéro en virgule flottante."));
  QVERIFY(Luminance(seen.color(QPalette::Window)) > 0.6);
  QVERIFY(Contrast(seen.color(QPalette::WindowText), seen.color(QPalette::Window)) >=
          kTextContrast);
  QVERIFY(Contrast(seen.color(QPalette::ButtonText), seen.color(QPalette::Button)) >=
          kTextContrast);
}

void DesktopTest::aboutBoxStaysLightUnderADarkScheme() {
  TFAbout dialog(
      [] { return platform::MemoryStatus{.memoryLoad = 63, .totalPhysical = 1u << 30}; });
  dialog.ShowTexts(QStringLiteral("SOLVANEX"), QStringLiteral("Version"), QStringLiteral("©"));
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;  // the banner
    QVERIFY2(Contrast(label->palette().color(QPalette::WindowText),
                      label->palette().color(QPalette::Window)) >= kTextContrast,
             qPrintable(label->objectName()));
  }
  const auto* ok = dialog.findChild<QPushButton*>("Button1");
  QVERIFY(Contrast(ok->palette().color(QPalette::ButtonText),
                   ok->palette().color(QPalette::Button)) >= kTextContrast);
  QVERIFY(DrawnLuminance(&dialog) > 0.6);
}

void DesktopTest::displayContextMenuReadsFrench() {
  QApplication::setPalette(lightPalette_);
  QVERIFY(InstallFrenchQtTranslations(*QCoreApplication::instance()));
  FormFixture fixture;
  QVERIFY(fixture.ShowActive());
  TAlignEdit* display = fixture.Form().Afficheur();
  // The menu a right click on the display opens.
  std::unique_ptr<QMenu> menu(display->createStandardContextMenu());
  const QStringList texts = MenuTexts(menu.get());
  QVERIFY(!texts.isEmpty());
  QVERIFY2(texts.contains(QStringLiteral("Copier")), qPrintable(texts.join(u'|')));
  QVERIFY2(texts.contains(QStringLiteral("Tout sélectionner")), qPrintable(texts.join(u'|')));
  for (const char* english : {"Copy", "Select All", "Paste", "Undo"}) {
    QVERIFY2(!texts.contains(QLatin1String(english)), english);
  }
}

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
