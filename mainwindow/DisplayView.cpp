#include "mainwindow/DisplayView.h"

#include <QLabel>

#include "controls/AlignEdit.h"
#include "mainwindow/RadioGroup.h"

namespace solvanex {

DisplayView::DisplayView(TAlignEdit* display, QLabel* memoryIndicator, TRadioGroup* unitSystem,
                         TRadioGroup* sex)
    : display_(display), memoryIndicator_(memoryIndicator), unitSystem_(unitSystem), sex_(sex) {}

std::string DisplayView::DisplayText() const {
  return display_->Text().toStdString();
}

void DisplayView::SetDisplayText(const std::string& text) {
  display_->SetText(QString::fromStdString(text));
}

void DisplayView::SetDisplayColor(std::uint32_t color) {
  // The core's colour is that of the display's unfocused font, which shows at once, focused or
  // not: an error message is red even while the display holds the focus.
  display_->FontOnNoFocus()->SetColor(color);
}

void DisplayView::SetMemoryIndicator(const std::string& caption) {
  memoryIndicator_->setText(QString::fromStdString(caption));
}

Choices DisplayView::SelectedChoices() const {
  return {unitSystem_->ItemIndex(), sex_->ItemIndex()};
}

}  // namespace solvanex
