#include "controls/ShownText.h"

#include <algorithm>

namespace solvanex {

namespace {

// Only CR LF breaks a line. A lone CR or LF (text copied on Linux ends with one) is shown as its
// control picture, on the same line. The document treats its frame markers and the Unicode line
// and paragraph separators as breaks too; they are shown as replacement characters. Each
// character of the text keeps exactly one position either way.
char16_t Displayable(char16_t c) {
  switch (c) {
    case u'\r':
      return ShownText::kLoneCarriageReturn;
    case u'\n':
      return ShownText::kLoneLineFeed;
    case u'\uFDD0':
    case u'\uFDD1':
    case u'\u2028':
    case ShownText::kBreak:
      return u'\uFFFD';
    default:
      return c;
  }
}

}  // namespace

void ShownText::Set(const QString& text) {
  text_ = text;
  int hidden = std::max<qsizetype>(0, text_.size() - kShownLimit);
  // Never hide half of a CR LF pair or of a surrogate pair.
  if (hidden > 0 && hidden < text_.size() &&
      ((text_[hidden] == u'\n' && text_[hidden - 1] == u'\r') || text_[hidden].isLowSurrogate())) {
    ++hidden;
  }
  Rebuild(hidden);
}

void ShownText::Rebuild(int hidden) {
  hidden_ = hidden;
  shown_.clear();
  starts_.clear();
  const qsizetype size = text_.size();
  shown_.reserve(size - hidden + 1);
  starts_.reserve(size - hidden + 2);
  if (hidden > 0) {
    shown_.append(QChar(kHiddenMark));
    starts_.push_back(0);
  }
  for (qsizetype i = hidden; i < size;) {
    starts_.push_back(static_cast<int>(i));
    const char16_t c = text_[i].unicode();
    if (c == u'\r' && i + 1 < size && text_[i + 1] == u'\n') {
      shown_.append(QChar(kBreak));
      i += 2;
    } else {
      shown_.append(QChar(Displayable(c)));
      ++i;
    }
  }
  starts_.push_back(static_cast<int>(size));
}

int ShownText::TextIndex(int pos) const {
  pos = std::clamp(pos, 0, static_cast<int>(starts_.size()) - 1);
  return starts_[pos];
}

int ShownText::ShownPosition(int index) const {
  const auto it = std::lower_bound(starts_.begin(), starts_.end(), index);
  if (it == starts_.end()) return static_cast<int>(shown_.size());
  return static_cast<int>(it - starts_.begin());
}

void ShownText::Replace(int from, int to, const QString& with) {
  from = std::clamp<int>(from, 0, text_.size());
  to = std::clamp<int>(to, from, text_.size());
  QString text;
  text.reserve(text_.size() - (to - from) + with.size());
  text.append(QStringView(text_).left(from)).append(with).append(QStringView(text_).mid(to));
  Set(text);
}

bool ShownText::ApplyEdit(const QString& document, int* caretIndex) {
  const QString& old = shown_;
  const qsizetype shorter = std::min(old.size(), document.size());
  qsizetype head = 0;
  while (head < shorter && old[head] == document[head]) ++head;
  qsizetype tail = 0;
  while (tail < shorter - head &&
         old[old.size() - 1 - tail] == document[document.size() - 1 - tail]) {
    ++tail;
  }
  const int oldTo = static_cast<int>(old.size() - tail);
  const int from = TextIndex(static_cast<int>(head));
  const int to = TextIndex(oldTo);

  // Line breaks typed in the document become CR LF, as in the platform's own edit controls.
  QString added;
  for (qsizetype i = head; i < document.size() - tail; ++i) {
    const QChar c = document[i];
    if (c == QChar(kBreak) || c == QChar::LineSeparator) {
      added.append(u"\r\n");
    } else {
      added.append(c);
    }
  }

  int hidden = hidden_;
  bool typedBeforeMark = false;
  if (hidden > 0 && head == 0) {
    if (oldTo > 0) {
      hidden = 0;  // the ellipsis went with the edit, and the hidden head with it
    } else {
      typedBeforeMark = true;
    }
  }
  QString text;
  text.reserve(text_.size() - (to - from) + added.size());
  text.append(QStringView(text_).left(from)).append(added).append(QStringView(text_).mid(to));
  text_ = std::move(text);
  if (caretIndex != nullptr) *caretIndex = from + static_cast<int>(added.size());
  if (typedBeforeMark) {
    Set(text_);
    return false;
  }
  Rebuild(hidden);
  return shown_ == document;
}

QString ShownText::JoinLines(const QString& text) {
  QString joined;
  joined.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      continue;
    }
    joined.append(text[i]);
  }
  return joined;
}

}  // namespace solvanex
