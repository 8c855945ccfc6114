#include <windows.h>

#include "platform/RegionalSettings.h"
#include "platform/WideText.h"

namespace solvanex::platform {

namespace {

std::string DateText(const SYSTEMTIME& moment) {
  wchar_t text[128] = {};
  const int length =
      ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, text, 128);
  return length > 0 ? WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(length - 1)))
                    : std::string();
}

// Without flags GetTimeFormatW gives the long time format, seconds included.
std::string TimeText(const SYSTEMTIME& moment) {
  wchar_t text[128] = {};
  const int length = ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &moment, nullptr, text, 128);
  return length > 0 ? WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(length - 1)))
                    : std::string();
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
  wchar_t text[8] = {};
  const int length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 8);
  return length > 1 ? WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(length - 1)))
                    : std::string(".");
}

}  // namespace solvanex::platform
