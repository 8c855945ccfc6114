// A stand-in for the HTML Help viewer module: it records its calls, answers with a handle of its
// own, and, like careless foreign code, changes the rounding mode when called. Its
// ".fileversion" section gives the version of an HTML Help control that the tests expect to see
// named: 4.74.9273.0 ("1.33"), or 4.74.9300.0 ("> 1.33") for the variant without HtmlHelpW.
#include <cfenv>
#include <cstdint>
#include <string>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

#ifdef TEST_HELP_MODULE_NARROW_ONLY
__attribute__((section(".fileversion"), used))
const unsigned char kFileVersion[8] = {0x4A, 0x00, 0x04, 0x00, 0x00, 0x00, 0x54, 0x24};
#else
__attribute__((section(".fileversion"), used))
const unsigned char kFileVersion[8] = {0x4A, 0x00, 0x04, 0x00, 0x00, 0x00, 0x39, 0x24};
#endif

struct Call {
  int count = 0;
  void* window = nullptr;
  const char* file = nullptr;
  unsigned command = 0;
  std::uintptr_t data = 0;
} lastCall;
// The last call's file name as text, which outlives a caller's temporary string.
std::string lastFileText;

int answer = 0;

}  // namespace

EXPORT void* HtmlHelpA(void* window, const char* file, unsigned command, std::uintptr_t data) {
  lastCall = Call{lastCall.count + 1, window, file, command, data};
  lastFileText = file == nullptr ? "" : file;
  std::fesetround(FE_UPWARD);
  return &answer;
}

#ifndef TEST_HELP_MODULE_NARROW_ONLY
EXPORT void* HtmlHelpW(void*, const wchar_t*, unsigned, std::uintptr_t) {
  return nullptr;
}
#endif

// The last call's arguments, and how many calls there were since the module was loaded.
EXPORT int TestHelpLastCall(void** window, const char** file, unsigned* command,
                            std::uintptr_t* data) {
  *window = lastCall.window;
  *file = lastCall.file;
  *command = lastCall.command;
  *data = lastCall.data;
  return lastCall.count;
}

// The last call's file name, copied when it was made.
EXPORT const char* TestHelpLastFileText() {
  return lastFileText.c_str();
}
