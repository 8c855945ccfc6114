// Builds the main window's controls from the window description (form/): the display line, the
// memory indicator, the 55 keypad buttons (joined with the keypad rows by control name), the two
// choice groups, the status bar and the menu bar. Only construction lives here; the wiring
// belongs to the window.
#pragma once

#include <QList>
#include <span>
#include <string_view>
#include <vector>

#include "calculator/Keypad.h"
#include "form/Buttons.h"
#include "form/Menus.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace solvanex {

class TAlignEdit;
class TRadioGroup;
class TStatusBar;

struct KeyButton {
  QPushButton* button;
  const form::ButtonLayout* layout;
  const KeyBinding* binding;  // nullptr when the keypad has no row of that name
};

struct MenuEntry {
  QAction* action;
  form::MenuCommand command;
};

struct FormControls {
  TAlignEdit* afficheur = nullptr;
  QLabel* enMemoire = nullptr;
  TRadioGroup* radioGroup1 = nullptr;
  TRadioGroup* radioGroup2 = nullptr;
  TStatusBar* statusBar1 = nullptr;
  std::vector<KeyButton> buttons;  // in table order, which is also their creation order
  QMenuBar* mainMenu = nullptr;
  QList<QMenu*> menus;
  std::vector<MenuEntry> menuItems;  // one per menu table row, separators included
};

// Creates every control of the client area as a direct child of client, at the table's places.
FormControls BuildClientArea(QWidget* client, std::span<const KeyBinding> keys);

// Creates the menu bar of window from the menu table, with its accelerators as shortcuts.
void BuildMenu(QMainWindow& window, FormControls& controls);

// Gives the window its icon (bitmaps: no SVG renderer needed), and the application too, so that
// every other window of the program shows it.
void LoadWindowIcon(QMainWindow& window);

// Gives the menu items their images (vector images: loads the SVG renderer).
void LoadMenuImages(const FormControls& controls);

}  // namespace solvanex
