// How far each clinical key's result lies from the formula it was published as: one row per key
// and group of patients, with the largest relative difference over the usual adult values. The
// help pages state every figure of this table (a notice above the calculation from 1 % up), and
// a test recomputes each from the published formula, so a constant changed in a formula or a
// figure changed here shows at once. A key and group absent from the table follow the published
// formula exactly.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace solvanex {

struct Departure {
  std::string_view key;   // formula letter ("A") or one-value caption ("H2O")
  std::string_view whom;  // the group, lower case, to open a sentence: "pour une femme",
                          // "en « International »"; empty when it holds for every choice
  // (program − published) / published where its size is largest, in per cent, signed.
  double percent;
  std::string_view published;  // the published form compared with, in French
  std::string_view over;       // the usual values scanned, in French; empty when the ratio of
                               // the two results is the same for every value
};

// Below this size, in per cent, a departure is stated with the reference, not above the formula.
inline constexpr double kNoticeThresholdPercent = 1.0;

std::span<const Departure> DepartureTable();
// The rows of one key, in table order.
std::vector<Departure> DeparturesOf(std::string_view key);

}  // namespace solvanex
