#include "engine/neighbours.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Neighbours, StopAtTheEndsOfTheList) {
  WordList.Reset();
  for (const char* t : {"open", "the", "valve", "@@END"}) {
    std::string s(t);
    s.resize(84);
    AddWordRec(s.data(), 0, 0, 0, nullptr);
  }
  WordRec* first = WordList.head;
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
  WordList.Reset();
}

}  // namespace
