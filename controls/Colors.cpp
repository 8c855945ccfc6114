#include "controls/Colors.h"

#include <QPalette>
#include <array>

#include "controls/ClassicPalette.h"

namespace solvanex {

namespace {

struct SystemColor {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The Windows system-colour indices 0 to 30, each given the palette role that plays its part.
constexpr std::array<SystemColor, 31> kSystemColors{{
    {QPalette::Active, QPalette::Button},             // 0 scroll bar
    {QPalette::Active, QPalette::Window},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},          // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},        // 3 inactive caption
    {QPalette::Active, QPalette::Window},             // 4 menu
    {QPalette::Active, QPalette::Base},               // 5 window
    {QPalette::Active, QPalette::Shadow},             // 6 window frame
    {QPalette::Active, QPalette::WindowText},         // 7 menu text
    {QPalette::Active, QPalette::Text},               // 8 window text
    {QPalette::Active, QPalette::HighlightedText},    // 9 caption text
    {QPalette::Active, QPalette::Mid},                // 10 active border
    {QPalette::Inactive, QPalette::Mid},              // 11 inactive border
    {QPalette::Active, QPalette::Dark},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},          // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},    // 14 highlight text
    {QPalette::Active, QPalette::Button},             // 15 button face
    {QPalette::Active, QPalette::Dark},               // 16 button shadow
    {QPalette::Disabled, QPalette::Text},             // 17 grey text
    {QPalette::Active, QPalette::ButtonText},         // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText},  // 19 inactive caption text
    {QPalette::Active, QPalette::Light},              // 20 button highlight
    {QPalette::Active, QPalette::Shadow},             // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},           // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},        // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},        // 24 tooltip background
    {QPalette::Active, QPalette::Button},             // 25 (unused)
    {QPalette::Active, QPalette::Link},               // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},          // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},        // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},          // 29 menu highlight
    {QPalette::Active, QPalette::Window},             // 30 menu bar
}};

}  // namespace

QColor ToQColor(std::uint32_t color) {
  if (form::IsSystemColor(color)) {
    const std::uint32_t index = color & 0x00FFFFFFu;
    // The calculator's controls keep the light colours they were drawn for (see ClassicPalette),
    // so a system colour is read from that palette, not from the desktop's.
    static const QPalette palette = ClassicPalette();
    if (index < kSystemColors.size()) {
      return palette.color(kSystemColors[index].group, kSystemColors[index].role);
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
  }
  // The top byte of a plain colour only chose among the platform's palette kinds: the colour is
  // in the low three bytes either way.
  return QColor(form::RedOf(color), form::GreenOf(color), form::BlueOf(color));
}

}  // namespace solvanex
