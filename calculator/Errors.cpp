#include "calculator/Errors.h"

#include "calculator/Messages.h"

namespace solvanex {

namespace {
std::string ConversionMessage(std::string_view text) {
  std::string message;
  message.reserve(text.size() + messages::kNotAFloat.size() + 1);
  message += '\'';
  message += text;
  message += messages::kNotAFloat;
  return message;
}
}  // namespace

ConversionError::ConversionError(std::string_view text)
    : CalculatorError(ConversionMessage(text)), text_(text) {}

OverflowError::OverflowError() : FloatingPointError(std::string(messages::kOverflow)) {}

ZeroDivideError::ZeroDivideError() : FloatingPointError(std::string(messages::kZeroDivide)) {}

InvalidOperationError::InvalidOperationError()
    : FloatingPointError(std::string(messages::kInvalidOperation)) {}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  // Bytes compare as unsigned: the bytes of an accented UTF-8 letter all sort after '.'.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

}  // namespace solvanex
