// The program's conventional switches, answered on standard output before any window or
// application object exists: --help (or -h) prints the usage, --version the version.
#pragma once

#include <iosfwd>
#include <optional>

namespace solvanex {

// When one of argv[1..argc-1] is --help, -h or --version, writes the usage or the version of
// the first such switch on out and returns the exit status: 0, or 1 after a message on err when
// out could not be written. Otherwise returns nothing and writes nothing.
std::optional<int> AnswerInformationSwitch(int argc, const char* const* argv, std::ostream& out,
                                           std::ostream& err);

}  // namespace solvanex
