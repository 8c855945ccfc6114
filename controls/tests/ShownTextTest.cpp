// The exact text behind the display: where a long text is cut, and how edits made in the shown
// document map back onto the full text.
#include <QTest>

#include "controls/ShownText.h"

using solvanex::ShownText;

class ShownTextTest : public QObject {
  Q_OBJECT

 private slots:
  void longTextHidesHead_data();
  void longTextHidesHead();
  void editsMapBack_data();
  void editsMapBack();
  void onlyCrLfBreaksALine_data();
  void onlyCrLfBreaksALine();
};

void ShownTextTest::longTextHidesHead_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("hidden");
  const int limit = ShownText::kShownLimit;
  QTest::newRow("at the limit") << QString(limit, 'x') << 0;
  QTest::newRow("one over") << QString(limit + 1, 'x') << 1;
  // A cut between CR and LF, or inside a surrogate pair, moves past the pair.
  QTest::newRow("CR LF at the cut") << "ab\r\n" + QString(limit - 1, 'y') << 4;
  QTest::newRow("surrogate pair at the cut")
      << "a" + QString::fromUtf16(u"\U0001F600") + QString(limit - 1, 'z') << 3;
}

void ShownTextTest::longTextHidesHead() {
  QFETCH(QString, text);
  QFETCH(int, hidden);
  ShownText model;
  model.Set(text);
  QCOMPARE(model.Text(), text);
  QCOMPARE(model.HiddenLength(), hidden);
  const QString tail = text.mid(hidden);
  QCOMPARE(model.Shown(), hidden > 0 ? QChar(ShownText::kHiddenMark) + tail : tail);
  QCOMPARE(model.TextIndex(hidden > 0 ? 1 : 0), hidden);
}

void ShownTextTest::editsMapBack_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("from");  // the edit, in shown positions
  QTest::addColumn<int>("to");
  QTest::addColumn<QString>("typed");  // as the document holds it
  QTest::addColumn<QString>("expected");
  QTest::addColumn<bool>("matches");  // the document still matches without being rebuilt
  QTest::addColumn<int>("caret");
  auto row = [](const char* name, const QString& text, int from, int to, const QString& typed,
                const QString& expected, bool matches, int caret) {
    QTest::newRow(name) << text << from << to << typed << expected << matches << caret;
  };
  const QString brk(QChar(ShownText::kBreak));
  const int limit = ShownText::kShownLimit;
  const QString longText = QString(limit, 'x') + "yz";  // shown: ellipsis, then limit chars
  row("type after a CR LF", "a\r\nb", 2, 2, "x", "a\r\nxb", true, 4);
  row("delete a CR LF as one break", "a\r\nb", 1, 2, "", "ab", true, 1);
  row("typed break becomes CR LF", "ab", 1, 1, brk, "a\r\nb", true, 3);
  row("frame marker kept beside an edit", QString("a") + QChar(0xFDD0), 2, 2, "b",
      QString("a") + QChar(0xFDD0) + "b", true, 3);
  row("deleting between CR and LF merges them", "a\rx\nb", 2, 3, "", "a\r\nb", false, 2);
  row("type at the end of a long text", longText, limit + 1, limit + 1, "!", longText + "!", true,
      limit + 3);
  row("delete the ellipsis and the hidden head", longText, 0, 1, "", longText.mid(2), true, 0);
  row("type before the ellipsis", longText, 0, 0, "<", "<" + longText, false, 1);
}

void ShownTextTest::editsMapBack() {
  QFETCH(QString, text);
  QFETCH(int, from);
  QFETCH(int, to);
  QFETCH(QString, typed);
  QFETCH(QString, expected);
  QFETCH(bool, matches);
  QFETCH(int, caret);
  ShownText model;
  model.Set(text);
  QString document = model.Shown();
  document.replace(from, to - from, typed);
  int caretIndex = -1;
  QCOMPARE(model.ApplyEdit(document, &caretIndex), matches);
  QCOMPARE(model.Text(), expected);
  QCOMPARE(caretIndex, caret);
}

void ShownTextTest::onlyCrLfBreaksALine_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("pasted with a trailing LF") << "3,14\n";
  QTest::newRow("CR LF") << "3,14\r\n";
  QTest::newRow("lone CR") << "a\rb";
  QTest::newRow("LF before CR") << "a\n\rb";
  QTest::newRow("CR, then CR LF") << "a\r\r\nb";
  QTest::newRow("two lines and a lone LF") << "a\r\nb\nc\r\n";
  QTest::newRow("Unicode separators") << QString("a") + QChar(0x2028) + "b" + QChar(0x2029) + "c";
}

void ShownTextTest::onlyCrLfBreaksALine() {
  QFETCH(QString, text);
  ShownText model;
  model.Set(text);
  QCOMPARE(model.Text(), text);
  const QString& shown = model.Shown();
  // One paragraph break per CR LF pair, one shown character for every other character.
  const qsizetype pairs = text.count(QStringLiteral("\r\n"));
  QCOMPARE(shown.count(QChar(ShownText::kBreak)), pairs);
  QCOMPARE(shown.size(), text.size() - pairs);
  for (const QChar c : shown) {
    QVERIFY2(c != u'\r' && c != u'\n' && c != QChar::LineSeparator,
             qPrintable(QStringLiteral("U+%1 shown").arg(c.unicode(), 4, 16, QChar(u'0'))));
  }
  // The lone ones are shown as their marks, in place.
  QCOMPARE(shown.count(QChar(ShownText::kLoneLineFeed)), text.count(u'\n') - pairs);
  QCOMPARE(shown.count(QChar(ShownText::kLoneCarriageReturn)), text.count(u'\r') - pairs);
}

QTEST_GUILESS_MAIN(ShownTextTest)
#include "ShownTextTest.moc"
