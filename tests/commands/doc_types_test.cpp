#include "commands/body_text.h"
#include "commands/doc_types.h"

#include <gtest/gtest.h>

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
