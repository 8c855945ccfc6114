// The calculator works on a view it does not own, and a key session holds that view and a view
// of its key list: none of them may be copied or moved, and a session may not be built on a key
// list that dies with the statement. These are properties of the types, so they are checked
// when this file is compiled: a change that breaks one fails the build of the tests.
#include <array>
#include <span>
#include <type_traits>
#include <vector>

#include "calculator/Calculator.h"
#include "calculator/KeySession.h"

namespace solvanex {
namespace {

template <typename T>
constexpr bool kNeitherCopiedNorMoved =
    !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T> &&
    !std::is_move_constructible_v<T> && !std::is_move_assignable_v<T>;

static_assert(kNeitherCopiedNorMoved<Calculator>);
static_assert(kNeitherCopiedNorMoved<KeySession>);

template <typename Keys>
constexpr bool kBuildsSession = std::is_constructible_v<KeySession, char, Keys, FormulaEvaluator>;

// Lists that outlive the session are taken...
static_assert(kBuildsSession<std::vector<KeyBinding>&>);
static_assert(kBuildsSession<const std::vector<KeyBinding>&>);
static_assert(kBuildsSession<std::span<const KeyBinding>>);
// ...temporaries are refused.
static_assert(!kBuildsSession<std::vector<KeyBinding>>);
static_assert(!kBuildsSession<std::array<KeyBinding, 2>>);

}  // namespace
}  // namespace solvanex
