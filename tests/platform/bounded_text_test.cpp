#include "platform/bounded_text.h"

#include <gtest/gtest.h>

TEST(BoundedText, CopiesCutAtTheFieldAndSaySo) {
  BoundedText<8> t;
  EXPECT_TRUE(t.assign("1234567"));
  EXPECT_EQ(t.view(), "1234567");
  EXPECT_FALSE(t.assign("123456789"));
  EXPECT_EQ(t.view(), "1234567");
  EXPECT_EQ(t.length(), 7u);
  EXPECT_EQ(t[7], '\0');
  EXPECT_EQ(t[500], '\0');  // reads past the field are NUL, never out of bounds
}

TEST(BoundedText, AppendAndFormatAreBounded) {
  BoundedText<10> t("abc");
  EXPECT_TRUE(t.append("def"));
  EXPECT_FALSE(t.append("ghijkl"));
  EXPECT_EQ(t.view(), "abcdefghi");
  EXPECT_TRUE(t.format("%d-%s", 42, "x"));
  EXPECT_EQ(t.view(), "42-x");
  EXPECT_FALSE(t.format("%s", "0123456789abc"));
  EXPECT_EQ(t.view(), "012345678");
}

TEST(BoundedText, FormatMayReadItsOwnText) {
  BoundedText<20> t("12");
  t.format("%s-inch", t.c_str());
  EXPECT_EQ(t.view(), "12-inch");
}

TEST(BoundedText, TruncateClearsTheRest) {
  BoundedText<10> t("abcdef");
  t.truncate(2);
  EXPECT_EQ(t.view(), "ab");
  EXPECT_EQ(t[3], '\0');
  t.truncate(50);
  EXPECT_EQ(t.view(), "ab");
}

TEST(BoundedTextDeathTest, WritingPastTheFieldStops) {
  BoundedText<4> t;
  t.set(2, 'x');
  EXPECT_DEATH(t.set(3, 'y'), "write at index 3");
}
