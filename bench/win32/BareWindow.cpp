// The start-up benchmark's comparison: a bare Win32 window of the calculator's size with 55 plain
// system buttons at the keypad's places and nothing else, no menu, no core, no help access. It
// signals its first painting as solvanex.exe does (win32/StartupProbe.h).
//
// Built with SOLVANEX_BARE_WINDOW_HELP_STARTUP, it first runs the help access's start-up as the
// program does (the HTML Help control located and loaded, the diagnostics' start-up), so that the
// benchmark can tell that share of the program's start-up from the window's own.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "form/Buttons.h"
#include "form/Unicode.h"
#include "form/Window.h"
#include "win32/StartupProbe.h"
#ifdef SOLVANEX_BARE_WINDOW_HELP_STARTUP
#include "help/hh.h"
#endif

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::wstring Wide(std::string_view text) {
  const std::u16string wide = solvanex::form::Utf8ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  using namespace solvanex;
#ifdef SOLVANEX_BARE_WINDOW_HELP_STARTUP
  std::vector<std::string> arguments;
  for (int i = 0; i < __argc && __wargv != nullptr; ++i) {
    const std::wstring_view wide(__wargv[i]);
    arguments.push_back(form::Utf16ToUtf8(std::u16string(wide.begin(), wide.end())));
  }
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  help::HelpStartup(static_cast<int>(arguments.size()), argv.data());
#endif
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassExW(&windowClass);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, form::kClientSize.width, form::kClientSize.height};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  const HWND window = CreateWindowExW(
      0, L"BareWindow", L"Bare", style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
      outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  for (const form::FormButton& button : form::FormButtons()) {
    const form::Rect& r = button.layout->rect;
    CreateWindowExW(0, L"BUTTON", Wide(button.Caption()).c_str(), WS_CHILD | WS_VISIBLE, r.left,
                    r.top, r.width, r.height, window, nullptr, instance, nullptr);
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  for (;;) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    win32::ReportFirstPaintIfAsked();
    WaitMessage();
  }
}
