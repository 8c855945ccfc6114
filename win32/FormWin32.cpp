#include "win32/FormWin32.h"

namespace solvanex::win32 {

form::Key ToFormKey(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_RETURN:
      return form::Key::Enter;
    case VK_ESCAPE:
      return form::Key::Escape;
    case VK_DELETE:
      return form::Key::Delete;
    default:
      return form::Key::Other;
  }
}

form::Modifiers HeldModifiers() {
  form::Modifiers modifiers = form::kNoModifier;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= form::kShift;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= form::kCtrl;
  if (GetKeyState(VK_MENU) < 0) modifiers |= form::kAlt;
  if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) modifiers |= form::kMeta;
  return modifiers;
}

}  // namespace solvanex::win32
