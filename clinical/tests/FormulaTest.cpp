// The clinical formulas keyed as a user keys them: first value, formula button, second value,
// '=', with the third value put in memory beforehand.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "ParamName.h"
#include "calculator/Messages.h"
#include "clinical/Catalogue.h"
#include "clinical/ClinicalMessages.h"
#include "clinical/tests/KeyScript.h"

namespace solvanex {
namespace {

using test::Boxed;
using test::BoxText;
using test::Ok;
using test::Red;
using test::RunScript;
using test::Sequence;

std::string ButtonOf(char letter) {
  const auto rows = FormulaTable();
  const auto row = std::find_if(rows.begin(), rows.end(),
                                [letter](const FormulaRow& r) { return r.letter == letter; });
  return row == rows.end() ? std::string("?") : std::string(row->button);
}

// A worked example: the choices ("" when the formula reads none: it is then checked under all
// four), x, y, the memory ("" for none) and the display after '='.
struct Example {
  char letter;
  std::string choices;
  std::string x, y, m;
  std::string display;
};

void PrintTo(const Example& e, std::ostream* os) {
  *os << e.letter << " " << e.x << " " << e.y;
}

std::string ExampleScript(const Example& e, const std::string& choices) {
  std::string script = choices + " ";
  if (!e.m.empty()) script += e.m + " MS ";
  return script + e.x + " " + ButtonOf(e.letter) + " " + e.y + " =";
}

class WorkedExample : public testing::TestWithParam<Example> {};

TEST_P(WorkedExample, DisplaysTheResult) {
  const Example& e = GetParam();
  const std::vector<std::string> all = {"Ancien Homme", "Ancien Femme", "International Homme",
                                        "International Femme"};
  for (const std::string& choices : e.choices.empty() ? all : std::vector{e.choices}) {
    const auto session = RunScript(ExampleScript(e, choices));
    SCOPED_TRACE(choices);
    EXPECT_EQ(session->View().display, e.display);
    EXPECT_EQ(session->View().color, kColorBlack);
    EXPECT_EQ(session->LastError(), std::nullopt);
    EXPECT_EQ(session->Core().State().PendingOperator, ' ');
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, WorkedExample,
    testing::Values(Example{'P', "", "70", "1,75", "", "22,8571428571429"},
                    Example{'T', "", "120", "80", "", "93,3333333333333"},
                    Example{'K', "", "2,1", "30", "", "2,35"},
                    Example{'L', "Ancien", "2,5", "0,5", "1", "1,8"},
                    Example{'L', "International", "5,2", "1,3", "1,5", "3,21818181818182"},
                    Example{'R', "Ancien Homme", "70", "10", "40", "97,2222222222222"},
                    Example{'R', "International Femme", "60", "80", "70", "54,8218673218673"},
                    Example{'S', "", "70", "1,75", "", "1,84811901382349"},
                    Example{'E', "Homme", "70", "175", "40", "1634,438"},
                    Example{'E', "Femme", "60", "165", "40", "1348,226"},
                    Example{'O', "International", "5", "5", "140", "290,"},
                    Example{'H', "Ancien", "2", "14", "", "0,102774922918808"},
                    Example{'H', "International", "2", "14", "", "0,246659815005139"},
                    Example{'M', "Homme", "70", "175", "", "56,52"},
                    Example{'M', "Femme", "60", "165", "", "44,6297520661157"},
                    Example{'A', "Homme", "3", "70", "", "0,612244897959184"},
                    Example{'A', "Femme", "3", "60", "", "0,833333333333333"},
                    Example{'D', "Homme", "70", "175", "", "40,849566"},
                    Example{'D', "Femme", "60", "165", "", "32,607519"},
                    Example{'N', "Ancien", "130", "3,6", "", "134,06"},
                    Example{'N', "International", "130", "20,5", "", "134,2"},
                    Example{'I', "International", "70", "130", "", "2730,"},
                    Example{'Y', "International", "70", "154", "", "4,2"},
                    Example{'U', "International", "70", "130", "", "420,"}),
    [](const auto& info) {
      const Example& e = info.param;
      return naming::ParamName(std::string(1, e.letter), e.choices, e.x, e.y, e.m);
    });

// Key sequences through the whole keypad.
class FormulaSequence : public testing::TestWithParam<Sequence> {};

TEST_P(FormulaSequence, EndsAsExpected) {
  test::ExpectSequence(GetParam());
}

const std::string kRed = std::string(messages::kDivisionByZero);
const std::string kNoMemory(messages::kNoMemoryParameter);
const std::string kTriglycerides(messages::kFixTriglycerides);
const std::string kInternationalOnly(messages::kChooseInternational);

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaSequence,
    testing::Values(
        // The point as separator.
        Ok("PointImc", "70 IMC 1.75 =", "22.8571428571429", '.'),
        Ok("PointLdl", "International 1.5 MS 5.2 LDL 1.3 =", "3.21818181818182", '.'),
        Ok("PointOsmolality", "International 140 MS 5 Osmolalite 5 =", "290.", '.'),
        // The triglyceride bound is 4, accepted, in both unit systems.
        Ok("LdlAtFourAncien", "Ancien 4 MS 2,5 LDL 0,5 =", "1,2"),
        Ok("LdlAtFourInternational", "International 4 MS 2,5 LDL 0,5 =", "0,181818181818182"),
        Red("LdlAboveFourAncien", "Ancien 4,01 MS 2,5 LDL 0,5 =", kTriglycerides),
        Red("LdlAboveFourInternational", "International 4,01 MS 2,5 LDL 0,5 =", kTriglycerides),
        Red("LdlZeroAncien", "Ancien 0 MS 2,5 LDL 0,5 =", kTriglycerides),
        Red("LdlZeroInternational", "International 0 MS 2,5 LDL 0,5 =", kTriglycerides),
        Red("LdlNegative", "1 bSigne MS 2,5 LDL 0,5 =", kTriglycerides),
        // An empty memory is a missing parameter; after MC the memory reads 0.
        Red("LdlEmptyMemory", "2,5 LDL 0,5 =", kNoMemory),
        Red("ClearanceEmptyMemory", "70 Clearance 10 =", kNoMemory),
        Red("EnergyEmptyMemory", "70 DEB 175 =", kNoMemory),
        Red("OsmolalityEmptyMemory", "International 5 Osmolalite 5 =", kNoMemory),
        Red("LdlAfterMc", "MC 2,5 LDL 0,5 =", kTriglycerides),
        Red("ClearanceAfterMc", "MC 70 Clearance 10 =", "Erreur : corrigez l'âge en mémoire..."),
        Red("EnergyAfterMc", "MC 70 DEB 175 =", "Erreur : corrigez l'âge en mémoire...."),
        Red("OsmolalityAfterMc",
            "International MC 5 Osmolalite 5 =", "Erreur : corrigez le Sodium en mémoire..."),
        // Osmolality tests the memory before the unit system.
        Red("OsmolalityAncienEmptyMemory", "Ancien 5 Osmolalite 5 =", kNoMemory),
        Red("OsmolalityAncienZeroMemory",
            "Ancien 0 MS 5 Osmolalite 5 =", "Erreur : corrigez le Sodium en mémoire..."),
        Red("OsmolalityAncienValidMemory",
            "Ancien 140 MS 5 Osmolalite 5 =", "Erreur : les valeurs doivent être en mmol/L..."),
        // The deficits need the international system, whatever the operands.
        Red("SalineAncien", "Ancien 70 SerumPhy 130 =", kInternationalOnly),
        Red("WaterAncien", "Ancien 70 SpeedButton19 154 =", kInternationalOnly),
        Red("SodiumAncien", "Ancien 0 SpeedButton20 0 =", kInternationalOnly),
        // A zero second operand is refused where it divides; a negative one is accepted.
        Red("ImcZero", "70 IMC 0 =", kRed), Red("ImcNegativeZero", "70 IMC 0 bSigne =", kRed),
        Red("HbcoZero", "International 2 HbCO 0 =", kRed), Red("LbmZero", "Femme 60 LBM 0 =", kRed),
        Red("AlcoholZero", "3 Alcoolemie 0 =", kRed), Ok("ImcNegativeHeight", "80 IMC -2 =", "20,"),
        // The choices and the memory count as they are at '='.
        Ok("SexChangedBeforeEquals", "Homme 60 LBM 165 Femme =", "44,6297520661157"),
        Ok("SexChangedBackBeforeEquals", "Femme 3 Alcoolemie 70 Homme =", "0,612244897959184"),
        Ok("UnitsChangedBeforeEquals", "Ancien 70 SerumPhy 130 International =", "2730,"),
        Ok("MemoryChangedBeforeEquals", "1 MS 2,5 LDL 0,5 MS =", "1,9"),
        // After an error message the same formula runs again with the same first operand.
        Ok("RetryAfterDivision", "70 IMC 0 = 1,75 =", "22,8571428571429"),
        Ok("RetryAfterChoice", "Ancien 70 SpeedButton20 130 = International 130 =", "420,"),
        Ok("RetryAfterMemoryFix", "MC 70 Clearance 10 = 40 MS 10 =", "97,2222222222222"),
        // A formula key completes a pending operation and takes its result as first operand.
        Ok("ChainedIntoFormula", "35 * 2 IMC 1,75 =", "22,8571428571429"),
        // A formula that reads no memory ignores a memory that is not a number.
        Ok("MemoryNotReadByImc", "7 / 0 = MS 70 IMC 1,75 =", "22,8571428571429")),
    [](const auto& info) { return naming::ParamName(info.param.name); });

// A floating-point fault at '=': the error box, with the display and the pending operation as
// they were before '='.
struct Fault {
  std::string name;
  std::string script;
  std::string box;
  std::string display;
  double accumulator;
  char pendingOperator;
};

void PrintTo(const Fault& f, std::ostream* os) {
  *os << f.name;
}

class FormulaFault : public testing::TestWithParam<Fault> {};

TEST_P(FormulaFault, LeavesTheOperationPending) {
  const Fault& f = GetParam();
  const auto session = RunScript(f.script);
  EXPECT_EQ(session->LastError(), BoxText(f.box));
  EXPECT_EQ(session->View().display, f.display);
  EXPECT_EQ(session->View().color, kColorBlack);
  const CalculatorState& state = session->Core().State();
  EXPECT_EQ(state.Accumulator, f.accumulator);
  EXPECT_EQ(state.PendingOperator, f.pendingOperator);
  EXPECT_FALSE(state.OperationPending);
  EXPECT_TRUE(state.NewEntryPending);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaFault,
    testing::Values(
        Fault{"ClearanceZeroCreatinine",
              "40 MS 70 Clearance 0 =", std::string(messages::kZeroDivide), "0,", 70, 'R'},
        Fault{"ClearanceZeroWeight",
              "40 MS 0 Clearance 0 =", std::string(messages::kInvalidOperation), "0,", 0, 'R'},
        Fault{"ClearanceAge140", "Femme International 140 MS 70 Clearance 0 =",
              std::string(messages::kInvalidOperation), "0,", 70, 'R'},
        Fault{"SurfaceZeroWeight", "0 Surface 1,75 =", std::string(messages::kZeroDivide), "1,75",
              0, 'S'},
        Fault{"SurfaceZeroHeight", "70 Surface 0 =", std::string(messages::kZeroDivide), "0,", 70,
              'S'},
        Fault{"SurfaceNegativeWeight",
              "-70 Surface 1,75 =", std::string(messages::kInvalidOperation), "1,75", -70, 'S'},
        Fault{"SurfaceNegativeHeight",
              "70 Surface -1,75 =", std::string(messages::kInvalidOperation), "-1,75", 70, 'S'},
        Fault{"ImcOverflow", "paste=1E300 IMC paste=1E-10 =", std::string(messages::kOverflow),
              "1E-10", 1e300, 'P'},
        Fault{"DeficitOverflow", "International paste=1E307 SerumPhy paste=-1E300 =",
              std::string(messages::kOverflow), "-1E300", 1e307, 'I'},
        // A memory that is not a number fails the conversion, naming the memory text.
        Fault{"MemoryNotANumber", "7 / 0 = MS 5 LDL 1 =",
              std::string("'") + std::string(messages::kDivisionByZero) +
                  std::string(messages::kNotAFloat),
              "1,", 5, 'L'}),
    [](const auto& info) { return naming::ParamName(info.param.name); });

}  // namespace
}  // namespace solvanex
