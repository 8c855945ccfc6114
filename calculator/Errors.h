// The errors a key can raise. Each carries the exact French message that the error box shows;
// ErrorBoxText turns a message into the box's text. Calculation errors that a key tests for
// itself are not exceptions: they go into the display through Calculator::ShowError.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace solvanex {

// Base of every error a key handler may raise; what() is the message, UTF-8.
class CalculatorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A display or memory text that is not a number.
class ConversionError : public CalculatorError {
 public:
  explicit ConversionError(std::string_view text);
  // The text that failed to convert, whole.
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Base of the three floating-point faults.
class FloatingPointError : public CalculatorError {
 public:
  using CalculatorError::CalculatorError;
};

// A result beyond the range of a double.
class OverflowError : public FloatingPointError {
 public:
  OverflowError();
};

// A non-zero number divided by zero (in the clinical formulas only).
class ZeroDivideError : public FloatingPointError {
 public:
  ZeroDivideError();
};

// An operation without a defined result, such as 0/0 or the logarithm of a negative number.
class InvalidOperationError : public FloatingPointError {
 public:
  InvalidOperationError();
};

// The text of the error box for a message: a full stop is appended when the message's last
// character sorts after '.' (letters and digits do; accented letters too).
std::string ErrorBoxText(std::string_view message);

}  // namespace solvanex
