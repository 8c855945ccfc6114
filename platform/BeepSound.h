// The sound behind MessageBeep, one implementation per platform; Beep.cpp decides whether it is
// played or handed to a test's observer.
#pragma once

namespace solvanex::platform {

void PlayBeepSound(unsigned type);

}  // namespace solvanex::platform
