#include "mainwindow/MenuTable.h"

#include <array>

namespace solvanex {

namespace {

constexpr QKeyCombination kNoShortcut{Qt::Key_unknown};

constexpr std::array<MenuItemLayout, 6> kItems{{
    {"N1", "&Fichier", "Quitter1", "&Quitter", Qt::CTRL | Qt::Key_Q, 0, MenuCommand::Quit},
    {"Affichage1", "&Edition", "Coller1", "&Copier", Qt::CTRL | Qt::Key_C, 1, MenuCommand::Copy},
    {"Affichage1", "&Edition", "Coller2", "Co&ller", Qt::CTRL | Qt::Key_V, 2, MenuCommand::Paste},
    {"Aide1", "&Aide", "Rubriquesdelaide1", "&Rubriques de l'aide", kNoShortcut, 3,
     MenuCommand::HelpTopics},
    {"Aide1", "&Aide", "N2", "", kNoShortcut, -1, MenuCommand::None},
    {"Aide1", "&Aide", "Aproposde1", "A &propos de...", kNoShortcut, 4, MenuCommand::About},
}};

constexpr std::array<const char*, 5> kImages{
    ":/icons/quit.svg", ":/icons/copy.svg",  ":/icons/paste.svg",
    ":/icons/help.svg", ":/icons/about.svg",
};

}  // namespace

std::span<const MenuItemLayout> MenuTable() {
  return kItems;
}

std::span<const char* const> MenuImages() {
  return kImages;
}

}  // namespace solvanex
