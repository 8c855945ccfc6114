// Every caption, choice item, status-bar text and About label is drawn whole in the face the
// machine has: run once with the preferred face installed and once with DejaVu Sans alone (the
// fontconfig files of the build tree pick which). The font family the test expects to be drawn
// in comes from SOLVANEX_EXPECTED_FACE, so a fontconfig set-up that does not act fails too.
#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <utility>

#include "FormFixture.h"
#include "about/FAbout.h"
#include "mainwindow/Hints.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

// The first and last columns at which two images of the same size differ; {-1, -1} when they
// are the same.
std::pair<int, int> DifferingColumns(const QImage& a, const QImage& b) {
  std::pair<int, int> columns{-1, -1};
  for (int x = 0; x < a.width(); ++x) {
    for (int y = 0; y < a.height(); ++y) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      if (columns.first < 0) columns.first = x;
      columns.second = x;
      break;
    }
  }
  return columns;
}

// The width of the ink of text drawn whole in font: black on white, on a canvas far wider than
// the text, so nothing of it can be cut.
int InkWidth(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  QImage canvas(4 * metrics.horizontalAdvance(text) + 40, 3 * metrics.height(),
                QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QPoint(20, metrics.height() + metrics.ascent()), text);
  painter.end();
  QImage blank(canvas.size(), QImage::Format_RGB32);
  blank.fill(Qt::white);
  const auto [left, right] = DifferingColumns(canvas, blank);
  return left < 0 ? 0 : right - left + 1;
}

// Whether widget draws text whole inside room (in the widget's own coordinates): the pixels
// that the text changes, found by drawing the widget without it and with it, span as many
// columns as the text's own ink in the widget's font (a cut text spans fewer) and lie inside
// room. An empty string when it does, else what was seen.
template <typename Widget>
QString DrawnWhole(Widget* widget, const QString& text, const QRect& room) {
  widget->setText(QString());
  const QImage without = widget->grab().toImage();
  widget->setText(text);
  const QImage with = widget->grab().toImage();
  const auto [left, right] = DifferingColumns(with, without);
  const int expected = InkWidth(widget->font(), text);
  // A pixel of anti-aliased edge on either side may blend to the colour behind it.
  const bool whole = left >= 0 && std::abs((right - left + 1) - expected) <= 2;
  if (whole && left >= room.left() && right <= room.right()) return {};
  return QStringLiteral("%1: ink in columns %2..%3 (%4 wide drawn alone), room %5..%6")
      .arg(text)
      .arg(left)
      .arg(right)
      .arg(expected)
      .arg(room.left())
      .arg(room.right());
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
  // Clear of the two-pixel bevel.
  const QString seen = DrawnWhole(button, button->text(), button->rect().adjusted(2, 0, -2, 0));
  QVERIFY2(seen.isEmpty(), qPrintable(seen));
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
    // The circle is what the item draws without its text: the text starts clear of it.
    const QString text = item->text();
    item->setText(QString());
    const QImage circle = item->grab().toImage();
    item->setText(text);
    int circleRight = -1;  // the last column that differs from the item's top right corner
    for (int x = 0; x < circle.width(); ++x) {
      for (int y = 0; y < circle.height(); ++y) {
        if (circle.pixel(x, y) != circle.pixel(circle.width() - 1, 0)) circleRight = x;
      }
    }
    QVERIFY(circleRight >= 0);
    const QString seen = DrawnWhole(item, text, item->rect().adjusted(circleRight + 2, 0, 0, 0));
    QVERIFY2(seen.isEmpty(), qPrintable(seen));
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
  const QString seen = DrawnWhole(label, text, label->contentsRect());
  QVERIFY2(seen.isEmpty(), qPrintable(seen));
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
    auto* label = dialog.findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    const QString seen = DrawnWhole(label, label->text(), label->contentsRect());
    QVERIFY2(seen.isEmpty(), qPrintable(seen));
    QVERIFY2(label->geometry().right() < TFAbout::kClientWidth,
             qPrintable(QStringLiteral("%1 ends at %2").arg(name).arg(label->geometry().right())));
    QVERIFY(QFontInfo(label->font()).pixelSize() >= 7);
  }
}

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
