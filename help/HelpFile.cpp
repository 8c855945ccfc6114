#include "help/HelpFile.h"

#include <optional>

#include "help/hh.h"
#include "platform/Files.h"
#include "platform/NarrowText.h"
#include "platform/Paths.h"
#include "platform/SystemInfo.h"

namespace solvanex::help {

std::string HelpFileArgument(const std::string& programDir) {
  if (programDir.empty()) return kHelpFileName;
  const std::string besideProgram = platform::JoinPath(programDir, kHelpFileName);
  return platform::FileExists(besideProgram) ? besideProgram : std::string(kHelpFileName);
}

std::string HelpFileArgumentForThisProgram() {
  const std::string programDir =
      platform::RemoveTrailingSeparators(platform::ExtractFileDir(platform::ModuleFileName()));
  return platform::ToNarrowSystemPath(HelpFileArgument(programDir)).value_or(kHelpFileName);
}

}  // namespace solvanex::help
