// What the calculator core sees of its window: the display line (a text and a colour), the
// memory indicator and the two choice groups. The main window implements it with widgets; the
// key-script runner and the tests implement it in memory.
#pragma once

#include <cstdint>
#include <string>

namespace solvanex {

// Colour values as 0x00BBGGRR.
inline constexpr std::uint32_t kColorBlack = 0;
inline constexpr std::uint32_t kColorRed = 255;

// The selected items of the two choice groups; -1 means that no item is selected.
struct Choices {
  int unitSystem = 0;  // 0 "Ancien " (conventional units), 1 "International" (SI units)
  int sex = 0;         // 0 "Homme", 1 "Femme"
};

inline constexpr int kUnitsConventional = 0;
inline constexpr int kUnitsInternational = 1;
inline constexpr int kSexMale = 0;
inline constexpr int kSexFemale = 1;

class CalculatorView {
 public:
  virtual ~CalculatorView() = default;

  // The display line's text, UTF-8.
  virtual std::string DisplayText() const = 0;
  virtual void SetDisplayText(const std::string& text) = 0;
  // The colour of the display's text, shown at once whatever the focus.
  virtual void SetDisplayColor(std::uint32_t color) = 0;
  // The caption of the memory indicator: "" or "M".
  virtual void SetMemoryIndicator(const std::string& caption) = 0;
  // The choice groups as they are at this moment.
  virtual Choices SelectedChoices() const = 0;
};

}  // namespace solvanex
