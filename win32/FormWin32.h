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

// Where a window goes whose client area is client (already scaled to the screen's resolution),
// with the given styles and menu bar: centred on the screen's work area as a whole window, frame
// included (form::CentredOrigin). Left and top are the window's origin, right and bottom its edges.
RECT CentredWindowRect(form::Size client, DWORD style, DWORD exStyle, bool menu);

}  // namespace solvanex::win32
