#include "mainwindow/KeyboardFilter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <QWindow>

#include "form/Keys.h"

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

namespace {

// Enter on the main keys and on the keypad are two Qt keys for the one Enter of the key table.
form::Key ToFormKey(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return form::Key::Enter;
    case Qt::Key_Escape:
      return form::Key::Escape;
    case Qt::Key_Delete:
      return form::Key::Delete;
    default:
      return form::Key::Other;
  }
}

}  // namespace

void KeyboardFilter::FormKeyDown(int key) {
  const std::string_view name = form::KeyDownButton(ToFormKey(key));
  if (name.empty()) return;
  if (QAbstractButton* button = button_(name)) press_(button);
}

void KeyboardFilter::FormKeyPress(QChar character) {
  const char32_t c = character.unicode();
  if (const int digit = form::DigitOfCharacter(c); digit >= 0) {
    if (QAbstractButton* button = digit_(static_cast<char>('0' + digit))) press_(button);
    return;
  }
  const std::string_view name = form::CharacterButton(c);
  if (name.empty()) return;
  if (QAbstractButton* button = button_(name)) press_(button);
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
  form::Modifiers held = form::kNoModifier;
  if (modifiers.testFlag(Qt::ShiftModifier)) held |= form::kShift;
  if (modifiers.testFlag(Qt::ControlModifier)) held |= form::kCtrl;
  if (modifiers.testFlag(Qt::AltModifier)) held |= form::kAlt;
  if (modifiers.testFlag(Qt::MetaModifier)) held |= form::kMeta;
#ifdef Q_OS_WIN
  constexpr bool kAltGrTypes = true;  // AltGr arrives as Ctrl+Alt, and it does type characters
#else
  constexpr bool kAltGrTypes = false;
#endif
  return form::TypesCharacter(held, kAltGrTypes);
}

}  // namespace solvanex
