// The menu bar as data: each item with its menu, caption, accelerator, image and command. Both
// front ends build their menus from these rows in one loop.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "form/Keys.h"

namespace solvanex::form {

// What a menu item does.
enum class MenuCommand {
  None,        // separator line
  Quit,        // Quitter1Click
  Copy,        // Coller1Click: display to clipboard
  Paste,       // Coller2Click: clipboard to display
  HelpTopics,  // Rubriquesdelaide1Click
  About,       // Aproposde1Click
};

// A menu shortcut: modifiers and a letter key 'A' to 'Z' (the letter's key code on both
// systems); letter 0 for none.
struct Accelerator {
  Modifiers modifiers = kNoModifier;
  char letter = 0;
  constexpr bool Empty() const { return letter == 0; }
};

// The 16 × 16 menu images, by what they show.
enum class MenuImage { None, Quit, Copy, Paste, Help, About };

struct MenuItemLayout {
  std::string_view menuName;     // the menu holding the item
  std::string_view menuCaption;  // '&' marks the access letter
  std::string_view name;         // the item's control name
  std::string_view caption;      // '&' marks the access letter; empty for a separator
  Accelerator accelerator;
  MenuImage image;
  MenuCommand command;
};

inline constexpr std::string_view kMainMenuName = "MainMenu1";

// In menu order; consecutive rows with the same menu name make one menu.
std::span<const MenuItemLayout> MenuTable();

// The image's file name without folder and extension ("quit"), "" for none: the Qt front end
// draws icons/<name>.svg, the Windows one its resource of that name.
std::string_view MenuImageName(MenuImage image);

// The accelerator as a menu shows it after the caption: "Ctrl+Q"; "" for none.
std::string AcceleratorText(Accelerator accelerator);

// The sizes at which the window icon is drawn from icons/solvanex.svg.
inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64};

}  // namespace solvanex::form
