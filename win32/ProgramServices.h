// The help viewer and the About dialog as the Win32 window sees them (mainwindow/Services.h).
#pragma once

#include "mainwindow/Services.h"

namespace solvanex::win32 {

// The HTML Help viewer loaded at start-up by the help access (help/hh.h).
class HtmlHelpAccess : public HelpAccess {
 public:
  // Opens "Solvanex.chm" on its default topic, in a help window owned by the desktop.
  void ShowHelpTopics() override;
  // HH_CLOSE_ALL.
  void CloseAllHelpWindows() override;
};

}  // namespace solvanex::win32
