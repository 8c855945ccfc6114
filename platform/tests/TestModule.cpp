// A module for the loader's tests. Like a careless foreign library, it changes the
// floating-point rounding mode when it is loaded, when it is unloaded and when its function is
// called; and, as an ELF module, it carries the file version 1.2.3.4 in its ".fileversion"
// section.
#include <cfenv>

#ifdef _WIN32
#define TEST_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TEST_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

#ifndef _WIN32
// FileVersionMS = 1 << 16 | 2, FileVersionLS = 3 << 16 | 4, little-endian.
__attribute__((section(".fileversion"), used))
const unsigned char kFileVersion[8] = {2, 0, 1, 0, 4, 0, 3, 0};
#endif

__attribute__((constructor)) void OnLoad() {
  std::fesetround(FE_UPWARD);
}
__attribute__((destructor)) void OnUnload() {
  std::fesetround(FE_TOWARDZERO);
}

}  // namespace

TEST_MODULE_EXPORT int TestModuleAnswer() {
  std::fesetround(FE_DOWNWARD);
  return 42;
}
