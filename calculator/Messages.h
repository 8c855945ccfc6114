// The French texts of the calculator core, in one place.
#pragma once

#include <string_view>

namespace solvanex::messages {

// Conversion error: "'" + text + kNotAFloat.
inline constexpr std::string_view kNotAFloat =
    "' n'est pas une valeur en virgule flottante correcte";
inline constexpr std::string_view kOverflow = "Débordement en virgule flottante";
inline constexpr std::string_view kZeroDivide = "Division par zéro en virgule flottante";
inline constexpr std::string_view kInvalidOperation = "Opération en virgule flottante incorrecte";

// Shown in the display, in red.
inline constexpr std::string_view kDivisionByZero = "Erreur : division par zéro impossible !";
inline constexpr std::string_view kBadFunctionInput = "Erreur : entrée fonction incorrecte !";

// Caption of the memory indicator while something was stored or added since the last MC.
inline constexpr std::string_view kMemoryIndicator = "M";

}  // namespace solvanex::messages
