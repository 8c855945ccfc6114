// CaptionButton: a keypad push button whose caption is drawn in a colour of its own. The colour
// is applied to the caption alone while painting, so the button keeps the window's palette: all
// buttons then share one palette, and the style draws the faces of equal-sized buttons once and
// reuses them, instead of resolving a palette per button and drawing every face anew.
#pragma once

#include <QColor>
#include <QPalette>
#include <QPushButton>

namespace solvanex {

class CaptionButton : public QPushButton {
 public:
  CaptionButton(const QString& caption, QColor color, QWidget* parent);

  QColor CaptionColor() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
  QPalette labelPalette_;       // the button's palette with the caption's colour
  qint64 labelPaletteFor_ = 0;  // the cache key of the palette it was made from
};

}  // namespace solvanex
