#include "controls/TextFit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QWidget>

namespace solvanex {

int PixelSizeOf(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QFont FontToFit(const QFont& font, const QString& text, int width) {
  // An empty text fits anywhere, even in a control not yet given its size.
  if (text.isEmpty() || QFontMetrics(font).horizontalAdvance(text) <= width) return font;
  QFont smaller = font;
  int pixels = PixelSizeOf(font);
  while (pixels > kSmallestFitPixels) {
    smaller.setPixelSize(--pixels);
    if (QFontMetrics(smaller).horizontalAdvance(text) <= width) break;
  }
  return smaller;
}

void FitWidgetFont(QWidget* widget, const QFont& designed, const QString& text, int width) {
  const QFont fitted = FontToFit(designed, text, width);
  if (fitted != widget->font()) widget->setFont(fitted);
}

}  // namespace solvanex
