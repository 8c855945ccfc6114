// DisplayView: the calculator core's view of the window. It writes the core's texts into the
// display line and the memory indicator, paints the display's text in the core's colour, and
// reads the two choice groups at the moment the core asks.
#pragma once

#include "calculator/CalculatorView.h"

class QLabel;

namespace solvanex {

class TAlignEdit;
class TRadioGroup;

class DisplayView : public CalculatorView {
 public:
  DisplayView(TAlignEdit* display, QLabel* memoryIndicator, TRadioGroup* unitSystem,
              TRadioGroup* sex);

  std::string DisplayText() const override;
  void SetDisplayText(const std::string& text) override;
  void SetDisplayColor(std::uint32_t color) override;
  void SetMemoryIndicator(const std::string& caption) override;
  Choices SelectedChoices() const override;

 private:
  TAlignEdit* display_;
  QLabel* memoryIndicator_;
  TRadioGroup* unitSystem_;
  TRadioGroup* sex_;
};

}  // namespace solvanex
