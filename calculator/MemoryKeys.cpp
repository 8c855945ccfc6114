// The memory register: MC, MR, MS and M+ with the memory indicator.
#include "calculator/Calculator.h"
#include "calculator/FloatingPoint.h"
#include "calculator/Messages.h"
#include "calculator/NumberText.h"

namespace solvanex {

void Calculator::MCClick() {
  state_.MemoryText = std::string("0") + decimalSeparator_;
  view_.SetMemoryIndicator("");
}

void Calculator::MRClick() {
  view_.SetDisplayText(state_.MemoryText);
}

void Calculator::MSClick() {
  state_.MemoryText = view_.DisplayText();
  view_.SetMemoryIndicator(std::string(messages::kMemoryIndicator));
  state_.NewEntryPending = true;
}

void Calculator::MPClick() {
  const long double memory = ParseNumber(state_.MemoryText, decimalSeparator_);
  const long double displayed = DisplayedNumber();
  state_.MemoryText = Format(StoreDouble(memory + displayed));
  view_.SetMemoryIndicator(std::string(messages::kMemoryIndicator));
}

}  // namespace solvanex
