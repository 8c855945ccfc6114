// The menu bar as data: each item with its menu, caption, shortcut, image and command. The
// window builds its menus from these rows in one loop.
#pragma once

#include <QKeySequence>
#include <span>
#include <string_view>

namespace solvanex {

// What a menu item does.
enum class MenuCommand {
  None,        // separator line
  Quit,        // Quitter1Click
  Copy,        // Coller1Click: display to clipboard
  Paste,       // Coller2Click: clipboard to display
  HelpTopics,  // Rubriquesdelaide1Click
  About,       // Aproposde1Click
};

struct MenuItemLayout {
  std::string_view menuName;     // the menu holding the item
  std::string_view menuCaption;  // '&' marks the access letter
  std::string_view name;         // the item's control name
  std::string_view caption;      // empty for a separator
  QKeyCombination shortcut;      // Qt::Key_unknown for none
  int image;                     // index into the menu images, -1 for none
  MenuCommand command;
};

inline constexpr std::string_view kMainMenuName = "MainMenu1";

// In menu order; consecutive rows with the same menu name make one menu.
std::span<const MenuItemLayout> MenuTable();

// The five menu images (16 × 16), by index, as resource paths.
std::span<const char* const> MenuImages();
// The window icon, drawn from icons/solvanex.svg at these sizes (":/window-icon/solvanex-16.png").
inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64};

}  // namespace solvanex
