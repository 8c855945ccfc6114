// Dates and times written the way the user's locale writes them, for the diagnostics file: the
// short date format and the long time format (hours, minutes and seconds), as the regional
// settings give them.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <string>

namespace solvanex::help {

// The locale's long time format without its time-zone part ("HH:mm:ss" for French).
QString LongTimeFormat(const QLocale& locale);

// The time of moment in the long time format.
std::string TimeText(const QLocale& locale, const QDateTime& moment);

// The date of moment in the short date format, a blank, and its time in the long time format.
std::string DateTimeText(const QLocale& locale, const QDateTime& moment);

}  // namespace solvanex::help
