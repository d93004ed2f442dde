#include "commands/host_channel.h"
#include "commands/marker_text.h"

#include <gtest/gtest.h>

namespace {

// Rows without a colour (39 to 42) and categories outside the table are yellow.
TEST(CategoryColours, TableAndDefaults) {
  const std::pair<int, const char*> rows[] = {{0, "CCCCCC"},  {9, "66CC99"},   {38, "66CC99"},  {39, "FFFF66"},
                                              {42, "FFFF66"}, {-300, "FFFF66"}, {1000, "FFFF66"}};
  for (const auto& [category, colour] : rows) EXPECT_STREQ(CategoryColour(category), colour) << category;
  EXPECT_EQ(CategoryColourIndex(41), 0);
  EXPECT_EQ(CategoryColourIndex(-5), 0);
}

// Advice at every marker number and always at the fifth character (numbers
// above 99 are written 99); a category below 0 keeps its sign.
TEST(KestaValue, DigitsAdviceAndNone) {
  const struct {
    int category, number;
    const char *advice, *value;
  } rows[] = {{1, 3, "use", "0103use"},        {1, 25, "use", "0125use"}, {10, 87, "does not", "1087does not"},
              {1, 3, "", "0103NONE"},          {37, 0, ".", "3700."},     {5, 123, "a", "0599a"},
              {28, 140, "", "2899NONE"},       {-5, 9, "a", "-0509a"}};
  for (const auto& row : rows) EXPECT_EQ(KestaValue(row.category, row.number, row.advice), row.value);
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

// A correction writes the signs the rules name as character references;
// the predefined references and names only the document brings stay.
TEST(Escaping, CorrectionsWriteSignsAsCharacters) {
  EXPECT_EQ(CorrectionMarkup("258&deg;C"), "258&#176;C");
  EXPECT_EQ(CorrectionMarkup("&reg;"), "&#174;");
  EXPECT_EQ(CorrectionMarkup("&trade;&rdquo;&ndash;"), "&#8482;&#8221;&#8211;");
  EXPECT_EQ(CorrectionMarkup("a &amp; b &lt; c"), "a &amp; b &lt; c");
  EXPECT_EQ(CorrectionMarkup("valg&lowbar;eg &prod;"), "valg&#95;eg &prod;");
  EXPECT_EQ(CorrectionMarkup("R&D <x> @"), "R&amp;D &lt;x&gt; &#64;");
}

// A correction's advice as a marker shows it: a sign as the character of
// the code page (Windows-1252 too: the trade mark sign), by its name or
// its number; a sign the code page lacks and other names stay references.
TEST(Escaping, AdviceShowsSignsAsCharacters) {
  EXPECT_EQ(PlainAdvice("258&deg;C"), "258\xB0" "C");
  EXPECT_EQ(PlainAdvice("pump&reg; &#174; &#xAE; &trade;"), "pump\xAE \xAE \xAE \x99");
  EXPECT_EQ(PlainAdvice("&le; &#8804; &prod; &#1; a & b"), "&le; &#8804; &prod; &#1; a & b");
}

TEST(MarkerMarkup, ShapeOfTheInsert) {
  std::string m = MarkerMarkup(KestaValue(1, 3, "use \"x\""), CategoryColour(1), "utilize");
  EXPECT_EQ(m, "<?Pub _touchup Kesta=\"0103use &quot;x&quot;\" HighltBckclr=\"6699FF\"?>utilize</_touchup>");
  EXPECT_EQ(InsertMarkupCommand(MarkerMarkup("3700.", "FF99FF", ";")),
            "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"3700.\" "
            "HighltBckclr=\"FF99FF\"?>;</_touchup>@");
}

// The host's renderings are markers (cut before its end, the attribute comes
// first); nothing else is.
TEST(RenderedMarker, AcceptsTheHostsRenderingsOnly) {
  for (const char* text : {"<?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>w</_touchup>",
                           "<?Pub _touchup HighltBckclr=\"6699FF\" Kesta=\"0103use\"?>w",
                           "<?Pub\t_touchup\nKesta = \"0103\"?>", "<?Pub _touchup Kesta=\"0103a very long advi"})
    EXPECT_TRUE(IsRenderedMarker(text)) << text;
  for (const char* text : {"", "<para>Kesta</para>", "<?Pub _touchupX Kesta=\"1\"?>",
                           "<?Pub _touchup HighltBckclr=\"6699FF\"?>Kesta=1", "<?Pub _bookmark Kesta=\"1\"?>",
                           "<?Pub _touchup NotKesta=\"1\"?>", "<?Pub_touchup Kesta=\"1\"?>"})
    EXPECT_FALSE(IsRenderedMarker(text)) << text;
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
                        Case{"&prod; is", 4}, Case{"na&#xEF;ve", 5}, Case{"R & D", 5}, Case{"&;", 2},
                        Case{"&db:x;s", 2}, Case{"&masq-gw;", 1}, Case{"&caf\xE9;", 1}, Case{"&-x;", 4}})
    EXPECT_EQ(RenderedLength(c.markup), c.length) << c.markup;
}
