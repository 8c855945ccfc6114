// The toolkit's beep as the platform's default beep where the platform has none of its own.
#pragma once

namespace solvanex {

// Called once the application object exists; on Windows the system's MessageBeep stays.
void UseToolkitBeep();

}  // namespace solvanex
