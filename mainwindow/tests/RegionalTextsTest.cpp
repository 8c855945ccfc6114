// The diagnostics' dates and times as the program gives them to the help access on Linux: the
// locale's short date and long time formats, without the time zone that Qt's long format adds.
#include <QTest>

#include "mainwindow/ToolkitRegionalTexts.h"

using namespace solvanex;

class RegionalTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void localeTexts_data();
  void localeTexts();
};

void RegionalTextsTest::localeTexts_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("time");
  QTest::addColumn<QString>("dateTime");
  QTest::addColumn<QString>("separator");
  QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "14:03:07"
                          << "08/12/2025 14:03:07"
                          << ",";
  QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "2:03:07 PM"
                           << "12/8/25 2:03:07 PM"
                           << ".";
  QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "14:03:07"
                          << "08.12.25 14:03:07"
                          << ",";
}

void RegionalTextsTest::localeTexts() {
  QFETCH(QLocale, locale);
  QFETCH(QString, time);
  QFETCH(QString, dateTime);
  QFETCH(QString, separator);
  const QDateTime moment(QDate(2025, 12, 8), QTime(14, 3, 7));
  const help::RegionalTexts texts = ToolkitRegionalTexts(locale, [moment] { return moment; });
  QCOMPARE(QString::fromStdString(texts.time()), time);
  QCOMPARE(QString::fromStdString(texts.dateTime()), dateTime);
  QCOMPARE(QString::fromStdString(texts.decimalSeparator), separator);
}

QTEST_GUILESS_MAIN(RegionalTextsTest)
#include "RegionalTextsTest.moc"
