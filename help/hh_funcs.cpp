#include "help/hh_funcs.h"

#include <cstdio>

#include "help/hh.h"
#include "platform/Files.h"
#include "platform/Lcid.h"
#include "platform/Paths.h"
#include "platform/RegionalSettings.h"
#include "platform/SystemInfo.h"

namespace solvanex::help {

namespace {

// Where the diagnostics go when the temporary directory does not exist either: the system
// drive's root on Windows, the file system's root elsewhere (written only when the user may).
#ifdef _WIN32
constexpr char kLastResortDirectory[] = "c:";
#else
constexpr char kLastResortDirectory[] = "";
#endif

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsDebugSwitch(std::string_view argument) {
  return EqualsIgnoringCase(argument, "/debug") || EqualsIgnoringCase(argument, "-debug");
}

DiagnosticsEnvironment SystemDiagnosticsEnvironment(int argc, char** argv) {
  DiagnosticsEnvironment environment;
  environment.moduleFileName = platform::ModuleFileName();
  environment.arguments = platform::CommandLineArguments(argc, argv);
  environment.systemDirectory = platform::SystemDirectory();
  environment.tempDirectory = platform::TempPath();
  environment.platformVersion = platform::GetPlatformVersion();
  environment.lcid = platform::UserDefaultLcid();
  environment.regional = SystemRegionalTexts();
  return environment;
}

RegionalTexts SystemRegionalTexts() {
  return {platform::CurrentDateTimeText, platform::CurrentTimeText,
          platform::LocaleDecimalSeparator()};
}

HelpDiagnostics::HelpDiagnostics(DiagnosticsEnvironment environment)
    : environment_(std::move(environment)) {
  RegionalTexts& regional = environment_.regional;
  if (!regional.dateTime) regional.dateTime = platform::CurrentDateTimeText;
  if (!regional.time) regional.time = platform::CurrentTimeText;
}

void HelpDiagnostics::Start() {
  // An unknown program file must not make the file system's root pass for its directory.
  const bool moduleKnown = !environment_.moduleFileName.empty();
  state_._ModuleDir =
      platform::RemoveTrailingSeparators(platform::ExtractFileDir(environment_.moduleFileName));
  state_._ModuleName = platform::ExtractFileName(environment_.moduleFileName);
  const std::string argument0 = environment_.arguments.empty() ? "" : environment_.arguments[0];
  state_._RunDir = platform::RemoveTrailingSeparators(platform::ExtractFileDir(argument0));

  const std::string writeTest = platform::JoinPath(state_._ModuleDir, kWriteTestFileName);
  if (moduleKnown && platform::CreateNewFile(writeTest)) {
    platform::DeleteFileNoFollow(writeTest);
    state_._DebugDir = state_._ModuleDir;
  } else {
    const std::string& temp = environment_.tempDirectory;
    state_._DebugDir = platform::RemoveTrailingSeparators(
        !temp.empty() && platform::DirectoryExists(temp) ? temp : kLastResortDirectory);
  }

  state_._DebugMode = moduleKnown && platform::FileExists(platform::JoinPath(state_._ModuleDir,
                                                                             kDebugMarkerFileName));
  for (std::size_t i = 1; i < environment_.arguments.size() && !state_._DebugMode; ++i) {
    state_._DebugMode = IsDebugSwitch(environment_.arguments[i]);
  }

  const FileVersionInfo helpControl = ReadFileVersion(LocateHelpLibrary(environment_.registryFile));
  state_._hhVerStr = helpControl.text;
  state_._hhInstalled = !state_._hhVerStr.empty();
  state_._hhFriendlyVerStr = ProductName(kHelpControlNames, helpControl);
  state_._hhRefused = HelpLibraryRefusal(environment_.registryFile);

  const FileVersionInfo browser = ReadBrowserVersion(environment_.systemDirectory);
  state_._ieVerStr = browser.text;
  state_._ieInstalled = !state_._ieVerStr.empty();
  state_._ieFriendlyVerStr = ProductName(kBrowserNames, browser);

  WriteDiagnostics();
}

std::string HelpDiagnostics::DebugFilePath() const {
  return platform::JoinPath(state_._DebugDir, kDebugFileName);
}

void HelpDiagnostics::WriteDebugLine(std::string_view format,
                                     std::initializer_list<DebugArgument> arguments) {
  const std::string line =
      DebugLineText(FormatDebugText(format, arguments), environment_.regional.time());
  platform::AppendToOwnFile(DebugFilePath(), line + "\r\n");
}

std::string HelpDiagnostics::LocaleIdText(std::uint32_t value) const {
  char text[16];
  std::snprintf(text, sizeof text, "\t0x%04X", static_cast<unsigned>(value));
  return text;
}

void HelpDiagnostics::WriteDiagnostics() {
  platform::DeleteFileNoFollow(DebugFilePath());
  if (!state_._DebugMode) return;

  const std::string tab = "\t";
  const platform::PlatformVersion& os = environment_.platformVersion;
  const std::uint32_t lcid = environment_.lcid;
  const std::vector<std::string>& arguments = environment_.arguments;
  std::string parameters;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (i > 1) parameters += " | ";
    parameters += arguments[i];
  }
  const auto yesNo = [](bool value) { return std::string(value ? "YES" : "NO"); };

  WriteDebugLine("!Filename:             %s", {tab + DebugFilePath()});
  WriteDebugLine("!Date:                 %s", {tab + environment_.regional.dateTime()});
  WriteDebugLine("!Operating System:      %s %d.%d.%d",
                 {tab + os.name, static_cast<long long>(os.major), static_cast<long long>(os.minor),
                  static_cast<long long>(os.build)});
  WriteDebugLine("!SysLocale.DefaultLCID: %s", {LocaleIdText(lcid)});
  WriteDebugLine("!SysLocale.PriLangID:   %s", {LocaleIdText(platform::PrimaryLanguageId(lcid))});
  WriteDebugLine("!SysLocale.SubLangID:   %s", {LocaleIdText(platform::SubLanguageId(lcid))});
  WriteDebugLine("!DecimalSeparator:      %s", {tab + environment_.regional.decimalSeparator});
  WriteDebugLine("-");
  WriteDebugLine("!EXE Path =          %s", {tab + (arguments.empty() ? "" : arguments[0])});
  WriteDebugLine("!Cmdline Param(s) =  %s", {tab + parameters});
  WriteDebugLine("!_RunDir =           %s", {tab + state_._RunDir});
  WriteDebugLine("!_ModuleName =       %s", {tab + state_._ModuleName});
  WriteDebugLine("!_ModuleDir =        %s", {tab + state_._ModuleDir});
  WriteDebugLine("-");
  WriteDebugLine("!_hhInstalled =      %s", {tab + yesNo(state_._hhInstalled)});
  WriteDebugLine("!_hhVerStr =         %s", {tab + state_._hhVerStr});
  WriteDebugLine("!_hhFriendlyVerStr = %s", {tab + state_._hhFriendlyVerStr});
  // Only when the registration was refused: why the help control counts as not installed.
  if (!state_._hhRefused.empty()) {
    WriteDebugLine("!_hhRefused =        %s", {tab + state_._hhRefused});
  }
  WriteDebugLine("-");
  WriteDebugLine("!_ieInstalled =      %s", {tab + yesNo(state_._ieInstalled)});
  WriteDebugLine("!_ieVerStr =         %s", {tab + state_._ieVerStr});
  WriteDebugLine("!_ieFriendlyVerStr = %s", {tab + state_._ieFriendlyVerStr});
  WriteDebugLine("=");
}

void HelpDiagnostics::Release() {
  state_ = DiagnosticsState();
}

}  // namespace solvanex::help
