// Key scripts for the tests: a readable line of keys run through a fresh calculator with the
// whole keypad and the clinical formulas.
//
// Words of a script, separated by blanks:
// - a number ("70", "1,75", "-2") is typed digit by digit, with the separator key where the
//   session's separator stands; a leading '-' types the sign key after the digits;
// - "Ancien", "International", "Homme" and "Femme" select that item of its choice group;
// - any other word is a keypad token as the core's tests write them ("+", "-", "*", "/", "=",
//   "M+", "sqrt"...), or a button name (IMC, MS, Glycemie...) or "paste=TEXT" as it stands.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/KeySession.h"

namespace solvanex::test {

std::vector<std::string> KeyNames(std::string_view script, char separator);

// A session after the whole script; a key name that the session does not know fails the test.
std::unique_ptr<KeySession> RunScript(std::string_view script, char separator = ',');

// A key sequence and what the display, its colour and the error box show after it.
struct Sequence {
  std::string name;
  std::string script;
  std::string display;
  std::uint32_t color;
  std::optional<std::string> box;
  char separator;
};

// Ends with display in black and no error box.
Sequence Ok(std::string name, std::string script, std::string display, char separator = ',');
// Ends with an error message in red in the display, and no error box.
Sequence Red(std::string name, std::string script, std::string message);
// Ends with the error box text box, display in black.
Sequence Boxed(std::string name, std::string script, std::string display, std::string box);
void PrintTo(const Sequence& sequence, std::ostream* os);
// Runs the sequence and checks how it ends.
void ExpectSequence(const Sequence& sequence);

// Shorthand for the messages the tests expect.
std::string BoxText(std::string_view message);
std::string NotANumberBox(std::string_view text);

}  // namespace solvanex::test
