// The regional texts of the diagnostics file under the C library's locales: the separator as
// localeconv gives it for the same locale, and the time in the locale's own format.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/RegionalSettings.h"

namespace solvanex::platform {
namespace {

// The locales are the C library's own and the French one the build makes (LOCPATH), so that
// every case runs on any machine.
class RegionalSettingsTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("LC_ALL");
    previous_ = previous == nullptr ? "" : previous;
    ::setenv("LOCPATH", SOLVANEX_TEST_LOCALES, 1);
    ::setenv("LC_ALL", GetParam(), 1);
  }
  void TearDown() override {
    if (previous_.empty()) {
      ::unsetenv("LC_ALL");
    } else {
      ::setenv("LC_ALL", previous_.c_str(), 1);
    }
    ::unsetenv("LOCPATH");
  }
  std::string previous_;
};

TEST_P(RegionalSettingsTest, FollowTheLocaleTheEnvironmentNames) {
  // What the C library's global locale says for the same name, asked the other way.
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << GetParam();
  const std::string separator = std::localeconv()->decimal_point;
  const std::time_t now = std::time(nullptr);
  char time[64];
  const std::size_t length = std::strftime(time, sizeof time, "%X", std::localtime(&now));
  std::setlocale(LC_ALL, saved.c_str());

  EXPECT_EQ(LocaleDecimalSeparator(), separator);
  // The users' case: the decimal comma.
  if (std::string(GetParam()) == "fr_FR.UTF-8") {
    EXPECT_EQ(LocaleDecimalSeparator(), ",");
  }
  // The clock may turn a second between the two readings: the lengths agree, and the text ends
  // the date-and-time text.
  const std::string timeText = CurrentTimeText();
  EXPECT_EQ(timeText.size(), length);
  const std::string dateTime = CurrentDateTimeText();
  ASSERT_GT(dateTime.size(), timeText.size());
  EXPECT_EQ(dateTime[dateTime.size() - timeText.size() - 1], ' ');
}

INSTANTIATE_TEST_SUITE_P(Locales, RegionalSettingsTest,
                         ::testing::Values("C", "C.UTF-8", "fr_FR.UTF-8"), [](const auto& info) {
                           const std::string name = info.param;
                           return name == "C" ? "C" : name == "C.UTF-8" ? "CUtf8" : "French";
                         });

}  // namespace
}  // namespace solvanex::platform
