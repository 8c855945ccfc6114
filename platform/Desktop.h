// Window handles that the program passes to the help viewer.
#pragma once

namespace solvanex::platform {

using WindowHandle = void*;

// The desktop window (GetDesktopWindow on Windows): the owner of help windows that are to stay
// independent of the program's own windows. Elsewhere there is no such window and the result is
// null, which the help viewer takes as "no owner" - the same independence.
WindowHandle GetDesktopWindow();

}  // namespace solvanex::platform
