// The power routine of the body-surface formula: e raised to Exponent × ln(Base), the way the
// formula has always been computed, so that results match the published examples to the last
// displayed digit.
#pragma once

namespace solvanex {

// e^(exponent × ln base), at extended precision, rounded to the stored double. A zero base raises
// ZeroDivideError and a negative base InvalidOperationError (both from the logarithm); a result
// beyond the range of a double raises OverflowError.
double RaiseToPower(long double base, long double exponent);

}  // namespace solvanex
