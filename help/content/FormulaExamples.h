// The inputs of the worked examples of the formula pages: one row per example, with the choices
// it sets and the values typed. The results are not here: the generator keys each row on the
// calculator and shows what it displays.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace solvanex::helpcontent {

struct FormulaExample {
  char letter;                    // the formula
  std::optional<int> unitSystem;  // 0 "Ancien ", 1 "International"; unset: left as at start
  std::optional<int> sex;         // 0 "Homme", 1 "Femme"; unset: left as at start
  std::string_view x;             // first value, as typed: "70", "1,75"
  std::string_view y;             // second value
  std::string_view m;             // value put in memory with MS first; empty when unused
};

std::span<const FormulaExample> FormulaExamples();

}  // namespace solvanex::helpcontent
