// What the main window asks of the rest of the program besides the calculator: the help viewer
// (help/HelpAccess.h) and the About dialog. main() hands in the real ones; tests hand in recorders.
// Keeping them behind these small interfaces keeps the window free of the help loader and the About
// box.
#pragma once

#include "help/HelpAccess.h"

namespace solvanex {

// The About dialog (AboutBox1).
class AboutCommand {
 public:
  virtual ~AboutCommand() = default;
  // Shows the dialog modally and returns when it is closed.
  virtual void Execute() = 0;
};

}  // namespace solvanex
