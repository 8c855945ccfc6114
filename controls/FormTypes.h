// The window description's plain types (form/) as Qt takes them: UTF-8 texts, rectangles, sizes
// and colours.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

#include "form/Color.h"
#include "form/Geometry.h"

namespace solvanex {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QRect ToQRect(const form::Rect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height);
}

inline QSize ToQSize(const form::Size& size) {
  return QSize(size.width, size.height);
}

// A plain 0x00BBGGRR colour (system colours go through ToQColor, controls/Colors.h).
inline QColor ToQRgbColor(form::Color color) {
  return QColor(form::RedOf(color), form::GreenOf(color), form::BlueOf(color));
}

}  // namespace solvanex
