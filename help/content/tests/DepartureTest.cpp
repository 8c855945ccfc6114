// Each clinical key against the formula it was published as. The published formulas are written
// here on their own, each with its reference; the program's results come from the evaluation
// itself. Over a grid of usual adult values the largest relative difference is found, and the
// key's help page must state it, rounded as the page rounds it: above the calculation from 1 %
// up, with the reference below that, and "sans écart" where there is none.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DepartureNotes.h"
#include "FunctionPages.h"
#include "HelpPages.h"
#include "HtmlText.h"
#include "PageParts.h"
#include "WorkedExamples.h"
#include "calculator/NumberText.h"
#include "clinical/Catalogue.h"
#include "clinical/Departures.h"
#include "clinical/Formulas.h"

namespace solvanex::helpcontent {
namespace {

using Real = long double;

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

// from, from + step, ... up to `to`.
struct Range {
  Real from, to, step;
  std::vector<Real> Values() const {
    std::vector<Real> values;
    const long count = std::lround((to - from) / step);
    for (long i = 0; i <= count; ++i) values.push_back(from + i * step);
    return values;
  }
};

const Range kNone{0, 0, 1};  // an operand the key does not read
const Range kWeight{40, 150, 5};
const Range kHeightMetres{1.45L, 2.00L, 0.05L};
const Range kHeightCm{145, 200, 5};
const Range kAge{18, 90, 4};
const Range kLowSodium{110, 135, 1};
const Range kHighSodium{145, 170, 1};

const std::vector<Choices> kAllChoices = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
const std::vector<Choices> kAncien = {{0, 0}, {0, 1}};
const std::vector<Choices> kInternational = {{1, 0}, {1, 1}};
const std::vector<Choices> kMale = {{0, 0}, {1, 0}};
const std::vector<Choices> kFemale = {{0, 1}, {1, 1}};

bool IsFemale(Choices c) {
  return c.sex == kSexFemale;
}

// Total body water as a fraction of the weight (Adrogué & Madias, N Engl J Med 2000): 0.6 for a
// man, 0.5 for a woman or an older man, 0.45 for an older woman.
constexpr Real kWaterMan = 0.6L, kWaterWoman = 0.5L, kWaterOlderMan = 0.5L,
               kWaterOlderWoman = 0.45L;

// One key for one group of patients: the choices it is keyed under, the values scanned for x, y
// and the memory, and the published formula in the program's units.
struct Case {
  std::string key;
  std::string whom;  // as the departure table names the group
  std::vector<Choices> choices;
  Range x, y, m;
  std::function<Real(Real x, Real y, Real m, Choices c)> published;
};

std::vector<Case> WaterCases(const std::string& key, std::function<Real(Real, Real, Real)> form) {
  const std::pair<const char*, Real> groups[] = {{"pour un homme", kWaterMan},
                                                 {"pour une femme", kWaterWoman},
                                                 {"pour un homme âgé", kWaterOlderMan},
                                                 {"pour une femme âgée", kWaterOlderWoman}};
  std::vector<Case> cases;
  for (const auto& [whom, fraction] : groups) {
    const Range sodium = key == "Y" ? kHighSodium : kLowSodium;
    cases.push_back(
        {key, whom, kInternational, kWeight, sodium, kNone,
         [form, fraction](Real x, Real y, Real, Choices) { return form(fraction * x, x, y); }});
  }
  return cases;
}

std::vector<Case> Cases() {
  std::vector<Case> cases = {
      // Quetelet 1835: weight / height².
      {"P", "", kAllChoices, kWeight, kHeightMetres, kNone,
       [](Real x, Real y, Real, Choices) { return x / (y * y); }},
      // Friedewald, Levy & Fredrickson 1972: TC − HDL − TG / 5 in mass units; TG / 2.2 in
      // mmol/L.
      {"L",
       "en « Ancien »",
       kAncien,
       {1.6L, 3.2L, 0.2L},
       {0.3L, 0.6L, 0.1L},
       {0.5L, 4, 0.5L},
       [](Real x, Real y, Real m, Choices) { return x - y - m / 5; }},
      {"L",
       "en « International »",
       kInternational,
       {4, 8, 0.5L},
       {0.8L, 1.6L, 0.2L},
       {0.5L, 4, 0.5L},
       [](Real x, Real y, Real m, Choices) { return x - y - m / 2.2L; }},
      // Cockcroft & Gault 1976: (140 − age) × weight / (72 × creatinine in mg/dL), × 0.85 for
      // a woman; 1 mg/dL of creatinine (113.12 g/mol) is 88.4 µmol/L.
      {"R",
       "en « Ancien »",
       kAncien,
       kWeight,
       {5, 60, 5},
       kAge,
       [](Real x, Real y, Real m, Choices c) {
         return (140 - m) * x / (72 * (y / 10)) * (IsFemale(c) ? 0.85L : 1);
       }},
      {"R",
       "en « International »",
       kInternational,
       kWeight,
       {40, 530, 10},
       kAge,
       [](Real x, Real y, Real m, Choices c) {
         return (140 - m) * x / (72 * (y / 88.4L)) * (IsFemale(c) ? 0.85L : 1);
       }},
      // DuBois & DuBois 1916: 0.007184 × weight^0.425 × height in cm^0.725.
      {"S", "", kAllChoices, kWeight, kHeightMetres, kNone,
       [](Real x, Real y, Real, Choices) {
         return 0.007184L * std::pow(x, 0.425L) * std::pow(100 * y, 0.725L);
       }},
      // Mean arterial pressure: diastolic + (systolic − diastolic) / 3.
      {"T",
       "",
       kAllChoices,
       {120, 220, 10},
       {50, 110, 10},
       kNone,
       [](Real x, Real y, Real, Choices) { return y + (x - y) / 3; }},
      // Payne, Little, Williams & Milner 1973: calcium − albumin + 4.0, calcium in mg/100 mL,
      // albumin in g/100 mL; calcium 40.078 g/mol, so 1 mmol/L is 4.0078 mg/100 mL.
      {"K",
       "",
       kAllChoices,
       {1.5L, 3.5L, 0.25L},
       {15, 50, 5},
       kNone,
       [](Real x, Real y, Real, Choices) { return (x * 4.0078L - y / 10 + 4) / 4.0078L; }},
      // Harris & Benedict 1919, kcal per day, weight in kg, height in cm, age in years.
      {"E", "pour un homme", kMale, kWeight, kHeightCm, kAge,
       [](Real x, Real y, Real m, Choices) {
         return 66.4730L + 13.7516L * x + 5.0033L * y - 6.7550L * m;
       }},
      {"E", "pour une femme", kFemale, kWeight, kHeightCm, kAge,
       [](Real x, Real y, Real m, Choices) {
         return 655.0955L + 9.5634L * x + 1.8496L * y - 4.6756L * m;
       }},
      // Calculated osmolality in SI units: 2 × Na + glucose + urea, all in mmol/L.
      {"O",
       "",
       kInternational,
       {4, 30, 2},
       {3, 39, 3},
       {120, 160, 5},
       [](Real x, Real y, Real m, Choices) { return 2 * m + x + y; }},
      // Hüfner: 1.39 mL of carbon monoxide per g of haemoglobin; CO in mL per 100 mL, and
      // 1 mmol/L of gas is 2.24 mL per 100 mL (22.4 L/mol).
      {"H",
       "en « Ancien »",
       kAncien,
       {0.5L, 10, 0.5L},
       {8, 18, 1},
       kNone,
       [](Real x, Real y, Real, Choices) { return x / (1.39L * y); }},
      {"H",
       "en « International »",
       kInternational,
       {0.2L, 4.4L, 0.2L},
       {8, 18, 1},
       kNone,
       [](Real x, Real y, Real, Choices) { return 2.24L * x / (1.39L * y); }},
      // James 1976: 1.1 W − 128 (W/H)² for a man, 1.07 W − 148 (W/H)² for a woman.
      {"M", "pour un homme", kMale, kWeight, kHeightCm, kNone,
       [](Real x, Real y, Real, Choices) { return 1.1L * x - 128 * (x / y) * (x / y); }},
      {"M", "pour une femme", kFemale, kWeight, kHeightCm, kNone,
       [](Real x, Real y, Real, Choices) { return 1.07L * x - 148 * (x / y) * (x / y); }},
      // Widmark 1932: grams of alcohol / (r × weight), r = 0.68 for a man, 0.55 for a woman;
      // a drink holds 10 g.
      {"A",
       "pour un homme",
       kMale,
       {1, 10, 1},
       kWeight,
       kNone,
       [](Real x, Real y, Real, Choices) { return 10 * x / (0.68L * y); }},
      {"A",
       "pour une femme",
       kFemale,
       {1, 10, 1},
       kWeight,
       kNone,
       [](Real x, Real y, Real, Choices) { return 10 * x / (0.55L * y); }},
      // Hume & Weyers 1971, total body water in litres.
      {"D", "pour un homme", kMale, kWeight, kHeightCm, kNone,
       [](Real x, Real y, Real, Choices) { return 0.194786L * y + 0.296785L * x - 14.012934L; }},
      {"D", "pour une femme", kFemale, kWeight, kHeightCm, kNone,
       [](Real x, Real y, Real, Choices) { return 0.34454L * y + 0.183809L * x - 35.270121L; }},
      // Katz 1973: 1.6 mmol/L of sodium per 100 mg/dL of glucose above 100 mg/dL; 1 g/L is
      // 100 mg/dL, 1 mmol/L of glucose (180.16 g/mol) 18.016 mg/dL.
      {"N",
       "en « Ancien »",
       kAncien,
       {110, 150, 5},
       {1, 10, 0.5L},
       kNone,
       [](Real x, Real y, Real, Choices) { return x + 1.6L * (100 * y - 100) / 100; }},
      {"N",
       "en « International »",
       kInternational,
       {110, 150, 5},
       {5.5L, 55, 2.5L},
       kNone,
       [](Real x, Real y, Real, Choices) { return x + 1.6L * (18.016L * y - 100) / 100; }},
  };
  // Adrogué & Madias 2000 with total body water TBW: saline (154 mmol/L of sodium) in mL,
  // TBW × (140 − Na) / 154 × 1000; water TBW × (Na / 140 − 1); sodium TBW × (140 − Na).
  for (Case& c :
       WaterCases("I", [](Real water, Real, Real na) { return water * (140 - na) / 154 * 1000; })) {
    cases.push_back(std::move(c));
  }
  for (Case& c :
       WaterCases("Y", [](Real water, Real, Real na) { return water * (na / 140 - 1); })) {
    cases.push_back(std::move(c));
  }
  for (Case& c : WaterCases("U", [](Real water, Real, Real na) { return water * (140 - na); })) {
    cases.push_back(std::move(c));
  }
  // Alveolar gas equation (Riley & Cournand 1949), room air at sea level: FiO2 × (760 − 47) −
  // PaCO2 × (FiO2 + (1 − FiO2) / R), R = 0.8.
  cases.push_back(
      {"PO2", "", kAllChoices, {20, 80, 1}, kNone, kNone, [](Real x, Real, Real, Choices) {
         return 0.21L * (760 - 47) - x * (0.21L + 0.79L / 0.8L);
       }});
  // Total body water, the fractions above.
  const std::tuple<const char*, int, Real> water[] = {
      {"pour un homme", kSexMale, kWaterMan},
      {"pour une femme", kSexFemale, kWaterWoman},
      {"pour un homme âgé", kSexMale, kWaterOlderMan},
      {"pour une femme âgée", kSexFemale, kWaterOlderWoman}};
  for (const auto& [whom, sex, fraction] : water) {
    cases.push_back({"H2O",
                     whom,
                     {{0, sex}, {1, sex}},
                     kWeight,
                     kNone,
                     kNone,
                     [fraction](Real x, Real, Real, Choices) { return fraction * x; }});
  }
  // Lorentz 1929: height − 100 − (height − 150) / 4 for a man, / 2.5 for a woman.
  cases.push_back(
      {"PID", "pour un homme", kMale, {150, 200, 1}, kNone, kNone, [](Real x, Real, Real, Choices) {
         return x - 100 - (x - 150) / 4;
       }});
  cases.push_back({"PID",
                   "pour une femme",
                   kFemale,
                   {145, 190, 1},
                   kNone,
                   kNone,
                   [](Real x, Real, Real, Choices) { return x - 100 - (x - 150) / 2.5L; }});
  return cases;
}

const FormulaRow* FindFormula(const std::string& key) {
  for (const FormulaRow& row : FormulaTable()) {
    if (key == std::string(1, row.letter)) return &row;
  }
  return nullptr;
}

const OneValueRow* FindOneValue(const std::string& key) {
  for (const OneValueRow& row : OneValueTable()) {
    if (key == row.caption) return &row;
  }
  return nullptr;
}

// What the key shows for these values, as the calculator computes it.
double ProgramResult(const std::string& key, Real x, Real y, Real m, Choices c) {
  if (const FormulaRow* row = FindFormula(key)) {
    const FormulaOutcome outcome =
        EvaluateFormula(row->letter, static_cast<double>(x), static_cast<double>(y),
                        row->m.empty() ? std::string() : FormatResult(static_cast<double>(m), ','),
                        c.unitSystem, c.sex, ',');
    if (!outcome.value) throw std::runtime_error(key + ": " + outcome.message);
    return *outcome.value;
  }
  const OneValueRow* row = FindOneValue(key);
  if (row == nullptr) throw std::runtime_error("no key " + key);
  return static_cast<double>(row->compute(static_cast<double>(x), c).value());
}

// (program − published) / published in per cent, where its size is largest.
Real LargestDeparture(const Case& c) {
  Real largest = 0;
  for (const Choices choices : c.choices) {
    for (const Real x : c.x.Values()) {
      for (const Real y : c.y.Values()) {
        for (const Real m : c.m.Values()) {
          const Real published = c.published(x, y, m, choices);
          if (!(published > 0)) throw std::runtime_error(c.key + ": no usual result");
          const Real departure = (ProgramResult(c.key, x, y, m, choices) - published) / published;
          if (std::fabs(departure) > std::fabs(largest)) largest = departure;
        }
      }
    }
  }
  return largest * 100;
}

std::string PageOf(const std::string& key) {
  if (const FormulaRow* row = FindFormula(key)) {
    return FormulaPage(*row, FormulaWorkedExamples(*row));
  }
  const OneValueRow* row = FindOneValue(key);
  return OneValueFunctionPage(*row, OneValueWorkedExamples(*row));
}

// The notice above the calculation, and the rest of the page.
std::pair<std::string, std::string> SplitNotice(const std::string& page) {
  const auto start = page.find("<div class=\"ecart\">");
  if (start == std::string::npos) return {"", page};
  const auto end = page.find("</div>", start);
  return {page.substr(start, end - start), page.substr(0, start) + page.substr(end)};
}

std::size_t Count(const std::string& text, std::string_view part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Below this, in per cent, the two formulas are the same up to the rounding of the result.
constexpr Real kSame = 1e-9L;

TEST(Departures, EveryPageStatesTheLargestDepartureFromThePublishedFormula) {
  std::map<std::string, std::vector<std::pair<Case, Real>>> byKey;
  for (const Case& c : Cases()) byKey[c.key].push_back({c, LargestDeparture(c)});

  std::set<std::pair<std::string, std::string>> stated;
  for (const auto& [key, cases] : byKey) {
    SCOPED_TRACE(key);
    const std::string page = PageOf(key);
    const auto [notice, rest] = SplitNotice(page);
    std::size_t large = 0;
    bool any = false;
    for (const auto& [c, departure] : cases) {
      SCOPED_TRACE(c.whom);
      const std::vector<Departure> rows = DeparturesOf(key);
      const Departure* row = nullptr;
      for (const Departure& candidate : rows) {
        if (candidate.whom == c.whom) row = &candidate;
      }
      if (std::fabs(departure) < kSame) {
        EXPECT_EQ(row, nullptr) << "the table states a departure where there is none";
        continue;
      }
      any = true;
      ASSERT_NE(row, nullptr) << "no figure for a departure of " << static_cast<double>(departure)
                              << " %";
      stated.insert({key, c.whom});
      // As the page words it: "Pour une femme, le résultat est [jusqu'à ]20 % plus élevé".
      std::string opener = c.whom.empty() ? "Le résultat est " : c.whom + ", le résultat est ";
      opener[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(opener[0])));
      const std::string size = Decimal(static_cast<double>(std::fabs(departure)), 2) + " % " +
                               (departure > 0 ? "plus élevé" : "plus bas");
      const std::string stating[] = {EscapeHtml(opener + size),
                                     EscapeHtml(opener + "jusqu'à " + size)};
      const bool isLarge = std::fabs(departure) >= kNoticeThresholdPercent;
      const std::string& where = isLarge ? notice : rest;
      EXPECT_TRUE(Contains(where, stating[0]) || Contains(where, stating[1]))
          << stating[0] << (isLarge ? " above the calculation" : " with the reference");
      if (isLarge) ++large;
    }
    // No other departure in the notice, and "sans écart" exactly where there is none.
    EXPECT_EQ(Count(notice, " % plus élevé") + Count(notice, " % plus bas"), large);
    EXPECT_EQ(Contains(page, "Le programme suit la formule publiée, sans écart."), !any);
    if (!notice.empty()) {
      EXPECT_LT(page.find("<div class=\"ecart\">"), page.find("<h2>Calcul</h2>"));
    }
  }
  // Every row of the table was recomputed, and every key of the keypad has its published form.
  for (const Departure& row : DepartureTable()) {
    EXPECT_TRUE(stated.count({std::string(row.key), std::string(row.whom)}))
        << row.key << " " << row.whom;
  }
  for (const FormulaRow& row : FormulaTable()) {
    EXPECT_TRUE(byKey.count(std::string(1, row.letter))) << row.letter;
  }
  for (const OneValueRow& row : OneValueTable()) {
    EXPECT_TRUE(byKey.count(std::string(row.caption))) << row.caption;
  }
}

// James' lean body mass peaks and then falls as the weight rises; its page names the weight of
// the peak for the two heights it quotes.
TEST(Departures, LeanBodyMassPageNamesWhereTheResultStartsToFall) {
  const std::string page = PageOf("M");
  const struct {
    int sex;
    int height;
    std::string_view who;
  } rows[] = {{kSexFemale, 165, "pour une femme de 165 cm"},
              {kSexMale, 175, "pour un homme de 175 cm"}};
  for (const auto& row : rows) {
    int peak = 0;
    double best = -1e300;
    for (int weight = 40; weight <= 250; ++weight) {
      const double mass = ProgramResult("M", weight, row.height, 0, {0, row.sex});
      if (mass > best) {
        best = mass;
        peak = weight;
      }
    }
    EXPECT_TRUE(Contains(page, std::to_string(peak) + " kg " + std::string(row.who))) << peak;
  }
}

}  // namespace
}  // namespace solvanex::helpcontent
