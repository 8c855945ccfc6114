// Provisional: the window's description until the shared toolkit-free one is merged in.
#include "win32/Layout.h"

namespace solvanex::win32::layout {

namespace {

constexpr RECT Rect(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kFuchsia = RGB(255, 0, 255);
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kTeal = RGB(0, 128, 128);

constexpr std::array<Button, 55> kButtons{{
    {"Retour", kRed, Rect(53, 37, 94, 28), true},
    {"CE", kRed, Rect(152, 37, 43, 28), true},
    {"C", kRed, Rect(200, 37, 43, 28), true},
    {"MC", kRed, Rect(8, 72, 36, 28), true},
    {"SpeedButton7", kBlue, Rect(53, 72, 34, 28), false},
    {"SpeedButton8", kBlue, Rect(91, 72, 34, 28), false},
    {"SpeedButton9", kBlue, Rect(130, 72, 34, 28), false},
    {"Division", kRed, Rect(170, 72, 34, 28), true},
    {"Racine", kBlue, Rect(209, 72, 34, 28), true},
    {"Glycemie", kFuchsia, Rect(248, 72, 38, 28), true},
    {"Calcemie", kFuchsia, Rect(291, 72, 38, 28), true},
    {"PO2", kFuchsia, Rect(334, 72, 38, 28), true},
    {"IMC", kPurple, Rect(377, 72, 38, 28), true},
    {"HbCO", kPurple, Rect(420, 72, 38, 28), true},
    {"SpeedButton17", kPurple, Rect(463, 72, 38, 28), true},
    {"DEB", kTeal, Rect(506, 72, 38, 28), true},
    {"MR", kRed, Rect(8, 104, 36, 28), true},
    {"SpeedButton4", kBlue, Rect(53, 104, 34, 28), false},
    {"SpeedButton5", kBlue, Rect(91, 104, 34, 28), false},
    {"SpeedButton6", kBlue, Rect(130, 104, 34, 28), false},
    {"Multiplication", kRed, Rect(170, 104, 34, 28), true},
    {"PourCent", kBlue, Rect(209, 104, 34, 28), true},
    {"TG", kFuchsia, Rect(248, 104, 38, 28), true},
    {"Chol", kFuchsia, Rect(291, 104, 38, 28), true},
    {"H2O", kFuchsia, Rect(334, 104, 38, 28), true},
    {"Surface", kPurple, Rect(377, 104, 38, 28), true},
    {"LBM", kPurple, Rect(420, 104, 38, 28), true},
    {"SerumPhy", kPurple, Rect(463, 104, 38, 28), true},
    {"LDL", kTeal, Rect(506, 104, 38, 28), true},
    {"MS", kRed, Rect(8, 136, 36, 28), true},
    {"SpeedButton1", kBlue, Rect(53, 136, 34, 28), false},
    {"SpeedButton2", kBlue, Rect(91, 136, 34, 28), false},
    {"SpeedButton3", kBlue, Rect(130, 136, 34, 28), false},
    {"Soustraction", kRed, Rect(170, 136, 34, 28), true},
    {"Inverse", kBlue, Rect(209, 136, 34, 28), true},
    {"Creatinine", kFuchsia, Rect(248, 136, 38, 28), true},
    {"Uree", kFuchsia, Rect(291, 136, 38, 28), true},
    {"PID", kFuchsia, Rect(334, 136, 38, 28), true},
    {"TensionM", kPurple, Rect(377, 136, 38, 28), true},
    {"Alcoolemie", kPurple, Rect(420, 136, 38, 28), true},
    {"SpeedButton19", kPurple, Rect(463, 136, 38, 28), true},
    {"Clearance", kTeal, Rect(506, 136, 38, 28), true},
    {"MP", kRed, Rect(8, 168, 36, 28), true},
    {"SpeedButton0", kBlue, Rect(53, 168, 34, 28), false},
    {"bSigne", kBlue, Rect(91, 168, 34, 28), true},
    {"Virgule", kBlue, Rect(130, 168, 34, 28), false},
    {"Addition", kRed, Rect(170, 168, 34, 28), true},
    {"Egal", kRed, Rect(209, 168, 34, 28), true},
    {"FER", kFuchsia, Rect(248, 168, 38, 28), true},
    {"Magnesium", kFuchsia, Rect(291, 168, 38, 28), true},
    {"SpeedButton13", kFuchsia, Rect(334, 168, 38, 28), true},
    {"CalCorr", kPurple, Rect(377, 168, 38, 28), true},
    {"SpeedButton16", kPurple, Rect(420, 168, 38, 28), true},
    {"SpeedButton20", kPurple, Rect(463, 168, 38, 28), true},
    {"Osmolalite", kTeal, Rect(506, 168, 38, 28), true},
}};

constexpr ChoiceGroup kRadioGroup1{"RadioGroup1",
                                   Rect(249, 34, 167, 30),
                                   {"Ancien ", "International"},
                                   kFuchsia,
                                   "Choix du système d'unités."};
constexpr ChoiceGroup kRadioGroup2{
    "RadioGroup2", Rect(420, 34, 124, 30), {"Homme", "Femme"}, kTeal, "Choix du sexe du patient."};

constexpr std::array<MenuItem, 6> kMenu{{
    {"N1", "&Fichier", "Quitter1", "&Quitter", true, 'Q', Command::Quit},
    {"Affichage1", "&Edition", "Coller1", "&Copier", true, 'C', Command::Copy},
    {"Affichage1", "&Edition", "Coller2", "Co&ller", true, 'V', Command::Paste},
    {"Aide1", "&Aide", "Rubriquesdelaide1", "&Rubriques de l'aide", false, 0, Command::HelpTopics},
    {"Aide1", "&Aide", "N2", "", false, 0, Command::None},
    {"Aide1", "&Aide", "Aproposde1", "A &propos de...", false, 0, Command::About},
}};

constexpr std::array<KeyDown, 3> kKeyDown{
    {{VK_RETURN, "Egal"}, {VK_ESCAPE, "C"}, {VK_DELETE, "CE"}}};

constexpr std::array<Character, 6> kCharacters{{
    {L'+', "Addition"},
    {L'-', "Soustraction"},
    {L'*', "Multiplication"},
    {L'/', "Division"},
    {L',', "Virgule"},
    {L'.', "Virgule"},
}};

}  // namespace

std::span<const Button> Buttons() {
  return kButtons;
}
const ChoiceGroup& RadioGroup1() {
  return kRadioGroup1;
}
const ChoiceGroup& RadioGroup2() {
  return kRadioGroup2;
}
std::string_view Caption() {
  return "Solvanex 1.0";
}
std::string_view WindowHint() {
  return "Freeware destiné au corps médical !";
}
std::string_view Copyright() {
  return "© 2026 Solvanex";
}
SIZE ClientSize() {
  return {552, 224};
}
UINT TimerInterval() {
  return 50;
}
RECT AfficheurBounds() {
  return Rect(8, 3, 537, 24);
}
std::string_view AfficheurHint() {
  return "Affichage du résultat des fonctions calculatrice.";
}
std::string_view AfficheurInitialText() {
  return "0,";
}
std::string_view DisplayFontName() {
  return "MS Sans Serif";
}
int DisplayFontHeight() {
  return -11;
}
RECT EnMemoireBounds() {
  return Rect(13, 39, 27, 26);
}
std::string_view EnMemoireHint() {
  return "Etat de la mémoire.";
}
RECT StatusBarBounds() {
  return Rect(0, 205, 552, 19);
}
int FirstPanelWidth() {
  return 110;
}
std::span<const MenuItem> Menu() {
  return kMenu;
}
std::span<const KeyDown> KeyDownTable() {
  return kKeyDown;
}
std::span<const Character> CharacterTable() {
  return kCharacters;
}

}  // namespace solvanex::win32::layout
