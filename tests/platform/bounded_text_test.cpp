#include "platform/bounded_text.h"

#include <gtest/gtest.h>

// Copies, appends and formats cut at the field and say so; reads past the
// field are NUL, never out of bounds.
TEST(BoundedText, EveryWriteIsCutAtTheField) {
  BoundedText<8> t;
  EXPECT_TRUE(t.assign("1234567"));
  EXPECT_FALSE(t.assign("123456789"));
  EXPECT_EQ(t.view(), "1234567");
  EXPECT_EQ(t[500], '\0');
  BoundedText<10> u("abc");
  EXPECT_TRUE(u.append("def"));
  EXPECT_FALSE(u.append("ghijkl"));
  EXPECT_EQ(u.view(), "abcdefghi");
  EXPECT_FALSE(u.format("%s", "0123456789abc"));
  EXPECT_EQ(u.view(), "012345678");
  u.truncate(2);
  EXPECT_EQ(u[3], '\0');
  u.truncate(50);
  EXPECT_EQ(u.view(), "01");
  BoundedText<20> own("12");
  own.format("%s-inch", own.c_str());  // format may read its own text
  EXPECT_EQ(own.view(), "12-inch");
}

TEST(BoundedTextDeathTest, WritingPastTheFieldStops) {
  BoundedText<4> t;
  t.set(2, 'x');
  EXPECT_DEATH(t.set(3, 'y'), "write at index 3");
}
