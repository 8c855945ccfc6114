// The window's description as the Win32 front end uses it: the keypad buttons with their places
// and colours, the other controls, the menus and the key tables, in Win32 terms (RECT, COLORREF,
// virtual-key codes). Read from the shared description of the window; nothing here is a table of
// its own.
#pragma once

#include <windows.h>

#include <array>
#include <span>
#include <string_view>

namespace solvanex::win32::layout {

struct Button {
  std::string_view name;  // control name, also the key into the keypad
  COLORREF color;         // caption colour
  RECT bounds;            // client-area pixels at 96 dpi
  bool tooltip;           // the hint also shows as a tooltip
};

// In creation order: rows from top to bottom, left to right.
std::span<const Button> Buttons();

struct ChoiceGroup {
  std::string_view name;
  RECT bounds;
  std::array<std::string_view, 2> items;
  COLORREF color;
  std::string_view hint;  // shown as a tooltip too
};

const ChoiceGroup& RadioGroup1();
const ChoiceGroup& RadioGroup2();

std::string_view Caption();     // window and application title
std::string_view WindowHint();  // status-bar fallback
std::string_view Copyright();   // first status-bar panel
SIZE ClientSize();              // 96 dpi
UINT TimerInterval();           // milliseconds a key press shows a button down
RECT AfficheurBounds();
std::string_view AfficheurHint();
std::string_view AfficheurInitialText();
std::string_view DisplayFontName();
int DisplayFontHeight();  // negative: character height in pixels at 96 dpi
RECT EnMemoireBounds();
std::string_view EnMemoireHint();
RECT StatusBarBounds();
int FirstPanelWidth();

// What a menu item does.
enum class Command { None, Quit, Copy, Paste, HelpTopics, About };

struct MenuItem {
  std::string_view menuName;
  std::string_view menuCaption;  // '&' marks the access letter
  std::string_view name;
  std::string_view caption;  // empty for a separator
  bool control;              // the shortcut holds Ctrl
  WORD key;                  // virtual-key code of the shortcut, 0 for none
  Command command;
};

std::span<const MenuItem> Menu();

// The key-down table: virtual-key code to control name.
struct KeyDown {
  WORD key;
  std::string_view button;
};
std::span<const KeyDown> KeyDownTable();

// The character table (the digits take their buttons from the digit table).
struct Character {
  wchar_t character;
  std::string_view button;
};
std::span<const Character> CharacterTable();

}  // namespace solvanex::win32::layout
