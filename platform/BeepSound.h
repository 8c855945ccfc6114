// The platform's own sound behind MessageBeep, one implementation per platform; Beep.cpp decides
// whether it, a sound given at start-up or a test's observer is used.
#pragma once

namespace solvanex::platform {

void PlayBeepSound(unsigned type);

}  // namespace solvanex::platform
