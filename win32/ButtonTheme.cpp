#include "win32/ButtonTheme.h"

namespace solvanex::win32 {

namespace {

// Closes the handle when the program ends.
struct Slot {
  HTHEME theme = nullptr;
  bool opened = false;
  ~Slot() {
    if (theme != nullptr) CloseThemeData(theme);
  }
};

Slot& TheSlot() {
  static Slot slot;
  return slot;
}

}  // namespace

HTHEME ButtonTheme::Get() {
  Slot& slot = TheSlot();
  if (!slot.opened) {
    // The class data does not depend on a window: every key and item shares it.
    slot.theme = OpenThemeData(nullptr, L"BUTTON");
    slot.opened = true;
  }
  return slot.theme;
}

void ButtonTheme::Reset() {
  Slot& slot = TheSlot();
  if (slot.theme != nullptr) CloseThemeData(slot.theme);
  slot.theme = nullptr;
  slot.opened = false;
}

}  // namespace solvanex::win32
