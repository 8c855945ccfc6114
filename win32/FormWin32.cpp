#include "win32/FormWin32.h"

#include "form/Layout.h"

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

RECT CentredWindowRect(form::Size client, DWORD style, DWORD exStyle, bool menu) {
  RECT outer{0, 0, client.width, client.height};
  AdjustWindowRectEx(&outer, style, menu ? TRUE : FALSE, exStyle);
  const form::Size whole{outer.right - outer.left, outer.bottom - outer.top};
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const form::Point origin = form::CentredOrigin(
      {work.left, work.top, work.right - work.left, work.bottom - work.top}, whole);
  return {origin.x, origin.y, origin.x + whole.width, origin.y + whole.height};
}

}  // namespace solvanex::win32
