// The program's pictures, stored as PNG resources drawn from the project's SVG artwork at build
// time, decoded by GDI+ when first needed (never at start-up).
#pragma once

#include <windows.h>

namespace solvanex::win32 {

// The About box banner at width × height, on the dialog face colour; null when it cannot be
// loaded (the box then shows none).
HBITMAP LoadBanner(int width, int height);

// The PNG resource id as a 32-bit bitmap with alpha at width × height, for menu images; null on
// failure.
HBITMAP LoadPngResource(int id, int width, int height, COLORREF background);

}  // namespace solvanex::win32
