#include "clinical/tests/KeyScript.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <sstream>

#include "calculator/Errors.h"
#include "calculator/tests/KeyScript.h"
#include "calculator/tests/KeyScriptLog.h"
#include "clinical/Keypad.h"

namespace solvanex::test {

namespace {

bool IsNumberWord(std::string_view word, char separator) {
  if (word.starts_with('-')) word.remove_prefix(1);
  if (word.empty()) return false;
  for (const char c : word) {
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != separator) return false;
  }
  return true;
}

void TypeNumber(std::string_view word, char separator, std::vector<std::string>& keys) {
  const bool negative = word.starts_with('-');
  if (negative) word.remove_prefix(1);
  for (const char c : word) {
    keys.push_back(c == separator ? std::string("Virgule") : "SpeedButton" + std::string(1, c));
  }
  if (negative) keys.emplace_back("bSigne");
}

}  // namespace

std::vector<std::string> KeyNames(std::string_view script, char separator) {
  static const std::map<std::string, std::string, std::less<>> kWords = {
      {"Ancien", "RadioGroup1=0"},
      {"International", "RadioGroup1=1"},
      {"Homme", "RadioGroup2=0"},
      {"Femme", "RadioGroup2=1"},
  };
  std::vector<std::string> keys;
  std::istringstream words{std::string(script)};
  std::string word;
  while (words >> word) {
    if (const auto it = kWords.find(word); it != kWords.end()) {
      keys.push_back(it->second);
    } else if (IsNumberWord(word, separator)) {
      TypeNumber(word, separator, keys);
    } else {
      keys.push_back(solvanex::testing::ControlName(word));
    }
  }
  return keys;
}

std::unique_ptr<KeySession> RunScript(std::string_view script, char separator) {
  auto session = std::make_unique<KeySession>(separator, Keypad(), ClinicalFormulas());
  const std::vector<std::string> keys = KeyNames(script, separator);
  for (const std::string& key : keys) {
    EXPECT_TRUE(session->Perform(key)) << "unknown key " << key << " in: " << script;
  }
  testing::LogKeyScript(separator, keys);
  return session;
}

Sequence Ok(std::string name, std::string script, std::string display, char separator) {
  return {std::move(name), std::move(script), std::move(display),
          kColorBlack,     std::nullopt,      separator};
}

Sequence Red(std::string name, std::string script, std::string message) {
  return {std::move(name), std::move(script), std::move(message), kColorRed, std::nullopt, ','};
}

Sequence Boxed(std::string name, std::string script, std::string display, std::string box) {
  return {std::move(name), std::move(script), std::move(display), kColorBlack, std::move(box), ','};
}

void PrintTo(const Sequence& sequence, std::ostream* os) {
  *os << sequence.name;
}

void ExpectSequence(const Sequence& s) {
  const auto session = RunScript(s.script, s.separator);
  EXPECT_EQ(session->View().display, s.display) << s.script;
  EXPECT_EQ(session->View().color, s.color) << s.script;
  EXPECT_EQ(session->LastError(), s.box) << s.script;
}

std::string BoxText(std::string_view message) {
  return ErrorBoxText(message);
}

std::string NotANumberBox(std::string_view text) {
  return ErrorBoxText(ConversionError(text).what());
}

}  // namespace solvanex::test
