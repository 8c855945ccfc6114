// The sixteen clinical formulas that '=' evaluates for a formula letter. Each formula runs its
// tests in a fixed order and answers with a result or with a French message for the display.
// The memory parameter is parsed only after the test that the memory is not empty, so a memory
// that is not a number fails only for the formulas that read it.
#pragma once

#include <string>
#include <string_view>

#include "calculator/Calculator.h"

namespace solvanex {

// What a formula reads at the moment '=' is pressed.
struct FormulaArguments {
  double x = 0.0;               // first operand (the accumulator)
  double y = 0.0;               // second operand (the display)
  std::string_view memoryText;  // the memory register as display text; "" = nothing stored
  int unitSystem = 0;           // 0 "Ancien ", 1 "International"
  int sex = 0;                  // 0 "Homme", 1 "Femme"
  char decimalSeparator = ',';  // for reading memoryText

  // Only item 1 selects these variants: with no item selected a formula computes the first
  // item's variant (or refuses, where the first item is refused).
  bool International() const { return unitSystem == kUnitsInternational; }
  bool Female() const { return sex == kSexFemale; }
  // The memory parameter; raises ConversionError when memoryText is not a number.
  double Memory() const;
};

// Evaluates the formula of letter. A letter that is no formula leaves the first operand as it is,
// as '=' does for any operator it does not know. May raise ConversionError (memory text) and the
// floating-point errors (see the formulas R and S, and OverflowError for any result).
FormulaOutcome EvaluateFormula(char letter, double x, double y, std::string_view memoryText,
                               int unitSystem, int sex, char decimalSeparator);

// One function per letter, in button order; the catalogue rows point at them.
FormulaOutcome BodyMassIndex(const FormulaArguments& a);           // P
FormulaOutcome LdlCholesterol(const FormulaArguments& a);          // L
FormulaOutcome CreatinineClearance(const FormulaArguments& a);     // R
FormulaOutcome BodySurfaceArea(const FormulaArguments& a);         // S
FormulaOutcome MeanArterialPressure(const FormulaArguments& a);    // T
FormulaOutcome CorrectedCalcium(const FormulaArguments& a);        // K
FormulaOutcome BasalEnergyExpenditure(const FormulaArguments& a);  // E
FormulaOutcome PlasmaOsmolality(const FormulaArguments& a);        // O
FormulaOutcome Carboxyhaemoglobin(const FormulaArguments& a);      // H
FormulaOutcome LeanBodyMass(const FormulaArguments& a);            // M
FormulaOutcome BloodAlcohol(const FormulaArguments& a);            // A
FormulaOutcome UreaDistributionVolume(const FormulaArguments& a);  // D
FormulaOutcome CorrectedNatraemia(const FormulaArguments& a);      // N
FormulaOutcome SalineDeficit(const FormulaArguments& a);           // I
FormulaOutcome WaterDeficit(const FormulaArguments& a);            // Y
FormulaOutcome SodiumDeficit(const FormulaArguments& a);           // U

}  // namespace solvanex
