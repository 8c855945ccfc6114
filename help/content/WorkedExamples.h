// The worked examples of the help pages, keyed on the calculator: formulas from the example
// inputs of FormulaExamples(), conversions one value each way, one-value functions for each sex.
#pragma once

#include "KeyExamples.h"
#include "clinical/Catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace solvanex::helpcontent {

struct WorkedExample {
  std::vector<std::string> choiceLabels;  // the choices set first, as captions: "« Femme »"
  std::vector<KeyStep> steps;
  KeyOutcome outcome;
};

// The examples of the formula, in the order of FormulaExamples(); empty when it has none.
std::vector<WorkedExample> FormulaWorkedExamples(const FormulaRow& row);

// value typed with unitSystem selected, then the conversion button.
WorkedExample ConversionWorkedExample(const ConversionRow& row, int unitSystem,
                                      std::string_view value);

// The function applied to a typical value for each sex; a single example, without choice,
// when both sexes give the same display (the function does not read the sex).
std::vector<WorkedExample> OneValueWorkedExamples(const OneValueRow& row);

}  // namespace solvanex::helpcontent
