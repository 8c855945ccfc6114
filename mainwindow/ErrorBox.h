// The modal error box that shows an error raised by a key handler: error icon, OK button, the
// application title as caption. The window holds it as a replaceable function so that tests
// can see what would be shown without a nested event loop. The text is form/ErrorText.h's.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace solvanex {

using ErrorBoxFunction =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

// Shows a QMessageBox with the error icon and an OK button, and waits for it to close.
void ShowModalErrorBox(QWidget* parent, const QString& caption, const QString& text);

}  // namespace solvanex
