// The button table as a whole: every button joined with its keypad row, inside the client area,
// clear of its neighbours and of the other controls, the digits found by their captions.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "form/Buttons.h"
#include "form/Window.h"

namespace solvanex::form {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Inside(const Rect& r, Size area) {
  return r.left >= 0 && r.top >= 0 && r.Right() <= area.width && r.Bottom() <= area.height;
}

TEST(ButtonsTest, EveryButtonHasItsKeypadRowAndItsOwnPlace) {
  const auto& buttons = FormButtons();
  ASSERT_EQ(buttons.size(), 55u);
  std::set<std::string_view> names;
  const Rect others[] = {kAfficheurRect, kEnMemoireRect, kRadioGroup1.rect, kRadioGroup2.rect,
                         kStatusBarRect};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const FormButton& b = buttons[i];
    SCOPED_TRACE(std::string(b.Name()));
    EXPECT_TRUE(names.insert(b.Name()).second);
    ASSERT_NE(b.binding, nullptr);
    EXPECT_FALSE(b.Caption().empty());
    EXPECT_TRUE(static_cast<bool>(b.binding->click));
    EXPECT_TRUE(Inside(b.layout->rect, kClientSize));
    for (std::size_t j = i + 1; j < buttons.size(); ++j) {
      EXPECT_FALSE(Overlap(b.layout->rect, buttons[j].layout->rect)) << buttons[j].Name();
    }
    for (const Rect& other : others) EXPECT_FALSE(Overlap(b.layout->rect, other));
  }
}

TEST(ButtonsTest, DigitsAreFoundByCaptionOnceEach) {
  std::set<int> digits;
  for (const FormButton& b : FormButtons()) {
    const int digit = DigitOfCaption(b.Caption());
    if (digit < 0) continue;
    EXPECT_TRUE(digits.insert(digit).second) << digit;
    EXPECT_EQ(b.Name(), "SpeedButton" + std::to_string(digit));
    // Digits carry no tooltip.
    EXPECT_FALSE(b.ShowsTooltip());
  }
  EXPECT_EQ(digits.size(), 10u);
  const std::string_view notDigits[] = {"", "10", "a", "/", ":"};
  for (const std::string_view caption : notDigits) EXPECT_EQ(DigitOfCaption(caption), -1);
}

TEST(ButtonsTest, CaptionColoursAreThePlainColoursOfTheirKind) {
  struct Case {
    std::string_view name;
    Color color;
  };
  const Case cases[] = {
      {"Egal", 0x0000FF}, {"SpeedButton7", 0xFF0000}, {"Glycemie", 0xFF00FF},
      {"IMC", 0x800080},  {"DEB", 0x808000},
  };
  for (const Case& c : cases) {
    for (const FormButton& b : FormButtons()) {
      if (b.Name() == c.name) {
        EXPECT_EQ(b.CaptionColor(), c.color) << c.name;
      }
    }
  }
}

TEST(ButtonsTest, AnUnknownRowStaysUnjoined) {
  const KeyBinding only[] = {{"Egal", "=", "", {}}};
  const auto buttons = FormButtons(only);
  ASSERT_EQ(buttons.size(), 55u);
  for (const FormButton& b : buttons) {
    EXPECT_EQ(b.binding != nullptr, b.Name() == "Egal") << b.Name();
    if (b.binding == nullptr) {
      EXPECT_EQ(b.Caption(), "");
      EXPECT_FALSE(b.ShowsTooltip());
    }
  }
}

}  // namespace
}  // namespace solvanex::form
