#include <gtest/gtest.h>
#ifdef __SSE__
#include <xmmintrin.h>
#endif

#include <cfenv>
#include <cstdint>
#include <functional>

#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "calculator/tests/ParamName.h"
#include "platform/DynamicLibrary.h"
#include "platform/FloatingPointGuard.h"
#include "platform/Paths.h"

namespace solvanex::platform {
namespace {

// The test module's path as this system writes absolute paths.
const std::string kTestModule = testing::NativePath(SOLVANEX_TEST_MODULE);

std::uint16_t X87ControlWord() {
  std::uint16_t word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

void SetX87ControlWord(std::uint16_t word) {
  __asm__ volatile("fldcw %0" : : "m"(word));
}

// Everything a guard must give back, read the way the hardware holds it.
struct FloatingPointState {
  int rounding = std::fegetround();
  int flags = std::fetestexcept(FE_ALL_EXCEPT);
  std::uint16_t x87 = X87ControlWord();
#ifdef __SSE__
  std::uint32_t sse = _mm_getcsr();
#endif
  bool operator==(const FloatingPointState&) const = default;
};

// The test module changes the rounding mode when it is loaded, called and unloaded; the
// caller's mode must survive all three.
TEST(DynamicLibrary, LoadsCallsAndFreesAModuleKeepingTheFloatingPointState) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const FloatingPointState before;
  const ModuleHandle module = LoadLibraryA(kTestModule);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(FloatingPointState(), before);

  using Answer = int (*)();
  const auto answer = reinterpret_cast<Answer>(GetProcAddress(module, "TestModuleAnswer"));
  ASSERT_NE(answer, nullptr);
  {
    FloatingPointGuard guard;
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(std::fegetround(), FE_DOWNWARD);
  }
  EXPECT_EQ(FloatingPointState(), before);
  EXPECT_EQ(GetProcAddress(module, "NoSuchExport"), nullptr);
  EXPECT_EQ(GetProcAddress(module, nullptr), nullptr);

  FreeLibrary(module);
  EXPECT_EQ(FloatingPointState(), before);
}

TEST(DynamicLibrary, NullModuleHasNoExportsAndIsIgnoredWhenFreed) {
  EXPECT_EQ(GetProcAddress(nullptr, "TestModuleAnswer"), nullptr);
  FreeLibrary(nullptr);
}

class RefusedLibraries : public ::testing::TestWithParam<const char*> {};

// Relative names would be looked for along the library path or in the current directory: even
// one that exists there is refused.
TEST_P(RefusedLibraries, AreNotLoaded) {
  testing::ScratchDirectory directory;
  testing::WriteFile(directory / "text.so", "not a library");
  testing::WriteFile(directory / "module.so", testing::ReadAll(kTestModule));
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(directory.path());
  const std::string name = GetParam();
  const std::string path = name.starts_with("@") ? directory / name.substr(1) : name;
  const ModuleHandle module = LoadLibraryA(path);
  std::filesystem::current_path(previous);
  EXPECT_EQ(module, nullptr) << path;
  FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Paths, RefusedLibraries,
                         ::testing::Values("", "module.so", "./module.so", "libm.so.6", "@text.so",
                                           "@absent.so", "@"),
                         [](const auto& info) { return naming::RowName(info.index, info.param); });

struct Disturbance {
  const char* name;
  std::function<void()> disturb;
};

class FloatingPointGuardTest : public ::testing::TestWithParam<Disturbance> {};

TEST_P(FloatingPointGuardTest, PutsBackWhatForeignCodeChanged) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const FloatingPointState before;
  {
    FloatingPointGuard guard;
    GetParam().disturb();
    ASSERT_NE(FloatingPointState(), before) << "the disturbance changed nothing";
  }
  EXPECT_EQ(FloatingPointState(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Disturbances, FloatingPointGuardTest,
    ::testing::Values(
        Disturbance{"RoundingMode", [] { std::fesetround(FE_UPWARD); }},
        Disturbance{"RaisedFlags", [] { std::feraiseexcept(FE_DIVBYZERO | FE_INEXACT); }},
        // Precision control 53 bits, as some libraries set it, and all x87 exceptions unmasked.
        Disturbance{"X87Precision",
                    [] { SetX87ControlWord((X87ControlWord() & ~0x0300) | 0x0200); }},
        Disturbance{"X87Masks", [] { SetX87ControlWord(X87ControlWord() & ~0x003F); }}
#ifdef __SSE__
        ,
        Disturbance{"SseFlushToZero", [] { _mm_setcsr(_mm_getcsr() | 0x8040); }}
#endif
        ),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvanex::platform
