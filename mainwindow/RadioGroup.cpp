#include "mainwindow/RadioGroup.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <span>
#include <vector>

#include "controls/FormTypes.h"
#include "controls/TextFit.h"
#include "form/Layout.h"

namespace solvanex {

namespace {

std::span<const int> Span(const QList<int>& list) {
  return {list.constData(), static_cast<std::size_t>(list.size())};
}

}  // namespace

TRadioGroup::TRadioGroup(const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), columns_(columns < 1 ? 1 : columns) {
  group_->setExclusive(true);
  for (const QString& item : items) {
    auto* button = new QRadioButton(item, this);
    button->setAccessibleName(item);
    group_->addButton(button, static_cast<int>(buttons_.size()));
    buttons_.append(button);
  }
  // The items are placed once the group has its bounds (SetBounds, or the resize event when it
  // is first shown): placing them in the default size would only measure their texts at ever
  // smaller sizes for nothing.
}

int TRadioGroup::ItemIndex() const {
  return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < buttons_.size()) {
    buttons_[index]->setChecked(true);
    return;
  }
  // An exclusive group never lets its last checked button go by itself.
  group_->setExclusive(false);
  for (QRadioButton* button : buttons_) button->setChecked(false);
  group_->setExclusive(true);
}

void TRadioGroup::SetBounds(const QRect& bounds) {
  setGeometry(bounds);
  PlaceButtons();
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  // The resize event that comes when the group is first shown brings the size SetBounds has
  // already placed the items for.
  if (size() != placedFor_) PlaceButtons();
}

int TRadioGroup::NeededWidth(const QRadioButton* button, const QFont& font) const {
  const QStyle* style = button->style();
  return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) +
         QFontMetrics(font).horizontalAdvance(button->text()) + form::kChoiceTextSlack;
}

QList<int> TRadioGroup::NeededWidths(const QFont& font) const {
  const int rows = form::ChoiceRows(static_cast<int>(buttons_.size()), columns_);
  QList<int> needed(columns_, 0);
  for (int i = 0; i < buttons_.size(); ++i) {
    needed[i / rows] = std::max(needed[i / rows], NeededWidth(buttons_[i], font));
  }
  return needed;
}

QFont TRadioGroup::ItemFont(int innerWidth, QList<int>* needed) const {
  // The group's own font, unless the items side by side would not fit in it: then all items
  // take the largest smaller size at which they do, so that none is cut by the frame or runs
  // into its neighbour's circle.
  QFont font = this->font();
  int pixels = PixelSizeOf(font);
  for (;;) {
    *needed = NeededWidths(font);
    if (form::ChoiceColumnsFit(Span(*needed), innerWidth)) break;
    if (pixels <= kSmallestFitPixels) break;
    font.setPixelSize(--pixels);
  }
  return font;
}

void TRadioGroup::PlaceButtons() {
  // Columns share the inner width equally, as in a classic radio group, unless a column's
  // widest item would be cut: then each column gets what its items need and the rest is
  // shared. The items are placed by hand rather than by a layout's size hints, whose margins
  // would cut "International" in a 167-pixel group.
  placedFor_ = size();
  if (buttons_.isEmpty()) return;
  QList<int> needed;
  const QFont itemFont = ItemFont(form::ChoiceInnerWidth({width(), height()}), &needed);
  for (QRadioButton* button : buttons_) {
    if (button->font() != itemFont) button->setFont(itemFont);
  }
  const std::vector<form::Rect> places =
      form::ChoiceItemRects({width(), height()}, static_cast<int>(buttons_.size()), Span(needed));
  for (std::size_t i = 0; i < places.size(); ++i) {
    buttons_[static_cast<qsizetype>(i)]->setGeometry(ToQRect(places[i]));
  }
}

}  // namespace solvanex
