#include "help/HelpAccess.h"

#include "help/hh.h"

namespace solvanex {

void HtmlHelpAccess::ShowHelpTopics() {
  help::CallHtmlHelp(help::GetDesktopWindow(), help::kHelpFileName, help::HH_DISPLAY_TOPIC, 0);
}

void HtmlHelpAccess::CloseAllHelpWindows() {
  help::CallHtmlHelp(nullptr, nullptr, help::HH_CLOSE_ALL, 0);
}

void CloseAllHelpWindowsQuietly(HelpAccess* help) noexcept {
  if (help == nullptr) return;
  try {
    help->CloseAllHelpWindows();
  } catch (...) {
  }
}

}  // namespace solvanex
