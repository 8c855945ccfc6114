#include "form/ErrorText.h"

#include "calculator/Errors.h"
#include "form/Unicode.h"

namespace solvanex::form {

namespace {

constexpr char32_t kEllipsis = U'\u2026';
constexpr char32_t kLineBreakMark = U'\u21b5';

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Keeps the quoted text on one line: a line break (CR LF, CR or LF) becomes one mark, other
// control characters a blank.
std::string OneLine(const std::u32string& codes) {
  std::string out;
  out.reserve(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const char32_t c = codes[i];
    if (c == U'\r' || c == U'\n') {
      if (c == U'\r' && i + 1 < codes.size() && codes[i + 1] == U'\n') ++i;
      AppendUtf8(out, kLineBreakMark);
    } else if (c < 0x20 || c == 0x7f) {
      out += ' ';
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

}  // namespace

std::string ElideForErrorBox(std::string_view message, std::size_t from, std::size_t length) {
  if (from > message.size()) from = message.size();
  if (length > message.size() - from) length = message.size() - from;
  const std::string_view quoted = message.substr(from, length);

  // Counted in code points, so that no character is ever cut in two. A code point takes at most
  // four bytes: only the two ends of a long text need decoding, never the megabytes between.
  constexpr std::size_t kEndBytes = 4 * (kElisionHead + kElisionTail + 1);
  std::u32string codes;
  if (quoted.size() <= 2 * kEndBytes) {
    codes = Utf8ToCodePoints(quoted);
  } else {
    std::size_t headEnd = kEndBytes;
    while (headEnd > 0 && IsContinuationByte(quoted[headEnd])) --headEnd;
    std::size_t tailStart = quoted.size() - kEndBytes;
    while (tailStart < quoted.size() && IsContinuationByte(quoted[tailStart])) ++tailStart;
    codes = Utf8ToCodePoints(quoted.substr(0, headEnd));
    codes += kEllipsis;  // forces elision below: the middle is never shown
    codes += Utf8ToCodePoints(quoted.substr(tailStart));
  }
  if (codes.size() > kElisionHead + kElisionTail + 1) {
    std::u32string kept = codes.substr(0, kElisionHead);
    kept += kEllipsis;
    kept += codes.substr(codes.size() - kElisionTail);
    codes = std::move(kept);
  }
  // The text around the quoted part is the program's own, whole characters already; it is still
  // passed through the decoder so that the result is valid UTF-8 whatever came in.
  return CodePointsToUtf8(Utf8ToCodePoints(message.substr(0, from))) + OneLine(codes) +
         CodePointsToUtf8(Utf8ToCodePoints(message.substr(from + length)));
}

namespace {

// The message shortened, then its full stop: the stop goes by the message's own last character
// (ErrorBoxText's rule, asked of that character alone, so that a message of megabytes is not
// copied for it) and comes after everything that is shortened.
std::string Shortened(std::string_view message, std::size_t from, std::size_t length) {
  std::string shown = ElideForErrorBox(message, from, length);
  if (!message.empty()) {
    const std::string_view last = message.substr(message.size() - 1);
    shown += ErrorBoxText(last).substr(last.size());
  }
  return shown;
}

}  // namespace

std::string ErrorBoxMessage(const std::exception& error) {
  const std::string_view message = error.what();
  if (const auto* conversion = dynamic_cast<const ConversionError*>(&error)) {
    const std::size_t at = message.find(conversion->Text());
    if (at != std::string_view::npos) return Shortened(message, at, conversion->Text().size());
  }
  return Shortened(message, 0, message.size() > kLongMessage ? message.size() : 0);
}

std::string CurrentErrorBoxMessage() {
  try {
    throw;
  } catch (const std::exception& error) {
    return ErrorBoxMessage(error);
  } catch (...) {
    return ErrorBoxText(kUnexpectedError);
  }
}

}  // namespace solvanex::form
