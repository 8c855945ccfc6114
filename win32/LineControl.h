// LineControl (TLine): a control that draws one straight line inside its own rectangle, along
// an edge, through its middle, along a diagonal or between two chosen points, with its own pen.
// The About box uses two, black above white, as an engraved separator. Outside the custom type
// the end points are outputs of each painting; a horizontal line settles its height at ten
// times the pen width, a vertical one its width, which makes the control paint again.
#pragma once

#include "form/LineGeometry.h"
#include "win32/BaseWindow.h"

namespace solvanex::win32 {

using form::LineType;

class LineControl : public BaseWindow {
 public:
  static constexpr wchar_t kClassName[] = L"SolvanexLine";

  LineControl() = default;
  ~LineControl() override;

  // A new control is 65 × 65 at (left, top), from (0, 0) to (35, 35).
  void Create(HWND parent, int left, int top);

  LineType Line() const { return line_; }
  void SetLine(LineType line);
  COLORREF PenColor() const { return penColor_; }
  void SetPenColor(COLORREF color);
  int PenWidth() const { return penWidth_; }
  void SetPenWidth(int width);
  int FromX() const { return ends_.fromX; }
  int FromY() const { return ends_.fromY; }
  int ToX() const { return ends_.toX; }
  int ToY() const { return ends_.toY; }
  // Taken only while the type is ltCustom.
  void SetFromX(int value);
  void SetFromY(int value);
  void SetToX(int value);
  void SetToY(int value);
  int Width() const;
  int Height() const;
  void SetBounds(int left, int top, int width, int height);

  // Works out the end points for the current size (storing them) and draws the line into dc;
  // may change the control's size, which paints it again.
  void Paint(HDC dc);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void StyleChanged();
  void Resize(int width, int height);

  LineType line_ = LineType::ltCustom;
  COLORREF penColor_ = RGB(0, 0, 0);
  int penWidth_ = 1;
  form::LineEnds ends_;
};

}  // namespace solvanex::win32
