// The exact text behind the display: where a long text is cut, and how edits made in the shown
// document map back onto the full text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "form/ShownText.h"

namespace solvanex::form {
namespace {

std::u16string Repeat(char16_t c, int n) {
  return std::u16string(static_cast<std::size_t>(n), c);
}

std::size_t Count(const std::u16string& text, char16_t c) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

std::size_t CountPairs(const std::u16string& text) {
  std::size_t pairs = 0;
  for (std::size_t at = text.find(u"\r\n"); at != std::u16string::npos;
       at = text.find(u"\r\n", at + 2)) {
    ++pairs;
  }
  return pairs;
}

constexpr int kLimit = ShownText::kShownLimit;

struct HiddenCase {
  const char* name;
  std::u16string text;
  int hidden;
};

TEST(ShownTextTest, LongTextHidesHead) {
  const HiddenCase cases[] = {
      {"at the limit", Repeat(u'x', kLimit), 0},
      {"one over", Repeat(u'x', kLimit + 1), 1},
      // A cut between CR and LF, or inside a surrogate pair, moves past the pair.
      {"CR LF at the cut", u"ab\r\n" + Repeat(u'y', kLimit - 1), 4},
      {"surrogate pair at the cut", u"a\U0001F600" + Repeat(u'z', kLimit - 1), 3},
  };
  for (const HiddenCase& c : cases) {
    SCOPED_TRACE(c.name);
    ShownText model;
    model.Set(c.text);
    EXPECT_EQ(model.Text(), c.text);
    EXPECT_EQ(model.HiddenLength(), c.hidden);
    const std::u16string tail = c.text.substr(static_cast<std::size_t>(c.hidden));
    EXPECT_EQ(model.Shown(), c.hidden > 0 ? ShownText::kHiddenMark + tail : tail);
    EXPECT_EQ(model.TextIndex(c.hidden > 0 ? 1 : 0), c.hidden);
  }
}

struct EditCase {
  const char* name;
  std::u16string text;
  int from;  // the edit, in shown positions
  int to;
  std::u16string typed;  // as the document holds it
  std::u16string expected;
  bool matches;  // the document still matches without being rebuilt
  int caret;
};

TEST(ShownTextTest, EditsMapBack) {
  const std::u16string brk(1, ShownText::kBreak);
  const std::u16string longText = Repeat(u'x', kLimit) + u"yz";  // ellipsis, then limit units
  const EditCase cases[] = {
      {"type after a CR LF", u"a\r\nb", 2, 2, u"x", u"a\r\nxb", true, 4},
      {"delete a CR LF as one break", u"a\r\nb", 1, 2, u"", u"ab", true, 1},
      {"typed break becomes CR LF", u"ab", 1, 1, brk, u"a\r\nb", true, 3},
      {"typed line separator becomes CR LF", u"ab", 1, 1, u"\u2028", u"a\r\nb", false, 3},
      {"frame marker kept beside an edit", u"a\uFDD0", 2, 2, u"b", u"a\uFDD0b", true, 3},
      {"deleting between CR and LF merges them", u"a\rx\nb", 2, 3, u"", u"a\r\nb", false, 2},
      {"type at the end of a long text", longText, kLimit + 1, kLimit + 1, u"!", longText + u"!",
       true, kLimit + 3},
      {"delete the ellipsis and the hidden head", longText, 0, 1, u"", longText.substr(2), true, 0},
      {"type before the ellipsis", longText, 0, 0, u"<", u"<" + longText, false, 1},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    ShownText model;
    model.Set(c.text);
    std::u16string document = model.Shown();
    document.replace(static_cast<std::size_t>(c.from), static_cast<std::size_t>(c.to - c.from),
                     c.typed);
    int caretIndex = -1;
    EXPECT_EQ(model.ApplyEdit(document, &caretIndex), c.matches);
    EXPECT_EQ(model.Text(), c.expected);
    EXPECT_EQ(caretIndex, c.caret);
  }
}

TEST(ShownTextTest, OnlyCrLfBreaksALine) {
  const std::u16string texts[] = {
      u"3,14\n", u"3,14\r\n", u"a\rb", u"a\n\rb", u"a\r\r\nb", u"a\r\nb\nc\r\n", u"a\u2028b\u2029c",
  };
  for (const std::u16string& text : texts) {
    ShownText model;
    model.Set(text);
    EXPECT_EQ(model.Text(), text);
    const std::u16string& shown = model.Shown();
    // One break per CR LF pair, one shown character for every other character.
    const std::size_t pairs = CountPairs(text);
    EXPECT_EQ(Count(shown, ShownText::kBreak), pairs);
    EXPECT_EQ(shown.size(), text.size() - pairs);
    EXPECT_EQ(Count(shown, u'\r') + Count(shown, u'\n') + Count(shown, u'\u2028'), 0u);
    // The lone ones are shown as their marks, in place.
    EXPECT_EQ(Count(shown, ShownText::kLoneLineFeed), Count(text, u'\n') - pairs);
    EXPECT_EQ(Count(shown, ShownText::kLoneCarriageReturn), Count(text, u'\r') - pairs);
  }
}

TEST(ShownTextTest, PositionsMapBothWays) {
  ShownText model;
  model.Set(u"1\r\n2\r\n3");  // shown: 1 ¶ 2 ¶ 3
  const int textIndex[] = {0, 1, 3, 4, 6, 7};
  for (int pos = 0; pos <= 5; ++pos) {
    EXPECT_EQ(model.TextIndex(pos), textIndex[pos]) << pos;
    EXPECT_EQ(model.ShownPosition(textIndex[pos]), pos) << pos;
  }
  // Inside a CR LF pair: the next shown position.
  EXPECT_EQ(model.ShownPosition(2), 2);
  EXPECT_EQ(model.TextIndex(99), 7);
  EXPECT_EQ(model.TextIndex(-5), 0);
}

TEST(ShownTextTest, ReplaceClampsItsRange) {
  ShownText model;
  model.Set(u"12345");
  model.Replace(3, 99, u"x");
  EXPECT_EQ(model.Text(), u"123x");
  model.Replace(-4, 1, u"");
  EXPECT_EQ(model.Text(), u"23x");
  model.Replace(2, 1, u"y");  // an upside-down range inserts at its start
  EXPECT_EQ(model.Text(), u"23yx");
}

TEST(ShownTextTest, JoinLines) {
  struct Case {
    std::u16string text;
    std::u16string joined;
  };
  const Case cases[] = {
      {u"1\r\n2", u"12"}, {u"1\n2", u"1\n2"},   {u"1\r2", u"12"},
      {u"\r\n\r\n", u""}, {u"a\r\r\nb", u"ab"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShownText::JoinLines(c.text), c.joined);
}

TEST(ShownTextTest, TenMebibytesAreKeptAndShownInPart) {
  std::u16string huge(10u << 20, u'7');
  huge[0] = u'1';
  ShownText model;
  model.Set(huge);
  EXPECT_EQ(model.Text(), huge);
  EXPECT_EQ(model.Shown().size(), static_cast<std::size_t>(kLimit) + 1);
  EXPECT_EQ(model.Shown().front(), ShownText::kHiddenMark);
}

}  // namespace
}  // namespace solvanex::form
