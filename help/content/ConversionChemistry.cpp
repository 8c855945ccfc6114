#include "ConversionChemistry.h"

#include <stdexcept>
#include <string>

namespace solvanex::helpcontent {

namespace {

// Conventional atomic weights of IUPAC (abridged standard atomic weights, 2021).
constexpr struct {
  std::string_view symbol;
  double weight;
} kAtomicWeights[] = {
    {"H", 1.008},   {"C", 12.011}, {"N", 14.007},  {"O", 15.999},
    {"Mg", 24.305}, {"P", 30.974}, {"Ca", 40.078}, {"Fe", 55.845},
};

// Triglycerides are weighed as triolein, the usual reference triglyceride of the assays;
// urea as the whole molecule, since the factor is for urea and not for its nitrogen.
constexpr ConversionChemistry kChemistry[] = {
    {"Glycemie", "du glucose", "C6H12O6", "", "", "", "1", "5,5"},
    {"TG", "de la trioléine", "C57H104O6",
     "Les triglycérides sont un mélange ; les dosages les expriment en trioléine, le "
     "triglycéride de référence.",
     "", "", "1,5", "1,7"},
    {"Chol", "du cholestérol", "C27H46O", "", "", "", "2", "5,2"},
    {"FER", "du fer", "Fe", "", "", "", "1", "18"},
    {"Creatinine", "de la créatinine", "C4H7N3O", "", "", "", "10", "88"},
    {"Uree", "de l'urée", "CH4N2O", "", "azote uréique (BUN)", "N2", "0,3", "5"},
    {"Calcemie", "du calcium", "Ca", "", "", "", "95", "2,4"},
    {"Magnesium", "du magnésium", "Mg", "", "", "", "20", "0,85"},
    {"SpeedButton13", "du phosphore", "P",
     "Le phosphate sanguin se dose et s'exprime en phosphore (P).", "", "", "35", "1,1"},
};

double AtomicWeight(std::string_view symbol) {
  for (const auto& element : kAtomicWeights) {
    if (element.symbol == symbol) return element.weight;
  }
  throw std::invalid_argument("no atomic weight for " + std::string(symbol));
}

bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Grams per conventional mass unit, moles per SI amount unit.
double MassUnit(std::string_view unit) {
  if (unit == "g/L") return 1.0;
  if (unit == "mg/L") return 1e-3;
  throw std::invalid_argument("unknown conventional unit " + std::string(unit));
}

double AmountUnit(std::string_view unit) {
  if (unit == "mmol/L") return 1e-3;
  if (unit == "µmol/L") return 1e-6;
  throw std::invalid_argument("unknown SI unit " + std::string(unit));
}

}  // namespace

const ConversionChemistry& ChemistryOf(const ConversionRow& row) {
  for (const ConversionChemistry& chemistry : kChemistry) {
    if (chemistry.button == row.button) return chemistry;
  }
  throw std::out_of_range("no molar mass for the conversion " + std::string(row.button));
}

double MolarMass(std::string_view formula) {
  if (formula.empty()) throw std::invalid_argument("empty chemical formula");
  double mass = 0.0;
  std::size_t at = 0;
  while (at < formula.size()) {
    if (!IsUpper(formula[at])) {
      throw std::invalid_argument("malformed chemical formula " + std::string(formula));
    }
    std::size_t end = at + 1;
    while (end < formula.size() && IsLower(formula[end])) ++end;
    const double weight = AtomicWeight(formula.substr(at, end - at));
    int count = 0;
    for (; end < formula.size() && IsDigit(formula[end]) && count < 100000; ++end) {
      count = count * 10 + (formula[end] - '0');
    }
    mass += weight * (count == 0 ? 1 : count);
    at = end;
  }
  return mass;
}

double FactorFromMolarMass(const ConversionRow& row, double molarMass) {
  return MassUnit(row.conventionalUnit) / molarMass / AmountUnit(row.siUnit);
}

}  // namespace solvanex::helpcontent
