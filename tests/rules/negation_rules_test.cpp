// The rules of "not": the entry steps and each kind of row.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/negation_table.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void Short(SentenceStateRec& s) { s.sentenceWordCount = 3; }

TEST(NegationRules, EntrySteps) {
  RunBodyCases(ApplyNegationRules, {
      // A sentence opened by "Not".
      {"Not/29 required/31 here/52 ./48", "Not", "required: wordClass=40", "Not", Long},
      {"Not/29 more/38 valves/11 ./48", "Not", "Not: message=321 entryWords=2 ruleId=6117\nmore: wordClass=40", "more",
       Long},
      {"Not/29 all/38 valves/11 ./48", "Not", "Not: message=334 ruleId=3215", "Not", Long},
      // Phrases without a finding; short sentences; marked or closing next words.
      {"it/66 is/24 not/29 every/38 ./48", "not", "", "not", Short},
      // "do not": the finding of "do" goes.
      {"it/66 does/28{msg=300} not/29 open/20 ./48", "not", "does: message=0", "not", Long},
      // Inside the sentence the rows decide, and the walk follows them.
      {"it/66 is/24 not/29 working/23 ./48", "not",
       "not: suggestion=\"(Correct negative gerund)\" message=338 entryWords=2 ruleId=6715", "working", Long},
      {"it/66 will/28 not/29 run/20{msg=300} ./48", "not", "run: wordClass=40 message=0", "run", Long},
      {"it/66 x/40 not/29 working/30 now/52 ./48", "not",
       "not: suggestion=\"does not operate/not in operation\" message=302 entryWords=2 ruleId=1757\n"
       "working: wordClass=40", "working", Long},
      {"it/66 x/40 not/29 higher/34 ./48", "not", "higher: wordClass=30", "not", Long},
  });
}

TEST(NegationRules, Rows) {
  RunRowCases(NegationRows(), {
      {"valve/10 is/24 not/29 ,/47 ./48", "not", 0, "not: message=334 ruleId=6715"},
      {"it/66 is/24 not/29 do/28", "not", 5, ""},
      {"if/70 not/29 so/71 ./48", "not", 8, "not: suggestion=\"false/(Rephrase)\" message=334 ruleId=6815"},
      // The advice reads "than".
      {"it/66 is/24 not/29 to/68 exceed/20", "not", 9,
       "not: suggestion=\"not more than/(Give range)\" message=334 entryWords=3 ruleId=6815"},
      {"pump/10 and/63 not/29 moved/22 ./48", "not", 12, ""},
      // "every" has no advice of its own.
      {"it/66 is/24 not/29 every/38 valve/10", "not", 16, "not: message=334 entryWords=2 ruleId=5815"},
      {"it/66 is/24 not/29 only/52 a/64 valve/10", "not", 27,
       "not: suggestion=\"(Rephrase)\" message=302 entryWords=2 ruleId=1757"},
      // A marked next word is not an awkward phrase.
      {"it/66 is/24 not/29 well/52{mark=x} ./48", "not", 42, ""},
      {"it/66 was/24 not/29 moved/22 ./48", "not", 41, "moved: wordClass=31"},
      {"it/66 x/40 not/29 longer/34 than/73 ./48", "not", 43,
       "not: suggestion=\"a maximum of\" message=305 entryWords=3 ruleId=2758"},
      {"valve/10 to/68 not/29 open/20{code=V0****} ./48", "not", 46, "to: message=302 entryWords=3 ruleId=6188"},
      {"a/64 b/10 length/10 not/29 ok/30", "not", 62, "length: message=324 entryWords=3 ruleId=4115"},
      // Too near the sentence start for the rows of "length" and "time".
      {"b/40 not/29 time/10", "not", -1, ""},
      {"a/64 b/40 not/29 have/25 x/31{sub=330} to/68 c/40 d/40 e/40 f/40 ./48", "not", 78,
       "not: message=334 entryWords=3 ruleId=8014", Long},
      // Too near the sentence end.
      {"a/64 b/40 not/29 have/25 x/31 to/68 ./48", "not", -1, nullptr, Short},
      {"a/64 if/70 not/29 here/52", "not", 82, "if: message=320 entryWords=2 ruleId=79"},
  });
}

}  // namespace
