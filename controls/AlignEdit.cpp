#include "controls/AlignEdit.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "platform/Beep.h"

namespace solvanex {

namespace {

Qt::Alignment ToQtAlignment(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return Qt::AlignRight;
    case TAlignment::taCenter:
      return Qt::AlignHCenter;
    case TAlignment::taLeftJustify:
      break;
  }
  return Qt::AlignLeft;
}

bool IsReturn(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
         event.text() == QStringLiteral("\r");
}

// Focus that comes with a left mouse press must not select the text: the press is about to
// place the caret. When the toolkit cannot tell the button, the press counts as a left one.
bool ByLeftMousePress(const QFocusEvent& event) {
  if (event.reason() != Qt::MouseFocusReason) return false;
  const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
  return buttons == Qt::NoButton || buttons.testFlag(Qt::LeftButton);
}

// The text's UTF-16 units, as the shown text takes them, without a copy.
std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace

TAlignEdit::TAlignEdit(QWidget* parent)
    : QPlainTextEdit(parent),
      fontOnFocus_(std::make_unique<TFont>()),
      fontOnNoFocus_(std::make_unique<TFont>()) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
  setFocusPolicy(Qt::StrongFocus);
  // The clipboard goes through the exact text; a drop would edit the shown part behind its back.
  setAcceptDrops(false);
  viewport()->setAcceptDrops(false);
  document()->setDocumentMargin(1);
  connect(fontOnNoFocus_.get(), &TFont::Changed, this, [this] { ShowFont(*fontOnNoFocus_); });
  connect(document(), &QTextDocument::contentsChanged, this, &TAlignEdit::DocumentChanged);
  setFont(shownFont_.ToQFont());
  ApplyPalette();
  Recreate();
}

TAlignEdit::~TAlignEdit() {
  // The editor underneath outlives the fonts; nothing must reach back into this object.
  disconnect(document(), nullptr, this, nullptr);
}

void TAlignEdit::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Recreate();
}

void TAlignEdit::SetColorOnFocus(std::uint32_t color) {
  if (inFocus_) ShowColor(color);
  colorOnFocus_ = color;
}

void TAlignEdit::SetColorOnNoFocus(std::uint32_t color) {
  ShowColor(color);
  colorOnNoFocus_ = color;
}

void TAlignEdit::SetFontOnFocus(const TFont& font) {
  if (inFocus_) ShowFont(font);
  fontOnFocus_->Assign(font);
}

void TAlignEdit::SetFontOnNoFocus(const TFont& font) {
  ShowFont(font);
  fontOnNoFocus_->Assign(font);
}

void TAlignEdit::SetExitOnReturn(bool exitOnReturn) {
  if (exitOnReturn == exitOnReturn_) return;
  if (exitOnReturn) {
    // The text keeps its line breaks and WordWrap its value: only the key handling changes.
    const bool wasMultiLine = multiLine_;
    multiLine_ = false;
    if (wasMultiLine) Recreate();
  } else {
    Recreate();
  }
  exitOnReturn_ = exitOnReturn;
}

void TAlignEdit::SetMultiLine(bool multiLine) {
  if (multiLine == multiLine_) return;
  if (multiLine) {
    SetExitOnReturn(false);
  } else {
    SetText(QString::fromStdU16String(form::ShownText::JoinLines(text_.Text())));
    wordWrap_ = false;
  }
  multiLine_ = multiLine;
  Recreate();
}

void TAlignEdit::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  SetMultiLine(true);
  Recreate();
}

bool TAlignEdit::TabStop() const {
  return focusPolicy() == Qt::StrongFocus;
}

void TAlignEdit::SetTabStop(bool tabStop) {
  setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TAlignEdit::SetText(const QString& text) {
  text_.Set(text.toStdU16String());
  Render(static_cast<int>(text.size()));
}

void TAlignEdit::SetReadOnly(bool readOnly) {
  setReadOnly(readOnly);
  // A read-only edit line still lets the keyboard move the caret and select.
  if (readOnly) {
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
}

void TAlignEdit::SelectAll() {
  selectAll();
}

void TAlignEdit::CopyToClipboard() {
  if (SelectionStart() == SelectionEnd()) return;
  QGuiApplication::clipboard()->setText(SelectedText());
}

void TAlignEdit::PasteFromClipboard() {
  if (isReadOnly()) return;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return;
  ReplaceSelection(data->text());
}

void TAlignEdit::Clear() {
  SetText(QString());
}

int TAlignEdit::SelectionStart() const {
  return text_.TextIndex(textCursor().selectionStart());
}

int TAlignEdit::SelectionEnd() const {
  return text_.TextIndex(textCursor().selectionEnd());
}

QString TAlignEdit::SelectedText() const {
  const int start = SelectionStart();
  const int end = SelectionEnd();
  return QString::fromUtf16(text_.Text().data() + start, end - start);
}

void TAlignEdit::SetSelection(int start, int end) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(text_.ShownPosition(start));
  cursor.setPosition(text_.ShownPosition(end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void TAlignEdit::focusInEvent(QFocusEvent* event) {
  // A context menu borrows the focus for a moment; it is no real exit and entry.
  if (event->reason() == Qt::PopupFocusReason) {
    QPlainTextEdit::focusInEvent(event);
    return;
  }
  if (!inFocus_) {
    inFocus_ = true;
    if (alignment_ != TAlignment::taLeftJustify) viewport()->update();
  }
  if (autoSelect_ && !ByLeftMousePress(*event)) SelectAll();
  QPlainTextEdit::focusInEvent(event);
  ShowColor(colorOnFocus_);
  ShowFont(*fontOnFocus_);
  emit Entered();
}

void TAlignEdit::focusOutEvent(QFocusEvent* event) {
  if (event->reason() == Qt::PopupFocusReason) {
    QPlainTextEdit::focusOutEvent(event);
    return;
  }
  if (inFocus_) {
    inFocus_ = false;
    if (alignment_ != TAlignment::taLeftJustify) viewport()->update();
  }
  QPlainTextEdit::focusOutEvent(event);
  ShowColor(colorOnNoFocus_);
  ShowFont(*fontOnNoFocus_);
  emit Exited();
}

void TAlignEdit::keyPressEvent(QKeyEvent* event) {
  if (exitOnReturn_) {
    if (IsReturn(*event)) {
      // Posted, not sent: Tab navigation runs after this key has been handled, and the Enter
      // itself inserts nothing.
      QCoreApplication::postEvent(this,
                                  new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
      event->accept();
      return;
    }
  } else if (!multiLine_) {
    if (IsReturn(*event)) {
      platform::MessageBeep(0);
      event->accept();
      return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
      QKeyEvent sideways(event->type(), event->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                         event->modifiers(), QString(), event->isAutoRepeat(),
                         static_cast<quint16>(event->count()));
      QPlainTextEdit::keyPressEvent(&sideways);
      event->setAccepted(sideways.isAccepted());
      return;
    }
  } else if (IsReturn(*event) && event->modifiers() != Qt::NoModifier) {
    // Shift+Enter would insert a line separator; every typed line break is a paragraph break.
    QKeyEvent plain(event->type(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QPlainTextEdit::keyPressEvent(&plain);
    event->setAccepted(plain.isAccepted());
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

bool TAlignEdit::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void TAlignEdit::insertFromMimeData(const QMimeData* source) {
  if (source != nullptr && source->hasText()) ReplaceSelection(source->text());
}

QMimeData* TAlignEdit::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(SelectedText());
  return data;
}

void TAlignEdit::Recreate() {
  // Qt has no platform window to recreate: the alignment and wrapping are re-applied to the
  // document, which keeps its text.
  setLineWrapMode(wordWrap_ ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  setWordWrapMode(wordWrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(ToQtAlignment(alignment_));
  document()->setDefaultTextOption(option);
  viewport()->update();
}

void TAlignEdit::ShowColor(std::uint32_t color) {
  shownColor_ = color;
  ApplyPalette();
}

void TAlignEdit::ShowFont(const TFont& font) {
  if (shownFont_.SameAs(font)) return;
  const bool sameFace = shownFont_.ToQFont() == font.ToQFont();
  shownFont_.Assign(font);
  // A colour change alone must not make the editor lay its text out again.
  if (!sameFace) setFont(shownFont_.ToQFont());
  ApplyPalette();
}

void TAlignEdit::ApplyPalette() {
  QPalette shown = palette();
  const QColor base = ToQColor(shownColor_);
  const QColor text = ToQColor(shownFont_.Color());
  shown.setColor(QPalette::Base, base);
  shown.setColor(QPalette::Text, text);
  // The editor draws the selection in the inactive colours while it has no focus: drawn as plain
  // text then, the selection is kept but not seen until the focus comes back.
  shown.setColor(QPalette::Inactive, QPalette::Highlight, base);
  shown.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
  setPalette(shown);
}

void TAlignEdit::Render(int caretIndex) {
  rendering_ = true;
  setPlainText(QString::fromStdU16String(text_.Shown()));
  rendering_ = false;
  QTextCursor caret = textCursor();
  caret.setPosition(text_.ShownPosition(caretIndex));
  setTextCursor(caret);
  ensureCursorVisible();
}

void TAlignEdit::RenderLater(int caretIndex) {
  queuedCaret_ = caretIndex;
  if (renderQueued_) return;
  renderQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        renderQueued_ = false;
        Render(queuedCaret_);
      },
      Qt::QueuedConnection);
}

void TAlignEdit::DocumentChanged() {
  if (rendering_) return;
  const QString shown = document()->toRawText();
  if (QStringView(shown) == QStringView(text_.Shown())) return;
  int caret = 0;
  // Rebuilding the document from inside its own change notification would pull it from under
  // the editor's cursor: the new document is set once the edit is over.
  if (!text_.ApplyEdit(View(shown), &caret)) RenderLater(caret);
}

void TAlignEdit::ReplaceSelection(const QString& with) {
  const int from = SelectionStart();
  text_.Replace(from, SelectionEnd(), View(with));
  Render(from + static_cast<int>(with.size()));
}

}  // namespace solvanex
