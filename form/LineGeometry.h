// The geometry of the line control, without drawing: which line a type draws inside the
// control's rectangle, and how the control's size follows a change of type or a painting. The
// front ends keep a control's type, pen and coordinates and ask here where the line goes.
#pragma once

#include <cstdint>

#include "form/Geometry.h"

namespace solvanex::form {

enum class LineType : std::uint8_t {
  ltCustom,        // from (FromX, FromY) to (ToX, ToY) as set
  ltHorizontal,    // halfway down, across the full width
  ltVertical,      // halfway across, over the full height
  ltTop,           // along the top edge
  ltBottom,        // along the bottom edge
  ltLeft,          // along the left edge
  ltRight,         // along the right edge
  ltUpDiagonal,    // from the bottom-left corner to the top-right corner
  ltDownDiagonal,  // from the top-left corner to the bottom-right corner
};

// A new control's width and height, and its coordinates.
inline constexpr int kLineDefaultSize = 65;
struct LineEnds {
  int fromX = 0;
  int fromY = 0;
  int toX = 35;
  int toY = 35;
  friend constexpr bool operator==(const LineEnds&, const LineEnds&) = default;
};

// The largest size a control may take; the toolkits hold widget sizes to about this much.
inline constexpr int kLargestLineExtent = (1 << 24) - 1;

// The control's size after its type changes from oldType to newType: a horizontal or vertical
// line has shrunk its thickness side to a few pixels, so a line that needs room across gets a
// usable default size again.
Size SizeForLineType(LineType oldType, LineType newType, Size size);

// What one painting works out.
struct LinePainting {
  LineEnds ends;  // the points the line is drawn between (the last pixel stays undrawn)
  Size size;      // the control's size afterwards: where it differs, it is painted again
};

// The painting of a line of type in a control of size drawn with a pen penWidth wide. ends: the
// control's coordinates, read under ltCustom only (a negative one becomes 0, and the control
// grows to hold them); under every other type they are outputs.
LinePainting PaintLine(LineType type, Size size, int penWidth, LineEnds ends);

}  // namespace solvanex::form
