#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/entity_table.h"
#include "engine/tag_tables.h"
#include "engine/word_tables.h"

namespace {

TEST(BlockEndTagTest, PrefixesWithoutRegardToCase) {
  EXPECT_EQ(IsBlockEndTag("</para>"), 1);
  EXPECT_EQ(IsBlockEndTag("</PARA>"), 1);
  EXPECT_EQ(IsBlockEndTag("</para"), 1);
  EXPECT_EQ(IsBlockEndTag("</step1>"), 1);
  EXPECT_EQ(IsBlockEndTag("</title>"), 1);
  EXPECT_EQ(IsBlockEndTag("</pubtitle>"), 1);
  // "</p" alone makes every closing tag whose name begins with 'p' a block end.
  EXPECT_EQ(IsBlockEndTag("</ph>"), 1);
  EXPECT_EQ(IsBlockEndTag("</pubref>"), 1);
  EXPECT_EQ(IsBlockEndTag("</emphasis>"), -1);
  EXPECT_EQ(IsBlockEndTag("</b>"), -1);
  EXPECT_EQ(IsBlockEndTag("<para>"), -1);
  EXPECT_EQ(IsBlockEndTag(""), -1);
  EXPECT_EQ(IsBlockEndTag(nullptr), -1);
}

TEST(BlockEndTagTest, SectionIsExactButSectStillMatches) {
  EXPECT_EQ(IsBlockEndTag("</section"), 1);
  // Not the exact "</section", but "</sect" is a prefix of it.
  EXPECT_EQ(IsBlockEndTag("</section>"), 1);
  EXPECT_EQ(IsBlockEndTag("</sec>"), -1);
}

TEST(InlineTagTest, PrefixesComparedByTheirLength) {
  EXPECT_EQ(IsInlineTag("<nomen"), 1);
  EXPECT_EQ(IsInlineTag("<Nomen"), 1);
  EXPECT_EQ(IsInlineTag("<keyword keyref=\"x\""), 1);  // "<keywor"
  EXPECT_EQ(IsInlineTag("<indexflag"), 1);            // "<indexfla"
  EXPECT_EQ(IsInlineTag("<ui_string"), 1);
  EXPECT_EQ(IsInlineTag("<year"), 1);
  EXPECT_EQ(IsInlineTag("<jump"), -1);
  EXPECT_EQ(IsInlineTag("<para"), -1);
  EXPECT_EQ(IsInlineTag("<ye"), -1);
  EXPECT_EQ(IsInlineTag("</nomen"), -1);
  EXPECT_EQ(IsInlineTag(nullptr), -1);
}

// Prose sections that share a prefix with inline elements are read; the
// inline elements themselves keep their placeholder.
TEST(InlineTagTest, ProseSectionsAreNotInline) {
  const struct {
    const char* tag;
    int expected;
  } cases[] = {
      {"<context", -1},        {"<Context id=\"c1\"", -1}, {"<result", -1},
      {"<result outputclass=\"x\"", -1}, {"<conbody", -1}, {"<conbodydiv", -1},
      {"<content", -1},        {"<con", 1},                {"<conn", 1},
      {"<con id=\"c\"", 1},    {"<contextual", 1},         {"<results", 1},
      {"<resultant", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(IsInlineTag(c.tag), c.expected) << c.tag;
}

TEST(AbbreviationTest, WholeWordsWithTheirStop) {
  EXPECT_EQ(IsKnownAbbreviation("e.g."), 100);
  EXPECT_EQ(IsKnownAbbreviation("E.G."), 100);
  EXPECT_EQ(IsKnownAbbreviation("approx."), 100);
  EXPECT_EQ(IsKnownAbbreviation("max."), 100);
  EXPECT_EQ(IsKnownAbbreviation("fig."), 99);
  EXPECT_EQ(IsKnownAbbreviation("U.S.A."), 99);
  EXPECT_EQ(IsKnownAbbreviation("lbf.in."), 99);
  EXPECT_EQ(IsKnownAbbreviation("Wed."), 99);
  EXPECT_EQ(IsKnownAbbreviation("Feb."), 100);
  EXPECT_EQ(IsKnownAbbreviation("fig"), -1);
  EXPECT_EQ(IsKnownAbbreviation("figs."), -1);
  EXPECT_EQ(IsKnownAbbreviation("e.g"), -1);
  EXPECT_EQ(IsKnownAbbreviation(""), -1);
  EXPECT_EQ(IsKnownAbbreviation(nullptr), -1);
}

TEST(PrefixTest, BeginsWithAPrefixAndItsHyphen) {
  EXPECT_EQ(IsKnownPrefix("pre-"), 1);
  EXPECT_EQ(IsKnownPrefix("HI-"), 1);
  EXPECT_EQ(IsKnownPrefix("self-"), 1);
  EXPECT_EQ(IsKnownPrefix("non-self-"), 1);
  EXPECT_EQ(IsKnownPrefix("uni-"), 1);
  EXPECT_EQ(IsKnownPrefix("pre"), -1);     // the hyphen is compared too
  EXPECT_EQ(IsKnownPrefix("press-"), -1);
  EXPECT_EQ(IsKnownPrefix("ultra-"), -1);
  EXPECT_EQ(IsKnownPrefix(nullptr), -1);
}

TEST(StructuralTagTest, SmallSecondLetterOrPageBreakInstruction) {
  EXPECT_TRUE(IsStructuralTag("<para>"));
  EXPECT_TRUE(IsStructuralTag("<PARA>") == false);  // the second character must be small as written
  EXPECT_TRUE(IsStructuralTag("<pARA>"));           // ... the rest is compared without case
  EXPECT_TRUE(IsStructuralTag("<step id=\"s1\">"));
  EXPECT_TRUE(IsStructuralTag("<concept id=\"c\">"));
  EXPECT_FALSE(IsStructuralTag("<concept>"));
  EXPECT_TRUE(IsStructuralTag("<?pb 12?>"));
  EXPECT_FALSE(IsStructuralTag("<?pub x?>"));
  EXPECT_FALSE(IsStructuralTag("<b>"));
  EXPECT_FALSE(IsStructuralTag("<"));
}

TEST(SkippedContentTagTest, ClosingTagOfTheRow) {
  EXPECT_EQ(SkippedContentClosingTag("<xref href=\"a\">"), "</xref");
  EXPECT_EQ(SkippedContentClosingTag("<sblist>"), "</sblist");
  EXPECT_EQ(SkippedContentClosingTag("<figure id=\"f\">"), "</figure");
  EXPECT_EQ(SkippedContentClosingTag("<externalPubRef>"), "</externalPubRef");
  EXPECT_EQ(SkippedContentClosingTag("<dmref>"), "</dmRef");
  EXPECT_EQ(SkippedContentClosingTag("<Xref>"), "");  // capital second character
  EXPECT_EQ(SkippedContentClosingTag("<para>"), "");
}

TEST(WarningTagTest, ClosingTagAndTheNinthCharacter) {
  EXPECT_EQ(WarningClosingTag("<warning>"), "</warning");
  EXPECT_EQ(WarningClosingTag("<warningAndCautionPara>"), "</warningAndCautionPara");
  EXPECT_EQ(WarningClosingTag("<WARNING>"), "</warning");
  EXPECT_EQ(WarningClosingTag("<caution id=\"c1\">"), "</caution");
  EXPECT_EQ(WarningClosingTag("<danger>"), "</danger");
  EXPECT_EQ(WarningClosingTag("<poison>"), "</poison");
  EXPECT_EQ(WarningClosingTag("<note>"), "");
}

TEST(EntityTableTest, CompleteEntityLength) {
  EXPECT_EQ(EntityLength("&amp;x"), 5u);
  EXPECT_EQ(EntityLength("&#x2022;"), 8u);
  EXPECT_EQ(EntityLength("& b;"), 0u);
  EXPECT_EQ(EntityLength("&;"), 0u);
  EXPECT_EQ(EntityLength("&amp"), 0u);
  std::string longName = "&" + std::string(40, 'a') + ";";
  EXPECT_EQ(EntityLength(longName.c_str()), 0u);
}

TEST(EntityTableTest, KnownNamesAndReadOnGroups) {
  EXPECT_TRUE(IsTableEntity("&rsquo;"));
  EXPECT_TRUE(IsTableEntity("&FRAC14;"));  // named by "&frac14;&ndash;in"
  EXPECT_TRUE(IsTableEntity("&#xa0;"));
  EXPECT_FALSE(IsTableEntity("&mu;"));
  EXPECT_FALSE(IsTableEntity("&"));
  for (char c : std::string("abcdefghlmnopqrstu#ABH")) EXPECT_TRUE(IsReadOnGroup(c)) << c;
  for (char c : std::string("ijkvwxyz0 ;")) EXPECT_FALSE(IsReadOnGroup(c)) << c;
}

}  // namespace
