// Placement rules: the status bar's panels, the columns of a choice group, and the About box's
// controls and text cap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/About.h"
#include "form/Layout.h"
#include "form/Window.h"

namespace solvanex::form {
namespace {

TEST(LayoutTest, StatusPanelsShareTheBar) {
  struct Case {
    std::vector<int> widths;
    Size bar;
    std::vector<Rect> panels;
  };
  const Case cases[] = {
      {{110}, {552, 19}, {{0, 2, 108, 17}, {110, 2, 442, 17}}},
      {{}, {100, 19}, {{0, 2, 100, 17}}},
      {{50, 60}, {200, 10}, {{0, 2, 48, 8}, {50, 2, 58, 8}, {110, 2, 90, 8}}},
      // Too small a bar: nothing goes below zero.
      {{110}, {80, 1}, {{0, 2, 108, 0}, {110, 2, 0, 0}}},
      {{1}, {0, 0}, {{0, 2, 0, 0}, {1, 2, 0, 0}}},
  };
  for (const Case& c : cases) EXPECT_EQ(PanelRects(c.widths, c.bar), c.panels);
  EXPECT_EQ(PanelRects(kPanelWidths, {kStatusBarRect.width, kStatusBarRect.height}).size(),
            static_cast<std::size_t>(kHintPanel) + 1);
}

TEST(LayoutTest, ChoiceColumnsShareEquallyUnlessAnItemWouldBeCut) {
  struct Case {
    const char* name;
    std::vector<int> needed;
    int inner;
    std::vector<int> widths;
    bool fit;
  };
  const Case cases[] = {
      {"equal shares", {40, 50}, 118, {59, 59}, true},
      {"wide item takes what it needs", {40, 90}, 161, {55, 105}, true},
      {"nothing spare", {80, 81}, 161, {80, 81}, true},
      {"too wide: no share below zero", {100, 100}, 150, {100, 100}, false},
      {"one column", {30}, 50, {50}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChoiceColumnWidths(c.needed, c.inner), c.widths);
    EXPECT_EQ(ChoiceColumnsFit(c.needed, c.inner), c.fit);
  }
}

TEST(LayoutTest, ChoiceItemsGoColumnByColumn) {
  const std::vector<int> needed{40, 50};
  // The unit group: 167 × 30, two items side by side.
  EXPECT_EQ(ChoiceItemRects({167, 30}, 2, needed),
            (std::vector<Rect>{{3, 6, 80, 18}, {83, 6, 80, 18}}));
  // Three items in two columns: two rows, the first column full.
  EXPECT_EQ(ChoiceItemRects({106, 46}, 3, needed),
            (std::vector<Rect>{{3, 6, 50, 17}, {3, 23, 50, 17}, {53, 6, 50, 17}}));
  EXPECT_TRUE(ChoiceItemRects({167, 30}, 0, needed).empty());
  EXPECT_EQ(ChoiceRows(5, 2), 3);
  EXPECT_EQ(ChoiceRows(0, 2), 1);
  EXPECT_EQ(ChoiceRows(3, 0), 3);
  EXPECT_EQ(ChoiceInnerWidth({kRadioGroup1.rect.width, kRadioGroup1.rect.height}), 161);
}

TEST(LayoutTest, AboutControlsSitInsideTheDialog) {
  const about::LabelLayout labels[] = {about::kLabel1, about::kLabel2, about::kLabel3,
                                       about::kPhysMem, about::kPhysRes};
  for (const auto& label : labels) {
    EXPECT_LT(label.left, about::kTextRight) << label.name;
    EXPECT_LT(label.top, about::kButtonRect.top) << label.name;
  }
  // Black above white, one pixel apart.
  EXPECT_EQ(about::kLine2.rect.top, about::kLine1.rect.top + 1);
  EXPECT_EQ(about::kButtonRect.Right(), 282);
  EXPECT_LE(about::kButtonRect.Bottom(), about::kClientSize.height);
}

TEST(LayoutTest, AboutTextsAreCappedToWholeCharacters) {
  const std::u16string hundred(100, u'x');
  EXPECT_EQ(about::CappedLength(u""), 0u);
  EXPECT_EQ(about::CappedLength(hundred), 100u);
  EXPECT_EQ(about::CappedLength(hundred + u"y"), 100u);
  // A surrogate pair across the cut goes whole.
  EXPECT_EQ(about::CappedLength(std::u16string(99, u'x') + u"\U0001F600"), 99u);
  EXPECT_EQ(about::CappedLength(std::u16string(98, u'x') + u"\U0001F600z"), 100u);
}

}  // namespace
}  // namespace solvanex::form
