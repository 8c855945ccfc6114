// The nine laboratory conversions. Each factor is the short decimal constant of the conversion
// charts, used as it stands (not recomputed from molar masses); one constant serves both
// directions, so a value converted forth and back comes back up to rounding.
#include "clinical/Catalogue.h"

namespace solvanex {

namespace {

constexpr ConversionRow kConversions[] = {
    {"Glycemie", "GLY", "Conversion de glycémie.", "GlycemieClick", 5.56L, "g/L", "mmol/L",
     "Glucose"},
    {"TG", "TRG", "Conversion de triglycérides.", "TGClick", 1.14L, "g/L", "mmol/L",
     "Triglycérides"},
    {"Chol", "CHL", "Conversion de cholestérol.", "CholClick", 2.58L, "g/L", "mmol/L",
     "Cholestérol"},
    {"FER", "FER", "Conversion de fer.", "FERClick", 17.92L, "mg/L", "µmol/L", "Fer"},
    {"Creatinine", "CRE", "Conversion de créatinine.", "CreatinineClick", 8.85L, "mg/L", "µmol/L",
     "Créatinine"},
    {"Uree", "URE", "Conversion de urée.", "UreeClick", 16.65L, "g/L", "mmol/L", "Urée"},
    {"Calcemie", "CAL", "Conversion de calcium.", "CalcemieClick", 0.025L, "mg/L", "mmol/L",
     "Calcium"},
    {"Magnesium", "MAG", "Conversion de magnésium.", "MagnesiumClick", 0.041L, "mg/L", "mmol/L",
     "Magnésium"},
    {"SpeedButton13", "PHO", "Conversion du phosphore.", "SpeedButton13Click", 0.032L, "mg/L",
     "mmol/L", "Phosphore"},
};

}  // namespace

std::span<const ConversionRow> ConversionTable() {
  return kConversions;
}

std::optional<long double> Convert(const ConversionRow& row, long double x, Choices choices) {
  switch (choices.unitSystem) {
    case kUnitsConventional:
      return x * row.factor;
    case kUnitsInternational:
      return x / row.factor;
    default:
      return std::nullopt;
  }
}

}  // namespace solvanex
