#include "calculator/Keypad.h"

#include <algorithm>

namespace solvanex {

namespace {

char FirstCharacter(std::string_view caption) {
  return caption.empty() ? '\0' : caption.front();
}

KeyBinding Digit(std::string_view name, std::string_view caption) {
  return {name, caption, "",
          [](Calculator& c, std::string_view cap) { c.ChiffreClick(FirstCharacter(cap)); }};
}

KeyBinding Operator(std::string_view name, std::string_view caption, std::string_view hint) {
  return {name, caption, hint,
          [](Calculator& c, std::string_view cap) { c.OperationClick(FirstCharacter(cap)); }};
}

KeyBinding Plain(std::string_view name, std::string_view caption, std::string_view hint,
                 void (Calculator::*handler)()) {
  return {name, caption, hint, [handler](Calculator& c, std::string_view) { (c.*handler)(); }};
}

}  // namespace

const std::vector<KeyBinding>& CoreKeys() {
  static const std::vector<KeyBinding> keys = {
      Digit("SpeedButton0", "0"),
      Digit("SpeedButton1", "1"),
      Digit("SpeedButton2", "2"),
      Digit("SpeedButton3", "3"),
      Digit("SpeedButton4", "4"),
      Digit("SpeedButton5", "5"),
      Digit("SpeedButton6", "6"),
      Digit("SpeedButton7", "7"),
      Digit("SpeedButton8", "8"),
      Digit("SpeedButton9", "9"),
      Plain("Virgule", ",", "", &Calculator::VirguleClick),
      Plain("bSigne", "+/-", "Inverse le signe du nombre affiché.", &Calculator::bSigneClick),
      Plain("Retour", "Retour arrière", "Efface le dernier chiffre.", &Calculator::RetourClick),
      Plain("CE", "CE", "Efface le dernier nombre..", &Calculator::CEClick),
      Plain("C", "C", "Efface tous les nombres.", &Calculator::CClick),
      Operator("Addition", "+", "Addition."),
      Operator("Soustraction", "-", "Soustraction."),
      Operator("Multiplication", "*", "Multiplication."),
      Operator("Division", "/", "Division."),
      Plain("Egal", "=", "Résultat de l'opération.", &Calculator::EgalClick),
      Plain("Racine", "Rac", "Racine carrée du nombre affiché.", &Calculator::RacineClick),
      Plain("PourCent", "%", "Pourcentage du nombre.", &Calculator::PourCentClick),
      Plain("Inverse", "1/x", "Inverse du nombre affiché.", &Calculator::InverseClick),
      Plain("MC", "MC", "Effacer le nombre en mémoire.", &Calculator::MCClick),
      Plain("MR", "MR", "Afficher un nombre stocké en mémoire.", &Calculator::MRClick),
      Plain("MS", "MS", "Mettre en mémoire le nombre affiché.", &Calculator::MSClick),
      Plain("MP", "M+", "Ajouter le nombre affiché au nombre déjà en mémoire.",
            &Calculator::MPClick),
  };
  return keys;
}

const KeyBinding* FindKey(std::span<const KeyBinding> keys, std::string_view name) {
  const auto it = std::find_if(keys.begin(), keys.end(),
                               [name](const KeyBinding& k) { return k.name == name; });
  return it == keys.end() ? nullptr : &*it;
}

}  // namespace solvanex
