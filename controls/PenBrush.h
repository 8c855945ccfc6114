// TPen and TBrush: drawing attributes that tell their owner about every change, so that a
// control repaints as soon as its pen or brush is altered, also when the change is made directly
// on the object.
#pragma once

#include <QBrush>
#include <QPen>
#include <cstdint>

#include "controls/Colors.h"
#include "controls/ObservedObject.h"

namespace solvanex {

class TPen : public TObservedObject {
  Q_OBJECT

 public:
  explicit TPen(QObject* parent = nullptr) : TObservedObject(parent) {}

  std::uint32_t Color() const { return color_; }
  void SetColor(std::uint32_t color) { Update(color_, color); }
  // Width 0 draws as thin as the device allows, like width 1.
  int Width() const { return width_; }
  void SetWidth(int width) { Update(width_, width); }
  Qt::PenStyle Style() const { return style_; }
  void SetStyle(Qt::PenStyle style) { Update(style_, style); }

  void Assign(const TPen& other);
  // Flat caps: a line ends at its end point and does not reach past it.
  QPen ToQPen() const;

 private:
  std::uint32_t color_ = clBlack;
  int width_ = 1;
  Qt::PenStyle style_ = Qt::SolidLine;
};

class TBrush : public TObservedObject {
  Q_OBJECT

 public:
  explicit TBrush(QObject* parent = nullptr) : TObservedObject(parent) {}

  std::uint32_t Color() const { return color_; }
  void SetColor(std::uint32_t color) { Update(color_, color); }
  Qt::BrushStyle Style() const { return style_; }
  void SetStyle(Qt::BrushStyle style) { Update(style_, style); }

  void Assign(const TBrush& other);
  QBrush ToQBrush() const { return QBrush(ToQColor(color_), style_); }

 private:
  std::uint32_t color_ = clWhite;
  Qt::BrushStyle style_ = Qt::SolidPattern;
};

}  // namespace solvanex
