// The working state of the calculator, held by the main window. The fields keep this order.
#pragma once

#include <string>

namespace solvanex {

struct CalculatorState {
  std::string SignText;           // sign of the number being entered: "" or "-"
  std::string IntegerText;        // integer digits of the entry; "0" until a digit is typed
  std::string FractionText;       // fraction digits of the entry, leading zeros kept
  bool DecimalEntered = false;    // further digits go to FractionText
  double Accumulator = 0.0;       // first operand of the pending operation; percentage base
  char PendingOperator = '\0';    // '+', '-', '*', '/', a formula letter; ' ' or NUL for none
  bool NewEntryPending = false;   // the displayed number is complete: a digit first clears
  bool OperationPending = false;  // an operator key waits for its '='
  std::string MemoryText;         // the memory register as display text; "" = nothing stored
};

}  // namespace solvanex
