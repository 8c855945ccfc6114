// The user's regional settings for the diagnostics file's date, time and decimal separator:
// GetDateFormatW, GetTimeFormatW and GetLocaleInfoW (in UTF-8) with the user's default locale on
// Windows; elsewhere the C library's locale that LC_ALL, LC_TIME, LC_NUMERIC and LANG name.
#pragma once

#include <string>

namespace solvanex::platform {

// The current date in the short date format, a blank, and the current time in the long time
// format (hours, minutes and seconds).
std::string CurrentDateTimeText();

// The current time in the long time format.
std::string CurrentTimeText();

// The decimal separator of the user's locale.
std::string LocaleDecimalSeparator();

}  // namespace solvanex::platform
