#include "mainwindow/Hints.h"

#include <QVariant>
#include <QWidget>

namespace solvanex {

namespace {
constexpr const char* kHintProperty = "solvanexHint";
}

void SetHint(QWidget* widget, const QString& hint) {
  widget->setProperty(kHintProperty, hint);
}

QString HintOf(const QWidget* widget) {
  return widget->property(kHintProperty).toString();
}

QString EffectiveHint(const QWidget* widget, const QWidget* window) {
  if (widget == nullptr || window == nullptr || widget->window() != window) return {};
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QString hint = HintOf(w);
    if (!hint.isEmpty()) return hint;
    if (w == window) break;
  }
  return {};
}

}  // namespace solvanex
