// The Qt font of a TFont for every height an int can hold: a negative height is the character
// height, a positive one the cell height, and neither may overflow on the way.
#include <QTest>

#include <limits>

#include "controls/Font.h"

using solvanex::TFont;

class FontTest : public QObject {
  Q_OBJECT

 private slots:
  void pixelSizeOfAnyHeight_data();
  void pixelSizeOfAnyHeight();
};

void FontTest::pixelSizeOfAnyHeight_data() {
  QTest::addColumn<int>("height");
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  for (const int height : {kMin, kMin + 1, -TFont::kMaxPixelSize - 1, -TFont::kMaxPixelSize, -11,
                           -1, 1, 11, TFont::kMaxPixelSize, TFont::kMaxPixelSize + 1, kMax}) {
    QTest::addRow("height %d", height) << height;
  }
}

void FontTest::pixelSizeOfAnyHeight() {
  QFETCH(int, height);
  TFont font;
  font.SetHeight(height);
  const int pixels = font.ToQFont().pixelSize();
  const qint64 limit = std::min<qint64>(qAbs(qint64{height}), TFont::kMaxPixelSize);
  if (height < 0) {
    // The character height itself, up to the limit.
    QCOMPARE(pixels, static_cast<int>(limit));
  } else {
    // A character height whose cell fits in the height asked for.
    QVERIFY2(pixels >= 1 && pixels <= limit, qPrintable(QString::number(pixels)));
  }
}

QTEST_MAIN(FontTest)
#include "FontTest.moc"
