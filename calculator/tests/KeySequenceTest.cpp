// Key sequences through the core: what the display, its colour, the memory indicator and the
// error box show afterwards.
#include <gtest/gtest.h>

#include <cmath>

#include "KeyScript.h"
#include "calculator/Keypad.h"

namespace solvanex {
namespace {

struct SequenceCase {
  const char* name;
  const char* keys;
  const char* display;
  bool red;
  const char* memory;
  const char* error;  // error box text of the last failing key, "" for none
};

void PrintTo(const SequenceCase& c, std::ostream* os) {
  *os << c.name << ": " << c.keys;
}

constexpr const char* kDivisionMessage = "Erreur : division par zéro impossible !";

const SequenceCase kEntryCases[] = {
    {"start", "", "0,", false, "", ""},
    {"zero_stays_zero_then_digits", "0 7 0", "70,", false, "", ""},
    {"separator_then_fraction", ", 0 5", "0,05", false, "", ""},
    {"second_separator_changes_nothing", "1 , , 5", "1,5", false, "", ""},
    {"backspace_into_separator", "1 , 5 BS", "1,", false, "", ""},
    {"backspace_clears_separator_flag", "1 , 5 BS BS 2", "12,", false, "", ""},
    {"third_backspace", "1 , 5 BS BS BS", "0,", false, "", ""},
    {"sign_on_zero", "+/-", "-0,", false, "", ""},
    {"backspace_keeps_sign", "5 +/- BS", "-0,", false, "", ""},
    {"sign_twice", "5 +/- +/-", "5,", false, "", ""},
    {"separator_lost_after_complete_number", "5 sqrt , 5", "5,", false, "", ""},
    {"sign_acts_on_register_not_result", "9 sqrt +/-", "-9,", false, "", ""},
    {"sign_after_operator", "1 2 + +/-", "-12,", false, "", ""},
    {"backspace_after_equals", "2 + 3 = BS", "0,", false, "", ""},
    {"backspace_after_sign_keeps_sign", "2 + 3 = +/- BS", "-0,", false, "", ""},
    {"sign_after_equals", "2 + 3 = +/-", "-0,", false, "", ""},
    {"thirty_one_digits", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1",
     "1234567890123456789012345678901,", false, "", ""},
    {"thirty_second_digit_ignored",
     "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 9",
     "1234567890123456789012345678901,", false, "", ""},
    {"thirty_digits_with_sign", "+/- 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1",
     "-123456789012345678901234567890,", false, "", ""},
    {"sign_at_limit_then_digits_ignored",
     "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 +/- 7",
     "-1234567890123456789012345678901,", false, "", ""},
    // The limit counts characters: 31 accented letters plus the separator are 32 characters.
    {"limit_counts_characters_not_bytes", "paste=ééééééééééééééééééééééééééééééé, 5",
     "ééééééééééééééééééééééééééééééé,", false, "", ""},
    {"limit_under_32_chars_multibyte_text", "paste=éééééééééé 5", "5,", false, "", ""},
    {"ce_in_the_middle_keeps_operation", "5 + 3 CE 4 =", "9,", false, "", ""},
    {"c_keeps_operation_pending", "5 + C 3 + 4 =", "4,", false, "", ""},
    {"digit_after_error_clears_red", "7 / 0 = 2", "2,", false, "", ""},
    {"digit_continues_after_paste", "1 paste=abc 2", "12,", false, "", ""},
};

const SequenceCase kOperatorCases[] = {
    {"left_to_right", "2 + 3 * 4 =", "20,", false, "", ""},
    {"result_as_first_operand", "2 + 3 = * 4 =", "20,", false, "", ""},
    {"repeated_operator_performs_equals", "5 + +", "10,", false, "", ""},
    {"repeated_operator_then_equals", "5 + + 1 =", "11,", false, "", ""},
    {"equals_without_operator_at_start", "5 =", "0,", false, "", ""},
    {"second_equals_shows_zero", "5 + 3 = =", "0,", false, "", ""},
    {"division_by_zero_message", "7 / 0 =", kDivisionMessage, true, "", ""},
    {"division_still_pending_after_message", "7 / 0 = 2 =", "3,5", false, "", ""},
    {"operator_on_message_raises", "7 / 0 = +", kDivisionMessage, true, "",
     "'Erreur : division par zéro impossible !' n'est pas une valeur en virgule flottante "
     "correcte."},
    {"chained_equals_message_then_box", "7 / 0 +", kDivisionMessage, true, "",
     "'Erreur : division par zéro impossible !' n'est pas une valeur en virgule flottante "
     "correcte."},
    {"division_by_negative_zero", "7 / 0 +/- =", kDivisionMessage, true, "", ""},
    {"untyped_second_operand_is_first", "6 * =", "36,", false, "", ""},
    {"subtraction_negative_result", "3 - 5 =", "-2,", false, "", ""},
    {"fraction_result", "1 / 3 =", "0,333333333333333", false, "", ""},
    {"square_root", "9 sqrt", "3,", false, "", ""},
    {"square_root_of_negative_zero", "0 +/- sqrt", "0,", false, "", ""},
    {"square_root_of_negative", "4 +/- sqrt", "Erreur : entrée fonction incorrecte !", true, "",
     ""},
    {"square_root_on_second_operand", "1 0 + 9 sqrt =", "13,", false, "", ""},
    {"reciprocal", "4 1/x", "0,25", false, "", ""},
    {"reciprocal_of_three", "3 1/x", "0,333333333333333", false, "", ""},
    {"reciprocal_of_zero", "0 1/x", kDivisionMessage, true, "", ""},
    {"percentage_at_start", "5 %", "0,", false, "", ""},
    {"percentage_of_pending_operand", "5 + %", "0,25", false, "", ""},
    {"percentage_in_addition", "2 0 0 + 1 0 % =", "220,", false, "", ""},
    {"equals_on_empty_display_fails", "MR =", "", false, "",
     "'' n'est pas une valeur en virgule flottante correcte."},
    {"equals_on_word_fails", "paste=abc =", "abc", false, "",
     "'abc' n'est pas une valeur en virgule flottante correcte."},
    {"paste_then_add", "paste=3,14 + 2 =", "5,14", false, "", ""},
    {"pasted_value_beyond_double", "paste=1E400 + ", "1E400", false, "",
     "Débordement en virgule flottante."},
    {"pasted_value_beyond_extended", "paste=1E5000 +", "1E5000", false, "",
     "'1E5000' n'est pas une valeur en virgule flottante correcte."},
    {"own_scientific_result_reads_back", "paste=1E15, + 1 =", "1E15,", false, "", ""},
    {"own_small_result_reads_back", "paste=1E-5, * 2 =", "2E-5,", false, "", ""},
    {"reciprocal_of_subnormal_overflows", "paste=5E-324 1/x", "5E-324", false, "",
     "Débordement en virgule flottante."},
    {"underflow_raises_nothing", "paste=1E-300 * paste=1E-300 =", "0,", false, "", ""},
};

const SequenceCase kMemoryCases[] = {
    {"indicator_empty_and_mr_empties_display", "MR", "", false, "", ""},
    {"mc_then_mr", "MC MR", "0,", false, "", ""},
    {"ms_then_add", "8 MS 2 M+ MR", "10,", false, "M", ""},
    {"mc_clears_indicator", "8 MS MC", "8,", false, "", ""},
    {"mplus_at_start_fails", "5 M+", "5,", false, "",
     "'' n'est pas une valeur en virgule flottante correcte."},
    {"ms_sets_new_entry", "5 MS 3", "3,", false, "M", ""},
    {"mplus_keeps_entry_going", "1 MS C 5 M+ 3", "53,", false, "M", ""},
    {"mr_keeps_entry_going", "5 MR 3", "53,", false, "", ""},
    {"mr_as_second_operand", "4 MS C 2 + MR =", "6,", false, "M", ""},
    {"ms_of_message_then_mr_keeps_red", "7 / 0 = MS C MR", kDivisionMessage, false, "M", ""},
    {"mr_after_message_is_red", "4 MS 7 / 0 = MR", "4,", true, "M", ""},
    {"mplus_of_stored_message_fails", "7 / 0 = MS 1 M+", "1,", false, "M",
     "'Erreur : division par zéro impossible !' n'est pas une valeur en virgule flottante "
     "correcte."},
    {"mplus_overflow", "paste=1E308 MS M+", "1E308", false, "M",
     "Débordement en virgule flottante."},
    {"mr_bypasses_digit_limit",
     "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 MS C 9 + MR",
     "1234567890123456789012345678901,", false, "M", ""},
};

class KeySequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequenceTest, ShowsExpectedDisplay) {
  const SequenceCase& c = GetParam();
  KeySession session(',', CoreKeys(), {});
  const std::string error = testing::Run(session, c.keys);
  EXPECT_EQ(session.View().display, c.display);
  EXPECT_EQ(session.View().color, c.red ? kColorRed : kColorBlack);
  EXPECT_EQ(session.View().memoryIndicator, c.memory);
  EXPECT_EQ(error, c.error);
}

std::string CaseName(const ::testing::TestParamInfo<SequenceCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Entry, KeySequenceTest, ::testing::ValuesIn(kEntryCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Operators, KeySequenceTest, ::testing::ValuesIn(kOperatorCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Memory, KeySequenceTest, ::testing::ValuesIn(kMemoryCases), CaseName);

// What a failing key leaves behind in the state.
TEST(KeyFailureTest, EqualsFailureLeavesFlagsOfStepOne) {
  KeySession session(',', CoreKeys(), {});
  testing::Run(session, "5 + paste=x =");
  const CalculatorState& s = session.Core().State();
  EXPECT_TRUE(s.NewEntryPending);
  EXPECT_FALSE(s.OperationPending);
  EXPECT_EQ(s.PendingOperator, '+');
  EXPECT_EQ(s.Accumulator, 5.0);
}

TEST(KeyFailureTest, OverflowKeepsLastAccumulator) {
  KeySession session(',', CoreKeys(), {});
  testing::Run(session, "paste=1E200 * paste=1E200 =");
  EXPECT_EQ(session.Core().State().Accumulator, 1e200);
  EXPECT_EQ(session.Core().State().PendingOperator, '*');
  EXPECT_EQ(session.View().display, "1E200");
}

TEST(KeyFailureTest, FailedFunctionKeyChangesNothing) {
  for (const char* key : {"sqrt", "%", "1/x"}) {
    KeySession session(',', CoreKeys(), {});
    testing::Run(session, "5 paste=abc");
    EXPECT_FALSE(session.Core().State().NewEntryPending);
    EXPECT_NE(testing::Run(session, key), "") << key;
    EXPECT_FALSE(session.Core().State().NewEntryPending) << key;
    EXPECT_EQ(session.View().display, "abc") << key;
  }
}

TEST(KeyFailureTest, RepeatedSquaringOverflowsOnFourthEquals) {
  KeySession session(',', CoreKeys(), {});
  const std::string thirtyOneDigits =
      "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1";
  EXPECT_EQ(testing::Run(session, thirtyOneDigits + " * = * = * ="), "");
  const std::string third = session.View().display;
  EXPECT_EQ(testing::Run(session, "*"), "");
  const double accumulator = session.Core().State().Accumulator;
  EXPECT_EQ(testing::Run(session, "="), "Débordement en virgule flottante.");
  EXPECT_EQ(session.View().display, third);
  EXPECT_EQ(session.Core().State().Accumulator, accumulator);
  EXPECT_GT(accumulator, 1e240);
}

TEST(KeyFailureTest, ChainedEqualsFailureStopsOperator) {
  KeySession session(',', CoreKeys(), {});
  testing::Run(session, "paste=1E300 * paste=1E300 +");
  EXPECT_EQ(session.Core().State().PendingOperator, '*');
  EXPECT_FALSE(session.Core().State().OperationPending);
}

TEST(KeyFailureTest, StartStateIsZeroedThenCleared) {
  KeySession session(',', CoreKeys(), {});
  const CalculatorState& s = session.Core().State();
  EXPECT_EQ(s.IntegerText, "0");
  EXPECT_EQ(s.PendingOperator, '\0');
  EXPECT_TRUE(s.MemoryText.empty());
  testing::Run(session, "C");
  EXPECT_EQ(s.PendingOperator, ' ');
}

// The separator is whatever the locale gives: the same keys with '.'.
TEST(SeparatorTest, PointSeparator) {
  const SequenceCase cases[] = {
      {"start", "", "0.", false, "", ""},
      {"entry", "1 , 5", "1.5", false, "", ""},
      {"division", "1 / 4 =", "0.25", false, "", ""},
      {"mc", "MC MR", "0.", false, "", ""},
      {"comma_is_text", "paste=1,5 +", "1,5", false, "",
       "'1,5' n'est pas une valeur en virgule flottante correcte."},
      {"scientific", "paste=1E15. * 1 0 =", "1E16.", false, "", ""},
  };
  for (const auto& c : cases) {
    KeySession session('.', CoreKeys(), {});
    EXPECT_EQ(testing::Run(session, c.keys), c.error) << c.name;
    EXPECT_EQ(session.View().display, c.display) << c.name;
  }
}

TEST(KeypadTest, NamesAreUniqueAndEveryRowClicks) {
  const auto& keys = CoreKeys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_TRUE(keys[i].click) << keys[i].name;
    for (std::size_t j = i + 1; j < keys.size(); ++j) EXPECT_NE(keys[i].name, keys[j].name);
  }
  EXPECT_EQ(FindKey(keys, "nothing"), nullptr);
  EXPECT_EQ(FindKey(keys, "MP")->caption, "M+");
}

}  // namespace
}  // namespace solvanex
