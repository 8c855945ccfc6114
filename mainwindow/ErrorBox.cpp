#include "mainwindow/ErrorBox.h"

#include <QMessageBox>

#include "controls/ClassicPalette.h"

namespace solvanex {

void ShowModalErrorBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  // Light and black, as the window it belongs to, whatever the desktop's colour scheme.
  box.setPalette(ClassicPalette());
  box.exec();
}

namespace {

constexpr char32_t kEllipsis = U'\u2026';
constexpr char32_t kLineBreakMark = U'\u21b5';

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

QString FromUtf8(std::string_view bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Keeps the quoted text on one line: a line break (CR LF, CR or LF) becomes one mark, other
// control characters a blank.
QString OneLine(const QList<uint>& codes) {
  QString out;
  out.reserve(codes.size());
  for (qsizetype i = 0; i < codes.size(); ++i) {
    const char32_t c = codes[i];
    if (c == U'\r' || c == U'\n') {
      if (c == U'\r' && i + 1 < codes.size() && codes[i + 1] == U'\n') ++i;
      out += QChar(static_cast<char16_t>(kLineBreakMark));
    } else if (c < 0x20 || c == 0x7f) {
      out += QLatin1Char(' ');
    } else {
      const char32_t one[] = {c};
      out += QString::fromUcs4(one, 1);
    }
  }
  return out;
}

}  // namespace

QString ElideForErrorBox(std::string_view message, std::size_t from, std::size_t length) {
  if (from > message.size()) from = message.size();
  if (length > message.size() - from) length = message.size() - from;
  const std::string_view quoted = message.substr(from, length);

  // Counted in code points, so that no character is ever cut in two. A code point takes at most
  // four bytes: only the two ends of a long text need decoding, never the megabytes between.
  constexpr std::size_t kEndBytes = 4 * (kElisionHead + kElisionTail + 1);
  QList<uint> codes;
  if (quoted.size() <= 2 * kEndBytes) {
    codes = FromUtf8(quoted).toUcs4();
  } else {
    std::size_t headEnd = kEndBytes;
    while (headEnd > 0 && IsContinuationByte(quoted[headEnd])) --headEnd;
    std::size_t tailStart = quoted.size() - kEndBytes;
    while (tailStart < quoted.size() && IsContinuationByte(quoted[tailStart])) ++tailStart;
    codes = FromUtf8(quoted.substr(0, headEnd)).toUcs4();
    codes.append(kEllipsis);  // forces elision below: the middle is never shown
    codes.append(FromUtf8(quoted.substr(tailStart)).toUcs4());
  }
  if (codes.size() > kElisionHead + kElisionTail + 1) {
    QList<uint> kept = codes.first(kElisionHead);
    kept.append(kEllipsis);
    kept.append(codes.last(kElisionTail));
    codes = std::move(kept);
  }
  return FromUtf8(message.substr(0, from)) + OneLine(codes) +
         FromUtf8(message.substr(from + length));
}

}  // namespace solvanex
