#include <windows.h>

#include "platform/RegionalSettings.h"

namespace solvanex::platform {

namespace {

std::string DateText(const SYSTEMTIME& moment) {
  char text[128] = {};
  const int length =
      ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, text, sizeof text);
  return length > 0 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

// Without flags GetTimeFormatA gives the long time format, seconds included.
std::string TimeText(const SYSTEMTIME& moment) {
  char text[128] = {};
  const int length = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &moment, nullptr, text, sizeof text);
  return length > 0 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

}  // namespace

std::string CurrentDateTimeText() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return DateText(now) + ' ' + TimeText(now);
}

std::string CurrentTimeText() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return TimeText(now);
}

std::string LocaleDecimalSeparator() {
  char text[8] = {};
  const int length =
      ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, static_cast<int>(sizeof text));
  return length > 1 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string(".");
}

}  // namespace solvanex::platform
