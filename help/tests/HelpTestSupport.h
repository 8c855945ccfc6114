// A scratch installation for the help access's tests: a program directory, a private
// temporary directory, a system directory and a registry file, with French regional texts of a
// clock that always reads 8 December 2025, 14:03:07.
#pragma once

#include <string>
#include <vector>

#include "ScratchDirectory.h"
#include "help/hh_funcs.h"

namespace solvanex::testing {

struct HelpScene {
  HelpScene();

  // The environment of a run of programDir/solvanex with these arguments after argument 0.
  help::DiagnosticsEnvironment Environment(const std::vector<std::string>& arguments = {}) const;
  // Writes a registry file whose help control key names modulePath (escaped as REGEDIT4 wants).
  void Register(const std::string& modulePath) const;
  // Puts a PE "Shdocvw.dll" of the given version into the system directory.
  void InstallBrowser(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                      std::uint16_t build) const;

  ScratchDirectory root;
  std::string programDir;
  std::string programFile;
  std::string tempDir;
  std::string systemDir;
  std::string registryFile;
};

// 8 December 2025, 14:03:07, as the French and the American English regional settings write it.
help::RegionalTexts FrenchFixedMoment();
help::RegionalTexts AmericanFixedMoment();

}  // namespace solvanex::testing
