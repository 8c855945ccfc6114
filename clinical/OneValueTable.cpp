// The three one-value clinical functions of the displayed number. None tests its input: zero,
// negative and implausible values give their arithmetic result.
#include "clinical/Catalogue.h"

namespace solvanex {

namespace {

std::optional<long double> TheoreticalPaO2(long double x, Choices) {
  return 150.0L - 1.2L * x;
}

std::optional<long double> TotalBodyWater(long double x, Choices choices) {
  switch (choices.sex) {
    case kSexMale:
      return 0.6L * x;
    case kSexFemale:
      return 0.55L * x;
    default:
      return std::nullopt;
  }
}

std::optional<long double> IdealWeight(long double x, Choices choices) {
  const long double a = x - 100.0L;
  const long double b = x - 150.0L;
  switch (choices.sex) {
    case kSexMale:
      return a - b / 4.0L;
    case kSexFemale:
      return a - b / 2.0L;
    default:
      return std::nullopt;
  }
}

constexpr OneValueRow kOneValueFunctions[] = {
    {
        .button = "PO2",
        .caption = "PO2",
        .hint = "Calcul de la PaO2 théorique.",
        .handler = "PO2Click",
        .input = "PaCO2, en mmHg",
        .result = "PaO2 théorique, en mmHg",
        .expression = "150 − 1,2 × x, pour les deux sexes",
        .reference = "Équation des gaz alvéolaires, en air ambiant au niveau de la mer "
                     "(Fenn, Rahn & Otis 1946 ; Riley & Cournand 1949)",
        .note = "150 mmHg est la pression inspirée d'oxygène en air ambiant et 1,2 ≈ 0,21 + "
                "0,79 / 0,8 pour un quotient respiratoire de 0,8. Le résultat est la pression "
                "alvéolaire d'oxygène, limite haute de la PaO2.",
        .caution = "",
        .compute = &TheoreticalPaO2,
    },
    {
        .button = "H2O",
        .caption = "H2O",
        .hint = "Calcul de l'eau totale selon le poids.",
        .handler = "H2OClick",
        .input = "Poids, en kg",
        .result = "Eau totale, en litres",
        .expression = "« Homme » : 0,6 × x\n"
                      "« Femme » : 0,55 × x",
        .reference = "Eau totale en fraction du poids (Adrogué & Madias 2000)",
        .note = "0,55 pour une femme, 0,6 pour un homme, à tout âge. La formule publiée prend 0,5 "
                "pour une femme et pour un homme âgé, 0,45 pour une femme âgée.",
        .caution = "Pour une femme, les touches ne s'accordent pas entre elles sur l'eau totale : "
                   "pour 60 kg, {{touches Femme 60 H2O}}, alors que les déficits I, Y et U en "
                   "comptent 0,6 × 60 = 36 L pour les deux sexes et que la formule de Hume et "
                   "Weyers (touche D, 165 cm) donne {{touches Femme 60 D 165 =}}.",
        .compute = &TotalBodyWater,
    },
    {
        .button = "PID",
        .caption = "PID",
        .hint = "Calcul du poids idéal.",
        .handler = "PIDClick",
        .input = "Taille, en cm",
        .result = "Poids idéal, en kg",
        .expression = "a = x − 100 et b = x − 150\n"
                      "« Homme » : a − b / 4\n"
                      "« Femme » : a − b / 2",
        .reference = "Formule de Lorentz (1929)",
        .note = "Le diviseur 2 pour la femme remplace le 2,5 de Lorentz : sous 150 cm de taille "
                "le résultat est plus élevé, au-dessus il est plus bas. Sous 150 cm, b est négatif "
                "et la correction augmente le résultat au-delà de x − 100.",
        .caution = "",
        .compute = &IdealWeight,
    },
};

}  // namespace

std::span<const OneValueRow> OneValueTable() {
  return kOneValueFunctions;
}

}  // namespace solvanex
