// The laboratory conversions and the one-value clinical functions: one key that replaces the
// displayed number and leaves any pending operation alone.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ParamName.h"
#include "calculator/Messages.h"
#include "clinical/Catalogue.h"
#include "clinical/tests/KeyScript.h"

namespace solvanex {
namespace {

using test::Boxed;
using test::BoxText;
using test::NotANumberBox;
using test::Ok;
using test::Red;
using test::RunScript;
using test::Sequence;

// One key on a display: the choices, the display before (typed or pasted), the button and the
// display after.
struct OneKey {
  std::string choices;
  std::string before;
  std::string button;
  std::string after;
  char separator = ',';
};

void PrintTo(const OneKey& k, std::ostream* os) {
  *os << k.choices << " " << k.before << " " << k.button;
}

class DisplayFunction : public testing::TestWithParam<OneKey> {};

TEST_P(DisplayFunction, ReplacesTheDisplay) {
  const OneKey& k = GetParam();
  const auto session = RunScript(k.choices + " " + k.before + " " + k.button, k.separator);
  EXPECT_EQ(session->View().display, k.after);
  EXPECT_EQ(session->View().color, kColorBlack);
  EXPECT_EQ(session->LastError(), std::nullopt);
  EXPECT_TRUE(session->Core().State().NewEntryPending);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, DisplayFunction,
    testing::Values(OneKey{"Ancien", "1", "Glycemie", "5,56"},
                    OneKey{"International", "1", "Glycemie", "0,179856115107914"},
                    OneKey{"International", "2,5", "Calcemie", "100,"},
                    OneKey{"Ancien", "2,5", "Calcemie", "0,0625"},
                    OneKey{"International", "100", "FER", "5,58035714285714"},
                    OneKey{"Ancien", "100", "FER", "1792,"},
                    OneKey{"International", "1", "Uree", "0,0600600600600601"},
                    OneKey{"Ancien", "1", "Magnesium", "0,041"},
                    OneKey{"Ancien", "1", "Glycemie Glycemie", "30,9136"},
                    OneKey{"International", "1", "Glycemie Glycemie", "0,0323482221417112"},
                    OneKey{"Ancien", "-2", "TG", "-2,28"},
                    OneKey{"International", "1.5", "Chol", "0.581395348837209", '.'},
                    OneKey{"Ancien", "1.5", "Creatinine", "13.275", '.'}),
    [](const auto& info) {
      const OneKey& k = info.param;
      return naming::ParamName(k.button, k.choices, k.before, k.separator == '.' ? "point" : "");
    });

INSTANTIATE_TEST_SUITE_P(
    OneValue, DisplayFunction,
    testing::Values(OneKey{"Homme", "40", "PO2", "102,"}, OneKey{"Femme", "40", "PO2", "102,"},
                    OneKey{"Homme", "0", "PO2", "150,"}, OneKey{"Femme", "0", "PO2", "150,"},
                    OneKey{"Homme", "125", "PO2", "0,"}, OneKey{"Femme", "125", "PO2", "0,"},
                    OneKey{"Homme", "200", "PO2", "-90,"}, OneKey{"Femme", "200", "PO2", "-90,"},
                    OneKey{"Homme", "33,3", "PO2", "110,04"},
                    OneKey{"Femme", "33,3", "PO2", "110,04"}, OneKey{"Homme", "70", "H2O", "42,"},
                    OneKey{"Femme", "70", "H2O", "38,5"}, OneKey{"Homme", "65,5", "H2O", "39,3"},
                    OneKey{"Femme", "65,5", "H2O", "36,025"}, OneKey{"Homme", "170", "PID", "65,"},
                    OneKey{"Femme", "170", "PID", "60,"}, OneKey{"Homme", "150", "PID", "50,"},
                    OneKey{"Femme", "150", "PID", "50,"}, OneKey{"Homme", "140", "PID", "42,5"},
                    OneKey{"Femme", "140", "PID", "45,"}, OneKey{"Homme", "175", "PID", "68,75"},
                    OneKey{"Femme", "175", "PID", "62,5"}, OneKey{"Homme", "0", "PID", "-62,5"},
                    OneKey{"Femme", "0", "PID", "-25,"},
                    OneKey{"Femme", "65.5", "H2O", "36.025", '.'},
                    OneKey{"Homme", "175.", "PID", "68.75", '.'}),
    [](const auto& info) {
      const OneKey& k = info.param;
      return naming::ParamName(k.button, k.choices, k.before, k.separator == '.' ? "point" : "");
    });

// Every button, under each choice item, turns zero into "0,".
TEST(DisplayFunction, ZeroStaysZero) {
  for (const std::string choice : {"Ancien", "International", "Homme", "Femme"}) {
    for (const ConversionRow& row : ConversionTable()) {
      EXPECT_EQ(RunScript(choice + " 0 " + std::string(row.button))->View().display, "0,")
          << choice << " " << row.button;
    }
  }
}

// Key sequences through the whole keypad.
class DisplayFunctionSequence : public testing::TestWithParam<Sequence> {};

TEST_P(DisplayFunctionSequence, EndsAsExpected) {
  test::ExpectSequence(GetParam());
}

const std::string kDivision(messages::kDivisionByZero);

INSTANTIATE_TEST_SUITE_P(
    DisplayFunctions, DisplayFunctionSequence,
    testing::Values(
        // The second operand of a pending operation is replaced, the operation kept.
        Ok("ConversionOnSecondOperand", "Ancien 12 + 1 Glycemie =", "17,56"),
        Ok("OneValueOnSecondOperand", "Homme 10 + 70 H2O =", "52,"),
        // A digit after the key starts a new number.
        Ok("DigitAfterConversion", "1 Glycemie 2", "2,"),
        Ok("DigitAfterOneValue", "170 PID 5", "5,"),
        // A choice is read when the key is pressed.
        Ok("UnitsChangedBetweenConversions", "Ancien 1 Glycemie International Glycemie", "1,"),
        Ok("SexChangedBetweenKeys", "Femme 170 PID Homme 170 PID", "65,"),
        // A result out of the range of a double is refused and nothing changes.
        Boxed("ConversionOverflow", "International paste=1E308 Calcemie", "1E308",
              BoxText(messages::kOverflow)),
        Boxed("ConversionOverflowAncien", "Ancien paste=-1E308 FER", "-1E308",
              BoxText(messages::kOverflow)),
        Boxed("OneValueOverflow", "paste=-1,7E308 PO2", "-1,7E308", BoxText(messages::kOverflow)),
        Boxed("PastedTextNotANumber", "paste=abc H2O", "abc", NotANumberBox("abc"))),
    [](const auto& info) { return naming::ParamName(info.param.name); });

// On an error message each button reports the conversion error and leaves the red message.
TEST(DisplayFunction, ErrorMessageInTheDisplay) {
  std::vector<std::string_view> buttons;
  for (const ConversionRow& row : ConversionTable()) buttons.push_back(row.button);
  for (const OneValueRow& row : OneValueTable()) buttons.push_back(row.button);
  for (const std::string_view button : buttons) {
    const auto session = RunScript("7 / 0 = " + std::string(button));
    EXPECT_EQ(session->LastError(), NotANumberBox(kDivision)) << button;
    EXPECT_EQ(session->View().display, kDivision) << button;
    EXPECT_EQ(session->View().color, kColorRed) << button;
  }
}

// With no item selected in its choice group a function gives no result.
TEST(DisplayFunction, NoSelectedItemGivesNoResult) {
  for (const ConversionRow& row : ConversionTable()) {
    EXPECT_EQ(Convert(row, 1.0L, {-1, 0}), std::nullopt) << row.button;
    EXPECT_NE(Convert(row, 1.0L, {0, -1}), std::nullopt) << row.button;
  }
  for (const OneValueRow& row : OneValueTable()) {
    const bool readsSex = row.button != "PO2";
    EXPECT_EQ(row.compute(170.0L, {0, -1}).has_value(), !readsSex) << row.button;
    EXPECT_TRUE(row.compute(170.0L, {-1, 0}).has_value()) << row.button;
  }
}

}  // namespace
}  // namespace solvanex
