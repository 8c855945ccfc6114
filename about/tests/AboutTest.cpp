// The About box: its memory lines under pinned locales, the 100-character cap, one beep per
// opening, a failed creation, and the dialog's layout.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "about/About.h"
#include "about/MemoryLines.h"
#include "controls/Lines.h"
#include "platform/Beep.h"

using solvanex::TAboutBox;
using solvanex::TFAbout;
using solvanex::platform::MemoryStatus;

namespace {

solvanex::MemoryStatusSource Fixed(std::uint64_t total, std::uint32_t load) {
  return [total, load] { return MemoryStatus{.memoryLoad = load, .totalPhysical = total}; };
}

QString LabelText(const QWidget& dialog, const char* name) {
  const auto* label = dialog.findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QString("<no %1>").arg(name);
}

}  // namespace

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void memoryLines_data();
  void memoryLines();
  void textsCappedAt100_data();
  void textsCappedAt100();
  void executeBeepsOncePerOpening();
  void failedCreationOnlyBeeps();
  void dialogLayout_data();
  void dialogLayout();
  void dialogWindow();

 private:
  int beeps_ = 0;
};

void AboutTest::init() {
  beeps_ = 0;
  solvanex::platform::SetBeepObserver([this](unsigned type) { beeps_ += type == 0 ? 1 : 100; });
}

void AboutTest::cleanup() {
  solvanex::platform::SetBeepObserver({});
  QLocale::setDefault(QLocale::c());
}

void AboutTest::memoryLines_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<qulonglong>("bytes");
  QTest::addColumn<uint>("load");
  QTest::addColumn<QString>("kilobytes");  // '_' stands for the locale's group separator
  QTest::addColumn<QString>("free");
  auto row = [](const char* name, QLocale::Language language, qulonglong bytes, uint load,
                const QString& kilobytes, const QString& free) {
    QTest::newRow(name) << QLocale(language) << bytes << load << kilobytes << free;
  };
  row("French, 523 763 712 bytes", QLocale::French, 523763712, 63, "511_488", "37");
  row("English, 523 763 712 bytes", QLocale::English, 523763712, 63, "511_488", "37");
  row("C locale still groups", QLocale::C, 523763712, 0, "511_488", "100");
  row("largest 32-bit count", QLocale::French, 4294967295, 100, "4_194_304", "0");
  row("16 GiB, the true total", QLocale::English, 17179869184, 50, "16_777_216", "50");
  row("half a kilobyte rounds up", QLocale::English, 1536, 50, "2", "50");
  row("under half rounds down", QLocale::English, 1535, 50, "1", "50");
  row("unknown total shows 0", QLocale::English, 0, 50, "0", "50");
  row("impossible load above 100", QLocale::English, 1024, 250, "1", "0");
}

void AboutTest::memoryLines() {
  QFETCH(QLocale, locale);
  QFETCH(qulonglong, bytes);
  QFETCH(uint, load);
  QFETCH(QString, kilobytes);
  QFETCH(QString, free);
  QLocale::setDefault(locale);
  TFAbout dialog(Fixed(bytes, load));
  QCOMPARE(LabelText(dialog, "lblPhysMem"),
           "Mémoire physique totale : " + kilobytes.replace('_', locale.groupSeparator()) + " Ko");
  QCOMPARE(LabelText(dialog, "lblPhysRes"), "Ressources système      : " + free + "% libre.");
}

void AboutTest::textsCappedAt100_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("stored");
  const QString hundred(100, 'a');
  QTest::newRow("exactly 100") << hundred << hundred;
  QTest::newRow("101 cut") << hundred + "b" << hundred;
  QTest::newRow("no half surrogate pair")
      << QString(99, 'd') + QString::fromUtf16(u"\U0001F600") << QString(99, 'd');
}

void AboutTest::textsCappedAt100() {
  QFETCH(QString, text);
  QFETCH(QString, stored);
  TAboutBox box;
  box.SetProductName(text);
  box.SetVersion(text);
  box.SetCopyright(text);
  QCOMPARE(box.ProductName() + box.Version() + box.Copyright(), stored + stored + stored);
}

void AboutTest::executeBeepsOncePerOpening() {
  TAboutBox box;
  box.SetProductName("SOLVANEX");
  box.SetVersion("Version 1.00 - Win 9x et Win XP");
  box.SetMemoryStatusSource(Fixed(523763712, 63));
  for (int opening = 1; opening <= 2; ++opening) {
    QStringList seen;
    QTimer::singleShot(0, [&] {
      // Closed whatever happens, or a failed check would leave Execute waiting for ever.
      const auto closer = qScopeGuard([] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      });
      QVERIFY(QApplication::activeModalWidget() != nullptr);
      const QWidget& dialog = *QApplication::activeModalWidget();
      for (const char* name : {"Label1", "Label2", "Label3"}) seen << LabelText(dialog, name);
      QCOMPARE(beeps_, opening);
    });
    box.Execute();
    QCOMPARE(seen, QStringList({"SOLVANEX", "Version 1.00 - Win 9x et Win XP",
                                TAboutBox::DefaultCopyright()}));
    QCOMPARE(beeps_, opening);
  }
  QCOMPARE(QApplication::topLevelWidgets().count(), 0);  // each dialog freed after closing
}

void AboutTest::failedCreationOnlyBeeps() {
  TAboutBox box;
  box.SetMemoryStatusSource([]() -> MemoryStatus { throw std::runtime_error("no figures"); });
  box.Execute();  // returns at once, showing nothing
  QCOMPARE(QApplication::topLevelWidgets().count(), 0);
  QCOMPARE(beeps_, 2);  // the dialog's own beep at creation, then the failure's
}

void AboutTest::dialogLayout_data() {
  QTest::addColumn<QPoint>("position");
  QTest::addColumn<QSize>("size");  // empty: sized to its text
  QTest::newRow("Image1") << QPoint(-4, -4) << QSize(298, 81);
  QTest::newRow("Label1") << QPoint(88, 96) << QSize();
  QTest::newRow("Label2") << QPoint(88, 120) << QSize();
  QTest::newRow("Label3") << QPoint(88, 136) << QSize();
  QTest::newRow("Line1") << QPoint(86, 158) << QSize(196, 10);
  QTest::newRow("Line2") << QPoint(86, 159) << QSize(196, 10);
  QTest::newRow("lblPhysMem") << QPoint(86, 173) << QSize();
  QTest::newRow("lblPhysRes") << QPoint(86, 193) << QSize();
  QTest::newRow("Button1") << QPoint(208, 223) << QSize(74, 26);
}

void AboutTest::dialogLayout() {
  QFETCH(QPoint, position);
  QFETCH(QSize, size);
  const QString name = QTest::currentDataTag();
  TFAbout dialog(Fixed(523763712, 63));
  dialog.ShowTexts("SOLVANEX", "Version 1.00 - Win 9x et Win XP", TAboutBox::DefaultCopyright());
  const auto* control = dialog.findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->pos(), position);
  QCOMPARE(control->size(), size.isValid() ? size : control->sizeHint());
  // Button1 is the only control the keyboard can reach.
  QCOMPARE(control->focusPolicy(), name == "Button1" ? Qt::StrongFocus : Qt::NoFocus);
}

void AboutTest::dialogWindow() {
  TFAbout dialog(Fixed(523763712, 63));
  QCOMPARE(beeps_, 1);
  QCOMPARE(dialog.windowTitle(), QString("A propos de..."));
  QCOMPARE(dialog.size(), QSize(294, 268));
  QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
  QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
  QCOMPARE(dialog.palette().color(QPalette::Window), solvanex::ToQColor(solvanex::clBtnFace));
  QCOMPARE(dialog.font().pixelSize(), 11);
  QVERIFY(dialog.findChild<QLabel*>("Label1")->font().bold());
  QCOMPARE(dialog.findChild<solvanex::TLine*>("Line2")->Pen()->Color(), solvanex::clWhite);
  const QImage banner = dialog.findChild<QLabel*>("Image1")->pixmap().toImage();
  QVERIFY(banner.pixel(5, 5) != banner.pixel(48, 42));  // drawn artwork, not a blank plate

  auto* ok = dialog.findChild<QPushButton*>("Button1");
  QVERIFY(ok->isDefault());
  dialog.show();
  QTest::mouseClick(ok, Qt::LeftButton);
  QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
