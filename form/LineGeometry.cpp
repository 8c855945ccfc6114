#include "form/LineGeometry.h"

#include <algorithm>
#include <cstdint>

namespace solvanex::form {

namespace {

// A size worked out in 64 bits from any int coordinate or pen width, held to what a control can
// be.
int Extent(std::int64_t size) {
  return static_cast<int>(std::clamp<std::int64_t>(size, 0, kLargestLineExtent));
}

}  // namespace

Size SizeForLineType(LineType oldType, LineType newType, Size size) {
  if (oldType == newType) return size;
  const int w = size.width;
  const int h = size.height;
  const bool toTopOrBottom = newType == LineType::ltTop || newType == LineType::ltBottom;
  const bool toLeftOrRight = newType == LineType::ltLeft || newType == LineType::ltRight;
  const bool toDiagonal = newType == LineType::ltUpDiagonal || newType == LineType::ltDownDiagonal;
  if (oldType == LineType::ltHorizontal) {
    if (newType == LineType::ltVertical) return {h, w};
    if (toTopOrBottom || toDiagonal) return {w, kLineDefaultSize};
    if (toLeftOrRight) return {kLineDefaultSize, w};
  } else if (oldType == LineType::ltVertical) {
    if (newType == LineType::ltHorizontal) return {h, w};
    if (toTopOrBottom) return {h, kLineDefaultSize};
    if (toLeftOrRight || toDiagonal) return {kLineDefaultSize, h};
  }
  return size;
}

LinePainting PaintLine(LineType type, Size size, int penWidth, LineEnds e) {
  const int r = size.width - 1;
  const int b = size.height - 1;
  // A zero-width pen still draws one pixel; the control must not shrink to nothing for it.
  const int thickness = Extent(std::max<std::int64_t>(1, penWidth) * 10);
  switch (type) {
    case LineType::ltCustom:
      e.fromX = std::max(0, e.fromX);
      e.toX = std::max(0, e.toX);
      if (r < e.toX || r < e.fromX) size.width = Extent(std::int64_t{std::max(e.toX, e.fromX)} + 1);
      e.fromY = std::max(0, e.fromY);
      e.toY = std::max(0, e.toY);
      if (b < e.toY || b < e.fromY) {
        size.height = Extent(std::int64_t{std::max(e.toY, e.fromY)} + 1);
      }
      break;
    case LineType::ltHorizontal:
      e = {0, b / 2, r, b / 2};
      size.height = thickness;
      break;
    case LineType::ltVertical:
      e = {r / 2, 0, r / 2, b};
      size.width = thickness;
      break;
    case LineType::ltTop:
      e = {0, 0, r, 0};
      break;
    case LineType::ltBottom:
      e = {0, b, r, b};
      break;
    case LineType::ltLeft:
      e = {0, 0, 0, b};
      break;
    case LineType::ltRight:
      e = {r, 0, r, b};
      break;
    case LineType::ltUpDiagonal:
      e = {0, b, r, 0};
      break;
    case LineType::ltDownDiagonal:
      e = {0, 0, r, b};
      break;
  }
  return {e, size};
}

}  // namespace solvanex::form
