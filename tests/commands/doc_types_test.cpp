#include "commands/body_text.h"
#include "commands/doc_types.h"

#include <gtest/gtest.h>

namespace {

TEST(DocTypes, SixteenRowsFirstMatchWins) {
  ASSERT_EQ(DocTypeTable().size(), 16u);
  EXPECT_STREQ(FindDocType("cmm")->startTag, "<pgblk>");
  EXPECT_STREQ(FindDocType("amm")->startTag, "<conbody>");
  EXPECT_STREQ(FindDocType("procedure")->startTag, "<texte>");
  EXPECT_STREQ(FindDocType("dmodule")->startTag, "<content>");
  EXPECT_STREQ(FindDocType("concept")->startTag, "<conbody>");
  EXPECT_STREQ(FindDocType("sb")->startTag, "<body>");
  EXPECT_STREQ(FindDocType("book")->startTag, "<chapter>");
  EXPECT_STREQ(FindDocType("doc")->startTag, "<body>");
  EXPECT_STREQ(FindDocType("task")->startTag, "<task>");
  EXPECT_STREQ(FindDocType("article")->startTag, "<article>");
  EXPECT_STREQ(FindDocType("topic")->startTag, "<topic>");
  EXPECT_STREQ(FindDocType("tech")->startTag, "<techbody>");
  // "reference" is decided by row 8; the later rows repeat it.
  EXPECT_EQ(FindDocType("reference"), &DocTypeTable()[7]);
  EXPECT_EQ(FindDocType("book"), &DocTypeTable()[6]);
}

TEST(DocTypes, ExactNamesOnly) {
  EXPECT_EQ(FindDocType("Topic"), nullptr);
  EXPECT_EQ(FindDocType("topics"), nullptr);
  EXPECT_EQ(FindDocType(""), nullptr);
  EXPECT_TRUE(UsesTagTableRoad("cmm"));
  EXPECT_TRUE(UsesTagTableRoad("cmmx"));
  EXPECT_TRUE(UsesTagTableRoad("task"));
  EXPECT_FALSE(UsesTagTableRoad("cm"));
  EXPECT_FALSE(UsesTagTableRoad("topic"));
}

TEST(BodyText, StartOffset) {
  EXPECT_EQ(BodyStartOffset("<topic><body><p>x</p></body></topic>", "<body>"), 7u);
  EXPECT_EQ(BodyStartOffset("<topic><p>x</p></topic>", "<body>"), 0u);
  EXPECT_EQ(BodyStartOffset("<topic/>", ""), 0u);
}

TEST(BodyText, TheBodysOwnStartTagIsLeftOut) {
  EXPECT_EQ(BodyFrom("<conbody><p>x</p></conbody>", 0, "conbody"), "<p>x</p></conbody>. @@END");
  EXPECT_EQ(BodyFrom("<conbody id=\"c\"><p>x</p>", 0, "conbody"), "<p>x</p>. @@END");
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
