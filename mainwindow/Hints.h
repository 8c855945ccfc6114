// Hint texts carried by the window's controls. Every control may have a hint; the status bar
// shows the hint of the control under the pointer, or that of its nearest parent with one.
#pragma once

#include <QString>

class QWidget;

namespace solvanex {

void SetHint(QWidget* widget, const QString& hint);
QString HintOf(const QWidget* widget);

// The hint for the pointer over widget: its own, else its parent's, and so on up to window.
// Empty for no widget and for a widget of any other window (a menu, a dialog).
QString EffectiveHint(const QWidget* widget, const QWidget* window);

}  // namespace solvanex
