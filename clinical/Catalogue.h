// The clinical catalogue as data: one row per formula letter, per conversion button and per
// one-value button. The keypad, the help pages and the tests are all built from these rows.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "calculator/Calculator.h"
#include "calculator/CalculatorView.h"

namespace solvanex {

struct FormulaArguments;

// A two-operand formula, keyed like an operator and evaluated at '='.
struct FormulaRow {
  char letter;                  // caption and pending operator, e.g. 'P'
  std::string_view button;      // control name, e.g. "IMC"
  std::string_view hint;        // exact French hint
  std::string_view title;       // French name of the result, e.g. "Index de masse corporelle"
  std::string_view x;           // what the first operand holds, with its unit (French)
  std::string_view y;           // what the second operand holds, with its unit (French)
  std::string_view m;           // what the memory holds (French), empty when unused
  std::string_view choices;     // the choices it reads (French), empty when none
  std::string_view result;      // the result and its unit (French)
  std::string_view expression;  // the exact expression computed, with its constants
  std::string_view messages;    // the messages it can show, one per line
  std::string_view reference;   // the published reference
  std::string_view note;        // where the constants depart from the usual form; may be empty
  std::string_view caution;     // what to beware of before using the result; may be empty
  std::string_view conditions;  // when each message shows, one line per line of messages
  // The error boxes its inputs can raise, with their causes; an overflowing result, which any
  // formula may raise with pasted values, is left out.
  std::string_view faults;
  // The evaluation at '=': a result or one of the messages above. May raise ConversionError
  // (memory text) and the floating-point errors.
  FormulaOutcome (*evaluate)(const FormulaArguments& arguments);
};

// A laboratory conversion between conventional and SI units.
struct ConversionRow {
  std::string_view button;            // control name, e.g. "Glycemie"
  std::string_view caption;           // e.g. "GLY"
  std::string_view hint;              // exact French hint
  std::string_view handler;           // click handler name, e.g. "GlycemieClick"
  long double factor;                 // SI units in one conventional unit
  std::string_view conventionalUnit;  // e.g. "g/L"
  std::string_view siUnit;            // e.g. "mmol/L"
  std::string_view analyte;           // French name, e.g. "Glucose"
};

// A one-value clinical function of the displayed number.
struct OneValueRow {
  std::string_view button;      // control name, e.g. "PO2"
  std::string_view caption;     // e.g. "PO2"
  std::string_view hint;        // exact French hint
  std::string_view handler;     // click handler name, e.g. "PO2Click"
  std::string_view input;       // what the display holds, with its unit (French)
  std::string_view result;      // the result and its unit (French)
  std::string_view expression;  // the exact expression, per sex where it depends on it
  std::string_view reference;   // the published reference
  std::string_view note;        // where the constants depart from the usual form; may be empty
  std::string_view caution;     // what to beware of before using the result; may be empty
  // The extended result for x and the choices, or nothing when no item is selected.
  std::optional<long double> (*compute)(long double x, Choices choices);
};

std::span<const FormulaRow> FormulaTable();
std::span<const ConversionRow> ConversionTable();
std::span<const OneValueRow> OneValueTable();

// The value x converted by row under the unit-system choice: x × factor from the conventional
// unit (item 0), x ÷ factor from the SI unit (item 1), nothing when no item is selected.
std::optional<long double> Convert(const ConversionRow& row, long double x, Choices choices);

}  // namespace solvanex
