#include "form/Keys.h"

namespace solvanex::form {

std::string_view KeyDownButton(Key key) {
  for (const KeyDownRow& row : kKeyDownTable) {
    if (row.key == key) return row.button;
  }
  return {};
}

std::string_view CharacterButton(char32_t character) {
  for (const CharacterRow& row : kCharacterTable) {
    if (static_cast<char32_t>(row.character) == character) return row.button;
  }
  return {};
}

int DigitOfCharacter(char32_t character) {
  if (character < U'0' || character > U'9') return -1;
  return static_cast<int>(character - U'0');
}

bool TypesCharacter(Modifiers modifiers, bool altGrTypes) {
  const Modifiers command = modifiers & (kAlt | kCtrl);
  if (altGrTypes && command == (kAlt | kCtrl)) return true;
  return command == kNoModifier && (modifiers & kMeta) == 0;
}

}  // namespace solvanex::form
