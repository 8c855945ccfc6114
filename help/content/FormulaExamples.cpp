#include "FormulaExamples.h"

namespace solvanex::helpcontent {

namespace {

constexpr int kAncien = 0;
constexpr int kInternational = 1;
constexpr int kHomme = 0;
constexpr int kFemme = 1;
constexpr std::nullopt_t kAny = std::nullopt;

// Everyday values of an adult patient; each formula that reads a choice shows both of its
// variants where they differ.
constexpr FormulaExample kExamples[] = {
    {'P', kAny, kAny, "70", "1,75", ""},
    {'L', kAncien, kAny, "2,5", "0,5", "1"},
    {'L', kInternational, kAny, "5,2", "1,3", "1,5"},
    {'R', kAncien, kHomme, "70", "10", "40"},
    {'R', kInternational, kFemme, "60", "80", "70"},
    {'S', kAny, kAny, "70", "1,75", ""},
    {'T', kAny, kAny, "120", "80", ""},
    {'K', kAny, kAny, "2,1", "30", ""},
    {'E', kAny, kHomme, "70", "175", "40"},
    {'E', kAny, kFemme, "60", "165", "40"},
    {'O', kInternational, kAny, "5", "5", "140"},
    {'H', kAncien, kAny, "2", "14", ""},
    {'H', kInternational, kAny, "2", "14", ""},
    {'M', kAny, kHomme, "70", "175", ""},
    {'M', kAny, kFemme, "60", "165", ""},
    {'A', kAny, kHomme, "3", "70", ""},
    {'A', kAny, kFemme, "3", "60", ""},
    {'D', kAny, kHomme, "70", "175", ""},
    {'D', kAny, kFemme, "60", "165", ""},
    {'N', kAncien, kAny, "130", "3,6", ""},
    {'N', kInternational, kAny, "130", "20,5", ""},
    {'I', kInternational, kAny, "70", "130", ""},
    {'Y', kInternational, kAny, "70", "154", ""},
    {'U', kInternational, kAny, "70", "130", ""},
};

}  // namespace

std::span<const FormulaExample> FormulaExamples() {
  return kExamples;
}

}  // namespace solvanex::helpcontent
