#include "platform/BeepSound.h"

namespace solvanex::platform {

// The system itself has no beep to offer a desktop program: the window gives its toolkit's
// (SetBeepSound); without a window there is no one to hear.
void PlayBeepSound(unsigned /*type*/) {}

}  // namespace solvanex::platform
