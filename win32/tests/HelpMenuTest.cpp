// The help through the real Win32 window. The help access starts as the program starts it, in a
// scratch installation whose registry names a stand-in viewer (FakeHelpViewer.cpp); the menu's
// help command opens a help window through the viewer, owned by nobody; however the window ends
// (the Quit command, the close box, the window deleted), its destruction closes that help window
// while the viewer is still loaded, and shut-down unloads the viewer only afterwards. The
// diagnostics file is handled at start-up as the help access does it: removed at every start,
// written anew only in diagnostics mode, naming the viewer that was registered.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FakeHelpViewer.h"
#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "help/HelpAccess.h"
#include "help/HelpLifecycle.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "win32/MainWindow.h"
#include "win32/Wide.h"

namespace solvanex::win32::test {
namespace {

enum class Ending { kQuitCommand, kCloseBox, kWindowDeleted };

struct HelpMenuRow {
  const char* name;
  std::vector<std::string> arguments;  // after the program's name
  Ending ending;
  bool endsProgram;  // the program's own window, whose destruction ends the message loop
  bool diagnostics;  // diagnostics mode: a new diagnostics file is expected
};

// Handles what is queued; true when the queue held WM_QUIT.
bool PumpUntilEmpty() {
  bool quit = false;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = true;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return quit;
}

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::string LastComponent(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Shut-down of the help access, also when a test stops early.
struct HelpShutdownAtEnd {
  ~HelpShutdownAtEnd() { help::HelpShutdown(); }
};

void PrintTo(const HelpMenuRow& row, std::ostream* out) {
  *out << row.name;
}

class HelpMenuTest : public ::testing::TestWithParam<HelpMenuRow> {};

TEST_P(HelpMenuTest, OpensTheHelpAndClosesItWhenTheWindowIsDestroyed) {
  const HelpMenuRow& row = GetParam();
  testing::ScratchDirectory scratch;
  const std::string programDir = scratch / "program";
  const std::string viewerDir = scratch / "viewer";
  std::filesystem::create_directory(programDir);
  std::filesystem::create_directory(viewerDir);
  // Not named hhctrl.ocx: Wine would load its own control of that name instead.
  const std::string viewer = platform::JoinPath(viewerDir, "helpviewer.ocx");
  ASSERT_TRUE(CopyFileW(ToWide(testing::NativePath(SOLVANEX_FAKE_HELP_VIEWER)).c_str(),
                        ToWide(viewer).c_str(), FALSE));
  std::string escaped;
  for (const char c : viewer) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  const std::string registry = scratch / "registry.reg";
  testing::WriteFile(registry, std::string("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\") +
                                   help::kHelpControlKey + "]\n@=\"" + escaped + "\"\n");
  const std::string debugFile = platform::JoinPath(programDir, "HHDebug.txt");
  const std::string leftOver = "left by an earlier run\r\n";
  testing::WriteFile(debugFile, leftOver);

  help::DiagnosticsEnvironment environment = help::SystemDiagnosticsEnvironment(0, nullptr);
  environment.moduleFileName = platform::JoinPath(programDir, "solvanex.exe");
  environment.arguments = {environment.moduleFileName};
  environment.arguments.insert(environment.arguments.end(), row.arguments.begin(),
                               row.arguments.end());
  environment.registryFile = registry;
  help::HelpStartup(environment);
  HelpShutdownAtEnd shutdown;
  ASSERT_TRUE(help::HtmlHelpAvailable());
  const HMODULE module = static_cast<HMODULE>(help::HelpLibraryHandle);
  const auto callCount = reinterpret_cast<FakeHelpCallCountFunction>(
      reinterpret_cast<void*>(GetProcAddress(module, "FakeHelpCallCount")));
  const auto callAt = reinterpret_cast<FakeHelpCallAtFunction>(
      reinterpret_cast<void*>(GetProcAddress(module, "FakeHelpCallAt")));
  ASSERT_NE(callCount, nullptr);
  ASSERT_NE(callAt, nullptr);

  // The start-up's diagnostics: the old file gone; in diagnostics mode a new one that names the
  // registered viewer by its version.
  if (row.diagnostics) {
    const std::vector<std::string> lines = CrLfLines(testing::ReadAll(debugFile));
    const std::string version = std::to_string(FAKE_HELP_VIEWER_MAJOR) + "." +
                                std::to_string(FAKE_HELP_VIEWER_MINOR) + "." +
                                std::to_string(FAKE_HELP_VIEWER_RELEASE) + "." +
                                std::to_string(FAKE_HELP_VIEWER_BUILD);
    ASSERT_EQ(lines.size(), 22u) << testing::ReadAll(debugFile);
    EXPECT_EQ(lines[0], "Filename:             \t" + debugFile);
    EXPECT_EQ(lines[14], "_hhInstalled =      \tYES");
    EXPECT_EQ(lines[15], "_hhVerStr =         \t" + version);
    EXPECT_EQ(lines[16], "_hhFriendlyVerStr = \t1.33");
  } else {
    EXPECT_FALSE(platform::FileExists(debugFile));
  }

  std::vector<std::wstring> errorBoxes;
  HtmlHelpAccess helpViewer;
  TForm1::Services services;
  services.help = &helpViewer;
  services.dpi = Dpi(96);
  services.endsProgram = row.endsProgram;
  services.errorBox = [&errorBoxes](HWND, const std::wstring&, const std::wstring& text) {
    errorBoxes.push_back(text);
  };
  auto form = std::make_unique<TForm1>(',', std::move(services));
  form->Create();
  const HWND mainWindow = form->Handle();
  ASSERT_NE(mainWindow, nullptr);
  form->Show(SW_SHOWNOACTIVATE);
  form->PumpPending();
  EXPECT_EQ(callCount(), 0) << "the viewer is called before any command";

  // The help command: the help file on its default topic, in a window of the viewer's own.
  SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(form->MenuCommandId("Rubriquesdelaide1"), 0), 0);
  form->PumpPending();
  ASSERT_EQ(callCount(), 1);
  FakeHelpCall call{};
  ASSERT_TRUE(callAt(0, &call));
  EXPECT_EQ(call.caller, GetDesktopWindow());
  EXPECT_FALSE(call.fileIsNull);
  EXPECT_EQ(LastComponent(call.file), "Solvanex.chm") << call.file;
  EXPECT_EQ(call.command, HH_DISPLAY_TOPIC);
  EXPECT_EQ(call.data, 0u);
  const HWND helpWindow = FindWindowW(kFakeHelpWindowClass, nullptr);
  ASSERT_NE(helpWindow, nullptr);
  EXPECT_TRUE(IsWindowVisible(helpWindow));
  EXPECT_EQ(GetWindow(helpWindow, GW_OWNER), nullptr) << "the help window hangs on the calculator";

  bool quit = false;
  switch (row.ending) {
    case Ending::kQuitCommand:
      SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(form->MenuCommandId("Quitter1"), 0), 0);
      break;
    case Ending::kCloseBox:
      SendMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case Ending::kWindowDeleted:
      form.reset();
      break;
  }
  quit = PumpUntilEmpty();
  EXPECT_FALSE(IsWindow(mainWindow));
  EXPECT_EQ(quit, row.endsProgram);

  // The window's destruction closed every help window, the viewer still loaded to be called.
  ASSERT_EQ(callCount(), 2);
  ASSERT_TRUE(callAt(1, &call));
  EXPECT_EQ(call.caller, nullptr);
  EXPECT_TRUE(call.fileIsNull);
  EXPECT_EQ(call.command, HH_CLOSE_ALL);
  EXPECT_EQ(call.data, 0u);
  EXPECT_FALSE(IsWindow(helpWindow));
  EXPECT_EQ(FindWindowW(kFakeHelpWindowClass, nullptr), nullptr);
  EXPECT_TRUE(errorBoxes.empty());

  // Deleting the already destroyed window calls nothing more; shut-down then unloads the viewer.
  form.reset();
  EXPECT_EQ(callCount(), 2);
  help::HelpShutdown();
  EXPECT_FALSE(help::HtmlHelpAvailable());
  EXPECT_EQ(GetModuleHandleW(ToWide(viewer).c_str()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, HelpMenuTest,
    ::testing::Values(
        HelpMenuRow{"QuitCommand", {}, Ending::kQuitCommand, true, false},
        HelpMenuRow{"CloseBoxWithDebugSwitch", {"-DEBUG"}, Ending::kCloseBox, true, true},
        HelpMenuRow{"WindowDeletedWithSlashDebug",
                    {"fichier.txt", "/debug"},
                    Ending::kWindowDeleted,
                    false,
                    true},
        HelpMenuRow{"CloseBoxWithBareDebugWord", {"debug"}, Ending::kCloseBox, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvanex::win32::test
