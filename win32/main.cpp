// solvanex.exe: the calculator's window on Windows. Start-up loads the help viewer first (the
// help access), then creates the window and runs the message loop; shut-down destroys the
// window (which closes the help windows) before the help viewer is unloaded.
#include <windows.h>

#include <commctrl.h>
#include <cstdlib>

#include <string>
#include <vector>

#include "form/About.h"
#include "help/HelpAccess.h"
#include "help/hh.h"
#include "win32/AboutBox.h"
#include "win32/MainWindow.h"
#include "win32/Wide.h"

namespace {

// The locale's decimal separator when it is one ASCII character, else '.': every number text of
// the calculator holds the separator as one byte.
char DecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 2 &&
      separator[0] > 0x20 && separator[0] < 0x7f) {
    return static_cast<char>(separator[0]);
  }
  return '.';
}

// The command line as UTF-8 arguments, as the run-time library split it (the shell's splitter
// would load its library at every start for this alone).
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (int i = 0; i < __argc && __wargv != nullptr; ++i) {
    arguments.push_back(solvanex::win32::ToUtf8(__wargv[i]));
  }
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  using namespace solvanex;
  std::vector<std::string> arguments = Arguments();
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  help::HelpStartup(static_cast<int>(arguments.size()), argv.data());

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  int status = 0;
  {
    HtmlHelpAccess helpViewer;
    win32::TAboutBox aboutBox1;
    aboutBox1.SetProductName(win32::ToWide(form::about::kProductName));
    aboutBox1.SetVersion(win32::ToWide(form::about::kVersion));
    win32::TForm1::Services services;
    services.help = help::HtmlHelpAvailable() ? &helpViewer : nullptr;
    services.about = &aboutBox1;
    aboutBox1.SetDpi(services.dpi);
    win32::TForm1 form1(DecimalSeparator(), services);
    form1.Create();
    if (form1.Handle() == nullptr) {
      help::HelpShutdown();
      return 1;
    }
    aboutBox1.SetOwner(form1.Handle());
    form1.Show(showCommand);
    status = form1.RunMessageLoop();
  }  // Form1 destroyed here: its FormDestroy closes the help windows while the viewer is loaded.
  help::HelpShutdown();
  return status;
}
