// The keys that compose a number in the entry register: digits, separator, sign, backspace,
// CE and C.
#include "calculator/Calculator.h"
#include "calculator/Utf8.h"

namespace solvanex {

namespace {
// The display holds at most this many characters when a digit is typed.
constexpr std::size_t kDisplayLimit = 32;
}  // namespace

bool IsFormulaLetter(char c) {
  return c != '\0' && kFormulaLetters.find(c) != std::string_view::npos;
}

Calculator::Calculator(CalculatorView& view, char decimalSeparator, FormulaEvaluator formulas)
    : view_(view), decimalSeparator_(decimalSeparator), formulas_(std::move(formulas)) {}

std::string Calculator::EntryText() const {
  return state_.SignText + state_.IntegerText + decimalSeparator_ + state_.FractionText;
}

void Calculator::ChiffreClick(char digit) {
  if (state_.NewEntryPending) CEClick();
  if (CharacterCount(view_.DisplayText()) >= kDisplayLimit) return;
  if (state_.DecimalEntered) {
    state_.FractionText += digit;
  } else if (state_.IntegerText == "0") {
    state_.IntegerText = std::string(1, digit);
  } else {
    state_.IntegerText += digit;
  }
  view_.SetDisplayText(EntryText());
}

void Calculator::VirguleClick() {
  state_.DecimalEntered = true;
}

void Calculator::bSigneClick() {
  state_.SignText = state_.SignText.empty() ? "-" : "";
  view_.SetDisplayText(EntryText());
}

void Calculator::RetourClick() {
  if (state_.DecimalEntered) {
    if (state_.FractionText.empty()) {
      state_.DecimalEntered = false;
    } else {
      state_.FractionText.pop_back();
    }
  } else if (state_.IntegerText.size() < 2) {
    state_.IntegerText = "0";
  } else {
    state_.IntegerText.pop_back();
  }
  view_.SetDisplayText(EntryText());
}

void Calculator::CEClick() {
  state_.SignText.clear();
  state_.IntegerText = "0";
  state_.FractionText.clear();
  state_.DecimalEntered = false;
  state_.NewEntryPending = false;
  view_.SetDisplayText(std::string("0") + decimalSeparator_);
  view_.SetDisplayColor(kColorBlack);
}

void Calculator::CClick() {
  CEClick();
  state_.Accumulator = 0.0;
  state_.PendingOperator = ' ';
  view_.SetDisplayColor(kColorBlack);
}

}  // namespace solvanex
