// Help loading: the HTML Help viewer, which the program does not link against but finds through
// its registered class identifier and loads itself at start-up, keeping pointers to its entry
// points for the whole run.
//
// What the main window uses:
//
//   HelpStartup(argc, argv)   first thing in main(), before the application object: loads the
//                             viewer (LoadHelpLibrary, HelpAutoLoad being true), then runs the
//                             help diagnostics' start-up (hh_funcs.h).
//   CallHtmlHelp(...)         every call into the viewer. When the viewer is not loaded nothing
//                             is called and the result is null; HtmlHelpAvailable() tells
//                             beforehand, for a caller that wants to say so to the user.
//                               help command:   CallHtmlHelp(GetDesktopWindow(), kHelpFileName,
//                                                            HH_DISPLAY_TOPIC, 0)
//                               window closing: CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0)
//   HelpShutdown()            last thing in main(), after the main window is destroyed (its
//                             HH_CLOSE_ALL call must still find the viewer): releases the
//                             diagnostics' texts, then unloads the viewer (UnloadHelpLibrary).
//
// All of it runs on the user-interface thread, at start-up, at shut-down and from its handlers.
#pragma once

#include <cstdint>
#include <string>

#include "help/HtmlHelpApi.h"
#include "platform/Desktop.h"
#include "platform/DynamicLibrary.h"

namespace solvanex::help {

// The entry points of the HTML Help API; the result, a window handle, is not used here.
using HtmlHelpEntry = ::HtmlHelpAFunction;
using HtmlHelpWideEntry = ::HtmlHelpWFunction;
using ::HH_CLOSE_ALL;
using ::HH_DISPLAY_TOPIC;

// The registry key whose default value is the path of the HTML Help control library.
inline constexpr char kHelpControlKey[] =
    "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
// The help file's name; HelpFile.h says how the viewer is told where it is.
inline constexpr char kHelpFileName[] = "Solvanex.chm";

// Load the library at start-up; nothing changes it.
inline constexpr bool HelpAutoLoad = true;

// The help loading state, one copy for the whole program: filled by LoadHelpLibrary, cleared by
// UnloadHelpLibrary, read-only for everyone else.
extern const platform::ModuleHandle& HelpLibraryHandle;  // the loaded library, or null
extern const HtmlHelpEntry& HtmlHelpA;                   // its export "HtmlHelpA", or null
extern const HtmlHelpWideEntry& HtmlHelpW;               // its export "HtmlHelpW", or null
extern const HtmlHelpEntry& HtmlHelp;  // the entry the program calls: HtmlHelpA, or null

// The library's path registered under HKEY_CLASSES_ROOT\kHelpControlKey, unchanged; empty when
// the key cannot be opened, has no default value, or names no existing file, and when
// HelpLibraryRefusal refuses the registration. registryFile stands for the registry in tests
// (see platform/Registry.h); empty means the system's.
std::string LocateHelpLibrary(const std::string& registryFile = {});

// Why the registration is not trusted (platform/FileTrust.h): the registry file that stands for
// the registry, or the existing library it names, followed by the reason in brackets, e.g.
// "/opt/solvanex/registry.reg (writable by another user)". Empty when nothing is refused.
std::string HelpLibraryRefusal(const std::string& registryFile = {});

// Loads the located library and looks up its entry points, unless one is already loaded. Any
// failure leaves the entries absent, silently.
void LoadHelpLibrary(const std::string& registryFile = {});

// Frees the library, if one is loaded, and makes the entries absent.
void UnloadHelpLibrary();

// Whether HtmlHelp can be called.
bool HtmlHelpAvailable();

// Calls HtmlHelp with the caller's floating-point environment kept (the viewer is foreign code);
// returns its result, or null without calling anything when the viewer is not loaded. The file
// kHelpFileName is passed as HelpFileArgumentForThisProgram (HelpFile.h) names it: by its full
// path when it stands beside the program, so that it opens from any current folder.
void* CallHtmlHelp(void* window, const char* file, unsigned command, std::uintptr_t data);

// The owner to give help windows that must not depend on the main window.
using platform::GetDesktopWindow;

// Start-up and shut-down of the whole help access, in the order described above.
void HelpStartup(int argc, char** argv);
void HelpShutdown();

}  // namespace solvanex::help
