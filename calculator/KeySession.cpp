#include "calculator/KeySession.h"

#include "calculator/Errors.h"

namespace solvanex {

namespace {
constexpr std::string_view kPastePrefix = "paste=";

// The item index of "RadioGroupN=I", or -1 when key is not that group's selection.
int RadioSelection(std::string_view key, std::string_view group) {
  if (key.size() != group.size() + 2 || key.substr(0, group.size()) != group ||
      key[group.size()] != '=') {
    return -1;
  }
  const char item = key.back();
  return item == '0' || item == '1' ? item - '0' : -1;
}
}  // namespace

KeySession::KeySession(char decimalSeparator, std::span<const KeyBinding> keys,
                       FormulaEvaluator formulas)
    : calculator_(view_, decimalSeparator, std::move(formulas)), keys_(keys) {
  calculator_.CEClick();
}

bool KeySession::Perform(std::string_view key) {
  lastError_.reset();
  if (key.starts_with(kPastePrefix)) {
    view_.display = std::string(key.substr(kPastePrefix.size()));
    return true;
  }
  if (const int item = RadioSelection(key, "RadioGroup1"); item >= 0) {
    view_.choices.unitSystem = item;
    return true;
  }
  if (const int item = RadioSelection(key, "RadioGroup2"); item >= 0) {
    view_.choices.sex = item;
    return true;
  }
  const KeyBinding* binding = FindKey(keys_, key);
  if (binding == nullptr) return false;
  try {
    binding->click(calculator_, binding->caption);
  } catch (const CalculatorError& error) {
    lastError_ = ErrorBoxText(error.what());
  }
  return true;
}

}  // namespace solvanex
