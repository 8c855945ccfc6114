#include "win32/ProgramServices.h"

#include "help/hh.h"

namespace solvanex::win32 {

void HtmlHelpAccess::ShowHelpTopics() {
  help::CallHtmlHelp(help::GetDesktopWindow(), help::kHelpFileName, help::HH_DISPLAY_TOPIC, 0);
}

void HtmlHelpAccess::CloseAllHelpWindows() {
  help::CallHtmlHelp(nullptr, nullptr, help::HH_CLOSE_ALL, 0);
}

}  // namespace solvanex::win32
