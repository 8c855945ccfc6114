#include "platform/Desktop.h"

namespace solvanex::platform {

WindowHandle GetDesktopWindow() {
  return nullptr;
}

}  // namespace solvanex::platform
