// TLine: a control that draws one straight line inside its own rectangle: along one of its
// edges, through its middle, along a diagonal, or between two chosen points. The About box puts
// a black one and a white one a pixel apart to draw an engraved separator.
//
// Outside ltCustom the four coordinates are outputs: every painting overwrites them with the end
// points it drew. A horizontal or vertical line also sets its thickness-side size to ten times
// the pen width while it paints, which makes the toolkit paint it once more at that size. Where
// the line goes and what size the control takes are worked out in form/LineGeometry.h.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "controls/PenBrush.h"
#include "form/LineGeometry.h"

namespace solvanex {

// The line types, as the window description defines them (form/LineGeometry.h).
using TLineType = form::LineType;

class TLine : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDefaultSize = form::kLineDefaultSize;

  explicit TLine(QWidget* parent = nullptr);
  ~TLine() override;

  TLineType Line() const { return line_; }
  void SetLine(TLineType line);

  TPen* Pen() { return pen_.get(); }
  void SetPen(const TPen& pen) { pen_->Assign(pen); }
  TBrush* Brush() { return brush_.get(); }
  void SetBrush(const TBrush& brush) { brush_->Assign(brush); }

  // Taken only under ltCustom; ignored under every other type.
  int FromX() const { return fromX_; }
  void SetFromX(int value) { SetCoordinate(fromX_, value); }
  int ToX() const { return toX_; }
  void SetToX(int value) { SetCoordinate(toX_, value); }
  int FromY() const { return fromY_; }
  void SetFromY(int value) { SetCoordinate(fromY_, value); }
  int ToY() const { return toY_; }
  void SetToY(int value) { SetCoordinate(toY_, value); }

  int Width() const { return width(); }
  void SetWidth(int width) { resize(width, height()); }
  int Height() const { return height(); }
  void SetHeight(int height) { resize(width(), height); }

  // The change handler of the pen and the brush.
  void StyleChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetCoordinate(int& field, int value);
  void ComputeEnds();

  TLineType line_ = TLineType::ltCustom;
  // Members, not children: freed, pen first, before the widget underneath.
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  int fromX_ = 0;
  int toX_ = 35;
  int fromY_ = 0;
  int toY_ = 35;
};

}  // namespace solvanex
