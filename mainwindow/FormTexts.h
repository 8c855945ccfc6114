// The main window's own texts and the places of the controls other than the keypad buttons.
// All positions are client-area pixels at 96 dpi.
#pragma once

#include <QRect>
#include <QRgb>
#include <QSize>
#include <array>
#include <string_view>

namespace solvanex::form {

inline constexpr std::string_view kCaption = "Solvanex 1.0";  // window and application title
inline constexpr std::string_view kWindowHint = "Freeware destiné au corps médical !";
inline constexpr std::string_view kCopyright = "© 2026 Solvanex";
inline constexpr QSize kClientSize{552, 224};
inline constexpr int kTimerInterval = 50;  // milliseconds a key press shows a button down

// The display line.
inline constexpr QRect kAfficheurRect{8, 3, 537, 24};
inline constexpr std::string_view kAfficheurHint =
    "Affichage du résultat des fonctions calculatrice.";
inline constexpr std::string_view kAfficheurInitialText = "0,";
inline constexpr std::string_view kDisplayFontName = "MS Sans Serif";
inline constexpr int kDisplayFontHeight = -11;  // an 11-pixel character height

// The memory indicator.
inline constexpr QRect kEnMemoireRect{13, 39, 27, 26};
inline constexpr std::string_view kEnMemoireHint = "Etat de la mémoire.";

// A choice group without a title, its items in two columns.
struct RadioGroupLayout {
  std::string_view name;
  QRect rect;
  std::array<std::string_view, 2> items;
  QRgb color;
  std::string_view hint;  // shown as a tooltip too
};

inline constexpr RadioGroupLayout kRadioGroup1{"RadioGroup1",
                                               {249, 34, 167, 30},
                                               {"Ancien ", "International"},
                                               qRgb(255, 0, 255),
                                               "Choix du système d'unités."};
inline constexpr RadioGroupLayout kRadioGroup2{"RadioGroup2",
                                               {420, 34, 124, 30},
                                               {"Homme", "Femme"},
                                               qRgb(0, 128, 128),
                                               "Choix du sexe du patient."};

// The status bar: a fixed first panel, the second takes the rest.
inline constexpr QRect kStatusBarRect{0, 205, 552, 19};
inline constexpr int kFirstPanelWidth = 110;

}  // namespace solvanex::form
