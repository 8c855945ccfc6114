#include "win32/LineControl.h"

#include <algorithm>

namespace solvanex::win32 {

namespace {
constexpr int kNewSize = 65;
}  // namespace

LineControl::~LineControl() = default;

void LineControl::Create(HWND parent, int left, int top) {
  RegisterClass(kClassName, 0);
  // Transparent: the dialog's face shows round the line.
  CreateBase(WS_EX_TRANSPARENT, kClassName, L"", WS_CHILD | WS_VISIBLE, left, top, kNewSize,
             kNewSize, parent, nullptr);
}

int LineControl::Width() const {
  RECT rect{};
  if (Handle() != nullptr) GetClientRect(Handle(), &rect);
  return rect.right;
}

int LineControl::Height() const {
  RECT rect{};
  if (Handle() != nullptr) GetClientRect(Handle(), &rect);
  return rect.bottom;
}

void LineControl::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void LineControl::Resize(int width, int height) {
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  StyleChanged();
}

void LineControl::StyleChanged() {
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
}

void LineControl::SetPenColor(COLORREF color) {
  penColor_ = color;
  StyleChanged();
}

void LineControl::SetPenWidth(int width) {
  penWidth_ = width;
  StyleChanged();
}

void LineControl::SetFromX(int value) {
  if (line_ != LineType::ltCustom) return;
  fromX_ = value;
  StyleChanged();
}

void LineControl::SetFromY(int value) {
  if (line_ != LineType::ltCustom) return;
  fromY_ = value;
  StyleChanged();
}

void LineControl::SetToX(int value) {
  if (line_ != LineType::ltCustom) return;
  toX_ = value;
  StyleChanged();
}

void LineControl::SetToY(int value) {
  if (line_ != LineType::ltCustom) return;
  toY_ = value;
  StyleChanged();
}

void LineControl::SetLine(LineType line) {
  if (line == line_) return;
  const int w = Width();
  const int h = Height();
  int width = w;
  int height = h;
  // Leaving a horizontal or vertical line turns its long side to the new type's needs.
  if (line_ == LineType::ltHorizontal) {
    switch (line) {
      case LineType::ltVertical:
        width = h;
        height = w;
        break;
      case LineType::ltTop:
      case LineType::ltBottom:
      case LineType::ltUpDiagonal:
      case LineType::ltDownDiagonal:
        height = kNewSize;
        break;
      case LineType::ltLeft:
      case LineType::ltRight:
        width = kNewSize;
        height = w;
        break;
      default:
        break;
    }
  } else if (line_ == LineType::ltVertical) {
    switch (line) {
      case LineType::ltHorizontal:
        width = h;
        height = w;
        break;
      case LineType::ltTop:
      case LineType::ltBottom:
        width = h;
        height = kNewSize;
        break;
      case LineType::ltLeft:
      case LineType::ltRight:
      case LineType::ltUpDiagonal:
      case LineType::ltDownDiagonal:
        width = kNewSize;
        break;
      default:
        break;
    }
  }
  if (width != w || height != h) Resize(width, height);
  line_ = line;
  StyleChanged();
}

void LineControl::Paint(HDC dc) {
  const int r = Width() - 1;
  const int b = Height() - 1;
  int newWidth = Width();
  int newHeight = Height();
  switch (line_) {
    case LineType::ltCustom:
      fromX_ = std::max(fromX_, 0);
      toX_ = std::max(toX_, 0);
      if (r < toX_ || r < fromX_) newWidth = std::max(toX_, fromX_) + 1;
      fromY_ = std::max(fromY_, 0);
      toY_ = std::max(toY_, 0);
      if (b < toY_ || b < fromY_) newHeight = std::max(toY_, fromY_) + 1;
      break;
    case LineType::ltHorizontal:
      fromX_ = 0, fromY_ = b / 2, toX_ = r, toY_ = b / 2;
      newHeight = penWidth_ * 10;
      break;
    case LineType::ltVertical:
      fromX_ = r / 2, fromY_ = 0, toX_ = r / 2, toY_ = b;
      newWidth = penWidth_ * 10;
      break;
    case LineType::ltTop:
      fromX_ = 0, fromY_ = 0, toX_ = r, toY_ = 0;
      break;
    case LineType::ltBottom:
      fromX_ = 0, fromY_ = b, toX_ = r, toY_ = b;
      break;
    case LineType::ltLeft:
      fromX_ = 0, fromY_ = 0, toX_ = 0, toY_ = b;
      break;
    case LineType::ltRight:
      fromX_ = r, fromY_ = 0, toX_ = r, toY_ = b;
      break;
    case LineType::ltUpDiagonal:
      fromX_ = 0, fromY_ = b, toX_ = r, toY_ = 0;
      break;
    case LineType::ltDownDiagonal:
      fromX_ = 0, fromY_ = 0, toX_ = r, toY_ = b;
      break;
  }
  const HPEN pen = CreatePen(PS_SOLID, penWidth_, penColor_);
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  MoveToEx(dc, fromX_, fromY_, nullptr);
  LineTo(dc, toX_, toY_);  // the final pixel stays undrawn
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  // A size change paints the control again, where the line finally stays.
  if (newWidth != Width() || newHeight != Height()) Resize(newWidth, newHeight);
}

LRESULT LineControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(Handle(), &paint);
      Paint(dc);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    default:
      return BaseWindow::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace solvanex::win32
