#include "win32/LineControl.h"

namespace solvanex::win32 {

LineControl::~LineControl() = default;

void LineControl::Create(HWND parent, int left, int top) {
  RegisterClass(kClassName, 0);
  // Transparent: the dialog's face shows round the line.
  CreateBase(WS_EX_TRANSPARENT, kClassName, L"", WS_CHILD | WS_VISIBLE, left, top,
             form::kLineDefaultSize, form::kLineDefaultSize, parent, nullptr);
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
  ends_.fromX = value;
  StyleChanged();
}

void LineControl::SetFromY(int value) {
  if (line_ != LineType::ltCustom) return;
  ends_.fromY = value;
  StyleChanged();
}

void LineControl::SetToX(int value) {
  if (line_ != LineType::ltCustom) return;
  ends_.toX = value;
  StyleChanged();
}

void LineControl::SetToY(int value) {
  if (line_ != LineType::ltCustom) return;
  ends_.toY = value;
  StyleChanged();
}

void LineControl::SetLine(LineType line) {
  if (line == line_) return;
  const form::Size size = form::SizeForLineType(line_, line, {Width(), Height()});
  if (size.width != Width() || size.height != Height()) Resize(size.width, size.height);
  line_ = line;
  StyleChanged();
}

void LineControl::Paint(HDC dc) {
  const form::LinePainting painting = form::PaintLine(line_, {Width(), Height()}, penWidth_, ends_);
  ends_ = painting.ends;
  const HPEN pen = CreatePen(PS_SOLID, penWidth_, penColor_);
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  MoveToEx(dc, ends_.fromX, ends_.fromY, nullptr);
  LineTo(dc, ends_.toX, ends_.toY);  // the final pixel stays undrawn
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  // A size change paints the control again, where the line finally stays.
  if (painting.size.width != Width() || painting.size.height != Height()) {
    Resize(painting.size.width, painting.size.height);
  }
}

LRESULT LineControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto answer = AnswerPainting(message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *answer;
  }
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    default:
      return BaseWindow::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace solvanex::win32
