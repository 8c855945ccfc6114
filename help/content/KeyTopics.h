// Where the help explains each key of the arithmetic keypad: one index entry "Touche <caption>"
// per key, and a descriptive one for most, landing on the paragraph of that key.
#pragma once

#include "calculator/Keypad.h"

#include <span>
#include <string>
#include <string_view>

namespace solvanex::helpcontent {

struct KeyTopic {
  std::string_view control;  // the key's control name
  std::string_view name;     // descriptive index entry; empty for the "Touche" entry alone
  std::string_view topic;    // page and anchor: "touches.html#ce"
};

std::span<const KeyTopic> KeyTopics();

// The topic of a key; throws std::out_of_range for a key that the help does not explain, so
// that a key added to the keypad without its help fails the build.
const KeyTopic& TopicOf(const KeyBinding& key);

// The index items of the keys.
std::string KeyIndexItems(std::span<const KeyBinding> keys);

}  // namespace solvanex::helpcontent
