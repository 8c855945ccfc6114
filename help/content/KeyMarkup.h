// Key examples written into the hand-written pages as {{touches 2 + 3 * 4 =}}: the generator
// keys them on a fresh calculator and writes the keys with the display that results, so the
// pages never state a result the program does not give.
//
// Tokens, separated by blanks: a number ("70", "1,75", "-2") typed digit by digit; a button
// caption ("+", "=", "Rac", "M+", "GLY", "P"; "," is the separator key) or control name
// ("Retour"); a choice ("Ancien", "International", "Homme", "Femme"); "coller:TEXT" for a
// paste of TEXT.
#pragma once

#include "KeyExamples.h"

#include <string>
#include <string_view>

namespace solvanex::helpcontent {

// The step of one token; throws std::invalid_argument for a token that names no key.
KeyStep StepForToken(std::string_view token);

// What the reader sees after a key sequence, as HTML: the display text in a display-like box
// (red for a message), or the text of the error box.
std::string OutcomeHtml(const KeyOutcome& outcome);

// The page with every {{touches ...}} replaced by its keys and outcome. Throws
// std::invalid_argument for an unknown token or an unterminated example.
std::string ExpandKeyExamples(std::string_view page);

}  // namespace solvanex::helpcontent
