#include "controls/Lines.h"

#include <QPainter>
#include <QRegion>

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
  const form::Size size = form::SizeForLineType(line_, line, {width(), height()});
  if (size.width != width() || size.height != height()) resize(size.width, size.height);
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

void TLine::ComputeEnds() {
  const form::LinePainting painting =
      form::PaintLine(line_, {width(), height()}, pen_->Width(), {fromX_, fromY_, toX_, toY_});
  fromX_ = painting.ends.fromX;
  fromY_ = painting.ends.fromY;
  toX_ = painting.ends.toX;
  toY_ = painting.ends.toY;
  if (painting.size.width != width() || painting.size.height != height()) {
    resize(painting.size.width, painting.size.height);
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
