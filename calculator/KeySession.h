// A calculator in memory driven by key names: the engine of the key-script runner and of the
// key-sequence tests. It holds its own view (display text and colour, memory indicator, choice
// groups) and catches the error a key raises as the text of the error box.
#pragma once

#include <cstdint>
#include <optional>
#include <ranges>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "calculator/Calculator.h"
#include "calculator/CalculatorView.h"
#include "calculator/Keypad.h"

namespace solvanex {

// The window's visible state, kept in memory.
class MemoryView : public CalculatorView {
 public:
  std::string DisplayText() const override { return display; }
  void SetDisplayText(const std::string& text) override { display = text; }
  void SetDisplayColor(std::uint32_t c) override { color = c; }
  void SetMemoryIndicator(const std::string& caption) override { memoryIndicator = caption; }
  Choices SelectedChoices() const override { return choices; }

  std::string display;
  std::uint32_t color = kColorBlack;
  std::string memoryIndicator;
  Choices choices;
};

class KeySession {
 public:
  // A fresh calculator as after start-up: CE performed, "Ancien " and "Homme" selected.
  // keys must outlive the session: it is kept as a view, so a temporary list is refused.
  KeySession(char decimalSeparator, std::span<const KeyBinding> keys, FormulaEvaluator formulas);
  template <typename Keys>
  requires(!std::is_lvalue_reference_v<Keys> && !std::ranges::borrowed_range<Keys>)
      KeySession(char decimalSeparator, Keys&& keys, FormulaEvaluator formulas)
  = delete;
  // The calculator works on the view this object holds: a copy or a move would leave it
  // working on the original's view.
  KeySession(const KeySession&) = delete;
  KeySession& operator=(const KeySession&) = delete;

  // Performs one key: a control name of the keypad (a click of that button), "RadioGroup1=0",
  // "RadioGroup1=1", "RadioGroup2=0", "RadioGroup2=1" (selects that item), or "paste=TEXT"
  // (the display becomes exactly TEXT). Returns false, changing nothing, for an unknown key.
  bool Perform(std::string_view key);

  const MemoryView& View() const { return view_; }
  const Calculator& Core() const { return calculator_; }
  // The error box text of the last key performed, if it raised one.
  const std::optional<std::string>& LastError() const { return lastError_; }

 private:
  MemoryView view_;
  Calculator calculator_;
  std::span<const KeyBinding> keys_;
  std::optional<std::string> lastError_;
};

}  // namespace solvanex
