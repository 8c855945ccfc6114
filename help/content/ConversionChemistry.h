// What the help says about each laboratory conversion beyond the catalogue: the substance
// whose molar mass the factor stands for (as a chemical formula, weighed with the standard
// atomic weights), and the everyday values of its worked examples. The factor from the molar
// mass is computed here, so that the help can say how far the program's rounded factor lies
// from it.
#pragma once

#include "clinical/Catalogue.h"

#include <string_view>

namespace solvanex::helpcontent {

struct ConversionChemistry {
  std::string_view button;     // the conversion row, by control name
  std::string_view substance;  // French name of what is weighed, with its article: "du glucose"
  std::string_view formula;    // chemical formula: "C6H12O6"
  std::string_view basis;      // why this substance, for the page; may be empty
  // Another substance the same analyte is sometimes reported as, with its formula; empty
  // when none. The page says which of the two the program's factor matches.
  std::string_view otherSubstance;
  std::string_view otherFormula;
  std::string_view conventionalExample;   // a usual value in the conventional unit, as typed
  std::string_view internationalExample;  // a usual value in the SI unit, as typed
};

// The row for the conversion; throws std::out_of_range when the help has none for it, so that
// a conversion added to the catalogue without its chemistry fails the build.
const ConversionChemistry& ChemistryOf(const ConversionRow& row);

// The molar mass in g/mol of a chemical formula such as "C57H104O6" (element symbols each
// followed by an optional count). Throws std::invalid_argument for an element it does not
// weigh or a malformed formula.
double MolarMass(std::string_view formula);

// SI units in one conventional unit for a substance of this molar mass, from the units of the
// row ("g/L" or "mg/L" to "mmol/L" or "µmol/L"). Throws std::invalid_argument for a unit it
// does not know.
double FactorFromMolarMass(const ConversionRow& row, double molarMass);

}  // namespace solvanex::helpcontent
