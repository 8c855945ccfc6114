// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once

#define SOLVANEX_ICON_ID 1
#define SOLVANEX_BANNER_ID 2

#ifndef RC_INVOKED
namespace solvanex::win32 {
inline constexpr int kIconId = SOLVANEX_ICON_ID;
inline constexpr int kBannerId = SOLVANEX_BANNER_ID;
}  // namespace solvanex::win32
#endif
