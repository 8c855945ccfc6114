// Fitting a text to its room: the font shrinks only as far as the text needs, never for an
// empty text, and never below the smallest readable size.
#include <QFontMetrics>
#include <QTest>

#include "controls/TextFit.h"

using solvanex::FontToFit;
using solvanex::kSmallestFitPixels;

class TextFitTest : public QObject {
  Q_OBJECT

 private slots:
  void fits_data();
  void fits();
};

namespace {

QFont Font(int pixels) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  return font;
}

int Width(const QString& text, int pixels) {
  return QFontMetrics(Font(pixels)).horizontalAdvance(text);
}

}  // namespace

void TextFitTest::fits_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("room");
  QTest::addColumn<int>("expected");  // pixel size, or 0: the largest size whose text fits
  const QString text = QStringLiteral("Retour arrière");
  // The rooms are the text's own widths at known sizes, measured here.
  QTest::newRow("fits as it is") << text << Width(text, 11) << 11;
  QTest::newRow("one pixel short") << text << Width(text, 11) - 1 << 0;
  QTest::newRow("room of 9 pixels") << text << Width(text, 9) << 0;
  QTest::newRow("room of 9 pixels, one more") << text << Width(text, 9) + 1 << 0;
  QTest::newRow("room of 8 pixels, one less") << text << Width(text, 8) - 1 << 0;
  QTest::newRow("room of the smallest size") << text << Width(text, kSmallestFitPixels) << 0;
  QTest::newRow("no room at all: smallest size") << text << 0 << kSmallestFitPixels;
  QTest::newRow("empty text, no room yet") << QString() << -4 << 11;
  QTest::newRow("empty text, room") << QString() << 100 << 11;
}

void TextFitTest::fits() {
  QFETCH(QString, text);
  QFETCH(int, room);
  QFETCH(int, expected);
  const QFont fitted = FontToFit(Font(11), text, room);
  QCOMPARE(fitted.family(), Font(11).family());
  const int size = fitted.pixelSize();
  if (expected != 0) {
    QCOMPARE(size, expected);
    return;
  }
  // The size chosen fits (unless it is the smallest), and no larger one up to the designed size
  // would.
  QVERIFY(size >= kSmallestFitPixels && size < 11);
  QVERIFY2(Width(text, size) <= room || size == kSmallestFitPixels,
           qPrintable(QStringLiteral("%1 px").arg(size)));
  for (int larger = size + 1; larger <= 11; ++larger) {
    QVERIFY2(Width(text, larger) > room, qPrintable(QStringLiteral("%1 px fits").arg(larger)));
  }
}

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
