// Start-up decisions made before any window exists: the decimal separator of the user's
// regional settings, and whether there is a display to open a window on at all.
#pragma once

#include <QLocale>
#include <functional>
#include <iosfwd>
#include <string>

namespace solvanex {

// The locale's decimal separator when it is one ASCII character, else '.': every number text of
// the calculator holds the separator as one byte.
char DecimalSeparatorOf(const QLocale& locale);

// Reads an environment variable; empty when unset.
using Environment = std::function<std::string(const char* name)>;
Environment ProcessEnvironment();

// True when a window can be shown: an X or Wayland display, or an explicit Qt platform plugin
// (such as offscreen) is configured.
bool DisplayAvailable(const Environment& environment);

// Without a display: says so in French and English on out, then computes the body-mass index
// of 70 kg at 1,75 m through the calculator core and prints the display text. Returns the
// process exit status.
int RunHeadlessExample(std::ostream& out, char decimalSeparator);

}  // namespace solvanex
