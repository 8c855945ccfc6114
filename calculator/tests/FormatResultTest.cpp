// FormatResult: the general format with 15 significant digits and the separator appended.
#include <gtest/gtest.h>

#include <cstdio>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "ParamName.h"
#include "calculator/NumberText.h"

namespace solvanex {
namespace {

struct FormatCase {
  double value;
  const char* comma;
};

const FormatCase kFormatCases[] = {
    {8, "8,"},
    {0.5, "0,5"},
    {-2.25, "-2,25"},
    {1.0 / 3.0, "0,333333333333333"},
    {2.0 / 3.0, "0,666666666666667"},
    {123456789012345.0, "123456789012345,"},
    {1234567890123456.0, "1,23456789012346E15"},
    {1e15, "1E15,"},
    {0.0001, "0,0001"},
    {0.00001, "1E-5,"},
    {2.5e-7, "2,5E-7"},
    {-0.0, "0,"},
    {0.0, "0,"},
    // The 16th digit rounds up and carries into a new leading digit.
    {999999999999999.875, "1E15,"},  // exactly a double, unlike ...999.95 (that is 1E15)
    {999999999999999.0, "999999999999999,"},
    {99999999999999.95, "100000000000000,"},
    {99999999999999.94, "99999999999999,9"},
    {0.1 + 0.2, "0,3"},
    {100, "100,"},
    {1e16, "1E16,"},
    {0.001, "0,001"},
    {-0.00001, "-1E-5,"},
    {1.5e300, "1,5E300"},
    {DBL_MAX, "1,79769313486232E308"},
    {5e-324, "4,94065645841247E-324"},
    {DBL_MIN, "2,2250738585072E-308"},
    {-1234.5678, "-1234,5678"},
    {22.857142857142858, "22,8571428571429"},
};

class FormatResultTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, WritesGeneralFormat) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatResult(c.value, ','), c.comma);
  // The same text with the point: only the separator differs.
  std::string point = c.comma;
  for (char& ch : point) {
    if (ch == ',') ch = '.';
  }
  EXPECT_EQ(FormatResult(c.value, '.'), point);
}

// Named by the value, written to the last digit: several values give the same text.
INSTANTIATE_TEST_SUITE_P(Table, FormatResultTest, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) {
                           char value[32];
                           std::snprintf(value, sizeof value, "%.17g", info.param.value);
                           return naming::ParamName(value);
                         });

// Every text FormatResult writes reads back through ParseNumber, to a value that formats to the
// same text again.
TEST(FormatResultRoundTripTest, EveryOutputReadsBack) {
  std::mt19937_64 random(20261208);
  for (const char separator : {',', '.'}) {
    for (int i = 0; i < 200000; ++i) {
      const std::uint64_t bits = random();
      double value;
      std::memcpy(&value, &bits, sizeof value);
      if (!std::isfinite(value)) continue;
      const std::string text = FormatResult(value, separator);
      double back = 0;
      ASSERT_NO_THROW(back = ParseNumber(text, separator)) << text;
      ASSERT_EQ(FormatResult(back, separator), text);
      if (value != 0) {
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 1e-14) << text;
      }
    }
  }
}

TEST(FormatResultRoundTripTest, WholeNumbersInScientificNotation) {
  for (int exponent = -323; exponent <= 308; ++exponent) {
    const double value = std::strtod(("1e" + std::to_string(exponent)).c_str(), nullptr);
    const std::string text = FormatResult(value, ',');
    EXPECT_EQ(ParseNumber(text, ','), value) << text;
  }
}

}  // namespace
}  // namespace solvanex
