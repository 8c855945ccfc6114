// ShownText: the full text of the display line and the part of it that an editor lays out, in
// UTF-16 (the text unit of both systems' edit controls).
//
// An editor's document is a lossy copy of a text: it would break the line at a lone CR or LF
// as well as at CR LF, and it cannot lay out a line of millions of characters in reasonable time.
// So the full text is kept here, exactly, and the document only shows it: every CR LF as one
// break, a lone CR or LF as a visible mark on the same line and, when the text is longer than
// kShownLimit units, only its last kShownLimit units (the end is what a right-aligned display
// line shows) after one ellipsis that stands for the hidden head. Each position of the shown
// text stands for a known range of the full text, so edits made in the document and selections
// in it map back exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace solvanex::form {

class ShownText {
 public:
  static constexpr int kShownLimit = 4096;
  static constexpr char16_t kHiddenMark = u'\u2026';
  static constexpr char16_t kBreak = u'\u2029';               // the shown line break
  static constexpr char16_t kLoneCarriageReturn = u'\u240D';  // shown for a CR without LF
  static constexpr char16_t kLoneLineFeed = u'\u240A';        // shown for an LF after no CR
  static constexpr char16_t kLineSeparator = u'\u2028';       // typed into a document: a break

  ShownText() { Rebuild(0); }

  // Stores text; a text longer than kShownLimit hides its head.
  void Set(std::u16string text);
  const std::u16string& Text() const { return text_; }
  // The text for the document: breaks as kBreak, the hidden head as kHiddenMark.
  const std::u16string& Shown() const { return shown_; }
  int HiddenLength() const { return hidden_; }

  // The index in Text() where shown position pos starts (pos may be Shown().size()).
  int TextIndex(int pos) const;
  // The first shown position that starts at or after index of Text().
  int ShownPosition(int index) const;

  // Replaces the range [from, to) of Text() and shows the result afresh.
  void Replace(int from, int to, std::u16string_view with);

  // Takes over an edit made in the document, whose raw text is now document. Returns false when
  // the document no longer matches Shown() as rebuilt from the new text (a merged CR LF, text
  // typed before the ellipsis): the caller must then show Shown() again. caretIndex receives the
  // index in Text() just after the edit. A break typed in the document (kBreak or
  // kLineSeparator) becomes CR LF.
  bool ApplyEdit(std::u16string_view document, int* caretIndex = nullptr);

  // Joins the lines of text: each CR is removed together with an LF that directly follows it.
  // A lone LF is kept, and so is the character after a lone CR.
  static std::u16string JoinLines(std::u16string_view text);

 private:
  void Rebuild(int hidden);

  std::u16string text_;
  std::u16string shown_;
  int hidden_ = 0;
  std::vector<int> starts_;  // starts_[pos]: where shown position pos starts in text_
};

}  // namespace solvanex::form
