#include "mainwindow/CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace solvanex {

CaptionButton::CaptionButton(const QString& caption, QColor color, QWidget* parent)
    : QPushButton(caption, parent), color_(color) {}

void CaptionButton::paintEvent(QPaintEvent* /*event*/) {
  // The style's own push button drawing, in its three steps: face, caption, focus frame. Only
  // the caption's step sees the colour, so the face is drawn with the shared palette.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  QStyleOptionButton label = option;
  label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  // The caption's palette is made once per palette of the button, not at every painting.
  if (palette().cacheKey() != labelPaletteFor_) {
    labelPaletteFor_ = palette().cacheKey();
    labelPalette_ = palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      labelPalette_.setColor(group, QPalette::ButtonText, color_);
    }
  }
  label.palette = labelPalette_;
  label.palette.setCurrentColorGroup(option.palette.currentColorGroup());
  painter.drawControl(QStyle::CE_PushButtonLabel, label);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace solvanex
