// The help viewer as the main windows see it: the interface they call (tests hand in recorders),
// the real viewer behind it, and the quiet closing of every help window when a window is
// destroyed, written once for both front ends.
#pragma once

namespace solvanex {

// The help viewer, once loaded at start-up.
class HelpAccess {
 public:
  virtual ~HelpAccess() = default;
  // Opens the help file "Solvanex.chm" on its default topic, in a window of its own.
  virtual void ShowHelpTopics() = 0;
  // Closes every help window the program opened; called while the viewer is still loaded.
  virtual void CloseAllHelpWindows() = 0;
};

// The HTML Help viewer loaded at start-up (help/hh.h). Give it to a window only while the viewer
// is loaded: the window then never calls into a missing viewer.
class HtmlHelpAccess : public HelpAccess {
 public:
  // "Solvanex.chm" on its default topic, in a help window owned by the desktop, so that it lives
  // on its own beside the calculator's.
  void ShowHelpTopics() override;
  // HH_CLOSE_ALL.
  void CloseAllHelpWindows() override;
};

// The main window's FormDestroy: closes every help window through help, when there is a viewer
// (help not null). A failure is swallowed: a window being destroyed has nobody left to tell.
void CloseAllHelpWindowsQuietly(HelpAccess* help) noexcept;

}  // namespace solvanex
