#include "form/ShownText.h"

#include <algorithm>

namespace solvanex::form {

namespace {

// Only CR LF breaks a line. A lone CR or LF (text copied on Linux ends with one) is shown as its
// control picture, on the same line. An editor treats its own frame markers and the Unicode line
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
    case ShownText::kLineSeparator:
    case ShownText::kBreak:
      return u'\uFFFD';
    default:
      return c;
  }
}

bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

int Size(const std::u16string& text) {
  return static_cast<int>(text.size());
}

}  // namespace

void ShownText::Set(std::u16string text) {
  text_ = std::move(text);
  int hidden = std::max(0, Size(text_) - kShownLimit);
  // Never hide half of a CR LF pair or of a surrogate pair.
  if (hidden > 0 && hidden < Size(text_) &&
      ((text_[static_cast<std::size_t>(hidden)] == u'\n' &&
        text_[static_cast<std::size_t>(hidden) - 1] == u'\r') ||
       IsLowSurrogate(text_[static_cast<std::size_t>(hidden)]))) {
    ++hidden;
  }
  Rebuild(hidden);
}

void ShownText::Rebuild(int hidden) {
  hidden_ = hidden;
  shown_.clear();
  starts_.clear();
  const std::size_t size = text_.size();
  shown_.reserve(size - static_cast<std::size_t>(hidden) + 1);
  starts_.reserve(size - static_cast<std::size_t>(hidden) + 2);
  if (hidden > 0) {
    shown_.push_back(kHiddenMark);
    starts_.push_back(0);
  }
  for (std::size_t i = static_cast<std::size_t>(hidden); i < size;) {
    starts_.push_back(static_cast<int>(i));
    const char16_t c = text_[i];
    if (c == u'\r' && i + 1 < size && text_[i + 1] == u'\n') {
      shown_.push_back(kBreak);
      i += 2;
    } else {
      shown_.push_back(Displayable(c));
      ++i;
    }
  }
  starts_.push_back(static_cast<int>(size));
}

int ShownText::TextIndex(int pos) const {
  pos = std::clamp(pos, 0, static_cast<int>(starts_.size()) - 1);
  return starts_[static_cast<std::size_t>(pos)];
}

int ShownText::ShownPosition(int index) const {
  const auto it = std::lower_bound(starts_.begin(), starts_.end(), index);
  if (it == starts_.end()) return Size(shown_);
  return static_cast<int>(it - starts_.begin());
}

void ShownText::Replace(int from, int to, std::u16string_view with) {
  from = std::clamp(from, 0, Size(text_));
  to = std::clamp(to, from, Size(text_));
  std::u16string text;
  text.reserve(text_.size() - static_cast<std::size_t>(to - from) + with.size());
  const std::u16string_view old(text_);
  text.append(old.substr(0, static_cast<std::size_t>(from)))
      .append(with)
      .append(old.substr(static_cast<std::size_t>(to)));
  Set(std::move(text));
}

bool ShownText::ApplyEdit(std::u16string_view document, int* caretIndex) {
  const std::u16string& old = shown_;
  const std::size_t shorter = std::min(old.size(), document.size());
  std::size_t head = 0;
  while (head < shorter && old[head] == document[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         old[old.size() - 1 - tail] == document[document.size() - 1 - tail]) {
    ++tail;
  }
  const int oldTo = static_cast<int>(old.size() - tail);
  const int from = TextIndex(static_cast<int>(head));
  const int to = TextIndex(oldTo);

  // Line breaks typed in the document become CR LF, as in the platform's own edit controls.
  std::u16string added;
  for (std::size_t i = head; i < document.size() - tail; ++i) {
    const char16_t c = document[i];
    if (c == kBreak || c == kLineSeparator) {
      added.append(u"\r\n");
    } else {
      added.push_back(c);
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
  std::u16string text;
  text.reserve(text_.size() - static_cast<std::size_t>(to - from) + added.size());
  const std::u16string_view oldText(text_);
  text.append(oldText.substr(0, static_cast<std::size_t>(from)))
      .append(added)
      .append(oldText.substr(static_cast<std::size_t>(to)));
  text_ = std::move(text);
  if (caretIndex != nullptr) *caretIndex = from + static_cast<int>(added.size());
  if (typedBeforeMark) {
    Set(std::move(text_));
    return false;
  }
  Rebuild(hidden);
  return shown_ == document;
}

std::u16string ShownText::JoinLines(std::u16string_view text) {
  std::u16string joined;
  joined.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      continue;
    }
    joined.push_back(text[i]);
  }
  return joined;
}

}  // namespace solvanex::form
