// Test helper: key sequences written as on the keypad ("7 0 * 1 , 7 5 =") turned into control
// names and run through a KeySession.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculator/KeySession.h"

namespace solvanex::testing {

// The control name for a keypad token: "0".."9", ",", "+", "-", "*", "/", "=", "+/-", "BS", "CE",
// "C", "sqrt", "%", "1/x", "MC", "MR", "MS", "M+"; any other token is taken as it stands (a
// control name, "RadioGroup1=1", "paste=...").
std::string ControlName(std::string_view token);

// Splits a sequence on blanks.
std::vector<std::string> Tokens(std::string_view sequence);

// Runs every token; returns the error box text of the last key that raised one, or "".
std::string Run(KeySession& session, std::string_view sequence);

}  // namespace solvanex::testing
