// Operators, '=', the one-key arithmetic functions and the one-key functions of the display.
#include <cmath>

#include "calculator/Calculator.h"
#include "calculator/FloatingPoint.h"
#include "calculator/Messages.h"
#include "calculator/NumberText.h"

namespace solvanex {

double Calculator::DisplayedNumber() const {
  return ParseNumber(view_.DisplayText(), decimalSeparator_);
}

std::string Calculator::Format(double value) const {
  return FormatResult(value, decimalSeparator_);
}

void Calculator::ShowError(std::string_view message) {
  view_.SetDisplayColor(kColorRed);
  view_.SetDisplayText(std::string(message));
}

void Calculator::OperationClick(char op) {
  if (state_.OperationPending) EgalClick();
  state_.Accumulator = DisplayedNumber();
  state_.PendingOperator = op;
  state_.OperationPending = true;
  state_.NewEntryPending = true;
}

bool Calculator::ApplyPendingOperator(double y) {
  const long double a = state_.Accumulator;
  switch (state_.PendingOperator) {
    case '+':
      state_.Accumulator = StoreDouble(a + y);
      return true;
    case '-':
      state_.Accumulator = StoreDouble(a - y);
      return true;
    case '*':
      state_.Accumulator = StoreDouble(a * y);
      return true;
    case '/':
      if (y == 0.0) {
        ShowError(messages::kDivisionByZero);
        return false;
      }
      state_.Accumulator = StoreDouble(a / y);
      return true;
    default:
      break;
  }
  if (IsFormulaLetter(state_.PendingOperator) && formulas_) {
    const FormulaOutcome outcome =
        formulas_(state_.PendingOperator, state_.Accumulator, y, state_.MemoryText,
                  view_.SelectedChoices(), decimalSeparator_);
    if (!outcome.value) {
      ShowError(outcome.message);
      return false;
    }
    state_.Accumulator = *outcome.value;
  }
  // Any other operator (the space of C, the NUL of start-up) leaves the accumulator alone.
  return true;
}

void Calculator::EgalClick() {
  state_.NewEntryPending = true;
  state_.OperationPending = false;
  const double y = DisplayedNumber();
  if (!ApplyPendingOperator(y)) return;
  const std::string result = Format(state_.Accumulator);
  CClick();
  view_.SetDisplayText(result);
}

void Calculator::RacineClick() {
  const double x = DisplayedNumber();
  if (x >= 0.0) {
    view_.SetDisplayText(Format(StoreDouble(std::sqrt(static_cast<long double>(x)))));
  } else {
    ShowError(messages::kBadFunctionInput);
  }
  state_.NewEntryPending = true;
}

void Calculator::PourCentClick() {
  const double a = DisplayedNumber();
  const long double product = static_cast<long double>(state_.Accumulator) * a;
  view_.SetDisplayText(Format(StoreDouble(product / 100.0L)));
  state_.NewEntryPending = true;
}

void Calculator::InverseClick() {
  const double x = DisplayedNumber();
  if (x != 0.0) {
    view_.SetDisplayText(Format(StoreDouble(1.0L / x)));
  } else {
    ShowError(messages::kDivisionByZero);
  }
  state_.NewEntryPending = true;
}

void Calculator::ApplyDisplayFunction(const DisplayFunction& function) {
  const double x = DisplayedNumber();
  if (const std::optional<long double> y = function(x, view_.SelectedChoices())) {
    view_.SetDisplayText(Format(StoreDouble(*y)));
  }
  state_.NewEntryPending = true;
}

}  // namespace solvanex
