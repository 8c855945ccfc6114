#include "controls/Font.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>

namespace solvanex {

TFont::TFont(QObject* parent) : TObservedObject(parent) {}

void TFont::SetColor(std::uint32_t color) {
  Update(color_, color);
}
void TFont::SetHeight(int height) {
  Update(height_, height);
}
void TFont::SetName(const QString& name) {
  Update(name_, name);
}
void TFont::SetBold(bool bold) {
  Update(bold_, bold);
}
void TFont::SetItalic(bool italic) {
  Update(italic_, italic);
}
void TFont::SetUnderline(bool underline) {
  Update(underline_, underline);
}
void TFont::SetStrikeOut(bool strikeOut) {
  Update(strikeOut_, strikeOut);
}
void TFont::SetCharset(int charset) {
  Update(charset_, charset);
}

bool TFont::SameAs(const TFont& other) const {
  return color_ == other.color_ && height_ == other.height_ && name_ == other.name_ &&
         bold_ == other.bold_ && italic_ == other.italic_ && underline_ == other.underline_ &&
         strikeOut_ == other.strikeOut_ && charset_ == other.charset_;
}

void TFont::Assign(const TFont& other) {
  if (&other == this || SameAs(other)) return;
  color_ = other.color_;
  height_ = other.height_;
  name_ = other.name_;
  bold_ = other.bold_;
  italic_ = other.italic_;
  underline_ = other.underline_;
  strikeOut_ = other.strikeOut_;
  charset_ = other.charset_;
  emit Changed();
}

QFont TFont::ToQFont() const {
  QFont font;
  // Qt takes the first installed family of the list; the ones after the asked-for name are the
  // nearest look-alikes of the Windows dialog fonts found on other systems, the narrow
  // Helvetica-like faces first. "Arial" comes after them: where it is not installed, fontconfig
  // may answer it with a wide sans-serif, in which "Retour arrière" would not fit its 94-pixel
  // button. The window's controls and its display line share this list, and so one loaded font.
  font.setFamilies({name_, QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
                    QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  // Set as the classic desktop sets dialog text: hinted to the pixel grid, each glyph at its
  // advance, without kerning or ligatures. Text in such a font also needs no shaping engine, and
  // each glyph is drawn once rather than once per fraction of a pixel it may start at.
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  font.setStrikeOut(strikeOut_);
  // Worked out in 64 bits: any int may be set as the height, and its negation or square does
  // not fit in an int. Sizes are held to kMaxPixelSize.
  const std::int64_t height = height_;
  if (height < 0) {
    font.setPixelSize(static_cast<int>(std::min<std::int64_t>(-height, kMaxPixelSize)));
  } else if (height > 0) {
    // A positive height is the whole cell; shrink the character height until the cell fits
    // (measuring needs the font system of a running GUI application).
    const std::int64_t wanted = std::min<std::int64_t>(height, kMaxPixelSize);
    font.setPixelSize(static_cast<int>(wanted));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
      const std::int64_t cell = QFontMetrics(font).height();
      if (cell > wanted) {
        font.setPixelSize(static_cast<int>(std::max<std::int64_t>(1, wanted * wanted / cell)));
      }
    }
  }
  return font;
}

}  // namespace solvanex
