#include <windows.h>

#include "platform/BeepSound.h"

namespace solvanex::platform {

void PlayBeepSound(unsigned type) {
  ::MessageBeep(type);
}

}  // namespace solvanex::platform
