// The catalogue against the keypad and the evaluation: every row has exactly one button, and
// the messages a row lists are exactly those its formula gives. Also the power routine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "ParamName.h"
#include "calculator/Errors.h"
#include "clinical/Catalogue.h"
#include "clinical/Formulas.h"
#include "clinical/Keypad.h"
#include "clinical/Power.h"

namespace solvanex {
namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

// How many keys of the keypad have this name, caption and hint together, and how many have the
// name alone.
void ExpectOneKey(std::string_view name, std::string_view caption, std::string_view hint) {
  const auto& keys = Keypad();
  EXPECT_EQ(std::count_if(keys.begin(), keys.end(),
                          [&](const KeyBinding& k) {
                            return k.name == name && k.caption == caption && k.hint == hint;
                          }),
            1)
      << name;
  EXPECT_EQ(
      std::count_if(keys.begin(), keys.end(), [&](const KeyBinding& k) { return k.name == name; }),
      1)
      << name;
  EXPECT_EQ(std::count_if(keys.begin(), keys.end(),
                          [&](const KeyBinding& k) { return k.caption == caption; }),
            1)
      << caption;
}

TEST(Catalogue, EveryRowHasExactlyOneKey) {
  for (const FormulaRow& row : FormulaTable()) {
    ExpectOneKey(row.button, std::string(1, row.letter), row.hint);
  }
  for (const ConversionRow& row : ConversionTable()) {
    ExpectOneKey(row.button, row.caption, row.hint);
  }
  for (const OneValueRow& row : OneValueTable()) {
    ExpectOneKey(row.button, row.caption, row.hint);
  }
}

TEST(Catalogue, FormulaRowsFollowTheButtonOrder) {
  std::string letters;
  for (const FormulaRow& row : FormulaTable()) letters += row.letter;
  EXPECT_EQ(letters, kFormulaLetters);
}

// Over a grid of operands, memories and choices, the set of messages a formula gives equals the
// lines of its row's messages, and each message has its condition line.
TEST(Catalogue, FormulaMessagesMatchTheEvaluation) {
  const double operands[] = {0.0, 1.0, 70.0};
  const char* memories[] = {"", "0,", "1,", "5,"};
  for (const FormulaRow& row : FormulaTable()) {
    std::set<std::string> given;
    for (const double x : operands) {
      for (const double y : operands) {
        for (const char* memory : memories) {
          for (int units = 0; units < 2; ++units) {
            for (int sex = 0; sex < 2; ++sex) {
              try {
                const FormulaOutcome outcome =
                    EvaluateFormula(row.letter, x, y, memory, units, sex, ',');
                if (!outcome.value) given.insert(outcome.message);
              } catch (const FloatingPointError&) {
                // R and S fault on zero operands; their faults are listed apart.
              }
            }
          }
        }
      }
    }
    const std::vector<std::string> listed = Lines(row.messages);
    EXPECT_EQ(given, std::set<std::string>(listed.begin(), listed.end())) << row.letter;
    EXPECT_EQ(Lines(row.conditions).size(), listed.size()) << row.letter;
  }
}

TEST(Catalogue, UnknownLetterLeavesTheFirstOperand) {
  const FormulaOutcome outcome = EvaluateFormula('Z', 12.5, 3.0, "", 0, 0, ',');
  EXPECT_EQ(outcome.value, 12.5);
}

struct Power {
  long double base;
  long double exponent;
  double expected;
};

class RaiseToPowerTest : public testing::TestWithParam<Power> {};

TEST_P(RaiseToPowerTest, MatchesThePower) {
  const Power& p = GetParam();
  EXPECT_DOUBLE_EQ(RaiseToPower(p.base, p.exponent), p.expected);
}

INSTANTIATE_TEST_SUITE_P(Powers, RaiseToPowerTest,
                         testing::Values(Power{2.0L, 10.0L, 1024.0}, Power{81.0L, 0.25L, 3.0},
                                         Power{1.0L, 1000.0L, 1.0}, Power{10.0L, -3.0L, 0.001},
                                         Power{70.0L, 0.425L, std::pow(70.0, 0.425)},
                                         Power{1.75L, 0.725L, std::pow(1.75, 0.725)},
                                         Power{10.0L, -400.0L, 0.0}),
                         [](const auto& info) {
                           char base[32];
                           char exponent[32];
                           std::snprintf(base, sizeof base, "%Lg", info.param.base);
                           std::snprintf(exponent, sizeof exponent, "%Lg", info.param.exponent);
                           return naming::ParamName(base, exponent);
                         });

TEST(RaiseToPower, FaultsOfTheLogarithmAndOverflow) {
  EXPECT_THROW(RaiseToPower(0.0L, 0.425L), ZeroDivideError);
  EXPECT_THROW(RaiseToPower(-0.0L, 2.0L), ZeroDivideError);
  EXPECT_THROW(RaiseToPower(-8.0L, 1.0L / 3.0L), InvalidOperationError);
  EXPECT_THROW(RaiseToPower(-2.0L, 2.0L), InvalidOperationError);
  EXPECT_THROW(RaiseToPower(10.0L, 400.0L), OverflowError);
}

}  // namespace
}  // namespace solvanex
