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
  QTest::addColumn<int>("expected");  // pixel size, measured independently below
  const QString text = QStringLiteral("Retour arrière");
  QTest::newRow("fits as it is") << text << Width(text, 11) << 11;
  // One pixel less room than the 11-pixel text needs: the largest size whose width fits.
  int fitting = 10;
  while (fitting > kSmallestFitPixels && Width(text, fitting) > Width(text, 11) - 1) --fitting;
  QTest::newRow("one pixel short") << text << Width(text, 11) - 1 << fitting;
  QTest::newRow("no room at all: smallest size") << text << 0 << kSmallestFitPixels;
  QTest::newRow("empty text, no room yet") << QString() << -4 << 11;
  QTest::newRow("empty text, room") << QString() << 100 << 11;
}

void TextFitTest::fits() {
  QFETCH(QString, text);
  QFETCH(int, room);
  QFETCH(int, expected);
  const QFont fitted = FontToFit(Font(11), text, room);
  QCOMPARE(fitted.pixelSize(), expected);
  QCOMPARE(fitted.family(), Font(11).family());
}

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
