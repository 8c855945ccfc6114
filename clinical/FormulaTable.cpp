// The sixteen formulas as catalogue rows, in button order. The texts serve the help pages: they
// say in French what each operand holds, the exact expression with its constants, when each
// message shows, and where the constants depart from the published form.
#include "clinical/Catalogue.h"
#include "clinical/Formulas.h"

namespace solvanex {

namespace {

constexpr std::string_view kDivision = "Erreur : division par zéro impossible !";
constexpr std::string_view kInternationalOnly = "Erreur : choisissez l'unité internationale !";
constexpr std::string_view kTotalWaterNote =
    "Le facteur 0,6 (eau totale, 60 % du poids) sert pour les deux sexes et à tout âge : le "
    "choix du sexe n'est pas lu.";
constexpr std::string_view kTotalWaterCaution =
    "Pour une femme, les touches ne s'accordent pas entre elles sur l'eau totale : ce calcul en "
    "compte 0,6 × 60 = 36 L pour 60 kg, la touche H2O {{touches Femme 60 H2O}} et la formule "
    "de Hume et Weyers (touche D, 165 cm) {{touches Femme 60 D 165 =}}.";

constexpr FormulaRow kFormulas[] = {
    {
        .letter = 'P',
        .button = "IMC",
        .hint = "Calcul de l'index de masse corporelle.",
        .title = "Index de masse corporelle (IMC)",
        .x = "Poids, en kg",
        .y = "Taille, en m",
        .m = "",
        .choices = "",
        .result = "Index de masse corporelle, en kg/m²",
        .expression = "x / (y × y)",
        .messages = kDivision,
        .reference = "Quetelet 1835 ; Keys et al. 1972 (nom d'« indice de masse corporelle »)",
        .note = "",
        .caution = "",
        .conditions = "y = 0",
        .faults = "",
        .evaluate = &BodyMassIndex,
    },
    {
        .letter = 'L',
        .button = "LDL",
        .hint = "Calcul du LDL-Cholesthérol.",
        .title = "LDL-cholestérol (formule de Friedewald)",
        .x = "Cholestérol total, en g/L (« Ancien ») ou en mmol/L (« International »)",
        .y = "HDL-cholestérol, dans la même unité que x",
        .m = "Triglycérides, dans la même unité que x (mis en mémoire par MS avant le calcul)",
        .choices = "Système d'unités : « Ancien » (g/L) ou « International » (mmol/L)",
        .result = "LDL-cholestérol, dans l'unité des valeurs saisies (g/L ou mmol/L)",
        .expression = "« Ancien » : (x − y) − m / 5\n"
                      "« International » : (x − y) − m / 2,2",
        .messages = "Erreur : pas de paramètre en mémoire !\n"
                    "Erreur : corrigez les triglycérides...",
        .reference = "Friedewald, Levy & Fredrickson 1972",
        .note =
            "La borne des triglycérides vaut 4 dans les deux systèmes d'unités. C'est la limite "
            "de validité publiée en g/L (4 g/L) ; en mmol/L, cette limite vaut environ "
            "4,5 mmol/L, si bien qu'en « International » des triglycérides entre 4 et "
            "4,5 mmol/L sont refusés.",
        .caution = "",
        .conditions = "Mémoire vide (rien n'a été mis en mémoire depuis le démarrage)\n"
                      "m ≤ 0 ou m > 4 (4 est accepté)",
        .faults = "",
        .evaluate = &LdlCholesterol,
    },
    {
        .letter = 'R',
        .button = "Clearance",
        .hint = "Calcul de la clearance de la créatinine.",
        .title = "Clairance de la créatinine (formule de Cockcroft et Gault)",
        .x = "Poids, en kg",
        .y = "Créatinine sérique : en mg/L avec « Ancien », en µmol/L avec « International ». "
             "Une valeur en µmol/L tapée avec « Ancien » donne une clairance 8,85 fois trop "
             "basse.",
        .m = "Âge, en années (mis en mémoire par MS avant le calcul)",
        .choices = "Système d'unités (unité de la créatinine) et sexe",
        .result = "Clairance de la créatinine, en mL/min",
        .expression = "k = 7,2 (« Ancien », créatinine en mg/L) ou 0,814 (« International », "
                      "créatinine en µmol/L)\n"
                      "« Homme » : ((140 − m) × x) / (k × y)\n"
                      "« Femme » : (((140 − m) × 0,85) × x) / (k × y)",
        .messages = "Erreur : pas de paramètre en mémoire !\n"
                    "Erreur : corrigez l'âge en mémoire...",
        .reference = "Cockcroft & Gault 1976",
        .note = "7,2 et 0,814 sont le 72 de la formule publiée (créatinine en mg/dL) ramené aux "
                "mg/L et aux µmol/L. Ni la créatinine ni l'âge ne sont bornés : un âge de 140 ans "
                "ou plus donne une clairance nulle ou négative.",
        .caution = "",
        .conditions = "Mémoire vide (rien n'a été mis en mémoire depuis le démarrage)\n"
                      "m ≤ 0",
        .faults = "y = 0 : « Division par zéro en virgule flottante. »\n"
                  "y = 0 avec x = 0 ou m = 140 : « Opération en virgule flottante incorrecte. »",
        .evaluate = &CreatinineClearance,
    },
    {
        .letter = 'S',
        .button = "Surface",
        .hint = "Calcul de la surface corporelle.",
        .title = "Surface corporelle (formule de DuBois et DuBois)",
        .x = "Poids, en kg",
        .y = "Taille, en m",
        .m = "",
        .choices = "",
        .result = "Surface corporelle, en m²",
        .expression = "p = x^0,425, arrondi en double\n"
                      "q = y^0,725\n"
                      "(q × p) × 0,20247\n"
                      "Chaque puissance est calculée comme e^(exposant × ln(base)).",
        .messages = "",
        .reference = "DuBois & DuBois 1916",
        .note = "Le facteur 0,20247 remplace le 0,007184 publié parce que la taille est en mètres "
                "et non en centimètres : 0,007184 × 100^0,725 = 0,2024726, arrondi à 0,20247.",
        .caution = "",
        .conditions = "",
        .faults = "x = 0 ou y = 0 : « Division par zéro en virgule flottante. »\n"
                  "x < 0 ou y < 0 : « Opération en virgule flottante incorrecte. »\n"
                  "Le poids est examiné avant la taille.",
        .evaluate = &BodySurfaceArea,
    },
    {
        .letter = 'T',
        .button = "TensionM",
        .hint = "Calcul de la TA moyenne.",
        .title = "Pression artérielle moyenne",
        .x = "Pression artérielle systolique (mmHg le plus souvent)",
        .y = "Pression artérielle diastolique, dans la même unité que x",
        .m = "",
        .choices = "",
        .result = "Pression artérielle moyenne, dans l'unité des pressions saisies",
        .expression = "((x − y) / 3) + y",
        .messages = "",
        .reference = "Formule classique : pression diastolique plus un tiers de la pression "
                     "différentielle",
        .note = "",
        .caution = "",
        .conditions = "",
        .faults = "",
        .evaluate = &MeanArterialPressure,
    },
    {
        .letter = 'K',
        .button = "CalCorr",
        .hint = "Calcul de la calcémie corrigée.",
        .title = "Calcémie corrigée selon l'albumine",
        .x = "Calcémie totale mesurée, en mmol/L quel que soit le système d'unités choisi (le "
             "choix n'est pas lu) : une calcémie en mg/L se convertit d'abord avec CAL",
        .y = "Albuminémie, en g/L",
        .m = "",
        .choices = "",
        .result = "Calcémie corrigée, en mmol/L",
        .expression = "((40 − y) × 0,025) + x",
        .messages = "",
        .reference = "Payne, Little, Williams & Milner 1973",
        .note = "Le programme ajoute 0,025 mmol/L de calcium par g/L d'albumine sous 40 g/L. C'est "
                "la formule de Payne (calcium − albumine + 4,0, en mg/100 mL et g/100 mL) en "
                "unités SI. Le facteur 0,02 mmol/L par g/L (0,8 mg/dL par g/dL) vient d'une "
                "variante plus tardive, qui corrige moins.",
        .caution = "",
        .conditions = "",
        .faults = "",
        .evaluate = &CorrectedCalcium,
    },
    {
        .letter = 'E',
        .button = "DEB",
        .hint = "Dépense énergétique de base.",
        .title = "Dépense énergétique de base (formule de Harris et Benedict)",
        .x = "Poids, en kg",
        .y = "Taille, en cm",
        .m = "Âge, en années (mis en mémoire par MS avant le calcul)",
        .choices = "Sexe",
        .result = "Dépense énergétique de base, en kcal par jour",
        .expression = "« Homme » : (((13,752 × x) + 66,473) + (5,003 × y)) − (6,755 × m)\n"
                      "« Femme » : (((9,562 × x) + 655,096) + (1,85 × y)) − (4,646 × m)",
        .messages = "Erreur : pas de paramètre en mémoire !\n"
                    "Erreur : corrigez l'âge en mémoire....",
        .reference = "Harris & Benedict 1919",
        .note = "Les coefficients sont ceux de Harris et Benedict arrondis au millième, sauf deux "
                "pour la femme : 9,562 au lieu de 9,5634 pour le poids (9,5634 s'arrondit à "
                "9,563) et 4,646 au lieu de 4,6756 pour l'âge. Le résultat d'une femme en est un "
                "peu plus élevé, d'autant plus qu'elle est âgée.",
        .caution = "",
        .conditions = "Mémoire vide (rien n'a été mis en mémoire depuis le démarrage)\n"
                      "m ≤ 0",
        .faults = "",
        .evaluate = &BasalEnergyExpenditure,
    },
    {
        .letter = 'O',
        .button = "Osmolalite",
        .hint = "Calcul de l'osmolalité plasmatique.",
        .title = "Osmolalité plasmatique calculée",
        .x = "Glycémie ou urée, en mmol/L",
        .y = "L'autre des deux (urée ou glycémie), en mmol/L",
        .m = "Natrémie, en mmol/L (mise en mémoire par MS avant le calcul)",
        .choices = "Système d'unités : « International » obligatoire",
        .result = "Osmolalité plasmatique, en mOsm/kg",
        .expression = "« International » : ((2 × m) + x) + y",
        .messages = "Erreur : pas de paramètre en mémoire !\n"
                    "Erreur : corrigez le Sodium en mémoire...\n"
                    "Erreur : les valeurs doivent être en mmol/L...",
        .reference = "Formule classique de l'osmolalité calculée en unités SI : 2 × Na + glucose + "
                     "urée, toutes en mmol/L",
        .note = "",
        .caution = "",
        .conditions = "Mémoire vide (rien n'a été mis en mémoire depuis le démarrage)\n"
                      "m ≤ 0\n"
                      "Système d'unités « Ancien » (examiné après la mémoire)",
        .faults = "",
        .evaluate = &PlasmaOsmolality,
    },
    {
        .letter = 'H',
        .button = "HbCO",
        .hint = "Calcul de l' HbCO.",
        .title = "Carboxyhémoglobine",
        .x = "Teneur du sang en monoxyde de carbone : en mL pour 100 mL (« Ancien ») ou en "
             "mmol/L (« International »)",
        .y = "Hémoglobine, en g/dL",
        .m = "",
        .choices = "Système d'unités (unité du monoxyde de carbone)",
        .result = "Fraction de l'hémoglobine liée au monoxyde de carbone (0,1 pour 10 %)",
        .expression = "« Ancien » : x / (1,39 × y)\n"
                      "« International » : (2,4 × x) / (1,39 × y)",
        .messages = kDivision,
        .reference = "Pouvoir de fixation de l'hémoglobine (constante de Hüfner, 1,39 mL de gaz "
                     "par g d'hémoglobine)",
        .note = "Le facteur 2,4 ramène des mmol/L de monoxyde de carbone en mL pour 100 mL ; le "
                "volume molaire d'un gaz (22,4 L/mol) donne 2,24.",
        .caution = "",
        .conditions = "y = 0",
        .faults = "",
        .evaluate = &Carboxyhaemoglobin,
    },
    {
        .letter = 'M',
        .button = "LBM",
        .hint = "Calcul du poids maigre.",
        .title = "Masse maigre (formule de James)",
        .x = "Poids, en kg",
        .y = "Taille, en cm",
        .m = "",
        .choices = "Sexe",
        .result = "Masse maigre, en kg",
        .expression = "« Homme » : (1,1 × x) − ((x × x) / (y × y)) × 128\n"
                      "« Femme » : (1,07 × x) − ((x × x) / (y × y)) × 148",
        .messages = kDivision,
        .reference = "James 1976 (lean body mass)",
        .note = "",
        .caution = "La masse maigre de James baisse quand le poids augmente au-delà d'un certain "
                   "point : au-delà de 98 kg pour une femme de 165 cm, de 132 kg pour un homme "
                   "de 175 cm. Ainsi {{touches Femme 80 M 165 =}}, mais "
                   "{{touches Femme 140 M 165 =}}. Chez le patient obèse, pour une dose de "
                   "médicament notamment, ce résultat ne convient pas.",
        .conditions = "y = 0",
        .faults = "",
        .evaluate = &LeanBodyMass,
    },
    {
        .letter = 'A',
        .button = "Alcoolemie",
        .hint = "Estimation de l'alcoolémie.",
        .title = "Alcoolémie estimée (formule de Widmark)",
        .x = "Alcool absorbé, en verres de 10 g d'alcool",
        .y = "Poids, en kg",
        .m = "",
        .choices = "Sexe",
        .result = "Alcoolémie, en g/L",
        .expression = "« Homme » : (10 × x) / (0,7 × y)\n"
                      "« Femme » : (10 × x) / (0,6 × y)",
        .messages = kDivision,
        .reference = "Widmark 1932",
        .note = "Le coefficient de diffusion r vaut 0,7 pour un homme et 0,6 pour une femme ; "
                "Widmark a publié 0,68 et 0,55.",
        .caution =
            "Le résultat est une estimation du pic d'alcoolémie, comme si tout l'alcool était "
            "absorbé d'un coup et rien encore éliminé : l'alcoolémie baisse ensuite "
            "d'environ 0,10 à 0,15 g/L par heure. Ce n'est pas une mesure et il n'a aucune "
            "valeur légale.",
        .conditions = "y = 0",
        .faults = "",
        .evaluate = &BloodAlcohol,
    },
    {
        .letter = 'D',
        .button = "SpeedButton16",
        .hint = "Calcul du volume de distribution de l'urée.",
        .title = "Volume de distribution de l'urée (eau totale, formule de Hume et Weyers)",
        .x = "Poids, en kg",
        .y = "Taille, en cm",
        .m = "",
        .choices = "Sexe",
        .result = "Volume de distribution de l'urée (eau totale), en L",
        .expression = "« Homme » : ((0,296785 × x) − 14,012934) + (0,194786 × y)\n"
                      "« Femme » : ((0,183809 × x) − 35,270121) + (0,34454 × y)",
        .messages = "",
        .reference = "Hume & Weyers 1971",
        .note = "",
        .caution = "",
        .conditions = "",
        .faults = "",
        .evaluate = &UreaDistributionVolume,
    },
    {
        .letter = 'N',
        .button = "SpeedButton17",
        .hint = "Calcul de la natrémie corrigée.",
        .title = "Natrémie corrigée selon la glycémie",
        .x = "Natrémie mesurée, en mmol/L",
        .y = "Glycémie, en g/L (« Ancien ») ou en mmol/L (« International »)",
        .m = "",
        .choices = "Système d'unités (unité de la glycémie)",
        .result = "Natrémie corrigée, en mmol/L",
        .expression = "« Ancien » : (((y / 0,18) − 5,5) × 0,28) + x ; la division par 0,18 "
                      "convertit la glycémie de g/L en mmol/L\n"
                      "« International » : ((y − 5,5) × 0,28) + x",
        .messages = "",
        .reference = "Katz 1973 ; Hillier, Abbott & Barrett 1999",
        .note = "Le programme ajoute 0,28 mmol/L de sodium par mmol/L de glucose au-dessus de "
                "5,5 mmol/L (1 g/L) : c'est la correction de Katz, 1,6 mmol/L pour 100 mg/dL de "
                "glucose, soit 0,288 par mmol/L au-dessus de 5,55 mmol/L, arrondie. Hillier, "
                "Abbott et Barrett proposent 2,4 mmol/L pour 100 mg/dL, une correction une fois "
                "et demie plus forte.",
        .caution = "",
        .conditions = "",
        .faults = "",
        .evaluate = &CorrectedNatraemia,
    },
    {
        .letter = 'I',
        .button = "SerumPhy",
        .hint = "Calcul du déficit en sérum physiologique.",
        .title = "Déficit en sérum physiologique (NaCl à 9 g/L)",
        .x = "Poids, en kg",
        .y = "Natrémie, en mmol/L",
        .m = "",
        .choices = "Système d'unités : « International » obligatoire",
        .result = "Volume de sérum physiologique à apporter, en mL",
        .expression = "« International » : (3,9 × x) × (140 − y)",
        .messages = kInternationalOnly,
        .reference = "Déficit en sodium 0,6 × poids × (140 − Na) rapporté aux 154 mmol/L de "
                     "sodium du sérum physiologique (0,6 × 1000 / 154 ≈ 3,9)",
        .note = kTotalWaterNote,
        .caution = kTotalWaterCaution,
        .conditions = "Système d'unités « Ancien »",
        .faults = "",
        .evaluate = &SalineDeficit,
    },
    {
        .letter = 'Y',
        .button = "SpeedButton19",
        .hint = "Calcul du déficit hydrique.",
        .title = "Déficit hydrique (eau libre)",
        .x = "Poids, en kg",
        .y = "Natrémie, en mmol/L",
        .m = "",
        .choices = "Système d'unités : « International » obligatoire",
        .result = "Déficit en eau, en L",
        .expression = "« International » : (0,6 × x) × ((y / 140) − 1)",
        .messages = kInternationalOnly,
        .reference = "Formule classique : eau totale × (Na / 140 − 1) (Adrogué & Madias 2000)",
        .note = kTotalWaterNote,
        .caution = kTotalWaterCaution,
        .conditions = "Système d'unités « Ancien »",
        .faults = "",
        .evaluate = &WaterDeficit,
    },
    {
        .letter = 'U',
        .button = "SpeedButton20",
        .hint = "Calcul du déficit en Sodium.",
        .title = "Déficit en sodium",
        .x = "Poids, en kg",
        .y = "Natrémie, en mmol/L",
        .m = "",
        .choices = "Système d'unités : « International » obligatoire",
        .result = "Déficit en sodium, en mmol",
        .expression = "« International » : (0,6 × x) × (140 − y)",
        .messages = kInternationalOnly,
        .reference = "Formule classique : eau totale × (140 − Na) (Adrogué & Madias 2000)",
        .note = kTotalWaterNote,
        .caution = kTotalWaterCaution,
        .conditions = "Système d'unités « Ancien »",
        .faults = "",
        .evaluate = &SodiumDeficit,
    },
};

}  // namespace

std::span<const FormulaRow> FormulaTable() {
  return kFormulas;
}

}  // namespace solvanex
