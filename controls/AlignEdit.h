// TAlignEdit: the calculator's display line. A text box whose text can be left-aligned,
// right-aligned or centred and which shows one background colour and font while it holds the
// keyboard focus and another pair while it does not. Underneath it is always a multi-line editor;
// single-line use comes from its key filtering (Enter swallowed with a beep or turned into Tab,
// Up and Down turned into Left and Right).
//
// Text() is always exactly the text that was set, pasted or typed (line breaks typed by the user
// are CR LF). A very long text is shown only in part (see form/ShownText.h), because laying out a
// single line of millions of characters would freeze the window for many seconds.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <cstdint>
#include <memory>

#include "controls/Colors.h"
#include "controls/Font.h"
#include "form/ShownText.h"

class QMimeData;

namespace solvanex {

enum class TAlignment {
  taLeftJustify,   // text starts at the left edge
  taRightJustify,  // text ends at the right edge (the calculator display)
  taCenter,        // text is centred
};

class TAlignEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TAlignEdit(QWidget* parent = nullptr);
  ~TAlignEdit() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  std::uint32_t ColorOnFocus() const { return colorOnFocus_; }
  void SetColorOnFocus(std::uint32_t color);
  std::uint32_t ColorOnNoFocus() const { return colorOnNoFocus_; }
  void SetColorOnNoFocus(std::uint32_t color);

  // Changes made directly on FontOnFocus show at the next focus entry; changes made on
  // FontOnNoFocus show at once, focused or not (the calculator paints its errors red that way).
  TFont* FontOnFocus() { return fontOnFocus_.get(); }
  void SetFontOnFocus(const TFont& font);
  TFont* FontOnNoFocus() { return fontOnNoFocus_.get(); }
  void SetFontOnNoFocus(const TFont& font);

  // ExitOnReturn and MultiLine are never both on: switching either on switches the other off.
  bool ExitOnReturn() const { return exitOnReturn_; }
  void SetExitOnReturn(bool exitOnReturn);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  // Switching WordWrap either way switches MultiLine on.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

  bool InFocus() const { return inFocus_; }

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
  // Off: reachable by a mouse click only, not by Tab.
  bool TabStop() const;
  void SetTabStop(bool tabStop);

  QString Text() const { return QString::fromStdU16String(text_.Text()); }
  void SetText(const QString& text);
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool readOnly);

  void SelectAll();
  void CopyToClipboard();
  // Replaces the selection by the clipboard's text; nothing while read-only.
  void PasteFromClipboard();
  void Clear();
  // The selection as a range of Text() (a selection that covers the hidden head of a very long
  // text covers all of it).
  int SelectionStart() const;
  int SelectionEnd() const;
  QString SelectedText() const;
  // Selects [start, end) of Text(), the caret at end (start == end: only places the caret).
  void SetSelection(int start, int end);

  // What is shown now.
  std::uint32_t ShownColor() const { return shownColor_; }
  QFont ShownFont() const { return shownFont_.ToQFont(); }
  std::uint32_t ShownFontColor() const { return shownFont_.Color(); }
  // The part of the text that is laid out (all of it unless it is very long).
  QString ShownPart() const { return QString::fromStdU16String(text_.Shown()); }

 signals:
  void Entered();  // the control has gained the focus (after the colours and font have changed)
  void Exited();   // the control has lost it

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  void Recreate();
  void ShowColor(std::uint32_t color);
  void ShowFont(const TFont& font);
  void ApplyPalette();
  void Render(int caretIndex);
  void RenderLater(int caretIndex);
  void DocumentChanged();
  void ReplaceSelection(const QString& with);

  TAlignment alignment_ = TAlignment::taLeftJustify;
  std::uint32_t colorOnFocus_ = clWindow;
  std::uint32_t colorOnNoFocus_ = clWindow;
  // Members, not children: they go before the editor underneath, which the observer updates.
  std::unique_ptr<TFont> fontOnFocus_;
  std::unique_ptr<TFont> fontOnNoFocus_;
  bool exitOnReturn_ = false;
  bool inFocus_ = false;
  bool multiLine_ = false;
  bool wordWrap_ = false;
  bool autoSelect_ = true;

  std::uint32_t shownColor_ = clWindow;
  TFont shownFont_;
  form::ShownText text_;
  bool rendering_ = false;
  bool renderQueued_ = false;
  int queuedCaret_ = 0;
};

}  // namespace solvanex
