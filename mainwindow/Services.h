// What the main window asks of the rest of the program besides the calculator: the help viewer
// and the About dialog. main() hands in the real ones; tests hand in recorders. Keeping them
// behind these small interfaces keeps the window free of the help loader and the About box.
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

// The About dialog (AboutBox1).
class AboutCommand {
 public:
  virtual ~AboutCommand() = default;
  // Shows the dialog modally and returns when it is closed.
  virtual void Execute() = 0;
};

}  // namespace solvanex
