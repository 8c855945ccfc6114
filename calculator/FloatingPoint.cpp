#include "calculator/FloatingPoint.h"

#include <cmath>

#include "calculator/Errors.h"

namespace solvanex {

double StoreDouble(long double value) {
  if (std::isnan(value)) throw InvalidOperationError();
  if (std::isinf(value)) throw OverflowError();
  const double stored = static_cast<double>(value);
  if (std::isinf(stored)) throw OverflowError();
  return stored;
}

long double CheckedDivide(long double numerator, long double denominator) {
  if (denominator == 0.0L) {
    if (numerator == 0.0L || std::isnan(numerator)) throw InvalidOperationError();
    throw ZeroDivideError();
  }
  return numerator / denominator;
}

long double CheckedLog(long double value) {
  if (std::isnan(value) || value < 0.0L) throw InvalidOperationError();
  if (value == 0.0L) throw ZeroDivideError();
  return std::log(value);
}

}  // namespace solvanex
