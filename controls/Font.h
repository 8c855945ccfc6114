// TFont: a font description that tells its owner about every change, so that a control can show
// a change made directly on the font object at once.
#pragma once

#include <QFont>
#include <QString>
#include <cstdint>

#include "controls/Colors.h"
#include "controls/ObservedObject.h"

namespace solvanex {

class TFont : public TObservedObject {
  Q_OBJECT

 public:
  static constexpr int kDefaultCharset = 1;  // "whatever the system uses"
  // The largest character height in pixels that ToQFont gives, whatever the height set: far
  // beyond any screen, and within what font engines draw.
  static constexpr int kMaxPixelSize = 16384;

  explicit TFont(QObject* parent = nullptr);

  std::uint32_t Color() const { return color_; }
  void SetColor(std::uint32_t color);
  // Negative: the character height in pixels; positive: the cell height (character height plus
  // internal leading) in pixels; 0: the toolkit's default size.
  int Height() const { return height_; }
  void SetHeight(int height);
  QString Name() const { return name_; }
  void SetName(const QString& name);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  bool Italic() const { return italic_; }
  void SetItalic(bool italic);
  bool Underline() const { return underline_; }
  void SetUnderline(bool underline);
  bool StrikeOut() const { return strikeOut_; }
  void SetStrikeOut(bool strikeOut);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  // Copies every attribute of other; one Changed() when anything differed.
  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;

  // The Qt font for these attributes. A family that is not installed falls back to a close
  // sans-serif (the classic dialog font is a Windows bitmap font that few other systems have).
  QFont ToQFont() const;

 private:
  std::uint32_t color_ = clWindowText;
  int height_ = -11;
  QString name_ = QStringLiteral("MS Sans Serif");
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
  bool strikeOut_ = false;
  int charset_ = kDefaultCharset;
};

}  // namespace solvanex
