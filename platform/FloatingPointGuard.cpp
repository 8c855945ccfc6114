#include "platform/FloatingPointGuard.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))
#define SOLVANEX_X86_CONTROL_WORDS 1
#endif
// The SSE control register exists for code built to use SSE (always on x86-64; on 32-bit x86
// only when the compiler is told the processor has it).
#if defined(SOLVANEX_X86_CONTROL_WORDS) && defined(__SSE__)
#define SOLVANEX_SSE_CONTROL 1
#include <xmmintrin.h>
#endif

namespace solvanex::platform {

// fegetenv and fesetenv already cover the x87 and SSE state with glibc and the Microsoft run-time
// library; the control words are saved and restored explicitly as well so that a run-time library
// whose fenv leaves one of them out still gets them back.
FloatingPointGuard::FloatingPointGuard() {
  std::fegetenv(&environment_);
#ifdef SOLVANEX_X86_CONTROL_WORDS
  __asm__ volatile("fnstcw %0" : "=m"(x87ControlWord_));
#endif
#ifdef SOLVANEX_SSE_CONTROL
  sseControl_ = _mm_getcsr();
#endif
}

FloatingPointGuard::~FloatingPointGuard() {
  std::fesetenv(&environment_);
#ifdef SOLVANEX_X86_CONTROL_WORDS
  __asm__ volatile("fldcw %0" : : "m"(x87ControlWord_));
#endif
#ifdef SOLVANEX_SSE_CONTROL
  _mm_setcsr(sseControl_);
#endif
}

}  // namespace solvanex::platform
