// The version of Windows as the kernel itself reports it, whatever the program's manifest
// declares: what the tests compare the version the program is told with.
#pragma once

#include <windows.h>

namespace solvanex::testing {

inline OSVERSIONINFOW KernelVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto get = reinterpret_cast<RtlGetVersion>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
  if (get != nullptr) get(&info);
  return info;
}

}  // namespace solvanex::testing
