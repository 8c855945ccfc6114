// The departures from the published formulas, key by key in keypad order. The figures come from
// the published formulas evaluated over the usual values that `over` names (weight 40 to 150 kg,
// height 145 to 200 cm, age 18 to 90 years unless said otherwise); the clinical tests recompute
// every one of them.
#include "clinical/Departures.h"

#include <algorithm>
#include <iterator>

namespace solvanex {

namespace {

constexpr std::string_view kWomanWater =
    "la formule publiée, qui compte l'eau totale à 0,5 × poids pour une femme (Adrogué & "
    "Madias 2000)";
constexpr std::string_view kOlderManWater =
    "la formule publiée, qui compte l'eau totale à 0,5 × poids pour un homme âgé (Adrogué & "
    "Madias 2000)";
constexpr std::string_view kOlderWomanWater =
    "la formule publiée, qui compte l'eau totale à 0,45 × poids pour une femme âgée (Adrogué & "
    "Madias 2000)";
constexpr std::string_view kAdults = "de 40 à 150 kg, de 145 à 200 cm et de 18 à 90 ans";
constexpr std::string_view kKatz =
    "la correction de Katz (1973) : 1,6 mmol/L de sodium pour 100 mg/dL de glucose au-dessus "
    "de 100 mg/dL";

constexpr Departure kDepartures[] = {
    {"R", "en « International »", 0.059,
     "la formule publiée, la créatinine en mg/dL convertie à raison de 88,4 µmol/L pour "
     "1 mg/dL (72 / 88,4 = 0,8145 au lieu de 0,814)",
     ""},
    {"S", "", -0.0013, "la formule publiée, 0,007184 × poids^0,425 × taille en cm^0,725", ""},
    {"K", "", 0.057,
     "la formule de Payne : calcium − albumine + 4,0, en mg/100 mL et g/100 mL, soit "
     "0,02495 mmol/L par g/L d'albumine",
     "de 1,5 à 3,5 mmol/L de calcium et de 15 à 50 g/L d'albumine"},
    {"E", "pour un homme", -0.0044,
     "la formule publiée : 66,4730 + 13,7516 × poids + 5,0033 × taille − 6,7550 × âge", kAdults},
    {"E", "pour une femme", 0.30,
     "la formule publiée : 655,0955 + 9,5634 × poids + 1,8496 × taille − 4,6756 × âge", kAdults},
    {"H", "en « International »", 7.1,
     "la formule publiée, où 1 mmol/L de monoxyde de carbone fait 2,24 mL pour 100 mL "
     "(22,4 L par mole de gaz)",
     ""},
    {"A", "pour un homme", -2.9, "la formule de Widmark, qui prend r = 0,68 pour un homme", ""},
    {"A", "pour une femme", -8.3, "la formule de Widmark, qui prend r = 0,55 pour une femme", ""},
    {"N", "en « Ancien »", -0.31, kKatz,
     "de 110 à 150 mmol/L de sodium et de 1 à 10 g/L de glucose"},
    {"N", "en « International »", -0.32, kKatz,
     "de 110 à 150 mmol/L de sodium et de 5,5 à 55 mmol/L de glucose, à 180,16 g/mol"},
    {"I", "pour un homme", 0.10,
     "la formule publiée, l'eau totale à 0,6 × poids et les 154 mmol/L de sodium du sérum "
     "physiologique (0,6 × 1000 / 154 = 3,896 au lieu de 3,9)",
     ""},
    {"I", "pour une femme", 20, kWomanWater, ""},
    {"I", "pour un homme âgé", 20, kOlderManWater, ""},
    {"I", "pour une femme âgée", 33, kOlderWomanWater, ""},
    {"Y", "pour une femme", 20, kWomanWater, ""},
    {"Y", "pour un homme âgé", 20, kOlderManWater, ""},
    {"Y", "pour une femme âgée", 33, kOlderWomanWater, ""},
    {"U", "pour une femme", 20, kWomanWater, ""},
    {"U", "pour un homme âgé", 20, kOlderManWater, ""},
    {"U", "pour une femme âgée", 33, kOlderWomanWater, ""},
    {"PO2", "", 0.17,
     "l'équation des gaz alvéolaires complète : 0,21 × (760 − 47) − PaCO2 × (0,21 + 0,79 / 0,8)",
     "de 20 à 80 mmHg de PaCO2"},
    {"H2O", "pour une femme", 10, kWomanWater, ""},
    {"H2O", "pour un homme âgé", 20, kOlderManWater, ""},
    {"H2O", "pour une femme âgée", 22, kOlderWomanWater, ""},
    {"PID", "pour une femme", -5.4, "la formule de Lorentz, qui divise b par 2,5 pour une femme",
     "de 145 à 190 cm de taille"},
};

}  // namespace

std::span<const Departure> DepartureTable() {
  return kDepartures;
}

std::vector<Departure> DeparturesOf(std::string_view key) {
  std::vector<Departure> rows;
  std::copy_if(std::begin(kDepartures), std::end(kDepartures), std::back_inserter(rows),
               [key](const Departure& row) { return row.key == key; });
  return rows;
}

}  // namespace solvanex
