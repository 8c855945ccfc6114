// The About box's memory lines from the figures the platform reads (GlobalMemoryStatusEx on
// Windows, /proc/meminfo on Linux), built without the toolkit. The expected kilobytes are
// rounded in long double and grouped by the C++ library's own number punctuation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>
#include <string>

#include "form/MemoryText.h"
#include "platform/MemoryStatus.h"

namespace solvanex {
namespace form {
namespace {

// Groups of three digits, "_" between them.
struct ThousandsPunctuation : std::numpunct<char> {
  char do_thousands_sep() const override { return '_'; }
  std::string do_grouping() const override { return "\3"; }
};

std::string Kilobytes(std::uint64_t bytes, const std::string& separator) {
  std::ostringstream text;
  text.imbue(std::locale(std::locale::classic(), new ThousandsPunctuation));
  text << std::llround(static_cast<long double>(bytes) / 1024.0L);
  std::string grouped = text.str();
  std::string result;
  for (const char c : grouped) result += c == '_' ? separator : std::string(1, c);
  return result;
}

struct Separator {
  const char* name;
  const char* text;
};

class MemoryTextTest : public ::testing::TestWithParam<Separator> {};

TEST_P(MemoryTextTest, ShowsThePlatformsFigures) {
  const platform::MemoryStatus status = platform::GlobalMemoryStatus();
  ASSERT_GT(status.totalPhysical, 0u);
  ASSERT_LE(status.memoryLoad, 100u);
  const std::string separator = GetParam().text;
  EXPECT_EQ(PhysicalMemoryText(status.totalPhysical, separator),
            "Mémoire physique totale : " + Kilobytes(status.totalPhysical, separator) + " Ko");
  EXPECT_EQ(FreeResourcesText(status.memoryLoad),
            "Ressources système      : " + std::to_string(100 - status.memoryLoad) + "% libre.");
}

// Fixed figures that reach the half-kilobyte rounding and the largest value, where adding half a
// kilobyte before dividing would overflow.
struct FixedRow {
  const char* name;
  std::uint64_t bytes;
  const char* text;
};

class MemoryTextFixedTest : public ::testing::TestWithParam<FixedRow> {};

TEST_P(MemoryTextFixedTest, RoundsHalvesUp) {
  const FixedRow& row = GetParam();
  EXPECT_EQ(PhysicalMemoryText(row.bytes, " "),
            std::string("Mémoire physique totale : ") + row.text + " Ko");
}

INSTANTIATE_TEST_SUITE_P(
    Figures, MemoryTextFixedTest,
    ::testing::Values(FixedRow{"Zero", 0, "0"}, FixedRow{"JustUnderHalf", 511, "0"},
                      FixedRow{"Half", 512, "1"}, FixedRow{"JustUnderOne", 1023, "1"},
                      FixedRow{"OneAndHalf", 1536, "2"},
                      FixedRow{"Gibibyte", 1ULL << 30, "1 048 576"},
                      // 2^64 - 1 bytes: 2^54 kilobytes less 1/1024, rounded up.
                      FixedRow{"Largest", ~std::uint64_t{0}, "18 014 398 509 481 984"}),
    [](const auto& info) { return std::string(info.param.name); });

// A blank, the narrow no-break space of French (UTF-8), a comma, and none.
INSTANTIATE_TEST_SUITE_P(Separators, MemoryTextTest,
                         ::testing::Values(Separator{"Blank", " "},
                                           Separator{"NarrowNoBreakSpace", "\xE2\x80\xAF"},
                                           Separator{"Comma", ","}, Separator{"None", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace form
}  // namespace solvanex
