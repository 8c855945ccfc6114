// Help diagnostics: facts about the program's location and about the installed HTML Help
// control and browser component, with their versions turned into product names, written into
// "HHDebug.txt" only in diagnostics mode. The gathered facts serve only that file.
//
// Diagnostics mode is on when the file "debug.debug" exists in the program directory, or when an
// argument after the program's name is "/debug" or "-debug" in any letter case. The file goes to
// the program directory when a file can be created there, else to the user's temporary
// directory; any "HHDebug.txt" left there is removed at every start, also when the mode is off.
//
// The write test creates "$_Temp_$.$$$" exclusively. A regular file of the user's own already
// there is a leftover of a run that ended early: it is removed and the creation tried once more.
// Anything else there - a link planted by someone else, a directory, another account's file - is
// neither followed, truncated nor removed: the program directory then counts as not writable and
// the temporary directory is used. The diagnostics file is written only when it is the user's own
// regular file, never through a link; it is created readable by the user only.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "help/DebugLine.h"
#include "help/FileVersions.h"
#include "help/ProductNames.h"
#include "platform/PlatformVersion.h"

namespace solvanex::help {

inline constexpr char kDebugFileName[] = "HHDebug.txt";
inline constexpr char kWriteTestFileName[] = "$_Temp_$.$$$";
inline constexpr char kDebugMarkerFileName[] = "debug.debug";

// What the diagnostics take from the user's regional settings, asked for at the moment a line is
// written: the program's own from the platform (platform/RegionalSettings.h), the window's
// toolkit's where it knows the user's settings better, or fixed texts in tests.
struct RegionalTexts {
  std::function<std::string()> dateTime;  // now: short date, a blank, long time
  std::function<std::string()> time;      // now: long time (hours, minutes, seconds)
  std::string decimalSeparator;
};

// The platform's regional texts.
RegionalTexts SystemRegionalTexts();

// Everything the diagnostics take from the machine, so that tests can supply their own.
struct DiagnosticsEnvironment {
  std::string moduleFileName;          // the program file's full path
  std::vector<std::string> arguments;  // the command line, the program's name first
  std::string registryFile;            // empty: the system's registry (platform/Registry.h)
  std::string systemDirectory;         // where "Shdocvw.dll" would be
  std::string tempDirectory;           // the user's temporary directory, or empty
  platform::PlatformVersion platformVersion;
  std::uint32_t lcid = 0;  // the user's default locale identifier
  RegionalTexts regional;  // date, time and decimal separator
};

// The environment of this process: its program file, the given command line, the system's
// registry, directories, version and locale, and the platform's regional texts.
DiagnosticsEnvironment SystemDiagnosticsEnvironment(int argc, char** argv);

// The diagnostics state. Every directory is held without a trailing separator.
struct DiagnosticsState {
  std::string _ModuleDir;   // directory of the program file
  std::string _ModuleName;  // file name of the program file
  std::string _RunDir;      // directory part of argument 0
  std::string _DebugDir;    // directory that receives "HHDebug.txt"
  bool _DebugMode = false;  // diagnostics mode
  std::string _hhVerStr;    // version text of the HTML Help control library
  bool _hhInstalled = false;
  std::string _hhFriendlyVerStr;  // its product name
  std::string _hhRefused;         // why its registration is not trusted, or empty
  std::string _ieVerStr;          // corrected version text of the browser component
  bool _ieInstalled = false;
  std::string _ieFriendlyVerStr;  // its product name
};

// Whether argument is a diagnostics switch: "/debug" or "-debug", in any letter case.
bool IsDebugSwitch(std::string_view argument);

// Gathers the diagnostics state of one run and writes the diagnostics file.
class HelpDiagnostics {
 public:
  explicit HelpDiagnostics(DiagnosticsEnvironment environment);

  // The start-up, in order: program location, write test, diagnostics mode, the two versions
  // and their names, then WriteDiagnostics.
  void Start();

  // Appends one line to the diagnostics file (see DebugLineText), opening and closing the file
  // for this line alone. A file that cannot be opened loses the line, silently.
  void WriteDebugLine(std::string_view format, std::initializer_list<DebugArgument> arguments = {});

  // Removes the old diagnostics file and, in diagnostics mode, writes the facts.
  void WriteDiagnostics();

  // Releases the texts, at shut-down.
  void Release();

  const DiagnosticsState& State() const { return state_; }
  // _DebugDir + separator + "HHDebug.txt".
  std::string DebugFilePath() const;

 private:
  std::string LocaleIdText(std::uint32_t value) const;

  DiagnosticsEnvironment environment_;
  DiagnosticsState state_;
};

}  // namespace solvanex::help
