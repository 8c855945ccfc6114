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

// Whether windows go to an X server or a Wayland compositor, which a program finds only through
// its environment. Windows and macOS always have their own desktop.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID) && !defined(Q_OS_IOS)
inline constexpr bool kX11OrWaylandSystem = true;
#else
inline constexpr bool kX11OrWaylandSystem = false;
#endif

// True when a window can be shown: always on a system with a desktop of its own; on an X11 or
// Wayland system, when an X or Wayland display, or an explicit Qt platform plugin (such as
// offscreen) is configured.
bool DisplayAvailable(const Environment& environment,
                      bool x11OrWaylandSystem = kX11OrWaylandSystem);

// Without a display: says so in French and English on out, then computes the body-mass index
// of 70 kg at 1,75 m through the calculator core and prints the display text. Returns the
// process exit status.
int RunHeadlessExample(std::ostream& out, char decimalSeparator);

}  // namespace solvanex
