#include "WorkedExamples.h"

#include "FormulaExamples.h"

namespace solvanex::helpcontent {

namespace {

std::string_view UnitChoice(int unitSystem) {
  return unitSystem == 0 ? kChooseConventional : kChooseInternational;
}
std::string_view SexChoice(int sex) {
  return sex == 0 ? kChooseMale : kChooseFemale;
}

// Captions of the radio items as the window shows them ("Ancien " ends with a blank there).
std::string UnitLabel(int unitSystem) {
  return unitSystem == 0 ? "« Ancien »" : "« International »";
}
std::string SexLabel(int sex) {
  return sex == 0 ? "« Homme »" : "« Femme »";
}

// A typical display value for each one-value function, by caption; a plain 100 otherwise.
std::string_view OneValueInput(std::string_view caption) {
  if (caption == "PO2") return "40";
  if (caption == "H2O") return "70";
  if (caption == "PID") return "170";
  return "100";
}

}  // namespace

std::vector<WorkedExample> FormulaWorkedExamples(const FormulaRow& row) {
  std::vector<WorkedExample> examples;
  for (const FormulaExample& input : FormulaExamples()) {
    if (input.letter != row.letter) continue;
    WorkedExample example;
    std::vector<std::string_view> choices;
    if (input.unitSystem) {
      choices.push_back(UnitChoice(*input.unitSystem));
      example.choiceLabels.push_back(UnitLabel(*input.unitSystem));
    }
    if (input.sex) {
      choices.push_back(SexChoice(*input.sex));
      example.choiceLabels.push_back(SexLabel(*input.sex));
    }
    if (!input.m.empty()) {
      example.steps.push_back(TypeNumber(input.m));
      example.steps.push_back(Press("MS", "MS"));
    }
    example.steps.push_back(TypeNumber(input.x));
    example.steps.push_back(Press(std::string(1, row.letter), row.button));
    example.steps.push_back(TypeNumber(input.y));
    example.steps.push_back(Press("=", "Egal"));
    example.outcome = RunKeys(choices, example.steps);
    examples.push_back(std::move(example));
  }
  return examples;
}

WorkedExample ConversionWorkedExample(const ConversionRow& row, int unitSystem,
                                      std::string_view value) {
  WorkedExample example;
  example.choiceLabels.push_back(UnitLabel(unitSystem));
  example.steps = {TypeNumber(value), Press(row.caption, row.button)};
  example.outcome = RunKeys({UnitChoice(unitSystem)}, example.steps);
  return example;
}

std::vector<WorkedExample> OneValueWorkedExamples(const OneValueRow& row) {
  std::vector<WorkedExample> examples;
  for (const int sex : {0, 1}) {
    WorkedExample example;
    example.choiceLabels.push_back(SexLabel(sex));
    example.steps = {TypeNumber(OneValueInput(row.caption)), Press(row.caption, row.button)};
    example.outcome = RunKeys({SexChoice(sex)}, example.steps);
    examples.push_back(std::move(example));
  }
  const KeyOutcome& male = examples[0].outcome;
  const KeyOutcome& female = examples[1].outcome;
  if (male.display == female.display && male.errorBox == female.errorBox) {
    examples.resize(1);
    examples[0].choiceLabels.clear();
  }
  return examples;
}

}  // namespace solvanex::helpcontent
