#include "win32/StartupProbe.h"

#include <windows.h>

namespace solvanex::win32 {

void ReportFirstPaintIfAsked() {
  static bool reported = false;
  if (reported) return;
  reported = true;
  wchar_t name[128];
  const DWORD length = GetEnvironmentVariableW(L"SOLVANEX_FIRST_PAINT_EVENT", name, 128);
  if (length == 0 || length >= 128) return;
  if (const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
    SetEvent(event);
    CloseHandle(event);
  }
}

}  // namespace solvanex::win32
