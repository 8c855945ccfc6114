// The calculator works on a view it does not own, and a key session holds that view and a view
// of its key list: none of them may be copied or moved, and a session may not be built on a key
// list that dies with the statement.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <type_traits>
#include <vector>

#include "calculator/Calculator.h"
#include "calculator/KeySession.h"

namespace solvanex {
namespace {

struct TypeCase {
  const char* name;
  bool copyConstructible;
  bool copyAssignable;
  bool moveConstructible;
  bool moveAssignable;
};

template <typename T>
TypeCase Traits(const char* name) {
  return {name, std::is_copy_constructible_v<T>, std::is_copy_assignable_v<T>,
          std::is_move_constructible_v<T>, std::is_move_assignable_v<T>};
}

class NoCopyOrMoveTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(NoCopyOrMoveTest, RefusesCopyAndMove) {
  const TypeCase& c = GetParam();
  EXPECT_FALSE(c.copyConstructible);
  EXPECT_FALSE(c.copyAssignable);
  EXPECT_FALSE(c.moveConstructible);
  EXPECT_FALSE(c.moveAssignable);
}

INSTANTIATE_TEST_SUITE_P(Core, NoCopyOrMoveTest,
                         ::testing::Values(Traits<Calculator>("Calculator"),
                                           Traits<KeySession>("KeySession")),
                         [](const ::testing::TestParamInfo<TypeCase>& info) {
                           return std::string(info.param.name);
                         });

template <typename Keys>
constexpr bool kBuildsSession = std::is_constructible_v<KeySession, char, Keys, FormulaEvaluator>;

struct KeyListCase {
  const char* name;
  bool accepted;
  bool expected;
};

class KeyListTest : public ::testing::TestWithParam<KeyListCase> {};

TEST_P(KeyListTest, AcceptsOnlyListsThatOutliveTheSession) {
  EXPECT_EQ(GetParam().accepted, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Core, KeyListTest,
    ::testing::Values(
        KeyListCase{"vector_lvalue", kBuildsSession<std::vector<KeyBinding>&>, true},
        KeyListCase{"const_vector_lvalue", kBuildsSession<const std::vector<KeyBinding>&>, true},
        KeyListCase{"span", kBuildsSession<std::span<const KeyBinding>>, true},
        KeyListCase{"vector_temporary", kBuildsSession<std::vector<KeyBinding>>, false},
        KeyListCase{"array_temporary", kBuildsSession<std::array<KeyBinding, 2>>, false}),
    [](const ::testing::TestParamInfo<KeyListCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvanex
