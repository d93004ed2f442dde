#include "platform/wide_text.h"

#include <gtest/gtest.h>

TEST(WideText, Windows1252RoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(WideToAnsi(AnsiToWide(all)), all);
}

TEST(WideText, TypographicCharactersMapToTheirBytes) {
  EXPECT_EQ(WideToAnsi(u"\u2019\u201C\u201D\u2013\u20AC"), "\x92\x93\x94\x96\x80");
  EXPECT_EQ(AnsiToWide("\x92"), u"\u2019");
}

TEST(WideText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(WideToAnsi(u"a\u4E2Db"), "a?b");
  EXPECT_EQ(WideToAnsi(u"x\U0001F600y"), "x?y");  // a surrogate pair is one character
}

TEST(WideText, Utf8Conversions) {
  EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9 \xE2\x80\x99"), "caf\xE9 \x92");
  EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(WideToUtf8(Utf8ToWide("\xF0\x9F\x98\x80")), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToWide("\xC3"), u"\uFFFD");  // cut sequence
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong form
}

// Long runs of ASCII with other characters among them, as the commands and
// the rendered document cross the boundary.
TEST(WideText, MixedTextRoundTrips) {
  std::string utf8;
  for (int i = 0; i < 50; ++i) utf8 += "valve \xe2\x80\x99s caf\xc3\xa9 \xf0\x9f\x98\x80 ";
  WideString wide = Utf8ToWide(utf8);
  EXPECT_EQ(WideToUtf8(wide), utf8);
  EXPECT_EQ(wide.size(), 50u * 17u);
  EXPECT_EQ(WideToAnsi(AnsiToWide("plain \x80\x92\xe9 text")), "plain \x80\x92\xe9 text");
  EXPECT_EQ(WideToUtf8(u"a\xD800" u"b"), "a\xef\xbf\xbd" "b");  // a lone surrogate
  EXPECT_EQ(WideToUtf8(u""), "");
  EXPECT_EQ(AnsiToWide(""), u"");
}

TEST(WideText, BstrKnowsNull) {
  EXPECT_TRUE(Bstr().IsNull());
  Bstr b = Bstr::FromAnsi("abc\xE9");
  EXPECT_FALSE(b.IsNull());
  EXPECT_EQ(b.ToAnsi(), "abc\xE9");
  EXPECT_EQ(b.ToUtf8(), "abc\xC3\xA9");
}
