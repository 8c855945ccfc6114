// ParseNumber: the accepted and refused forms, correct rounding, and the range limits.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "ParamName.h"
#include "calculator/Errors.h"
#include "calculator/NumberText.h"

namespace solvanex {
namespace {

struct AcceptedCase {
  const char* text;
  double value;
};

const AcceptedCase kAccepted[] = {
    {"12,", 12},
    {",", 0},
    {"0,", 0},
    {"  7  ", 7},
    {"+5", 5},
    {"-3,5", -3.5},
    {",5", 0.5},
    {"1,5E3", 1500},
    {"1,5e3", 1500},
    {"1E", 1},
    {"1E+", 1},
    {"1E-", 1},
    {"2E+2", 200},
    {"-2,5e-3", -0.0025},
    {"0,1", 0.1},
    {"1E15,", 1e15},
    {"1E-5,", 1e-5},
    {"-1E21,", -1e21},
    {"1E,", 1},
    {"  1E15,  ", 1e15},
    {"007", 7},
    {"1E0000000000000000000000000000001", 10},
    {"0E999999999999999999999999", 0},
    {"1E-99999999999999999999999999", 0},
    {"123456789012345678901234567890", 1.2345678901234568e29},
    // 2^53 + 1 lies halfway between two doubles: ties to even.
    {"9007199254740993", 9007199254740992.0},
    {"9007199254740993,0000000000000000001", 9007199254740994.0},
    {"1,7976931348623158E308", DBL_MAX},
    {"2,4703282292062328E-324", 4.9406564584124654e-324},
    {"2,4703282292062327E-324", 0},
    {"1E-400", 0},
    {"0,000000000000000000000000000000000000001", 1e-39},
};

class ParseAcceptedTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(ParseAcceptedTest, ReadsValue) {
  const AcceptedCase& c = GetParam();
  EXPECT_EQ(ParseNumber(c.text, ','), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Table, ParseAcceptedTest, ::testing::ValuesIn(kAccepted),
                         [](const auto& info) {
                           return naming::RowName(info.index, info.param.text);
                         });

TEST(ParseNumberTest, NegativeZeroKeepsItsSign) {
  EXPECT_TRUE(std::signbit(ParseNumber("-0,", ',')));
  EXPECT_TRUE(std::signbit(ParseNumber("-1E-999", ',')));
}

const char* const kRefused[] = {
    "",      " ",      "-",     "+",    "E5",
    "e",     "1,5,",   "1 2",   "abc",  "1,5x",
    "--1",   "+-1",    "1E5,5", ",E,",  "1,5E3,",
    "1.5",   "1E15,,", "\t1",   "1\t",  "Erreur : division par zéro impossible !",
    "1,5 ,", "٣",      "1E1E1", "0x10", "inf",
    "nan",   "1'000",
};

class ParseRefusedTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseRefusedTest, RaisesConversionErrorNamingTheText) {
  const std::string text = GetParam();
  try {
    ParseNumber(text, ',');
    ADD_FAILURE() << "accepted '" << text << "'";
  } catch (const ConversionError& error) {
    EXPECT_EQ(error.Text(), text);
    EXPECT_EQ(std::string(error.what()),
              "'" + text + "' n'est pas une valeur en virgule flottante correcte");
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseRefusedTest, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return naming::RowName(info.index, info.param); });

struct RangeCase {
  const char* text;
  bool conversionError;  // otherwise the overflow error
};

const RangeCase kRange[] = {
    {"1,7976931348623159E308", false},
    {"1,8E308", false},
    {"-1E309", false},
    {"1E400", false},
    {"1E4932", false},
    {"1,1E4932", false},
    {"1,2E4932", true},
    {"1E4933", true},
    {"-1E5000", true},
    {"1E99999999999999999999999999999", true},
};

class ParseRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ParseRangeTest, BeyondDoubleOverflowsBeyondExtendedIsNotANumber) {
  const RangeCase& c = GetParam();
  if (c.conversionError) {
    EXPECT_THROW(ParseNumber(c.text, ','), ConversionError) << c.text;
  } else {
    EXPECT_THROW(ParseNumber(c.text, ','), OverflowError) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseRangeTest, ::testing::ValuesIn(kRange), [](const auto& info) {
  return naming::RowName(info.index, info.param.text);
});

TEST(ParseNumberTest, SeparatorIsThePassedOne) {
  EXPECT_EQ(ParseNumber("1.5", '.'), 1.5);
  EXPECT_EQ(ParseNumber("1E15.", '.'), 1e15);
  EXPECT_THROW(ParseNumber("1,5", '.'), ConversionError);
}

// Long inputs overflow no integer and are read right. Their time per byte is the core fuzz
// target's check and the benchmark's measure: a wall-clock bound here fails on a loaded machine.
TEST(ParseNumberTest, HugeInputsAreReadRight) {
  EXPECT_THROW(ParseNumber("1E" + std::string(1'000'000, '9'), ','), ConversionError);
  EXPECT_EQ(ParseNumber("1E-" + std::string(1'000'000, '9'), ','), 0.0);
  EXPECT_EQ(ParseNumber("0," + std::string(1'000'000, '0') + "1", ','), 0.0);
  EXPECT_EQ(ParseNumber(std::string(1'000'000, '0') + "1", ','), 1.0);
  const double many =
      ParseNumber("1" + std::string(300, '0') + "," + std::string(5'000'000, '0'), ',');
  EXPECT_EQ(many, 1e300);
  EXPECT_THROW(ParseNumber(std::string(10'000'000, '7'), ','), ConversionError);
}

}  // namespace
}  // namespace solvanex
