// Whole texts with whatever sans-serif the machine has: a control's font is made smaller, one
// pixel at a time, until its text fits the room the control has for it. The places and sizes of
// the controls stay as laid out; only a face wider than the one they were drawn for shrinks.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace solvanex {

// No text is shrunk below this character height: smaller is no longer readable.
inline constexpr int kSmallestFitPixels = 7;

// The font's character height in pixels, whether it was given in pixels or in points.
int PixelSizeOf(const QFont& font);

// font itself when text is empty or at most width pixels wide in it; else font at the largest
// smaller pixel size (down to kSmallestFitPixels) at which it is.
QFont FontToFit(const QFont& font, const QString& text, int width);

// Gives widget the font FontToFit chooses for text from designed, unless it has that font already.
void FitWidgetFont(QWidget* widget, const QFont& designed, const QString& text, int width);

}  // namespace solvanex
