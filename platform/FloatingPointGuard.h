// Keeps foreign code from changing the calculator's arithmetic. The calculator computes with a
// 64-bit significand and round-to-nearest; a loaded module (the help viewer and whatever it pulls
// in) may change the rounding mode, the x87 precision or the exception masks while it loads or
// runs. A guard saves the whole floating-point environment when it is made - fenv, and on x86
// the x87 control word and the SSE control register too - and puts it back when it goes.
// LoadLibraryA and FreeLibrary use one; so must every call into a loaded module.
#pragma once

#include <cfenv>
#include <cstdint>

namespace solvanex::platform {

class FloatingPointGuard {
 public:
  FloatingPointGuard();
  ~FloatingPointGuard();
  FloatingPointGuard(const FloatingPointGuard&) = delete;
  FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

 private:
  std::fenv_t environment_{};
  std::uint16_t x87ControlWord_ = 0;
  std::uint32_t sseControl_ = 0;
};

}  // namespace solvanex::platform
