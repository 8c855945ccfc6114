#include <windows.h>

#include "platform/Desktop.h"

namespace solvanex::platform {

WindowHandle GetDesktopWindow() {
  return ::GetDesktopWindow();
}

}  // namespace solvanex::platform
