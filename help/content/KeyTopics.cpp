#include "KeyTopics.h"

#include "PageParts.h"

#include <stdexcept>
#include <string>

namespace solvanex::helpcontent {

namespace {

constexpr KeyTopic kTopics[] = {
    {"SpeedButton0", "", "touches.html#chiffres"},
    {"SpeedButton1", "", "touches.html#chiffres"},
    {"SpeedButton2", "", "touches.html#chiffres"},
    {"SpeedButton3", "", "touches.html#chiffres"},
    {"SpeedButton4", "", "touches.html#chiffres"},
    {"SpeedButton5", "", "touches.html#chiffres"},
    {"SpeedButton6", "", "touches.html#chiffres"},
    {"SpeedButton7", "", "touches.html#chiffres"},
    {"SpeedButton8", "", "touches.html#chiffres"},
    {"SpeedButton9", "", "touches.html#chiffres"},
    {"Virgule", "Virgule (séparateur décimal)", "touches.html#virgule"},
    {"bSigne", "Signe (changer le signe)", "touches.html#signe"},
    {"Retour", "Effacer le dernier chiffre", "touches.html#retour"},
    {"CE", "Effacer le nombre (CE)", "touches.html#ce"},
    {"C", "Tout effacer (C)", "touches.html#c"},
    {"Addition", "Addition", "touches.html#operations"},
    {"Soustraction", "Soustraction", "touches.html#operations"},
    {"Multiplication", "Multiplication", "touches.html#operations"},
    {"Division", "Division", "touches.html#operations"},
    {"Egal", "Égal (résultat)", "touches.html#egal"},
    {"Racine", "Racine carrée (√)", "touches.html#rac"},
    {"PourCent", "Pourcentage", "touches.html#pourcent"},
    {"Inverse", "Inverse (1/x)", "touches.html#inverse"},
    {"MC", "Effacer la mémoire (MC)", "memoire.html#mc"},
    {"MR", "Rappeler la mémoire (MR)", "memoire.html#mr"},
    {"MS", "Mettre en mémoire (MS)", "memoire.html#ms"},
    {"MP", "Ajouter à la mémoire (M+)", "memoire.html#mplus"},
};

}  // namespace

std::span<const KeyTopic> KeyTopics() {
  return kTopics;
}

const KeyTopic& TopicOf(const KeyBinding& key) {
  for (const KeyTopic& topic : kTopics) {
    if (topic.control == key.name) return topic;
  }
  throw std::out_of_range("the help does not explain the key " + std::string(key.name));
}

std::string KeyIndexItems(std::span<const KeyBinding> keys) {
  std::string items;
  for (const KeyBinding& key : keys) {
    const KeyTopic& topic = TopicOf(key);
    items += ItemHtml("Touche " + std::string(key.caption), topic.topic);
    if (!topic.name.empty()) items += ItemHtml(topic.name, topic.topic);
  }
  return items;
}

}  // namespace solvanex::helpcontent
