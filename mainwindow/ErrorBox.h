// The modal error box that shows an error raised by a key handler: error icon, OK button, the
// application title as caption. The window holds it as a replaceable function so that tests
// can see what would be shown without a nested event loop.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace solvanex {

using ErrorBoxFunction =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

// Shows a QMessageBox with the error icon and an OK button, and waits for it to close.
void ShowModalErrorBox(QWidget* parent, const QString& caption, const QString& text);

// The longest run of a message's quoted text that the box shows whole; a longer one keeps its
// first kElisionHead and last kElisionTail characters around one "…", so the box always fits
// the screen with its button in reach (a pasted text can be megabytes long).
inline constexpr int kElisionHead = 60;
inline constexpr int kElisionTail = 20;

// text with the characters [from, from + length) shortened as told above; line breaks and other
// control characters in what is kept are shown as one visible mark each so the box keeps one
// line. Positions count UTF-8 bytes of message; the result is whole characters.
QString ElideForErrorBox(std::string_view message, std::size_t from, std::size_t length);

}  // namespace solvanex
