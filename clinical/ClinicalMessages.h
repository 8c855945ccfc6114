// The French messages that the clinical formulas show in the display, in red. The division
// message is the core's own (calculator/Messages.h), shared with the '/' key.
#pragma once

#include <string_view>

namespace solvanex::messages {

inline constexpr std::string_view kNoMemoryParameter = "Erreur : pas de paramètre en mémoire !";
inline constexpr std::string_view kFixTriglycerides = "Erreur : corrigez les triglycérides...";
// The clearance and the energy expenditure differ by one dot: users tell them apart by it.
inline constexpr std::string_view kFixAgeClearance = "Erreur : corrigez l'âge en mémoire...";
inline constexpr std::string_view kFixAgeEnergy = "Erreur : corrigez l'âge en mémoire....";
inline constexpr std::string_view kFixSodium = "Erreur : corrigez le Sodium en mémoire...";
inline constexpr std::string_view kNeedMillimoles =
    "Erreur : les valeurs doivent être en mmol/L...";
inline constexpr std::string_view kChooseInternational =
    "Erreur : choisissez l'unité internationale !";

}  // namespace solvanex::messages
