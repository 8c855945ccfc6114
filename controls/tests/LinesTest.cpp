// The line control: end points per type, the size rules, the last pixel left undrawn and the
// repaint on a pen change, checked by rendering into images.
#include <QImage>
#include <QWidget>

#include <QTest>
#include <algorithm>
#include <limits>

#include "controls/Lines.h"

using solvanex::TLine;
using solvanex::TLineType;
using T = solvanex::TLineType;

Q_DECLARE_METATYPE(TLineType)

namespace {

QImage Rendered(TLine& line) {
  QImage image(line.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  line.render(&image);
  return image;
}

bool Dark(const QImage& image, QPoint p) {
  return qGray(image.pixel(p)) < 128;
}

// Counts the paintings of a shown control.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }
};

QList<int> Ends(const TLine& line) {
  return {line.FromX(), line.FromY(), line.ToX(), line.ToY()};
}

}  // namespace

class LinesTest : public QObject {
  Q_OBJECT

 private slots:
  void horizontalSeparator();
  void endPoints_data();
  void endPoints();
  void typeChangeSizes_data();
  void typeChangeSizes();
  void customCoordinates_data();
  void customCoordinates();
  void penChangesRepaint();
  void thicknessOfExtremePens_data();
  void thicknessOfExtremePens();
};

void LinesTest::horizontalSeparator() {
  // The About box's separator: 196 wide, 65 high before its first painting.
  TLine line;
  QCOMPARE(line.size(), QSize(65, 65));
  line.SetLine(TLineType::ltHorizontal);
  line.resize(196, 65);

  const QImage first = Rendered(line);
  QVERIFY(Dark(first, {0, 32}) && Dark(first, {194, 32}));
  QCOMPARE(line.height(), 10);

  const QImage second = Rendered(line);
  QCOMPARE(Ends(line), QList<int>({0, 4, 195, 4}));
  for (int x = 0; x <= 194; ++x) QVERIFY(Dark(second, {x, 4}));
  QVERIFY(!Dark(second, {195, 4}));  // the end point itself stays undrawn
  QVERIFY(!Dark(second, {100, 3}) && !Dark(second, {100, 5}));
}

void LinesTest::endPoints_data() {
  QTest::addColumn<TLineType>("type");
  QTest::addColumn<QList<int>>("ends");  // in a 40 × 30 control: R = 39, B = 29
  QTest::addColumn<QSize>("sizeAfter");
  const QSize same(40, 30);
  QTest::newRow("top") << T::ltTop << QList<int>{0, 0, 39, 0} << same;
  QTest::newRow("bottom") << T::ltBottom << QList<int>{0, 29, 39, 29} << same;
  QTest::newRow("left") << T::ltLeft << QList<int>{0, 0, 0, 29} << same;
  QTest::newRow("right") << T::ltRight << QList<int>{39, 0, 39, 29} << same;
  QTest::newRow("up diagonal") << T::ltUpDiagonal << QList<int>{0, 29, 39, 0} << same;
  QTest::newRow("down diagonal") << T::ltDownDiagonal << QList<int>{0, 0, 39, 29} << same;
  QTest::newRow("horizontal") << T::ltHorizontal << QList<int>{0, 14, 39, 14} << QSize(40, 10);
  QTest::newRow("vertical") << T::ltVertical << QList<int>{19, 0, 19, 29} << QSize(10, 30);
}

void LinesTest::endPoints() {
  QFETCH(TLineType, type);
  QFETCH(QList<int>, ends);
  QFETCH(QSize, sizeAfter);
  TLine line;
  line.SetLine(type);
  line.SetFromX(5);  // ignored outside ltCustom
  line.resize(40, 30);
  const QImage image = Rendered(line);
  QCOMPARE(Ends(line), ends);
  QCOMPARE(line.size(), sizeAfter);
  QVERIFY(Dark(image, {ends[0], ends[1]}));
  QVERIFY(!Dark(image, {ends[2], ends[3]}));
}

void LinesTest::typeChangeSizes_data() {
  QTest::addColumn<TLineType>("before");
  QTest::addColumn<TLineType>("after");
  QTest::addColumn<QSize>("expected");  // from 196 × 10 (horizontal) or 10 × 150 (vertical)
  const QList<TLineType> targets{T::ltTop,        T::ltBottom,       T::ltLeft,  T::ltRight,
                                 T::ltUpDiagonal, T::ltDownDiagonal, T::ltCustom};
  const QList<QSize> fromHorizontal{{196, 65}, {196, 65}, {65, 196}, {65, 196},
                                    {196, 65}, {196, 65}, {196, 10}};
  const QList<QSize> fromVertical{{150, 65}, {150, 65}, {65, 150}, {65, 150},
                                  {65, 150}, {65, 150}, {10, 150}};
  for (int i = 0; i < targets.size(); ++i) {
    QTest::addRow("horizontal to %d", int(targets[i]))
        << T::ltHorizontal << targets[i] << fromHorizontal[i];
    QTest::addRow("vertical to %d", int(targets[i]))
        << T::ltVertical << targets[i] << fromVertical[i];
  }
  QTest::newRow("horizontal to vertical") << T::ltHorizontal << T::ltVertical << QSize(10, 196);
  QTest::newRow("vertical to horizontal") << T::ltVertical << T::ltHorizontal << QSize(150, 10);
  QTest::newRow("top to left keeps the size") << T::ltTop << T::ltLeft << QSize(196, 10);
}

void LinesTest::typeChangeSizes() {
  QFETCH(TLineType, before);
  QFETCH(TLineType, after);
  QFETCH(QSize, expected);
  TLine line;
  line.SetLine(before);
  line.resize(before == T::ltVertical ? QSize(10, 150) : QSize(196, 10));
  line.SetLine(after);
  QCOMPARE(line.size(), expected);
}

void LinesTest::customCoordinates_data() {
  QTest::addColumn<QList<int>>("set");  // FromX, FromY, ToX, ToY in a 100 × 50 control
  QTest::addColumn<QList<int>>("afterPaint");
  QTest::addColumn<QSize>("sizeAfter");
  auto row = [](const char* name, QList<int> set, QList<int> after, QSize size) {
    QTest::newRow(name) << set << after << size;
  };
  row("ToX past the right edge widens", {0, 0, 200, 10}, {0, 0, 200, 10}, {201, 50});
  row("FromX past the right edge widens", {150, 0, 20, 10}, {150, 0, 20, 10}, {151, 50});
  row("ToY past the bottom heightens", {0, 0, 10, 80}, {0, 0, 10, 80}, {100, 81});
  row("negative FromY stored as 0", {0, -5, 10, 10}, {0, 0, 10, 10}, {100, 50});
  row("negative ToX stored as 0", {5, 5, -3, 10}, {5, 5, 0, 10}, {100, 50});
  row("last column and row fit", {0, 0, 99, 49}, {0, 0, 99, 49}, {100, 50});
  // The extremes of int: the size is worked out without overflow and held to a widget's limit.
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  row("ToX at the largest int", {0, 0, kMax, 10}, {0, 0, kMax, 10}, {QWIDGETSIZE_MAX, 50});
  row("FromY at the largest int", {0, kMax, 10, 0}, {0, kMax, 10, 0}, {100, QWIDGETSIZE_MAX});
  row("smallest int stored as 0", {kMin, kMin, kMin, kMin}, {0, 0, 0, 0}, {100, 50});
}

void LinesTest::customCoordinates() {
  QFETCH(QList<int>, set);
  QFETCH(QList<int>, afterPaint);
  QFETCH(QSize, sizeAfter);
  TLine line;
  line.resize(100, 50);
  line.SetFromX(set[0]);
  line.SetFromY(set[1]);
  line.SetToX(set[2]);
  line.SetToY(set[3]);
  QCOMPARE(Ends(line), set);  // taken as set under ltCustom
  Rendered(line);
  QCOMPARE(Ends(line), afterPaint);
  QCOMPARE(line.size(), sizeAfter);
}

void LinesTest::penChangesRepaint() {
  QWidget window;
  auto* line = new TLine(&window);
  line->SetLine(TLineType::ltHorizontal);
  line->setGeometry(10, 10, 196, 10);
  PaintCounter counter;
  line->installEventFilter(&counter);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTRY_VERIFY(counter.paints > 0);

  const int paintsBefore = counter.paints;
  line->Pen()->SetColor(solvanex::clRed);  // a direct change on the owned pen
  QTRY_VERIFY(counter.paints > paintsBefore);
  QCOMPARE(Rendered(*line).pixelColor(50, 4), QColor(Qt::red));

  solvanex::TPen wide;
  wide.SetWidth(2);
  line->SetPen(wide);  // the thicker pen also makes the control taller at its next painting
  QTRY_COMPARE(line->height(), 20);
}

void LinesTest::thicknessOfExtremePens_data() {
  QTest::addColumn<int>("penWidth");
  for (const int width : {std::numeric_limits<int>::max(), std::numeric_limits<int>::max() / 10 + 1,
                          QWIDGETSIZE_MAX / 10 + 1, 3, 0, -7, std::numeric_limits<int>::min()}) {
    QTest::addRow("pen width %d", width) << width;
  }
}

// A horizontal or vertical line becomes ten pen widths thick (at least one pen width of one
// pixel), as far as a widget can grow.
void LinesTest::thicknessOfExtremePens() {
  QFETCH(int, penWidth);
  const int expected =
      static_cast<int>(std::min<qint64>(qint64{std::max(1, penWidth)} * 10, QWIDGETSIZE_MAX));
  for (const TLineType type : {T::ltHorizontal, T::ltVertical}) {
    TLine line;
    line.SetLine(type);
    line.resize(60, 40);
    line.Pen()->SetWidth(penWidth);
    // Painted into a small image: only the size rule is looked at, not the stroke.
    QImage image(60, 40, QImage::Format_RGB32);
    line.render(&image);
    QCOMPARE(type == T::ltHorizontal ? line.height() : line.width(), expected);
  }
}

QTEST_MAIN(LinesTest)
#include "LinesTest.moc"
