#include "commands/body_run.h"
#include "commands/body_text.h"
#include "commands/doc_types.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The first matching row wins ("reference" is decided by row 8; later rows
// repeat it); names match exactly; the tag-table road takes "cmm*" and "task".
TEST(DocTypes, FirstMatchExactNames) {
  ASSERT_EQ(DocTypeTable().size(), 16u);
  EXPECT_STREQ(FindDocType("cmm")->startTag, "<pgblk>");
  EXPECT_STREQ(FindDocType("tech")->startTag, "<techbody>");
  EXPECT_EQ(FindDocType("reference"), &DocTypeTable()[7]);
  EXPECT_EQ(FindDocType("book"), &DocTypeTable()[6]);
  for (const char* name : {"Topic", "topics", ""}) EXPECT_EQ(FindDocType(name), nullptr) << name;
  for (const char* name : {"cmm", "cmmx", "task"}) EXPECT_TRUE(UsesTagTableRoad(name)) << name;
  for (const char* name : {"cm", "topic"}) EXPECT_FALSE(UsesTagTableRoad(name)) << name;
  EXPECT_EQ(FindDocType("book")->laterBodies, LaterBodies::AllThatFollow);
  EXPECT_EQ(FindDocType("concept")->laterBodies, LaterBodies::TopicBodies);
  // After a topic's body, the bodies of nested topics of any type; no
  // table's body.
  for (const char* name : {"conbody", "refbody", "taskbody", "glossBody", "body"})
    EXPECT_TRUE(IsLaterBody(LaterBodies::TopicBodies, name, "conbody")) << name;
  for (const char* name : {"tbody", "TBODY", "title", "prolog", "bodydiv", "conbodydiv"})
    EXPECT_FALSE(IsLaterBody(LaterBodies::TopicBodies, name, "conbody")) << name;
  EXPECT_TRUE(IsLaterBody(LaterBodies::TopicBodies, "texte", "texte"));
  EXPECT_TRUE(IsLaterBody(LaterBodies::AllThatFollow, "glossary", "chapter"));
}

// The bodies in the text of a root: where the run begins and ends, and the
// stretches between them, as text; markup of no element (comments, CDATA,
// instructions, '>' inside an attribute value) opens no body.
TEST(BodyRun, BodiesAndWhatStandsBetween) {
  const struct {
    std::string text;
    LaterBodies rule;
    std::string run;
    std::vector<std::string> between;
  } rows[] = {
      {"<c><title>T</title><conbody><p>a</p></conbody></c>", LaterBodies::TopicBodies, "<conbody><p>a</p></conbody>",
       {}},
      {"<c><conbody><p>a</p></conbody><c><title>T</title><prolog/><conbody a=\"x>y\"><p>b</p></conbody>"
       "<related-links/></c></c>",
       LaterBodies::TopicBodies, "<conbody><p>a</p></conbody><c><title>T</title><prolog/><conbody a=\"x>y\"><p>b</p></conbody>",
       {"<c><title>T</title><prolog/><conbody a=\"x>y\">"}},
      {"<c><conbody><conbody/></conbody><!-- <refbody> --><![CDATA[<refbody>]]><?x <refbody>?>"
       "<t><taskbody/><refbody>z</refbody></t></c>",
       LaterBodies::TopicBodies, "<conbody><conbody/></conbody><!-- <refbody> --><![CDATA[<refbody>]]><?x <refbody>?><t><taskbody/><refbody>z</refbody>",
       {"<!-- <refbody> --><![CDATA[<refbody>]]><?x <refbody>?><t><taskbody/>", "<refbody>"}},
      {"<book><info>i</info><part><chapter>a</chapter>\n<chapter>b</chapter></part><appendix>c</appendix></book>",
       LaterBodies::AllThatFollow, "<chapter>a</chapter>\n<chapter>b</chapter></part><appendix>c</appendix>",
       {"\n<chapter>", "</part><appendix>"}},
      {"<c><conbody><p>open", LaterBodies::TopicBodies, "<conbody><p>open", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    std::optional<BodyRun> run = FindBodyRun(row.text, row.text.starts_with("<book") ? "chapter" : "conbody", row.rule);
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(row.text.substr(run->begin, run->end - run->begin), row.run);
    std::vector<std::string> between;
    for (const TextStretch& s : run->between) between.push_back(row.text.substr(s.begin, s.end - s.begin));
    EXPECT_EQ(between, row.between);
  }
  EXPECT_FALSE(FindBodyRun("<c><title>conbody</title><conbodyx/></c>", "conbody", LaterBodies::TopicBodies));
}

TEST(BodyText, StartOffset) {
  EXPECT_EQ(BodyStartOffset("<topic><body><p>x</p></body></topic>", "<body>"), 7u);
  EXPECT_EQ(BodyStartOffset("<topic><p>x</p></topic>", "<body>"), 0u);
  EXPECT_EQ(BodyStartOffset("<topic/>", ""), 0u);
  // What a comment, an instruction or a CDATA section holds starts no body.
  EXPECT_EQ(BodyStartOffset("<c><!--<conbody>--><?x <conbody>?><conbody>", "<conbody>"), 34u);
  EXPECT_EQ(BodyStartOffset("<c><!-- a > b <conbody> --><p/><conbody>", "<conbody>"), 31u);
  for (const char* aside : {"<c><!--<conbody><p>x</p></conbody>--></c>", "<c><?pi <conbody>?></c>",
                            "<c><![CDATA[<conbody>]]></c>", "<c><!--<conbody>"}) {
    EXPECT_EQ(FindStartTag(aside, "<conbody>"), std::string_view::npos) << aside;
    EXPECT_EQ(BodyStartOffset(aside, "<conbody>"), 0u) << aside;
  }
}

TEST(BodyText, TheBodysOwnStartTagIsLeftOut) {
  EXPECT_EQ(BodyFrom("<conbody><p>x</p></conbody>", 0, "conbody"), "<p>x</p></conbody>. @@END");
  EXPECT_EQ(BodyFrom("<conbody id=\"c\"><p>x</p>", 0, "conbody"), "<p>x</p>. @@END");
  EXPECT_EQ(BodyFrom("<conbody a=\"x>y\"><p>x</p>", 0, "conbody"), "<p>x</p>. @@END");
  EXPECT_EQ(BodyFrom("<conbodyx><p>x</p>", 0, "conbody"), "<conbodyx><p>x</p>. @@END");
  EXPECT_EQ(BodyFrom("<topic><body>", 7, "body"), ". @@END");
  EXPECT_EQ(BodyFrom("<conbody", 0, "conbody"), "<conbody. @@END");
}

TEST(BodyText, CutOnlyAtTheAppendedSentinel) {
  EXPECT_EQ(BodyFrom("<a>x@@y</a>", 0), "<a>x@@y</a>. @@END");
  EXPECT_EQ(BodyFrom("<a>x @@END y</a>", 0), "<a>x @ END y</a>. @@END");
  EXPECT_EQ(BodyFrom("ab<body>c", 2), "<body>c. @@END");
  EXPECT_EQ(BodyFrom("ab", 10), ". @@END");
  EXPECT_EQ(WithSentinel("@@END@@END"), "@ END@ END. @@END");
}

}  // namespace
