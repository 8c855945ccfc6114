#include "form/Menus.h"

#include <array>

namespace solvanex::form {

namespace {

constexpr Accelerator kNone{};

constexpr std::array<MenuItemLayout, 6> kItems{{
    {"N1", "&Fichier", "Quitter1", "&Quitter", {kCtrl, 'Q'}, MenuImage::Quit, MenuCommand::Quit},
    {"Affichage1",
     "&Edition",
     "Coller1",
     "&Copier",
     {kCtrl, 'C'},
     MenuImage::Copy,
     MenuCommand::Copy},
    {"Affichage1",
     "&Edition",
     "Coller2",
     "Co&ller",
     {kCtrl, 'V'},
     MenuImage::Paste,
     MenuCommand::Paste},
    {"Aide1", "&Aide", "Rubriquesdelaide1", "&Rubriques de l'aide", kNone, MenuImage::Help,
     MenuCommand::HelpTopics},
    {"Aide1", "&Aide", "N2", "", kNone, MenuImage::None, MenuCommand::None},
    {"Aide1", "&Aide", "Aproposde1", "A &propos de...", kNone, MenuImage::About,
     MenuCommand::About},
}};

}  // namespace

std::span<const MenuItemLayout> MenuTable() {
  return kItems;
}

std::string_view MenuImageName(MenuImage image) {
  switch (image) {
    case MenuImage::None:
      return "";
    case MenuImage::Quit:
      return "quit";
    case MenuImage::Copy:
      return "copy";
    case MenuImage::Paste:
      return "paste";
    case MenuImage::Help:
      return "help";
    case MenuImage::About:
      return "about";
  }
  return "";
}

std::string AcceleratorText(Accelerator accelerator) {
  if (accelerator.Empty()) return {};
  std::string text;
  if (accelerator.modifiers & kCtrl) text += "Ctrl+";
  if (accelerator.modifiers & kAlt) text += "Alt+";
  if (accelerator.modifiers & kShift) text += "Maj+";
  text += accelerator.letter;
  return text;
}

}  // namespace solvanex::form
