// The clinical buttons are built from the catalogue rows, never one by one, so the keypad, the
// help pages and the tests cannot drift apart. No click caches a choice or the memory: the
// formula keys only store the operator (the core reads the choices and the memory at '='), and
// the display functions get the choices from the core at the moment the key is pressed.
#include "clinical/ClinicalKeys.h"

#include "clinical/Catalogue.h"

namespace solvanex {

namespace {

// The caption of a formula button: its letter, as a view into the static letter list.
std::string_view LetterCaption(char letter) {
  const auto position = kFormulaLetters.find(letter);
  return position == std::string_view::npos ? std::string_view()
                                            : kFormulaLetters.substr(position, 1);
}

KeyBinding FormulaKey(const FormulaRow& row) {
  return {row.button, LetterCaption(row.letter), row.hint,
          [](Calculator& calculator, std::string_view caption) {
            if (!caption.empty()) calculator.OperationClick(caption.front());
          }};
}

KeyBinding ConversionKey(const ConversionRow& row) {
  const ConversionRow* conversion = &row;  // rows live in a static table
  return {
      row.button, row.caption, row.hint, [conversion](Calculator& calculator, std::string_view) {
        calculator.ApplyDisplayFunction(
            [conversion](double x, Choices choices) { return Convert(*conversion, x, choices); });
      }};
}

KeyBinding OneValueKey(const OneValueRow& row) {
  return {row.button, row.caption, row.hint,
          [compute = row.compute](Calculator& calculator, std::string_view) {
            calculator.ApplyDisplayFunction(
                [compute](double x, Choices choices) { return compute(x, choices); });
          }};
}

}  // namespace

const std::vector<KeyBinding>& ClinicalKeys() {
  static const std::vector<KeyBinding> keys = [] {
    std::vector<KeyBinding> all;
    for (const FormulaRow& row : FormulaTable()) all.push_back(FormulaKey(row));
    for (const ConversionRow& row : ConversionTable()) all.push_back(ConversionKey(row));
    for (const OneValueRow& row : OneValueTable()) all.push_back(OneValueKey(row));
    return all;
  }();
  return keys;
}

}  // namespace solvanex
