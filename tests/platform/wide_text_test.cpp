#include "platform/wide_text.h"

#include <gtest/gtest.h>

TEST(WideText, Windows1252RoundTripsAndOtherCharactersBecomeQuestionMarks) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(WideToAnsi(AnsiToWide(all)), all);
  EXPECT_EQ(WideToAnsi(u"\u2019\u201C\u201D\u2013\u20AC"), "\x92\x93\x94\x96\x80");
  EXPECT_EQ(WideToAnsi(u"a\u4E2Db"), "a?b");
  EXPECT_EQ(WideToAnsi(u"x\U0001F600y"), "x?y");  // a surrogate pair is one character
  // The caller may name the default character, as the system conversion lets it.
  EXPECT_EQ(WideToAnsi(u"\u03A9?\U0001F600\u00E9", kSubstituteChar), "\x1A?\x1A\xE9");
  EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9 \xE2\x80\x99"), "caf\xE9 \x92");
  EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(Bstr::FromAnsi("abc\xE9").ToUtf8(), "abc\xC3\xA9");
  EXPECT_TRUE(Bstr().IsNull());
}

// Long runs of ASCII with other characters among them, as the commands and
// the rendered document cross the boundary; bad sequences become U+FFFD.
TEST(WideText, Utf8RoundTripsAndBadBytes) {
  std::string utf8;
  for (int i = 0; i < 50; ++i) utf8 += "valve \xe2\x80\x99s caf\xc3\xa9 \xf0\x9f\x98\x80 ";
  WideString wide = Utf8ToWide(utf8);
  EXPECT_EQ(WideToUtf8(wide), utf8);
  EXPECT_EQ(wide.size(), 50u * 17u);
  EXPECT_EQ(Utf8ToWide("\xC3"), u"\uFFFD");              // cut sequence
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");    // overlong form
  EXPECT_EQ(WideToUtf8(u"a\xD800" u"b"), "a\xef\xbf\xbd" "b");  // a lone surrogate
}
