// The arithmetic of the sixteen formulas. Operands are widened to long double before the first
// operation and every constant is a long double literal, so intermediates keep the 64-bit
// significand; only the result is rounded to a double (StoreDouble, which raises on overflow).
// The parenthesisation is the historical one: do not regroup, the last displayed digit depends
// on it.
#include "clinical/Formulas.h"

#include <algorithm>

#include "calculator/FloatingPoint.h"
#include "calculator/Messages.h"
#include "calculator/NumberText.h"
#include "clinical/Catalogue.h"
#include "clinical/ClinicalMessages.h"
#include "clinical/Power.h"

namespace solvanex {

namespace {

FormulaOutcome Result(long double value) {
  return {StoreDouble(value), {}};
}

FormulaOutcome Message(std::string_view message) {
  return {std::nullopt, std::string(message)};
}

}  // namespace

double FormulaArguments::Memory() const {
  return ParseNumber(memoryText, decimalSeparator);
}

FormulaOutcome EvaluateFormula(char letter, double x, double y, std::string_view memoryText,
                               int unitSystem, int sex, char decimalSeparator) {
  const auto rows = FormulaTable();
  const auto row = std::find_if(rows.begin(), rows.end(),
                                [letter](const FormulaRow& r) { return r.letter == letter; });
  if (row == rows.end()) return {x, {}};
  return row->evaluate({x, y, memoryText, unitSystem, sex, decimalSeparator});
}

FormulaOutcome BodyMassIndex(const FormulaArguments& a) {
  if (a.y == 0.0) return Message(messages::kDivisionByZero);
  const long double x = a.x, y = a.y;
  return Result(x / (y * y));
}

FormulaOutcome LdlCholesterol(const FormulaArguments& a) {
  if (a.memoryText.empty()) return Message(messages::kNoMemoryParameter);
  const long double m = a.Memory();
  // Friedewald's validity bound, kept at 4 in both unit systems.
  if (m <= 0.0L || m > 4.0L) return Message(messages::kFixTriglycerides);
  const long double x = a.x, y = a.y;
  return Result(a.International() ? (x - y) - m / 2.2L : (x - y) - m / 5.0L);
}

FormulaOutcome CreatinineClearance(const FormulaArguments& a) {
  if (a.memoryText.empty()) return Message(messages::kNoMemoryParameter);
  const long double m = a.Memory();
  if (m <= 0.0L) return Message(messages::kFixAgeClearance);
  const long double x = a.x, y = a.y;
  const long double k = a.International() ? 0.814L : 7.2L;
  const long double numerator = a.Female() ? ((140.0L - m) * 0.85L) * x : (140.0L - m) * x;
  // Nothing tests the creatinine: a zero raises the division fault, as it always has.
  return Result(CheckedDivide(numerator, k * y));
}

FormulaOutcome BodySurfaceArea(const FormulaArguments& a) {
  const double p = RaiseToPower(a.x, 0.425L);
  const double q = RaiseToPower(a.y, 0.725L);
  // 0.20247 is DuBois' 0.007184 with the height in metres instead of centimetres.
  return Result((static_cast<long double>(q) * p) * 0.20247L);
}

FormulaOutcome MeanArterialPressure(const FormulaArguments& a) {
  const long double x = a.x, y = a.y;
  return Result(((x - y) / 3.0L) + y);
}

FormulaOutcome CorrectedCalcium(const FormulaArguments& a) {
  const long double x = a.x, y = a.y;
  return Result(((40.0L - y) * 0.025L) + x);
}

FormulaOutcome BasalEnergyExpenditure(const FormulaArguments& a) {
  if (a.memoryText.empty()) return Message(messages::kNoMemoryParameter);
  const long double m = a.Memory();
  if (m <= 0.0L) return Message(messages::kFixAgeEnergy);
  const long double x = a.x, y = a.y;
  // Harris and Benedict's coefficients to the thousandth, except the woman's 9.562 and 4.646,
  // kept as they have always been (9.5634 and 4.6756 published; the help page states the gap).
  if (a.Female()) return Result((((9.562L * x) + 655.096L) + (1.85L * y)) - (4.646L * m));
  return Result((((13.752L * x) + 66.473L) + (5.003L * y)) - (6.755L * m));
}

FormulaOutcome PlasmaOsmolality(const FormulaArguments& a) {
  if (a.memoryText.empty()) return Message(messages::kNoMemoryParameter);
  const long double m = a.Memory();
  if (m <= 0.0L) return Message(messages::kFixSodium);
  if (!a.International()) return Message(messages::kNeedMillimoles);
  const long double x = a.x, y = a.y;
  return Result(((2.0L * m) + x) + y);
}

FormulaOutcome Carboxyhaemoglobin(const FormulaArguments& a) {
  if (a.y == 0.0) return Message(messages::kDivisionByZero);
  const long double x = a.x, y = a.y;
  return Result(a.International() ? (2.4L * x) / (1.39L * y) : x / (1.39L * y));
}

FormulaOutcome LeanBodyMass(const FormulaArguments& a) {
  if (a.y == 0.0) return Message(messages::kDivisionByZero);
  const long double x = a.x, y = a.y;
  if (a.Female()) return Result((1.07L * x) - ((x * x) / (y * y)) * 148.0L);
  return Result((1.1L * x) - ((x * x) / (y * y)) * 128.0L);
}

FormulaOutcome BloodAlcohol(const FormulaArguments& a) {
  if (a.y == 0.0) return Message(messages::kDivisionByZero);
  const long double x = a.x, y = a.y;
  return Result(a.Female() ? (10.0L * x) / (0.6L * y) : (10.0L * x) / (0.7L * y));
}

FormulaOutcome UreaDistributionVolume(const FormulaArguments& a) {
  const long double x = a.x, y = a.y;
  if (a.Female()) return Result(((0.183809L * x) - 35.270121L) + (0.34454L * y));
  return Result(((0.296785L * x) - 14.012934L) + (0.194786L * y));
}

FormulaOutcome CorrectedNatraemia(const FormulaArguments& a) {
  const long double x = a.x, y = a.y;
  // 0.28 mmol/L of sodium per mmol/L of glucose above 5.5 (Katz's 1.6 per 100 mg/dL). Dividing
  // by 0.18 turns a glucose in g/L into mmol/L.
  if (a.International()) return Result(((y - 5.5L) * 0.28L) + x);
  return Result((((y / 0.18L) - 5.5L) * 0.28L) + x);
}

FormulaOutcome SalineDeficit(const FormulaArguments& a) {
  if (!a.International()) return Message(messages::kChooseInternational);
  const long double x = a.x, y = a.y;
  return Result((3.9L * x) * (140.0L - y));
}

FormulaOutcome WaterDeficit(const FormulaArguments& a) {
  if (!a.International()) return Message(messages::kChooseInternational);
  const long double x = a.x, y = a.y;
  return Result((0.6L * x) * ((y / 140.0L) - 1.0L));
}

FormulaOutcome SodiumDeficit(const FormulaArguments& a) {
  if (!a.International()) return Message(messages::kChooseInternational);
  const long double x = a.x, y = a.y;
  return Result((0.6L * x) * (140.0L - y));
}

}  // namespace solvanex
