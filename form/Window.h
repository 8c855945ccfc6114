// The main window's own texts and the places of the controls other than the keypad buttons.
// All positions are client-area pixels at 96 dpi.
#pragma once

#include <array>
#include <string_view>

#include "form/Color.h"
#include "form/Geometry.h"

namespace solvanex::form {

inline constexpr std::string_view kCaption = "Solvanex 1.0";  // window and application title
inline constexpr std::string_view kWindowName = "Form1";
inline constexpr std::string_view kWindowHint = "Freeware destiné au corps médical !";
inline constexpr std::string_view kCopyright = "© 2026 Solvanex";
inline constexpr Size kClientSize{552, 224};
inline constexpr std::string_view kTimerName = "Timer1";
inline constexpr int kTimerInterval = 50;  // milliseconds a key press shows a button down

// The display line.
inline constexpr std::string_view kAfficheurName = "Afficheur";
inline constexpr Rect kAfficheurRect{8, 3, 537, 24};
inline constexpr std::string_view kAfficheurHint =
    "Affichage du résultat des fonctions calculatrice.";
inline constexpr std::string_view kAfficheurInitialText = "0,";
inline constexpr std::string_view kDisplayFontName = "MS Sans Serif";
inline constexpr int kDisplayFontHeight = -11;  // an 11-pixel character height

// The memory indicator.
inline constexpr std::string_view kEnMemoireName = "EnMemoire";
inline constexpr Rect kEnMemoireRect{13, 39, 27, 26};
inline constexpr std::string_view kEnMemoireHint = "Etat de la mémoire.";

// A choice group without a title, its items in columns; the first item is checked at start.
struct ChoiceGroupLayout {
  std::string_view name;
  Rect rect;
  std::array<std::string_view, 2> items;
  int columns;
  Color color;            // of the items' texts
  std::string_view hint;  // shown as a tooltip too
};

inline constexpr ChoiceGroupLayout kRadioGroup1{
    "RadioGroup1",    {249, 34, 167, 30},          {"Ancien ", "International"}, 2,
    Rgb(255, 0, 255), "Choix du système d'unités."};
inline constexpr ChoiceGroupLayout kRadioGroup2{"RadioGroup2",      {420, 34, 124, 30},
                                                {"Homme", "Femme"}, 2,
                                                Rgb(0, 128, 128),   "Choix du sexe du patient."};

// The status bar: a fixed first panel showing the copyright line, the second takes the rest and
// shows the hint under the pointer.
inline constexpr std::string_view kStatusBarName = "StatusBar1";
inline constexpr std::string_view kStatusBarAccessibleName = "Barre d'état";
inline constexpr Rect kStatusBarRect{0, 205, 552, 19};
inline constexpr std::array<int, 1> kPanelWidths{110};  // every panel but the last
inline constexpr int kHintPanel = 1;

// Shown when the help command finds no help viewer loaded.
inline constexpr std::string_view kHelpUnavailable =
    "L'aide n'est pas disponible : le visualiseur d'aide n'a pas pu être chargé.";

}  // namespace solvanex::form
