#include "mainwindow/KeyboardFilter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <QWindow>

#include "mainwindow/KeyTables.h"

namespace solvanex {

KeyboardFilter::KeyboardFilter(QWidget* window, FindButton button, FindDigit digit, Press press)
    : QObject(window),
      window_(window),
      button_(std::move(button)),
      digit_(std::move(digit)),
      press_(std::move(press)) {}

void KeyboardFilter::Install() {
  // The filter sits on the platform window, where every key arrives once, before Qt hands it to
  // the focused control (or to the window itself when nothing has the focus).
  window_->winId();
  window_->windowHandle()->installEventFilter(this);
}

void KeyboardFilter::FormKeyDown(int key) {
  for (const KeyDownRow& row : kKeyDownTable) {
    if (row.key == key) {
      if (QAbstractButton* button = button_(row.button)) press_(button);
      return;
    }
  }
}

void KeyboardFilter::FormKeyPress(QChar character) {
  const char16_t c = character.unicode();
  if (c >= u'0' && c <= u'9') {
    if (QAbstractButton* button = digit_(static_cast<char>(c))) press_(button);
    return;
  }
  for (const CharacterRow& row : kCharacterTable) {
    if (static_cast<char16_t>(row.character) == c) {
      if (QAbstractButton* button = button_(row.button)) press_(button);
      return;
    }
  }
}

bool KeyboardFilter::IsMenuShortcut(const QKeyEvent& event) const {
  const QKeySequence typed(event.keyCombination());
  const auto actions = window_->findChildren<QAction*>();
  for (const QAction* action : actions) {
    if (!action->shortcut().isEmpty() &&
        action->shortcut().matches(typed) == QKeySequence::ExactMatch) {
      return true;
    }
  }
  return false;
}

bool KeyboardFilter::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (window_ == nullptr || event == nullptr) return false;
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  // Keys typed into an open menu belong to the menu.
  if (QApplication::activePopupWidget() != nullptr) return false;
  auto* key = static_cast<QKeyEvent*>(event);

  if (type == QEvent::ShortcutOverride) {
    if (!IsMenuShortcut(*key)) return false;
    // Not overridden: the shortcut map triggers the menu item, and the key stops there.
    key->ignore();
    return true;
  }

  FormKeyDown(key->key());
  const QString text = key->text();
  if (text.size() == 1 && ProducesCharacter(key->modifiers())) FormKeyPress(text.front());
  return false;
}

bool KeyboardFilter::ProducesCharacter(Qt::KeyboardModifiers modifiers) {
  // A key held with Alt, Ctrl or the logo key is a command, not typing: on Windows it produces no
  // character, and toolkits that still report one must not press a button with it.
  const Qt::KeyboardModifiers command = modifiers & (Qt::AltModifier | Qt::ControlModifier);
#ifdef Q_OS_WIN
  // AltGr arrives as Ctrl+Alt, and it does type characters.
  if (command == (Qt::AltModifier | Qt::ControlModifier)) return true;
#endif
  return command == Qt::NoModifier && !modifiers.testFlag(Qt::MetaModifier);
}

}  // namespace solvanex
