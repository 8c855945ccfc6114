// What every fuzz target over outside input checks besides "no crash": a failed check aborts,
// which libFuzzer reports as a crash with the input that caused it; and the time spent on one
// input stays within a fixed allowance plus a fixed cost per byte, so that a parser that is not
// linear in its input fails the run. The time counted is the thread's own processor time, so that
// other programs sharing the machine do not make an input look slow.
#pragma once

#include <time.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace solvanex::fuzzing {

inline void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

#define SOLVANEX_FUZZ_CHECK(condition) ::solvanex::fuzzing::Check((condition), #condition)

// Processor time of the calling thread, in nanoseconds.
inline std::int64_t ThreadCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// Measures one input from construction to destruction and aborts when it took longer than
// fixedNanoseconds + nanosecondsPerByte * size. The allowances are generous for an unoptimised
// build under the sanitizers; a parser that rereads its input for every byte exceeds them on
// inputs of a few tens of kilobytes. The fixed part is large: on a loaded virtual machine a
// thread's processor time also takes in what the host gave to others meanwhile, and a 2 KiB text
// that takes 9 ms alone was once counted 102 ms.
class LinearTimeBudget {
 public:
  LinearTimeBudget(std::size_t size, std::int64_t nanosecondsPerByte,
                   std::int64_t fixedNanoseconds = 500'000'000)
      : limit_(fixedNanoseconds + nanosecondsPerByte * static_cast<std::int64_t>(size)),
        size_(size),
        start_(ThreadCpuNanoseconds()) {}
  ~LinearTimeBudget() {
    const std::int64_t elapsed = ThreadCpuNanoseconds() - start_;
    if (elapsed <= limit_) return;
    std::fprintf(stderr, "too slow: %lld ns for %zu bytes (allowed %lld ns)\n",
                 static_cast<long long>(elapsed), size_, static_cast<long long>(limit_));
    std::abort();
  }
  // Counts further bytes that the input made the code read, such as the unpacked objects of an
  // archive.
  void AddBytes(std::size_t bytes, std::int64_t nanosecondsPerByte) {
    limit_ += nanosecondsPerByte * static_cast<std::int64_t>(bytes);
    size_ += bytes;
  }
  LinearTimeBudget(const LinearTimeBudget&) = delete;
  LinearTimeBudget& operator=(const LinearTimeBudget&) = delete;

 private:
  std::int64_t limit_;
  std::size_t size_;
  std::int64_t start_;
};

}  // namespace solvanex::fuzzing
