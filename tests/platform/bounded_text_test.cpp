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

// A pooled field holds only the bytes its text used, yet reads byte for byte
// as an inline field after the same writes, bytes past the text included.
TEST(BoundedText, PooledReadsAsInline) {
  using Inline = BoundedText<12>;
  using Pooled = BoundedText<12, PooledChars<12>>;
  struct Step {
    const char* name;
    void (*inlineWrite)(Inline&);
    void (*pooledWrite)(Pooled&);
  };
#define KESTA_STEP(name, body) \
  Step { name, [](Inline& t) { body; }, [](Pooled& t) { body; } }
  const Step steps[] = {
      KESTA_STEP("assign", t.assign("abcdef")),
      KESTA_STEP("shorter assign keeps the bytes after", t.assign("xy")),
      KESTA_STEP("set past the text", t.set(9, 'q')),
      KESTA_STEP("cut assign", t.assign("0123456789abcdef")),
      KESTA_STEP("own text", t.assign(t.view().substr(2))),
      KESTA_STEP("append own text", t.append(t.view())),
      KESTA_STEP("truncate", t.truncate(3)),
      KESTA_STEP("format", t.format("%s-%d", t.c_str(), 7)),
      KESTA_STEP("clear", t.clear()),
      KESTA_STEP("set zero", t.set(5, '\0')),
      KESTA_STEP("append char", t.append('z')),
  };
#undef KESTA_STEP
  Inline in;
  Pooled pooled;
  for (const Step& step : steps) {
    step.inlineWrite(in);
    step.pooledWrite(pooled);
    for (std::size_t i = 0; i < 14; ++i) ASSERT_EQ(in[i], pooled[i]) << step.name << " byte " << i;
    EXPECT_STREQ(in.c_str(), pooled.c_str()) << step.name;
    Pooled copy = pooled;
    Inline back = copy;
    for (std::size_t i = 0; i < 12; ++i) ASSERT_EQ(in[i], back[i]) << step.name << " copied, byte " << i;
  }
}
