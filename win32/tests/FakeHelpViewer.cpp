// A stand-in for the HTML Help control, for the window's help tests: HtmlHelpA records each call;
// HH_DISPLAY_TOPIC opens a top-level help window titled with the file's name, HH_CLOSE_ALL
// destroys every window it opened. It carries a version resource like the real control, so that
// the diagnostics read and name it.
#include "FakeHelpViewer.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "help/HtmlHelpApi.h"

namespace {

HINSTANCE module = nullptr;
ATOM windowClass = 0;
std::vector<FakeHelpCall> calls;
std::vector<HWND> openWindows;

LRESULT CALLBACK HelpWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND OpenHelpWindow(const char* file) {
  if (windowClass == 0) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = HelpWindowProcedure;
    description.hInstance = module;
    description.lpszClassName = kFakeHelpWindowClass;
    windowClass = RegisterClassExW(&description);
    if (windowClass == 0) return nullptr;
  }
  // Owned by nobody: the caller gives the desktop window, which owns no window.
  const HWND window = CreateWindowExA(
      0, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(windowClass)), file,
      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 120, nullptr, nullptr, module, nullptr);
  if (window != nullptr) openWindows.push_back(window);
  return window;
}

}  // namespace

extern "C" __declspec(dllexport) void* SOLVANEX_HTMLHELP_API
    HtmlHelpA(void* caller, const char* file, unsigned command, std::uintptr_t data) {
  FakeHelpCall call{caller, {}, file == nullptr, command, data};
  if (file != nullptr) std::strncpy(call.file, file, sizeof call.file - 1);
  calls.push_back(call);
  if (command == HH_DISPLAY_TOPIC && file != nullptr) return OpenHelpWindow(file);
  if (command == HH_CLOSE_ALL) {
    for (const HWND window : openWindows) DestroyWindow(window);
    openWindows.clear();
  }
  return nullptr;
}

extern "C" __declspec(dllexport) void* SOLVANEX_HTMLHELP_API
    HtmlHelpW(void*, const wchar_t*, unsigned, std::uintptr_t) {
  return nullptr;
}

extern "C" __declspec(dllexport) int FakeHelpCallCount() {
  return static_cast<int>(calls.size());
}

extern "C" __declspec(dllexport) bool FakeHelpCallAt(int index, FakeHelpCall* call) {
  if (index < 0 || index >= static_cast<int>(calls.size())) return false;
  *call = calls[static_cast<std::size_t>(index)];
  return true;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  // The class goes with the module: a later load registers it anew at its new address.
  if (reason == DLL_PROCESS_DETACH && windowClass != 0) {
    for (const HWND window : openWindows) DestroyWindow(window);
    UnregisterClassW(kFakeHelpWindowClass, module);
  }
  return TRUE;
}
