// The rules of "not": the entry steps and each kind of row.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/negation_table.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void Short(SentenceStateRec& s) { s.sentenceWordCount = 3; }

TEST(NegationRules, EntrySteps) {
  static const BodyCase kCases[] = {
      // A sentence opened by "Not".
      {"Not/29 required/31 here/52 ./48", "Not", "required: wordClass=40", "Not", Long},
      {"Not/29 more/38 valves/11 ./48", "Not", "Not: message=321 entryWords=2 ruleId=6117\nmore: wordClass=40", "more",
       Long},
      {"Not/29 all/38 valves/11 ./48", "Not", "Not: message=334 ruleId=3215", "Not", Long},
      // Phrases without a finding; short sentences; marked or closing next words.
      {"it/66 is/24 not/29 applicable/30 ./48", "not", "", "not", Long},
      {"it/66 is/24 not/29 be/25 ./48", "not", "", "not", Long},
      {"it/66 is/24 not/29 every/38 ./48", "not", "", "not", Short},
      {"it/66 is/24 not/29 open/20{mark=1} ./48", "not", "", "not", Long},
      {"it/66 is/24 not/29 ./48", "not", "", "not", Long},
      {"it/66 is/24 nothing/29 ./48", "nothing", "", "nothing", Long},
      // "do not": the finding of "do" goes.
      {"it/66 does/28{msg=300} not/29 open/20 ./48", "not", "does: message=0", "not", Long},
      // Inside the sentence the rows decide, and the walk follows them.
      {"it/66 is/24 not/29 working/23 ./48", "not",
       "not: suggestion=\"(Correct negative gerund)\" message=338 entryWords=2 ruleId=6715", "working", Long},
      {"it/66 will/28 not/29 run/20{msg=300} ./48", "not", "run: wordClass=40 message=0", "run", Long},
      {"it/66 x/40 not/29 working/30 now/52 ./48", "not",
       "not: suggestion=\"does not operate/not in operation\" message=302 entryWords=2 ruleId=1757\n"
       "working: wordClass=40",
       "working", Long},
      {"it/66 perhaps/52 not/29 here/52 ./48", "not",
       "perhaps: suggestion=\"(Rephrase)\" message=334 entryWords=2 ruleId=2757", "not", Long},
      {"it/66 x/40 not/29 higher/34 ./48", "not", "higher: wordClass=30", "not", Long},
  };
  RunBodyCases(ApplyNegationRules, kCases);
}

TEST(NegationRules, Rows) {
  static const RowCase kCases[] = {
      {"valve/10 is/24 not/29 ,/47 ./48", "not", 0, "not: message=334 ruleId=6715"},
      {"valve/10 is/24 not/29", "not", 1, nullptr},
      {"it/66 is/24 not/29 working/23 ./48", "not", 2, nullptr},
      {"it/66 will/28 not/29 run/20{msg=300}", "not", 3, "run: message=0"},
      {"it/66 is/24 not/29 x/40{token=1} ./48", "not", 4, nullptr},
      {"it/66 is/24 not/29 do/28", "not", 5, ""},
      {"it/66 can/28 not/29 open/20 the/64 door/10", "not", 6, ""},
      {"valve/10 is/24 not/29 closed/31", "not", 7, ""},
      {"if/70 not/29 so/71 ./48", "not", 8, "not: suggestion=\"false/(Rephrase)\" message=334 ruleId=6815"},
      // The advice reads "than".
      {"it/66 is/24 not/29 to/68 exceed/20", "not", 9,
       "not: suggestion=\"not more than/(Give range)\" message=334 entryWords=3 ruleId=6815"},
      {"it/66 is/24 not/29 able/30 to/68", "not", 10, nullptr},
      {"it/66 is/24 not/29 designed/22 to/68", "not", 11, nullptr},
      {"pump/10 and/63 not/29 moved/22 ./48", "not", 12, ""},
      {"it/66 is/24 not/29 feasible/30 ./48", "not", 13, nullptr},
      {"it/66 is/24 not/29 unimportant/30 ./48", "not", 14, nullptr},
      {"it/66 is/24 not/29 affect/20 ./48", "not", 15,
       "not: suggestion=\"change/(Rephrase)\" message=334 entryWords=2 ruleId=5815"},
      // "every" has no advice of its own.
      {"it/66 is/24 not/29 every/38 valve/10", "not", 16, "not: message=334 entryWords=2 ruleId=5815"},
      {"it/66 is/24 not/29 critical/30 ./48", "not", 16, nullptr},
      {"it/66 is/24 not/29 to/68 be/25", "not", 17, nullptr},
      {"it/66 is/24 not/29 to/68 open/20", "not", 18, nullptr},
      {"and/63 not/29 moved/22 ./48", "not", 20, ""},
      {"valve/10 x/2 not/29 moved/22 ./48", "not", 20, ""},
      {"valve/10 ,/47 not/29 open/20 ./48", "not", 21, ",: message=318 ruleId=1857"},
      {"it/66 is/24 not/29 present/30 ./48", "not", 22, nullptr},
      {"it/66 is/24 not/29 clearly/52 ./48", "not", 22, nullptr},
      {"it/66 is/24 not/29 relevant/30 ./48", "not", 23, nullptr},
      {"it/66 is/24 not/29 removable/30 ./48", "not", 24, nullptr},
      {"it/66 is/24 not/29 so/71 ./48", "not", 25, nullptr},
      {"it/66 is/24 not/29 turning/40 ./48", "not", 26, nullptr},
      {"it/66 is/24 not/29 only/52 a/64 valve/10", "not", 27,
       "not: suggestion=\"(Rephrase)\" message=302 entryWords=2 ruleId=1757"},
      {"it/66 is/24 not/29 within/75 ./48", "not", 28, nullptr},
      {"it/66 is/24 not/29 working/40 ./48", "not", 29, nullptr},
      {"it/66 is/24 not/29 operating/40 ./48", "not", 30, nullptr},
      {"it/66 is/24 not/29 centered/30 ./48", "not", 31, nullptr},
      {"it/66 is/24 not/29 concerned/30 ./48", "not", 32, nullptr},
      {"it/66 is/24 not/29 ever/52 ./48", "not", 33, nullptr},
      {"it/66 is/24 not/29 eligible/30 ./48", "not", 34, nullptr},
      {"it/66 is/24 not/29 forget/20 ./48", "not", 35, nullptr},
      {"it/66 is/24 not/29 illustrated/30 ./48", "not", 36, nullptr},
      {"it/66 is/24 not/29 moving/40 ./48", "not", 37, nullptr},
      {"it/66 is/24 not/29 normally/52 ./48", "not", 38, nullptr},
      // A marked next word is not an awkward phrase.
      {"it/66 is/24 not/29 well/52{mark=x} ./48", "not", 42, ""},
      {"it/66 x/40 not/29 higher/34 ./48", "not", 40, "higher: wordClass=30"},
      {"it/66 was/24 not/29 moved/22 ./48", "not", 41, "moved: wordClass=31"},
      {"it/66 is/24 not/29 here/52 ./48", "not", 42, ""},
      {"it/66 x/40 not/29 longer/34 than/73 ./48", "not", 43,
       "not: suggestion=\"a maximum of\" message=305 entryWords=3 ruleId=2758"},
      {"it/66 x/40 not/29 shorter/34 than/73 ./48", "not", 44, nullptr},
      {"valve/10 to/68 not/29 open/20{code=V0****} ./48", "not", 46, "to: message=302 entryWords=3 ruleId=6188"},
      {"it/66 x/40 not/29 to/68 have/25", "not", 47, nullptr},
      {"it/66 x/40 not/29 all/38 valves/11", "not", 48, ""},
      {"it/66 x/40 not/29 just/52 ./48", "not", 49, nullptr},
      {"it/66 x/40 not/29 always/52 been/27", "not", 50, nullptr},
      {"it/66 x/40 not/29 been/27 moved/31", "not", 51, nullptr},
      {"it/66 x/40 not/29 but/62", "not", 54, nullptr},
      {"it/66 perhaps/52 not/29 here/52", "not", 55, nullptr},
      {"it/66 still/52 not/29 here/52", "not", 56,
       "still: suggestion=\"are not/is not\" message=334 entryWords=2 ruleId=2757"},
      {"it/66 x/40 not/29 valve/10 this/76", "not", 57, "not: message=322 ruleId=3757"},
      {"it/66 x/40 not/29 valve/10 seat/10", "not", 58, "valve: message=322 ruleId=2757"},
      {"it/66 x/40 not/29 indicated/40 ./48", "not", 59, nullptr},
      {"it/66 x/40 not/29 sure/30 ./48", "not", 60, nullptr},
      {"a/64 b/10 length/10 not/29 ok/30", "not", 62, "length: message=324 entryWords=3 ruleId=4115"},
      {"a/64 b/10 c/40 not/29 time/10", "not", 63, nullptr},
      // Too near the sentence start for the rows of "length" and "time".
      {"b/40 not/29 time/10", "not", -1, ""},
      {"it/66 x/40 not/29 yet/52", "not", 64, nullptr},
      {"it/66 x/40 not/29 being/25", "not", 66, nullptr},
      {"it/66 x/40 not/29 met/40", "not", 68, nullptr},
      {"it/66 x/40 not/29 given/40", "not", 69, nullptr},
      {"it/66 x/40 not/29 in/75 motion/10", "not", 70, nullptr},
      {"it/66 x/40 not/29 early/30 than/73", "not", 71, nullptr},
      {"it/66 x/40 not/29 designed/40 ./48", "not", 72, nullptr},
      {"it/66 x/40 not/29 considered/40 ./48", "not", 74, nullptr},
      {"it/66 x/40 not/29 likely/30 ./48", "not", 75, nullptr},
      {"valve/10 not/29 tight/30 ./48", "not", 76, nullptr},
      {"it/66 go/20 not/29 to/68 the/64", "not", 77, nullptr},
      {"a/64 b/40 not/29 have/25 x/31{sub=330} to/68 c/40 d/40 e/40 f/40 ./48", "not", 78,
       "not: message=334 entryWords=3 ruleId=8014", Long},
      {"a/64 b/40 not/29 have/25 x/31 to/68 c/40 d/40 e/40 f/40 ./48", "not", 79, nullptr, Long},
      // Too near the sentence end.
      {"a/64 b/40 not/29 have/25 x/31 to/68 ./48", "not", -1, nullptr, Short},
      {"it/66 x/40 not/29 never/77", "not", 80, nullptr},
      {"a/64 if/70 not/29 here/52", "not", 82, "if: message=320 entryWords=2 ruleId=79"},
      {"a/64 b/40 not/29 here/52", "not", -1, ""},
  };
  // Rows that earlier rows take: "only" and "within" (the awkward list),
  // a comma before "not" (the comma row), a form of be or have or "and"
  // before "not" (the row of those words), "ever", "operating", and the
  // class of "to" where the text "to" is tested first.
  RunRowCases(NegationRows(), kCases);
}

}  // namespace
