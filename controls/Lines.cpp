#include "controls/Lines.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cstdint>

namespace solvanex {

TLine::TLine(QWidget* parent)
    : QWidget(parent), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  connect(pen_.get(), &TPen::Changed, this, &TLine::StyleChanged);
  connect(brush_.get(), &TBrush::Changed, this, &TLine::StyleChanged);
  resize(kDefaultSize, kDefaultSize);
  SetFromX(0);
  SetFromY(0);
  SetToX(35);
  SetToY(35);
}

TLine::~TLine() {
  pen_.reset();
  brush_.reset();
}

void TLine::SetLine(TLineType line) {
  if (line == line_) return;
  const int w = width();
  const int h = height();
  const bool toEdgeTopOrBottom = line == TLineType::ltTop || line == TLineType::ltBottom;
  const bool toEdgeLeftOrRight = line == TLineType::ltLeft || line == TLineType::ltRight;
  const bool toDiagonal = line == TLineType::ltUpDiagonal || line == TLineType::ltDownDiagonal;
  // A horizontal or vertical line has shrunk its thickness side to a few pixels: give a line
  // that needs room across a usable default size again.
  if (line_ == TLineType::ltHorizontal) {
    if (line == TLineType::ltVertical) {
      resize(h, w);
    } else if (toEdgeTopOrBottom || toDiagonal) {
      resize(w, kDefaultSize);
    } else if (toEdgeLeftOrRight) {
      resize(kDefaultSize, w);
    }
  } else if (line_ == TLineType::ltVertical) {
    if (line == TLineType::ltHorizontal) {
      resize(h, w);
    } else if (toEdgeTopOrBottom) {
      resize(h, kDefaultSize);
    } else if (toEdgeLeftOrRight || toDiagonal) {
      resize(kDefaultSize, h);
    }
  }
  line_ = line;
  update();
}

void TLine::StyleChanged() {
  update();
}

void TLine::SetCoordinate(int& field, int value) {
  if (line_ != TLineType::ltCustom) return;
  field = value;
  update();
}

namespace {

// A size worked out in 64 bits from any int coordinate or pen width, held to what a widget can be.
int WidgetExtent(std::int64_t size) {
  return static_cast<int>(std::clamp<std::int64_t>(size, 0, QWIDGETSIZE_MAX));
}

}  // namespace

void TLine::ComputeEnds() {
  const int r = width() - 1;
  const int b = height() - 1;
  // A zero-width pen still draws one pixel; the control must not shrink to nothing for it.
  const int thickness = WidgetExtent(std::max<std::int64_t>(1, pen_->Width()) * 10);
  switch (line_) {
    case TLineType::ltCustom:
      fromX_ = std::max(0, fromX_);
      toX_ = std::max(0, toX_);
      if (r < toX_ || r < fromX_) {
        resize(WidgetExtent(std::int64_t{std::max(toX_, fromX_)} + 1), height());
      }
      fromY_ = std::max(0, fromY_);
      toY_ = std::max(0, toY_);
      if (b < toY_ || b < fromY_) {
        resize(width(), WidgetExtent(std::int64_t{std::max(toY_, fromY_)} + 1));
      }
      break;
    case TLineType::ltHorizontal:
      fromX_ = 0, fromY_ = b / 2, toX_ = r, toY_ = b / 2;
      resize(width(), thickness);
      break;
    case TLineType::ltVertical:
      fromX_ = r / 2, fromY_ = 0, toX_ = r / 2, toY_ = b;
      resize(thickness, height());
      break;
    case TLineType::ltTop:
      fromX_ = 0, fromY_ = 0, toX_ = r, toY_ = 0;
      break;
    case TLineType::ltBottom:
      fromX_ = 0, fromY_ = b, toX_ = r, toY_ = b;
      break;
    case TLineType::ltLeft:
      fromX_ = 0, fromY_ = 0, toX_ = 0, toY_ = b;
      break;
    case TLineType::ltRight:
      fromX_ = r, fromY_ = 0, toX_ = r, toY_ = b;
      break;
    case TLineType::ltUpDiagonal:
      fromX_ = 0, fromY_ = b, toX_ = r, toY_ = 0;
      break;
    case TLineType::ltDownDiagonal:
      fromX_ = 0, fromY_ = 0, toX_ = r, toY_ = b;
      break;
  }
}

void TLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(pen_->ToQPen());
  painter.setBrush(brush_->ToQBrush());
  const QRect area = rect();
  // The size may change here; the toolkit then paints again, and that painting draws the line
  // where it stays.
  ComputeEnds();
  const QPoint from(fromX_, fromY_);
  const QPoint to(toX_, toY_);
  // Lines stop just short of their end point, so that lines drawn end to end never paint the
  // shared pixel twice. Qt's flat-capped thin lines already do; the clip makes it hold for any
  // pen style the raster engine may treat otherwise.
  if (pen_->Width() <= 1) {
    painter.setClipRegion(QRegion(area).subtracted(QRegion(to.x(), to.y(), 1, 1)));
  }
  if (from != to) painter.drawLine(from, to);
}

}  // namespace solvanex
