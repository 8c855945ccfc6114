// Extended-precision arithmetic with explicit fault detection. Intermediates are long double
// (a 64-bit significand on x86-64); a result is rounded to a double when it is stored. Faults are
// found by testing operands before an operation and by classifying the rounded result, never by
// reading the floating-point status flags or relying on traps, so the outcome is the same at
// every optimisation level and under the sanitizers.
#pragma once

namespace solvanex {

// Rounds an extended result to the double that is stored. NaN raises InvalidOperationError;
// an infinite value, or one that rounds beyond the range of a double, raises OverflowError.
// Underflow raises nothing: tiny values become subnormal or zero.
double StoreDouble(long double value);

// numerator / denominator with the division faults raised explicitly: a zero denominator raises
// ZeroDivideError, or InvalidOperationError when the numerator is zero (or NaN) too.
long double CheckedDivide(long double numerator, long double denominator);

// Natural logarithm with the faults of the x87 instruction: zero raises ZeroDivideError and a
// negative argument InvalidOperationError.
long double CheckedLog(long double value);

}  // namespace solvanex
