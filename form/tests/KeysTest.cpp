// The key tables and menus: which key presses which button, which held modifiers still type, and
// the menu's accelerators.
#include <gtest/gtest.h>

#include <set>

#include "form/Buttons.h"
#include "form/Keys.h"
#include "form/Menus.h"

namespace solvanex::form {
namespace {

bool IsButton(std::string_view name) {
  for (const ButtonLayout& b : ButtonTable()) {
    if (b.name == name) return true;
  }
  return false;
}

TEST(KeysTest, KeysPressTheirButtons) {
  struct Case {
    Key key;
    std::string_view button;
  };
  const Case keys[] = {
      {Key::Enter, "Egal"}, {Key::Escape, "C"}, {Key::Delete, "CE"}, {Key::Other, ""}};
  for (const Case& c : keys) EXPECT_EQ(KeyDownButton(c.key), c.button);

  struct CharCase {
    char32_t character;
    std::string_view button;
  };
  const CharCase characters[] = {
      {U'+', "Addition"},
      {U'-', "Soustraction"},
      {U'*', "Multiplication"},
      {U'/', "Division"},
      {U',', "Virgule"},
      {U'.', "Virgule"},
      {U'5', ""},
      {U'=', ""},
      {U'é', ""},
      {U'\u2212', ""},
  };
  for (const CharCase& c : characters) EXPECT_EQ(CharacterButton(c.character), c.button);
  for (const auto& row : kKeyDownTable) EXPECT_TRUE(IsButton(row.button)) << row.button;
  for (const auto& row : kCharacterTable) EXPECT_TRUE(IsButton(row.button)) << row.button;
}

TEST(KeysTest, DigitsByCharacter) {
  EXPECT_EQ(DigitOfCharacter(U'0'), 0);
  EXPECT_EQ(DigitOfCharacter(U'9'), 9);
  EXPECT_EQ(DigitOfCharacter(U'/'), -1);
  EXPECT_EQ(DigitOfCharacter(U':'), -1);
  EXPECT_EQ(DigitOfCharacter(U'\uFF11'), -1);  // a full-width digit
}

TEST(KeysTest, OnlyPlainTypingPressesButtons) {
  struct Case {
    Modifiers modifiers;
    bool altGrTypes;
    bool types;
  };
  const Case cases[] = {
      {kNoModifier, false, true}, {kShift, false, true},
      {kCtrl, false, false},      {kAlt, false, false},
      {kMeta, false, false},      {kCtrl | kAlt, false, false},
      {kCtrl | kAlt, true, true}, {kCtrl | kAlt | kShift, true, true},
      {kCtrl, true, false},       {kAlt | kShift, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TypesCharacter(c.modifiers, c.altGrTypes), c.types)
        << int{c.modifiers} << " " << c.altGrTypes;
  }
}

TEST(KeysTest, MenuItemsAndAccelerators) {
  std::set<char> letters;
  std::set<MenuCommand> commands;
  for (const MenuItemLayout& item : MenuTable()) {
    SCOPED_TRACE(std::string(item.name));
    if (item.command == MenuCommand::None) {
      EXPECT_TRUE(item.caption.empty());
      EXPECT_TRUE(item.accelerator.Empty());
      EXPECT_EQ(item.image, MenuImage::None);
      continue;
    }
    EXPECT_TRUE(commands.insert(item.command).second);
    EXPECT_NE(item.caption.find('&'), std::string_view::npos);
    EXPECT_NE(item.menuCaption.find('&'), std::string_view::npos);
    EXPECT_FALSE(MenuImageName(item.image).empty());
    if (!item.accelerator.Empty()) {
      EXPECT_TRUE(letters.insert(item.accelerator.letter).second);
      EXPECT_EQ(AcceleratorText(item.accelerator), std::string("Ctrl+") + item.accelerator.letter);
    }
  }
  EXPECT_EQ(commands.size(), 5u);
  EXPECT_EQ(letters, (std::set<char>{'C', 'Q', 'V'}));
  EXPECT_EQ(AcceleratorText({}), "");
  EXPECT_EQ(AcceleratorText({kCtrl | kShift, 'Z'}), "Ctrl+Maj+Z");
}

}  // namespace
}  // namespace solvanex::form
