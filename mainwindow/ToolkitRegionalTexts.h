// The diagnostics' dates, times and decimal separator written the way Qt writes the user's
// locale: the short date format and the long time format (hours, minutes and seconds). The
// program gives these to the help access at start-up on Linux, where Qt knows the user's
// regional settings better than the C library does.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>
#include <string>

#include "help/hh_funcs.h"

namespace solvanex {

// The locale's long time format without its time-zone part ("HH:mm:ss" for French).
QString LongTimeFormat(const QLocale& locale);

// The time of moment in the long time format.
std::string TimeText(const QLocale& locale, const QDateTime& moment);

// The date of moment in the short date format, a blank, and its time in the long time format.
std::string DateTimeText(const QLocale& locale, const QDateTime& moment);

// The regional texts of locale at the moments clock gives.
help::RegionalTexts ToolkitRegionalTexts(
    const QLocale& locale, std::function<QDateTime()> clock = &QDateTime::currentDateTime);

}  // namespace solvanex
