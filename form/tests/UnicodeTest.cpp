// UTF-8 to UTF-16 and back: every character kept, every malformed sequence one replacement.
#include <gtest/gtest.h>

#include "form/Unicode.h"

namespace solvanex::form {
namespace {

TEST(UnicodeTest, RoundTrips) {
  const std::string texts[] = {"", "0,", "Mémoire", "€ ↵ \xF0\x9F\x98\x80", "Ancien "};
  for (const std::string& text : texts) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_EQ(CodePointsToUtf8(Utf8ToCodePoints(text)), text);
  }
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(UnicodeTest, MalformedInputIsReplaced) {
  struct Case {
    std::string bytes;
    std::u16string text;
  };
  const Case cases[] = {
      {"a\xFF"
       "b",
       u"a\uFFFDb"},
      {"\xC3", u"\uFFFD"},                                // cut short at the end
      {"\xC3(", u"\uFFFD("},                              // no continuation byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // a surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
  EXPECT_EQ(Utf16ToUtf8(u"a\xD800"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(u"\xDC00z"), "\xEF\xBF\xBDz");
}

}  // namespace
}  // namespace solvanex::form
