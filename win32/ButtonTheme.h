// ButtonTheme: the visual style's push-button and radio-button parts, opened once for all the
// keys and choice items that draw themselves in the system's button look, instead of once per
// painting of each. Null when no visual style is active (classic look). A window that receives
// WM_THEMECHANGED calls Reset: the next painting opens the style then in force.
#pragma once

#include <windows.h>

#include <uxtheme.h>

namespace solvanex::win32 {

class ButtonTheme {
 public:
  // The style's "BUTTON" class data, or null for the classic look.
  static HTHEME Get();
  // Forgets the handle; the next Get opens the style anew.
  static void Reset();
};

}  // namespace solvanex::win32
