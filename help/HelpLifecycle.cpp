// The help access's start-up and shut-down for the program as a whole (declared in hh.h).
#include <optional>

#include "help/HelpLifecycle.h"
#include "help/hh.h"

namespace solvanex::help {

namespace {
// The run's diagnostics, from start-up until their texts are released at shut-down.
std::optional<HelpDiagnostics>& ProgramDiagnostics() {
  static std::optional<HelpDiagnostics> diagnostics;
  return diagnostics;
}
}  // namespace

void HelpStartup(DiagnosticsEnvironment environment) {
  if (HelpAutoLoad) LoadHelpLibrary(environment.registryFile);
  ProgramDiagnostics().emplace(std::move(environment));
  ProgramDiagnostics()->Start();
}

void HelpStartup(int argc, char** argv) {
  HelpStartup(SystemDiagnosticsEnvironment(argc, argv));
}

void HelpShutdown() {
  if (ProgramDiagnostics()) ProgramDiagnostics()->Release();
  ProgramDiagnostics().reset();
  UnloadHelpLibrary();
}

const DiagnosticsState* ProgramDiagnosticsState() {
  return ProgramDiagnostics() ? &ProgramDiagnostics()->State() : nullptr;
}

}  // namespace solvanex::help
