// The error box's text: the full stop, and a quoted text of any length shortened to whole
// characters on one line.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "calculator/Errors.h"
#include "form/ErrorText.h"

namespace solvanex::form {
namespace {

std::string Repeat(const std::string& piece, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += piece;
  return out;
}

struct ElisionCase {
  const char* name;
  std::string quoted;
  std::string shown;
};

TEST(ErrorTextTest, QuotedTextIsElidedToWholeCharacters) {
  const std::string digits = Repeat("0123456789", 100);
  const std::string accents = Repeat("é", 300);
  const std::string emoji = "\xF0\x9F\x98\x80";
  const ElisionCase cases[] = {
      {"short, whole", "12abc", "12abc"},
      {"at the limit, whole", digits.substr(0, 81), digits.substr(0, 81)},
      {"long: head … tail", digits, digits.substr(0, 60) + "…" + digits.substr(1000 - 20)},
      {"accents never cut", accents, Repeat("é", 60) + "…" + Repeat("é", 20)},
      {"line breaks marked", "1\r\n2\n3\r4\t5", "1↵2↵3↵4 5"},
      {"emoji counted whole", Repeat(emoji, 100), Repeat(emoji, 60) + "…" + Repeat(emoji, 20)},
      {"a stray byte replaced",
       "1\xFF"
       "2",
       "1\xEF\xBF\xBD"
       "2"},
  };
  for (const ElisionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string message = "'" + c.quoted + "' n'est pas.";
    EXPECT_EQ(ElideForErrorBox(message, 1, c.quoted.size()), "'" + c.shown + "' n'est pas.");
  }
}

TEST(ErrorTextTest, OutOfRangeQuotedPartIsHeldToTheMessage) {
  EXPECT_EQ(ElideForErrorBox("abc", 99, 5), "abc");
  EXPECT_EQ(ElideForErrorBox("a\nbc", 1, 99), "a↵bc");
}

TEST(ErrorTextTest, TenMebibytesOfPasteGiveAShortBox) {
  const std::string huge(10u << 20, '7');
  const std::string text = ErrorBoxMessage(ConversionError(huge + "x"));
  EXPECT_LT(text.size(), 200u);
  EXPECT_EQ(text.rfind("'" + std::string(60, '7') + "…", 0), 0u) << text;
  EXPECT_NE(text.find(std::string(19, '7') + "x'"), std::string::npos) << text;
}

struct MessageCase {
  const char* name;
  std::string message;
  std::string shown;
};

TEST(ErrorTextTest, EveryKindOfErrorGetsItsBoxText) {
  const std::string longWords = Repeat("mot ", 60) + "fin";  // 243 characters, no quoted part
  const MessageCase cases[] = {
      {"full stop appended", std::string(OverflowError().what()),
       "Débordement en virgule flottante."},
      {"no second full stop", "Déjà dit.", "Déjà dit."},
      {"long message shortened whole", longWords,
       longWords.substr(0, 60) + "…" + longWords.substr(243 - 20) + "."},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorBoxMessage(std::runtime_error(c.message)), c.shown);
  }
  EXPECT_EQ(ErrorBoxMessage(ConversionError("1 2")),
            "'1 2' n'est pas une valeur en virgule flottante correcte.");
}

TEST(ErrorTextTest, AnythingElseThrownIsAnInternalError) {
  std::string text;
  try {
    throw 42;
  } catch (...) {
    text = CurrentErrorBoxMessage();
  }
  EXPECT_EQ(text, "Erreur interne inattendue.");
  try {
    throw ZeroDivideError();
  } catch (...) {
    text = CurrentErrorBoxMessage();
  }
  EXPECT_EQ(text, "Division par zéro en virgule flottante.");
}

}  // namespace
}  // namespace solvanex::form
