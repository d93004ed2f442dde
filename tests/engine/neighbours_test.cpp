#include "engine/neighbours.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

TEST(Neighbours, StopAtTheEndsOfTheList) {
  TestWords words({"open", "the", "valve"});
  WordRec* first = words.head();
  EXPECT_EQ(Next(first, 2)->text, "valve");
  EXPECT_EQ(Next(first, 4), nullptr);
  EXPECT_EQ(Prev(first), nullptr);
  EXPECT_TRUE(IsSentinel(Next(first, 3)));
  EXPECT_TRUE(AtEnd(Next(first, 3)));
  EXPECT_TRUE(AtEnd(Next(first, 9)));
  EXPECT_FALSE(AtEnd(first));
  EXPECT_EQ(NextOr(first, 9).text, "");
  EXPECT_EQ(PrevOr(first).wordClass, 0);
  EXPECT_EQ(PrevOr(Next(first), 1).text, "open");
  EXPECT_EQ(Next(nullptr), nullptr);
}

}  // namespace
