#include "controls/PenBrush.h"

namespace solvanex {

void TPen::Assign(const TPen& other) {
  if (&other == this) return;
  if (color_ == other.color_ && width_ == other.width_ && style_ == other.style_) return;
  color_ = other.color_;
  width_ = other.width_;
  style_ = other.style_;
  emit Changed();
}

QPen TPen::ToQPen() const {
  QPen pen(ToQColor(color_), width_, style_, Qt::FlatCap, Qt::MiterJoin);
  if (width_ <= 1) pen.setCosmetic(true);
  return pen;
}

void TBrush::Assign(const TBrush& other) {
  if (&other == this) return;
  if (color_ == other.color_ && style_ == other.style_) return;
  color_ = other.color_;
  style_ = other.style_;
  emit Changed();
}

}  // namespace solvanex
