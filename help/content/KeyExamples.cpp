#include "KeyExamples.h"

#include "calculator/CalculatorView.h"
#include "calculator/KeySession.h"
#include "clinical/Keypad.h"

#include <stdexcept>

namespace solvanex::helpcontent {

KeyStep TypeNumber(std::string_view number) {
  KeyStep step{std::string(number), {}};
  const bool negative = number.starts_with('-');
  for (const char c : negative ? number.substr(1) : number) {
    if (c >= '0' && c <= '9') {
      step.controls.push_back("SpeedButton" + std::string(1, c));
    } else if (c == ',') {
      step.controls.emplace_back("Virgule");
    } else {
      throw std::invalid_argument("not a number to type: " + std::string(number));
    }
  }
  if (step.controls.empty()) throw std::invalid_argument("empty number to type");
  if (negative) step.controls.emplace_back("bSigne");
  return step;
}

KeyStep Press(std::string_view label, std::string_view control) {
  return {std::string(label), {std::string(control)}};
}

KeyOutcome RunKeys(const std::vector<std::string_view>& choices,
                   const std::vector<KeyStep>& steps) {
  KeySession session(',', Keypad(), ClinicalFormulas());
  const auto perform = [&session](std::string_view key) {
    if (!session.Perform(key)) throw std::invalid_argument("unknown key: " + std::string(key));
    return session.LastError();
  };
  KeyOutcome outcome;
  for (const std::string_view choice : choices) perform(choice);
  for (const KeyStep& step : steps) {
    for (const std::string& control : step.controls) {
      if (const auto& error = perform(control)) {
        outcome.errorBox = *error;
        break;
      }
    }
    if (!outcome.errorBox.empty()) break;
  }
  outcome.display = session.View().display;
  outcome.red = session.View().color == kColorRed;
  return outcome;
}

}  // namespace solvanex::helpcontent
