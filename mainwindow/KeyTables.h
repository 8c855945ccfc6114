// The keys that act as button clicks: the key-down table works on key codes, the character
// table on the characters the keyboard layout produced. Every other key goes only to the
// focused control.
#pragma once

#include <Qt>
#include <array>
#include <string_view>

namespace solvanex {

struct KeyDownRow {
  Qt::Key key;
  std::string_view button;  // control name
};

// Enter on the main keys and on the keypad are two Qt keys for one Windows key code.
inline constexpr std::array<KeyDownRow, 4> kKeyDownTable{{
    {Qt::Key_Return, "Egal"},
    {Qt::Key_Enter, "Egal"},
    {Qt::Key_Escape, "C"},
    {Qt::Key_Delete, "CE"},
}};

struct CharacterRow {
  char character;
  std::string_view button;  // control name
};

// The digits are not listed: they take their buttons from the digit table.
inline constexpr std::array<CharacterRow, 6> kCharacterTable{{
    {'+', "Addition"},
    {'-', "Soustraction"},
    {'*', "Multiplication"},
    {'/', "Division"},
    {',', "Virgule"},
    {'.', "Virgule"},
}};

}  // namespace solvanex
