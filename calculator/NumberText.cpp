#include "calculator/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <system_error>

#include "calculator/Errors.h"

namespace solvanex {

namespace {

constexpr int kShownDigits = 15;
constexpr int kConvertedDigits = 18;

// The magnitude of a finite non-zero double as 18 correctly rounded significant digits and the
// exponent E for which the magnitude is 0.d1d2...d18 x 10^E.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

DecimalDigits ToDecimalDigits(double magnitude) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, kConvertedDigits - 1);
  // The text is "d.ddddddddddddddddde±xx".
  const std::string_view text(buffer.data(), result.ptr - buffer.data());
  DecimalDigits decimal;
  decimal.digits.reserve(kConvertedDigits);
  decimal.digits += text[0];
  decimal.digits.append(text.substr(2, kConvertedDigits - 1));
  const auto exponentText = text.substr(text.find('e') + 1);
  int exponent = 0;
  std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                  exponentText.data() + exponentText.size(), exponent);
  decimal.exponent = exponent + 1;
  return decimal;
}

// Rounds to 15 digits (a 16th digit of 5 or more rounds up) and drops trailing zeros.
void RoundToShownDigits(DecimalDigits& decimal) {
  const bool roundUp = decimal.digits[kShownDigits] >= '5';
  decimal.digits.resize(kShownDigits);
  if (roundUp) {
    int i = kShownDigits - 1;
    while (i >= 0 && decimal.digits[i] == '9') decimal.digits[i--] = '0';
    if (i >= 0) {
      ++decimal.digits[i];
    } else {
      decimal.digits.insert(decimal.digits.begin(), '1');
      decimal.digits.pop_back();
      ++decimal.exponent;
    }
  }
  const auto last = decimal.digits.find_last_not_of('0');
  decimal.digits.resize(last + 1);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Largest magnitude of a decimal exponent worth keeping exactly; anything larger is far beyond
// both the extended range and the smallest subnormal.
constexpr std::int64_t kExponentCap = 1'000'000'000'000LL;

}  // namespace

std::string FormatResult(double value, char decimalSeparator) {
  if (value == 0.0 || !std::isfinite(value)) {
    // Only zero reaches here in practice: stored values are finite.
    return std::string{'0', decimalSeparator};
  }
  std::string text;
  {
    DecimalDigits decimal = ToDecimalDigits(std::fabs(value));
    RoundToShownDigits(decimal);
    const std::string& d = decimal.digits;
    const int n = static_cast<int>(d.size());
    const int e = decimal.exponent;
    if (value < 0) text += '-';
    if (e >= -3 && e <= 15) {
      if (e <= 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-e), '0');
        text += d;
      } else {
        text.append(d, 0, std::min(n, e));
        if (n < e) text.append(static_cast<std::size_t>(e - n), '0');
        if (n > e) {
          text += decimalSeparator;
          text.append(d, e);
        }
      }
    } else {
      text += d[0];
      if (n > 1) {
        text += decimalSeparator;
        text.append(d, 1);
      }
      text += 'E';
      text += std::to_string(e - 1);
    }
  }
  if (text.find(decimalSeparator) == std::string::npos) text += decimalSeparator;
  return text;
}

double ParseNumber(std::string_view text, char decimalSeparator) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t integerBegin = i;
  while (i < n && IsDigit(text[i])) ++i;
  const std::string_view integerDigits = text.substr(integerBegin, i - integerBegin);
  bool hadSeparator = false;
  std::string_view fractionDigits;
  if (i < n && text[i] == decimalSeparator) {
    hadSeparator = true;
    const std::size_t fractionBegin = ++i;
    while (i < n && IsDigit(text[i])) ++i;
    fractionDigits = text.substr(fractionBegin, i - fractionBegin);
  }
  if (integerDigits.empty() && !hadSeparator) throw ConversionError(text);

  std::int64_t exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    while (i < n && IsDigit(text[i])) {
      // Saturate: an exponent of any length is read without overflowing or hanging.
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (negativeExponent) exponent = -exponent;
    // FormatResult writes a whole number in scientific notation with the separator appended.
    if (!hadSeparator && i < n && text[i] == decimalSeparator) ++i;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) throw ConversionError(text);

  // Significant digits and the exponent D for which the value is 0.sss... x 10^D.
  const auto firstIntegerDigit = integerDigits.find_first_not_of('0');
  std::string_view significant;
  std::int64_t pointPosition = 0;
  if (firstIntegerDigit != std::string_view::npos) {
    significant = integerDigits.substr(firstIntegerDigit);
    pointPosition = static_cast<std::int64_t>(significant.size());
  } else {
    const auto firstFractionDigit = fractionDigits.find_first_not_of('0');
    if (firstFractionDigit == std::string_view::npos) return negative ? -0.0 : 0.0;
    significant = fractionDigits.substr(firstFractionDigit);
    pointPosition = -static_cast<std::int64_t>(firstFractionDigit);
  }
  const std::int64_t decimalExponent = pointPosition + exponent;

  // Mantissa digits without the separator, then the exponent of the last digit.
  std::string mantissa;
  if (firstIntegerDigit != std::string_view::npos) {
    mantissa.reserve(significant.size() + fractionDigits.size() + 24);
    mantissa.append(significant);
    mantissa.append(fractionDigits);
  } else {
    mantissa.reserve(significant.size() + 24);
    mantissa.append(significant);
  }
  const auto lastNonZero = mantissa.find_last_not_of('0');
  mantissa.resize(lastNonZero + 1);

  // Beyond the extended range (LDBL_MAX is about 0.119 x 10^4933) the text is not a number.
  if (decimalExponent > 4933) throw ConversionError(text);
  if (decimalExponent == 4933) {
    std::string probe = mantissa.substr(0, 40);
    const auto probeDigits = static_cast<std::int64_t>(probe.size());
    probe += 'e';
    probe += std::to_string(decimalExponent - probeDigits);
    if (std::isinf(std::strtold(probe.c_str(), nullptr))) throw ConversionError(text);
  }
  if (decimalExponent > 310) throw OverflowError();
  if (decimalExponent < -400) return negative ? -0.0 : 0.0;

  mantissa += 'e';
  mantissa += std::to_string(decimalExponent - static_cast<std::int64_t>(lastNonZero + 1));
  double value = 0.0;
  const auto result = std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (decimalExponent > 0) throw OverflowError();
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace solvanex
