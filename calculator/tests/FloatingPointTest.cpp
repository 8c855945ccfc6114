// Fault detection of the extended arithmetic, and the error box's full-stop rule.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "calculator/Errors.h"
#include "calculator/FloatingPoint.h"

namespace solvanex {
namespace {

enum class Fault { kNone, kOverflow, kZeroDivide, kInvalid };

Fault Classify(auto&& operation) {
  try {
    operation();
    return Fault::kNone;
  } catch (const OverflowError&) {
    return Fault::kOverflow;
  } catch (const ZeroDivideError&) {
    return Fault::kZeroDivide;
  } catch (const InvalidOperationError&) {
    return Fault::kInvalid;
  }
}

TEST(FloatingPointTest, StoreDoubleClassifiesAfterRounding) {
  const long double huge = static_cast<long double>(DBL_MAX) * 2;
  EXPECT_EQ(Classify([&] { StoreDouble(huge); }), Fault::kOverflow);
  EXPECT_EQ(Classify([] { StoreDouble(std::numeric_limits<long double>::infinity()); }),
            Fault::kOverflow);
  EXPECT_EQ(Classify([] { StoreDouble(std::numeric_limits<long double>::quiet_NaN()); }),
            Fault::kInvalid);
  // Just above DBL_MAX but below the rounding midpoint: rounds to DBL_MAX, no overflow.
  const long double nearMax = static_cast<long double>(DBL_MAX) * (1.0L + 0x1p-60L);
  EXPECT_EQ(StoreDouble(nearMax), DBL_MAX);
  // Underflow raises nothing.
  EXPECT_EQ(StoreDouble(1e-4000L), 0.0);
  EXPECT_EQ(StoreDouble(4e-320L), 4e-320);
}

TEST(FloatingPointTest, DivisionFaults) {
  EXPECT_EQ(Classify([] { CheckedDivide(1.0L, 0.0L); }), Fault::kZeroDivide);
  EXPECT_EQ(Classify([] { CheckedDivide(-1.0L, -0.0L); }), Fault::kZeroDivide);
  EXPECT_EQ(Classify([] { CheckedDivide(0.0L, 0.0L); }), Fault::kInvalid);
  EXPECT_EQ(CheckedDivide(1.0L, 4.0L), 0.25L);
}

TEST(FloatingPointTest, LogarithmFaults) {
  EXPECT_EQ(Classify([] { CheckedLog(0.0L); }), Fault::kZeroDivide);
  EXPECT_EQ(Classify([] { CheckedLog(-0.0L); }), Fault::kZeroDivide);
  EXPECT_EQ(Classify([] { CheckedLog(-1.0L); }), Fault::kInvalid);
  EXPECT_EQ(CheckedLog(1.0L), 0.0L);
}

TEST(ErrorBoxTextTest, FullStopWhenLastCharacterSortsAfterPoint) {
  const struct {
    const char* message;
    const char* box;
  } cases[] = {
      {"Débordement en virgule flottante", "Débordement en virgule flottante."},
      {"abc 9", "abc 9."},
      {"fin.", "fin."},
      {"fin !", "fin !"},
      {"fin -", "fin -"},
      {"fin é", "fin é."},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.box) << c.message;
}

}  // namespace
}  // namespace solvanex
