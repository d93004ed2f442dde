#include "editor/text_chars.h"

#include <gtest/gtest.h>

#include <string>

using namespace editor;

// Checks of well-formed text read long runs of ASCII eight bytes at a time:
// a fault must be seen wherever it stands in or after such a run.
TEST(TextChars, MalformedBytesAreSeenWhereverTheyStand) {
  const std::string ascii(19, 'a');
  for (std::size_t at = 0; at <= ascii.size(); ++at) {
    std::string bad = ascii;
    bad.insert(at, "\xff");
    EXPECT_FALSE(IsWellFormedUtf8(bad)) << at;
    std::string cut = ascii;
    cut.insert(at, "\xe2\x82");  // a sequence cut short
    EXPECT_FALSE(IsWellFormedUtf8(cut)) << at;
    std::string good = ascii;
    good.insert(at, "\xe2\x82\xac");
    EXPECT_TRUE(IsWellFormedUtf8(good)) << at;
    EXPECT_EQ(EncodeUtf8(DecodeUtf8(good)), good);
    EXPECT_EQ(DecodeUtf8(bad).size(), ascii.size() + 1);
  }
  EXPECT_FALSE(IsWellFormedUtf8("\xed\xa0\x80"));      // a surrogate
  EXPECT_FALSE(IsWellFormedUtf8("\xc0\xaf"));          // an overlong form
  EXPECT_TRUE(IsWellFormedUtf8("\xf0\x9f\x98\x80x"));  // beyond the first plane
}

TEST(TextChars, EncodingAndTheNamesAndCharactersXmlAllows) {
  EXPECT_EQ(EncodeUtf8(U"a\u00e9\u20ac\U0001F600"), "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80");
  for (const char* name : {"_a.b-c:d", "caf\xc3\xa9"}) EXPECT_TRUE(IsXmlName(name)) << name;
  for (const char* name : {"", "1a", "a b", "a\xc3\x97"}) EXPECT_FALSE(IsXmlName(name)) << name;  // U+00D7
  EXPECT_FALSE(IsNcName("x:para"));
  EXPECT_TRUE(AllXmlChars("tab\there, line\nend \xef\xbf\xbd"));
  EXPECT_FALSE(AllXmlChars("a\x01z"));
  EXPECT_FALSE(AllXmlChars("a\xef\xbf\xbez"));  // U+FFFE
  EXPECT_TRUE(AllXmlChars("a\xffz"));           // read as U+FFFD
}
