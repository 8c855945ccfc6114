// Conversions between numbers and display texts. The decimal separator is always passed in:
// nothing here reads the C locale or any global setting.
#pragma once

#include <string>
#include <string_view>

namespace solvanex {

// The display text of a number: the general format with 15 significant digits (18 significant
// digits rounded half-up to 15, trailing zeros dropped; fixed notation for decimal exponents from
// -3 to 15, scientific otherwise), with the separator appended when the text has none.
// Examples with ',': 8 -> "8,", 1/3 -> "0,333333333333333", 1e15 -> "1E15,", 2.5e-7 -> "2,5E-7".
std::string FormatResult(double value, char decimalSeparator);

// The number in a display text, correctly rounded to the nearest double. Accepts leading and
// trailing blanks, an optional sign, digits with at most one separator (at least one digit or
// the separator), and an optional exponent ('E' or 'e', optional sign, digits; no digits reads
// as 0). One separator is also accepted directly after the exponent when the mantissa had none,
// so every text that FormatResult writes ("1E15,") reads back.
// Raises ConversionError when the text is not a number or lies beyond the extended range
// (about 1.19E4932), OverflowError when it lies beyond the range of a double. Underflow gives a
// subnormal or zero.
double ParseNumber(std::string_view text, char decimalSeparator);

}  // namespace solvanex
