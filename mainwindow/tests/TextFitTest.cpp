// Every caption, choice item, status-bar text and About label is drawn whole in the face the
// machine has: run once with the preferred face installed and once with DejaVu Sans alone (the
// fontconfig files of the build tree pick which). The font family the test expects to be drawn
// in comes from SOLVANEX_EXPECTED_FACE, so a fontconfig set-up that does not act fails too.
#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "FormFixture.h"
#include "about/FAbout.h"
#include "mainwindow/Hints.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

int Advance(const QWidget* widget, const QString& text) {
  return QFontMetrics(widget->font()).horizontalAdvance(text);
}

// The room a push button's style leaves for its caption.
int CaptionRoom(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

// Memory figures in bytes: the largest 32-bit count, the machine the fault was seen on
// (24 683 772 Ko), and a machine with a terabyte.
const std::uint64_t kMemoryFigures[] = {4294967295ull, 24683772ull * 1024, 1ull << 40};

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { fixture_ = std::make_unique<FormFixture>(); }
  void cleanup() { fixture_.reset(); }
  void drawnInTheExpectedFace();
  void captions_data();
  void captions();
  void choiceItems_data();
  void choiceItems();
  void statusTexts_data();
  void statusTexts();
  void aboutLabels_data();
  void aboutLabels();

 private:
  std::unique_ptr<FormFixture> fixture_;
};

void TextFitTest::drawnInTheExpectedFace() {
  const QString expected = qEnvironmentVariable("SOLVANEX_EXPECTED_FACE");
  if (expected.isEmpty()) QSKIP("no SOLVANEX_EXPECTED_FACE: run through CTest");
  QCOMPARE(QFontInfo(fixture_->Button("Retour")->font()).family(), expected);
  QCOMPARE(QFontInfo(fixture_->Form().StatusBar1()->Panel(1)->font()).family(), expected);
  TFAbout dialog([] { return platform::MemoryStatus{.memoryLoad = 0, .totalPhysical = 0}; });
  QCOMPARE(QFontInfo(dialog.findChild<QLabel*>("lblPhysMem")->font()).family(), expected);
}

void TextFitTest::captions_data() {
  QTest::addColumn<QString>("name");
  const FormFixture fixture;
  for (const KeyButton& key : const_cast<FormFixture&>(fixture).Form().Controls().buttons) {
    QTest::newRow(key.button->objectName().toUtf8()) << key.button->objectName();
  }
}

void TextFitTest::captions() {
  QFETCH(QString, name);
  auto* button = fixture_->Form().ClientArea()->findChild<QPushButton*>(name);
  QVERIFY(button != nullptr);
  const int advance = Advance(button, button->text());
  QVERIFY2(advance <= CaptionRoom(button),
           qPrintable(QStringLiteral("%1 px in %2 px").arg(advance).arg(CaptionRoom(button))));
  QVERIFY(QFontInfo(button->font()).pixelSize() >= 7);
}

void TextFitTest::choiceItems_data() {
  QTest::addColumn<QString>("group");
  QTest::newRow("RadioGroup1") << "RadioGroup1";
  QTest::newRow("RadioGroup2") << "RadioGroup2";
}

void TextFitTest::choiceItems() {
  QFETCH(QString, group);
  auto* radio = fixture_->Form().ClientArea()->findChild<TRadioGroup*>(group);
  QVERIFY(radio != nullptr);
  QRect previous;
  for (QRadioButton* item : radio->Buttons()) {
    const QStyle* style = item->style();
    const int needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, item) +
                       style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, item) +
                       Advance(item, item->text());
    QVERIFY2(needed <= item->width(), qPrintable(item->text()));
    // Inside the frame, and clear of the item before it (its circle must not touch the text).
    QVERIFY2(radio->contentsRect().contains(item->geometry()), qPrintable(item->text()));
    QVERIFY2(previous.isNull() || !previous.intersects(item->geometry()), qPrintable(item->text()));
    previous = item->geometry();
  }
}

void TextFitTest::statusTexts_data() {
  QTest::addColumn<int>("panel");
  QTest::addColumn<QString>("text");
  const FormFixture fixture;
  TForm1& form = const_cast<FormFixture&>(fixture).Form();
  QTest::newRow("copyright") << 0 << form.StatusBar1()->PanelText(0);
  // Every hint the second panel can show: the window's own and those of all its controls.
  QSet<QString> seen;
  QList<const QWidget*> widgets{&form};
  for (const QWidget* widget : form.findChildren<QWidget*>()) widgets.append(widget);
  for (const QWidget* widget : widgets) {
    const QString hint = HintOf(widget);
    if (hint.isEmpty() || seen.contains(hint)) continue;
    seen.insert(hint);
    QTest::newRow(hint.toUtf8()) << 1 << hint;
  }
}

void TextFitTest::statusTexts() {
  QFETCH(int, panel);
  QFETCH(QString, text);
  TStatusBar* bar = fixture_->Form().StatusBar1();
  bar->SetPanelText(panel, text);
  QLabel* label = bar->Panel(panel);
  const int room = label->contentsRect().width() - label->indent();
  QVERIFY2(Advance(label, text) <= room,
           qPrintable(QStringLiteral("%1 px in %2 px").arg(Advance(label, text)).arg(room)));
}

void TextFitTest::aboutLabels_data() {
  QTest::addColumn<quint64>("totalBytes");
  QTest::addColumn<uint>("load");
  for (const std::uint64_t total : kMemoryFigures) {
    for (const uint load : {0u, 37u, 100u}) {
      QTest::newRow(QStringLiteral("%1 bytes, load %2").arg(total).arg(load).toUtf8())
          << quint64{total} << load;
    }
  }
}

void TextFitTest::aboutLabels() {
  QFETCH(quint64, totalBytes);
  QFETCH(uint, load);
  TFAbout dialog(
      [&] { return platform::MemoryStatus{.memoryLoad = load, .totalPhysical = totalBytes}; });
  dialog.ShowTexts(QStringLiteral("SOLVANEX"), QStringLiteral("Version 1.00 - Win 9x et Win XP"),
                   QStringLiteral("Copyright © 2026 Solvanex"));
  for (const char* name : {"Label1", "Label2", "Label3", "lblPhysMem", "lblPhysRes"}) {
    const auto* label = dialog.findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    const int advance = Advance(label, label->text());
    QVERIFY2(advance <= label->width(), name);
    QVERIFY2(label->geometry().right() < TFAbout::kClientWidth,
             qPrintable(QStringLiteral("%1 ends at %2").arg(name).arg(label->geometry().right())));
    QVERIFY(QFontInfo(label->font()).pixelSize() >= 7);
  }
}

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
