#include "clinical/Power.h"

#include <cmath>

#include "calculator/FloatingPoint.h"

namespace solvanex {

double RaiseToPower(long double base, long double exponent) {
  return StoreDouble(std::exp(exponent * CheckedLog(base)));
}

}  // namespace solvanex
