// The shared description of the window (form/) in Win32 terms: its rectangles as RECT, its
// colours as COLORREF (the same 0x00BBGGRR layout), its key codes as virtual keys.
#pragma once

#include <windows.h>

#include "form/Color.h"
#include "form/Geometry.h"
#include "form/Keys.h"

namespace solvanex::win32 {

constexpr RECT ToRect(const form::Rect& rect) {
  return {rect.left, rect.top, rect.Right(), rect.Bottom()};
}

// A plain colour as it is; a system colour (clWindow, clBtnFace...) as the system's.
inline COLORREF ToColorRef(form::Color color) {
  return form::IsSystemColor(color) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

// The key of the key-down table a virtual key stands for (both Enter keys give VK_RETURN).
form::Key ToFormKey(WPARAM virtualKey);

// The modifiers held now, as the thread's keyboard state says.
form::Modifiers HeldModifiers();

}  // namespace solvanex::win32
