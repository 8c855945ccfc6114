// The line control's geometry: the size that follows a change of type, the end points of each
// type and the size a painting settles on.
#include <gtest/gtest.h>

#include <limits>

#include "form/LineGeometry.h"

namespace solvanex::form {
namespace {

using T = LineType;

TEST(LineGeometryTest, SizeFollowsAChangeOfType) {
  struct Case {
    T from;
    T to;
    Size size;
    Size expected;
  };
  const Case cases[] = {
      {T::ltHorizontal, T::ltVertical, {196, 10}, {10, 196}},
      {T::ltHorizontal, T::ltTop, {196, 10}, {196, 65}},
      {T::ltHorizontal, T::ltBottom, {196, 10}, {196, 65}},
      {T::ltHorizontal, T::ltLeft, {196, 10}, {65, 196}},
      {T::ltHorizontal, T::ltRight, {196, 10}, {65, 196}},
      {T::ltHorizontal, T::ltUpDiagonal, {196, 10}, {196, 65}},
      {T::ltHorizontal, T::ltDownDiagonal, {196, 10}, {196, 65}},
      {T::ltHorizontal, T::ltCustom, {196, 10}, {196, 10}},
      {T::ltVertical, T::ltHorizontal, {10, 80}, {80, 10}},
      {T::ltVertical, T::ltTop, {10, 80}, {80, 65}},
      {T::ltVertical, T::ltBottom, {10, 80}, {80, 65}},
      {T::ltVertical, T::ltLeft, {10, 80}, {65, 80}},
      {T::ltVertical, T::ltRight, {10, 80}, {65, 80}},
      {T::ltVertical, T::ltUpDiagonal, {10, 80}, {65, 80}},
      {T::ltVertical, T::ltDownDiagonal, {10, 80}, {65, 80}},
      {T::ltVertical, T::ltCustom, {10, 80}, {10, 80}},
      {T::ltTop, T::ltVertical, {30, 40}, {30, 40}},
      {T::ltCustom, T::ltHorizontal, {30, 40}, {30, 40}},
      {T::ltHorizontal, T::ltHorizontal, {196, 10}, {196, 10}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SizeForLineType(c.from, c.to, c.size), c.expected)
        << int(c.from) << " -> " << int(c.to);
  }
}

TEST(LineGeometryTest, EndsOfEachType) {
  struct Case {
    T type;
    LineEnds ends;
    Size size;
  };
  // A control 100 × 50: R = 99, B = 49; a 1-pixel pen.
  const Case cases[] = {
      {T::ltHorizontal, {0, 24, 99, 24}, {100, 10}}, {T::ltVertical, {49, 0, 49, 49}, {10, 50}},
      {T::ltTop, {0, 0, 99, 0}, {100, 50}},          {T::ltBottom, {0, 49, 99, 49}, {100, 50}},
      {T::ltLeft, {0, 0, 0, 49}, {100, 50}},         {T::ltRight, {99, 0, 99, 49}, {100, 50}},
      {T::ltUpDiagonal, {0, 49, 99, 0}, {100, 50}},  {T::ltDownDiagonal, {0, 0, 99, 49}, {100, 50}},
  };
  for (const Case& c : cases) {
    const LinePainting p = PaintLine(c.type, {100, 50}, 1, {7, 7, 7, 7});
    EXPECT_EQ(p.ends, c.ends) << int(c.type);
    EXPECT_EQ(p.size, c.size) << int(c.type);
  }
}

TEST(LineGeometryTest, TheAboutSeparatorSettlesAfterTwoPaintings) {
  // 196 × 65, 1-pixel pen: the first painting draws at y = 32 and sets the height to 10; the next
  // draws from (0, 4) to (195, 4).
  const LinePainting first = PaintLine(T::ltHorizontal, {196, 65}, 1, {});
  EXPECT_EQ(first.ends, (LineEnds{0, 32, 195, 32}));
  EXPECT_EQ(first.size, (Size{196, 10}));
  const LinePainting second = PaintLine(T::ltHorizontal, first.size, 1, first.ends);
  EXPECT_EQ(second.ends, (LineEnds{0, 4, 195, 4}));
  EXPECT_EQ(second.size, first.size);
}

TEST(LineGeometryTest, CustomEndsGrowTheControlAndLoseTheirSign) {
  LinePainting p = PaintLine(T::ltCustom, {100, 65}, 1, {0, -3, 200, 35});
  EXPECT_EQ(p.ends, (LineEnds{0, 0, 200, 35}));
  EXPECT_EQ(p.size, (Size{201, 65}));
  p = PaintLine(T::ltCustom, {10, 10}, 1, {-5, 0, 3, 70});
  EXPECT_EQ(p.ends, (LineEnds{0, 0, 3, 70}));
  EXPECT_EQ(p.size, (Size{10, 71}));
  // Extreme values are held to what a control can be.
  const int big = std::numeric_limits<int>::max();
  p = PaintLine(T::ltCustom, {10, 10}, 1, {big, 0, 0, big});
  EXPECT_EQ(p.size, (Size{kLargestLineExtent, kLargestLineExtent}));
}

TEST(LineGeometryTest, ThicknessFollowsThePen) {
  EXPECT_EQ(PaintLine(T::ltHorizontal, {50, 50}, 3, {}).size, (Size{50, 30}));
  EXPECT_EQ(PaintLine(T::ltVertical, {50, 50}, 0, {}).size, (Size{10, 50}));
  EXPECT_EQ(PaintLine(T::ltHorizontal, {50, 50}, std::numeric_limits<int>::max(), {}).size,
            (Size{50, kLargestLineExtent}));
}

}  // namespace
}  // namespace solvanex::form
