// The help access's start-up with a chosen environment, for tests that run the program's whole
// start-up and shut-down in a scratch directory (the program itself uses hh.h's HelpStartup).
#pragma once

#include "help/hh_funcs.h"

namespace solvanex::help {

// HelpStartup(argc, argv) with environment in place of the machine's.
void HelpStartup(DiagnosticsEnvironment environment);

// The state of the run's diagnostics between start-up and shut-down, else null.
const DiagnosticsState* ProgramDiagnosticsState();

}  // namespace solvanex::help
