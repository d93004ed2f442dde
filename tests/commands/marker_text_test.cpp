#include "commands/host_channel.h"
#include "commands/marker_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CategoryColours, TableAndDefaults) {
  EXPECT_STREQ(CategoryColour(0), "CCCCCC");
  EXPECT_STREQ(CategoryColour(1), "6699FF");
  EXPECT_STREQ(CategoryColour(2), "66FFFF");
  EXPECT_STREQ(CategoryColour(5), "FF6699");
  EXPECT_STREQ(CategoryColour(8), "FF99FF");
  EXPECT_STREQ(CategoryColour(9), "66CC99");
  EXPECT_STREQ(CategoryColour(25), "FFFF66");
  EXPECT_STREQ(CategoryColour(28), "FF6699");
  EXPECT_STREQ(CategoryColour(37), "FF99FF");
  EXPECT_STREQ(CategoryColour(38), "66CC99");
  // Rows without a colour, and categories outside the table.
  for (int c : {39, 40, 41, 42, -1, -300, 1000}) EXPECT_STREQ(CategoryColour(c), "FFFF66") << c;
  EXPECT_EQ(CategoryColourIndex(41), 0);
  EXPECT_EQ(CategoryColourIndex(-5), 0);
}

TEST(KestaValue, DigitsAdviceAndNone) {
  EXPECT_EQ(KestaValue(1, 3, "use"), "0103use");
  EXPECT_EQ(KestaValue(1, 25, "use"), "0125use");  // advice at every marker number
  EXPECT_EQ(KestaValue(10, 87, "does not"), "1087does not");
  EXPECT_EQ(KestaValue(1, 3, ""), "0103NONE");
  EXPECT_EQ(KestaValue(1, 24, "x"), "0124x");
  EXPECT_EQ(KestaValue(28, 40, ""), "2840NONE");
  EXPECT_EQ(KestaValue(37, 0, "."), "3700.");
  // The advice stays at the fifth character, where readers take it.
  EXPECT_EQ(KestaValue(5, 123, "a"), "0599a");
  EXPECT_EQ(KestaValue(28, 140, ""), "2899NONE");
  EXPECT_EQ(KestaValue(-5, 9, "a"), "-0509a");  // a category below 0 keeps its sign
}

TEST(Escaping, AttributeValuesCannotEndEarly) {
  EXPECT_EQ(EscapeAttribute("a \"b\" <c> & d@e"), "a &quot;b&quot; &lt;c&gt; &amp; d&#64;e");
  EXPECT_EQ(EscapeAttribute("plain/advice"), "plain/advice");
}

TEST(Escaping, ContentKeepsReferences) {
  EXPECT_EQ(EscapeContent("&trade;"), "&trade;");
  EXPECT_EQ(EscapeContent("A&#174;B&#x2122;"), "A&#174;B&#x2122;");
  EXPECT_EQ(EscapeContent("R&D; a<b"), "R&D; a&lt;b");  // "&D;" is a reference as written
  EXPECT_EQ(EscapeContent("salt & pepper"), "salt &amp; pepper");
  EXPECT_EQ(EscapeContent("&;&#;&#x;"), "&amp;;&amp;#;&amp;#x;");
  EXPECT_EQ(EscapeContent("mail@host"), "mail&#64;host");
  EXPECT_EQ(ProtectAt("<b>x@y</b>"), "<b>x&#64;y</b>");
}

TEST(MarkerMarkup, ShapeOfTheInsert) {
  std::string m = MarkerMarkup(KestaValue(1, 3, "use \"x\""), CategoryColour(1), "utilize");
  EXPECT_EQ(m, "<?Pub _touchup Kesta=\"0103use &quot;x&quot;\" HighltBckclr=\"6699FF\"?>utilize</_touchup>");
  EXPECT_EQ(InsertMarkupCommand(MarkerMarkup("3700.", "FF99FF", ";")),
            "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"3700.\" "
            "HighltBckclr=\"FF99FF\"?>;</_touchup>@");
}

TEST(RenderedMarker, AcceptsTheHostsRenderings) {
  EXPECT_TRUE(IsRenderedMarker("<?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>w</_touchup>"));
  EXPECT_TRUE(IsRenderedMarker("<?Pub _touchup HighltBckclr=\"6699FF\" Kesta=\"0103use\"?>w"));
  EXPECT_TRUE(IsRenderedMarker("<?Pub\t_touchup\nKesta = \"0103\"?>"));
  // Cut before its end: the attribute comes first.
  EXPECT_TRUE(IsRenderedMarker("<?Pub _touchup Kesta=\"0103a very long advi"));
}

TEST(RenderedMarker, RejectsEverythingElse) {
  EXPECT_FALSE(IsRenderedMarker(""));
  EXPECT_FALSE(IsRenderedMarker("<para>Kesta</para>"));
  EXPECT_FALSE(IsRenderedMarker("<?Pub _touchupX Kesta=\"1\"?>"));
  EXPECT_FALSE(IsRenderedMarker("<?Pub _touchup HighltBckclr=\"6699FF\"?>Kesta=1"));
  EXPECT_FALSE(IsRenderedMarker("<?Pub _bookmark Kesta=\"1\"?>"));
  EXPECT_FALSE(IsRenderedMarker("<?Pub _touchup NotKesta=\"1\"?>"));
  EXPECT_FALSE(IsRenderedMarker("<?Pub_touchup Kesta=\"1\"?>"));
}

TEST(Escaping, MarkupFromWideTextKeepsEveryCharacter) {
  EXPECT_EQ(WideToAnsiMarkup(u"a\u2019b"), "a\x92" "b");       // in the code page
  EXPECT_EQ(WideToAnsiMarkup(u"x \u2264 y?"), "x &#x2264; y?");  // outside it
  EXPECT_EQ(WideToAnsiMarkup(u"\U0001F600"), "&#x1F600;");
  EXPECT_EQ(WideToAnsiMarkup(std::u16string(1, char16_t(0xD800))), "&#xD800;");
}

}  // namespace

// The host renders a selection as markup; a reference there is one
// character of the document, so moves over the selection count it once.
TEST(RenderedLength, ReferencesCountAsOneCharacter) {
  struct Case {
    const char* markup;
    std::size_t length;
  };
  for (const Case& c : {Case{"", 0}, Case{"; th", 4}, Case{"&amp;", 1}, Case{"a&lt;b&gt;", 4},
                        Case{"&prod; is", 4}, Case{"na&#xEF;ve", 5}, Case{"R & D", 5}, Case{"&;", 2}})
    EXPECT_EQ(RenderedLength(c.markup), c.length) << c.markup;
}
