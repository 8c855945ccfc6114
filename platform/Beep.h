// The platform's default beep (MessageBeep with 0 on Windows). Where the platform has no beep of
// its own (Linux), the window gives the toolkit's at start-up. Tests replace the sound by an
// observer so that they can count beeps.
#pragma once

#include <functional>

namespace solvanex::platform {

void MessageBeep(unsigned type);

// The sound to play instead of the platform's own (an empty function restores the platform's).
void SetBeepSound(std::function<void(unsigned type)> sound);

// Replaces the sound by observer (an empty function restores the sound).
void SetBeepObserver(std::function<void(unsigned type)> observer);

}  // namespace solvanex::platform
