// The keys that act as button clicks, in terms of neither toolkit: the key-down table works on
// the few named keys below (each front end maps its own key codes onto them, both Enter keys
// onto the one Enter), the character table on the characters the keyboard layout produced.
// Every other key goes only to the focused control.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace solvanex::form {

// The keys the key-down table knows; Other stands for every other key.
enum class Key : std::uint8_t { Other, Enter, Escape, Delete };

// Modifier keys held with a key, as flags.
enum Modifier : std::uint8_t {
  kNoModifier = 0,
  kShift = 1,
  kCtrl = 2,
  kAlt = 4,
  kMeta = 8,  // the logo key
};
using Modifiers = std::uint8_t;

struct KeyDownRow {
  Key key;
  std::string_view button;  // control name
};

inline constexpr std::array<KeyDownRow, 3> kKeyDownTable{{
    {Key::Enter, "Egal"},
    {Key::Escape, "C"},
    {Key::Delete, "CE"},
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

// The button a key presses when it goes down, or "" (the modifiers are not examined).
std::string_view KeyDownButton(Key key);

// The button a typed character presses, or "" (also for the digits, see DigitOfCharacter).
std::string_view CharacterButton(char32_t character);

// The digit a typed character is, or -1.
int DigitOfCharacter(char32_t character);

// Whether a key held with these modifiers types its character, and so may press a button: a key
// held with Alt, Ctrl or the logo key is a command, not typing. altGrTypes: the system reports
// AltGr as Ctrl+Alt, and that combination types characters (Windows).
bool TypesCharacter(Modifiers modifiers, bool altGrTypes);

}  // namespace solvanex::form
