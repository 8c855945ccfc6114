// The platform's default beep (MessageBeep with 0 on Windows). Tests replace the sound by an
// observer so that they can count beeps.
#pragma once

#include <functional>

namespace solvanex::platform {

void MessageBeep(unsigned type);

// Replaces the sound by observer (an empty function restores the sound).
void SetBeepObserver(std::function<void(unsigned type)> observer);

}  // namespace solvanex::platform
