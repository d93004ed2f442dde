// The rules of word class 46, judged by the neighbours alone.
#include <gtest/gtest.h>

#include "rules/main/class46_rows.h"
#include "rules/main/class_bodies.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }

TEST(Class46Rules, Rows) {
  static const RowCase kCases[] = {
      {"like/46 this/76 ./48", "like", 0, "like: message=331 ruleId=6664"},
      {"it/20 like/46 valve/10{mark=1 msg=325} ./48", "like", 3, ""},
      {"it/20{split=4} like/46{split=4} so/71 ./48", "like", 5, "like: message=302 ruleId=5664"},
      {"it/20 like/46{mark=1} so/71 ./48", "like", 7,
       "like: suggestion=\"want/(You can use verb - want)\" message=324 ruleId=1966"},
      {"it/24 looks/21{msg=302} like/46 so/71 ./48", "like", 11, "looks: message=0\nlike: message=313 ruleId=9664"},
      {"it/24 x/10{token=1 split=4} like/46 so/71 ./48", "like", -1, nullptr},
      {"is/24 like/46 to/68 a/64 valve/10 now/50 ./48", "like", 15, nullptr, Long},
      {"a/64 b/31 c/31 like/46 valve/10 ./48", "like", 16,
       "like: suggestion=\"when/for/by/while\" message=331 ruleId=4963"},
      {"a/64 b/31 c/22 like/46 x/10{mark=2} ./48", "like", 17, "like: message=331 ruleId=5963"},
      {"it/24 appears/21 like/46 so/71 ./48", "like", 21,
       "appears: suggestion=\"shows\" message=300 entryWords=2 ruleId=9664"},
      {"a/64 b/30 c/30 opens/21 like/46 so/71 ./48", "like", 26, "opens: message=313 entryWords=2 ruleId=9664"},
      {"a/64 b/30 c/30 opens/20 like/46 so/71 ./48", "like", -1, ""},
  };
  // Row 14 and rows 24 and 25 read a split part inside the sentence, which
  // row 11 takes first.
  RunRowCases(Class46Rows(), kCases);
}

TEST(Class46Rules, BodyAndWalk) {
  static const BodyCase kCases[] = {
      {"is/24 like/46 to/68 do/20{code=V0****} it/66 ./48", "like",
       "like: message=330 entryWords=3 ruleId=4715\nto: wordClass=40\ndo: wordClass=40", "do"},
      {"it/20 like/46 the/64{msg=304} valve/10 ./48", "like", "the: message=0", "like"},
  };
  RunBodyCases(ApplyClass46Rules, kCases);
}

}  // namespace
