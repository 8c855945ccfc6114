#include "mainwindow/ToolkitRegionalTexts.h"

namespace solvanex {

QString LongTimeFormat(const QLocale& locale) {
  // Qt's long format ends with the time zone ("HH:mm:ss t"), which the regional settings' time
  // format does not have: drop every unquoted 't' and the blanks it leaves behind.
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString result;
  bool quoted = false;
  for (const QChar c : format) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && c == QLatin1Char('t')) continue;
    result += c;
  }
  result = result.trimmed();
  while (result.contains(QStringLiteral("  ")))
    result.replace(QStringLiteral("  "), QStringLiteral(" "));
  return result;
}

std::string TimeText(const QLocale& locale, const QDateTime& moment) {
  return locale.toString(moment.time(), LongTimeFormat(locale)).toStdString();
}

std::string DateTimeText(const QLocale& locale, const QDateTime& moment) {
  return (locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(moment.time(), LongTimeFormat(locale)))
      .toStdString();
}

help::RegionalTexts ToolkitRegionalTexts(const QLocale& locale, std::function<QDateTime()> clock) {
  return {[locale, clock] { return DateTimeText(locale, clock()); },
          [locale, clock] { return TimeText(locale, clock()); },
          locale.decimalPoint().toStdString()};
}

}  // namespace solvanex
