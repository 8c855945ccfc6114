// The About box as data: the dialog's size, texts and the places of its controls, the three texts
// of the main window's About component and the rule that caps them. Positions are client-area
// pixels at 96 dpi.
#pragma once

#include <cstddef>
#include <string_view>

#include "form/Color.h"
#include "form/Geometry.h"
#include "form/LineGeometry.h"

namespace solvanex::form::about {

inline constexpr std::string_view kCaption = "A propos de...";
inline constexpr Size kClientSize{294, 268};
inline constexpr std::string_view kFontName = "MS Sans Serif";
inline constexpr int kFontHeight = -11;
inline constexpr Color kBackground = clBtnFace;
inline constexpr Color kTextColor = clBlack;

// The texts the main window's About component holds.
inline constexpr std::string_view kProductName = "SOLVANEX";
inline constexpr std::string_view kVersion = "Version 1.00 - Win 9x et Win XP";
inline constexpr std::string_view kCopyright = "Copyright © 2026 Solvanex";
// A longer text is cut to its first kMaxLength characters, not refused.
inline constexpr int kMaxLength = 100;

// The banner picture: its artwork drawn over the button face, at a place partly off the dialog.
inline constexpr std::string_view kImageName = "Image1";
inline constexpr Rect kImageRect{-4, -4, 298, 81};

// A label sized to its text: only where it starts is fixed.
struct LabelLayout {
  std::string_view name;
  int left;
  int top;
  bool bold;
};
inline constexpr LabelLayout kLabel1{"Label1", 88, 96, true};    // the product name
inline constexpr LabelLayout kLabel2{"Label2", 88, 120, false};  // the version
inline constexpr LabelLayout kLabel3{"Label3", 88, 136, false};  // the copyright line
inline constexpr LabelLayout kPhysMem{"lblPhysMem", 86, 173, false};
inline constexpr LabelLayout kPhysRes{"lblPhysRes", 86, 193, false};
// Every label ends this far inside the dialog's right edge at most: a text too long for that is
// drawn smaller rather than cut by the edge.
inline constexpr int kTextRight = kClientSize.width - 4;

// The engraved separator: a black line and a white one a pixel below it. Each control is created
// at the height its first painting settles on (ten times its one-pixel pen).
struct SeparatorLayout {
  std::string_view name;
  Rect rect;
  LineType type;
  Color color;
};
inline constexpr SeparatorLayout kLine1{
    "Line1", {86, 158, 196, 10}, LineType::ltHorizontal, clBlack};
inline constexpr SeparatorLayout kLine2{
    "Line2", {86, 159, 196, 10}, LineType::ltHorizontal, clWhite};

// The OK button, the first and only control in the tab order.
inline constexpr std::string_view kButtonName = "Button1";
inline constexpr std::string_view kButtonCaption = "OK";
inline constexpr Rect kButtonRect{208, 223, 74, 26};

// How many UTF-16 units of text the component keeps: at most kMaxLength, without leaving half of
// a surrogate pair at the end.
std::size_t CappedLength(std::u16string_view text);

}  // namespace solvanex::form::about
