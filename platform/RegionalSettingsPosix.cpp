#include <langinfo.h>
#include <locale.h>

#include <ctime>

#include "platform/RegionalSettings.h"

namespace solvanex::platform {

namespace {

// The user's locale, as the environment names it, or the C locale when it names none that is
// installed. Made for each question: the texts are asked for a few times per run.
class UserLocale {
 public:
  UserLocale() : locale_(::newlocale(LC_ALL_MASK, "", locale_t{})) {
    if (locale_ == locale_t{}) locale_ = ::newlocale(LC_ALL_MASK, "C", locale_t{});
  }
  ~UserLocale() {
    if (locale_ != locale_t{}) ::freelocale(locale_);
  }
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;

  std::string Now(const char* format) const {
    if (locale_ == locale_t{}) return {};
    const std::time_t now = std::time(nullptr);
    struct tm local {};
    if (::localtime_r(&now, &local) == nullptr) return {};
    char text[128];
    const std::size_t length = ::strftime_l(text, sizeof text, format, &local, locale_);
    return std::string(text, length);
  }

  std::string DecimalSeparator() const {
    const char* point = locale_ == locale_t{} ? nullptr : ::nl_langinfo_l(RADIXCHAR, locale_);
    return point == nullptr || *point == '\0' ? std::string(".") : std::string(point);
  }

 private:
  locale_t locale_;
};

}  // namespace

std::string CurrentDateTimeText() {
  return UserLocale().Now("%x %X");
}

std::string CurrentTimeText() {
  return UserLocale().Now("%X");
}

std::string LocaleDecimalSeparator() {
  return UserLocale().DecimalSeparator();
}

}  // namespace solvanex::platform
