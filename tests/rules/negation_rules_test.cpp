// The rules of "not" (entry steps and each kind of row), and of "no" and
// "never" (class 77).
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/no_never_tables.h"
#include "rules/main/class_bodies.h"
#include "rules/main/negation_table.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace no_never;

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void Short(SentenceStateRec& s) { s.sentenceWordCount = 3; }

TEST(NegationRules, Bodies) {
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
  RunBodyCases(ApplyNoNeverRules, {
      {"NO/77 SMOKING/23 ./48", "NO", "SMOKING: wordClass=40", "SMOKING"},
      {"No/77 smoking/23 ./48", "No",
       "No: suggestion=\" DO NOT SMOKE IN THIS AREA\" message=307 entryWords=2 ruleId=5118\nsmoking: wordClass=40",
       "smoking"},
      {"No/77 returns/11 ./48", "No", "", "returns"},
      {"Never/77 do/20 that/69 ./48", "Never",
       "Never: suggestion=\" Do not\" message=334 entryWords=2 ruleId=4115\ndo: wordClass=40", "do"},
      {"x/10 never/77 stop/20 ./48", "never",
       "never: suggestion=\"do not/does not\" wordClass=20 message=300 ruleId=1729", "never"},
      {"x/10 nevermore/77 ./48", "nevermore", "", "nevermore"},
  });
}

TEST(NegationRules, Rows) {
  RunRowCases(NegationRows(), {
      {"valve/10 is/24 not/29 ,/47 ./48", "not", 0, "not: message=334 ruleId=6715"},
      {"if/70 not/29 so/71 ./48", "not", 8, "not: suggestion=\"(Rephrase)\" message=334 ruleId=6815"},
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
      {"it/66 x/40 not/29 longer/34 than/73 ./48", "not", 43,
       "not: suggestion=\"a maximum of\" message=305 entryWords=3 ruleId=2758"},
      {"valve/10 to/68 not/29 open/20{code=V0****} ./48", "not", 46, "to: message=302 entryWords=3 ruleId=6188"},
      // Too near the sentence start for the rows of "length" and "time".
      {"b/40 not/29 time/10", "not", -1, ""},
      {"a/64 b/40 not/29 have/25 x/31{sub=330} to/68 c/40 d/40 e/40 f/40 ./48", "not", 78,
       "not: message=334 entryWords=3 ruleId=8014", Long},
      // Too near the sentence end.
      {"a/64 b/40 not/29 have/25 x/31 to/68 ./48", "not", -1, nullptr, Short},
      {"a/64 if/70 not/29 here/52", "not", 82, "if: message=320 entryWords=2 ruleId=79"},
  });
}

TEST(NoNeverRules, Rows) {
  RunRowCases(kNo, {
      {"NO/77 SMOKING/23", "NO", 0, ""},
      {"No/77 SMOKING/23", "No", 6,
       "No: suggestion=\" DO NOT SMOKE IN THIS AREA\" message=307 entryWords=2 ruleId=5118"},
      {"x/20 no/77 turn/20", "no", 1, "no: suggestion=\"(There are no xxx)/(There is no xxx)\" message=324 entryWords=2 ruleId=5118"},
      {"x/20 part/10 no/77 12/49", "no", 2, ""},
      {"No/77 reach/23", "No", 5,
       "No: suggestion=\" DO NOT REACH INTO THIS AREA\" message=307 entryWords=2 ruleId=5118"},
      {"No/77 stopping/23", "No", 7,
       "No: suggestion=\" DO NOT STOP IN THIS AREA\" message=307 entryWords=2 ruleId=5118"},
      // Other -ing words, and "reaching": no finding and no advice.
      {"No/77 welding/23", "No", 8, ""},
      {"No/77 reaching/23", "No", 8, ""},
      {"No/77 smoking/10", "No", -1, ""},
      {"x/20 no/77 cause/10 of/67", "no", 9, "no: message=321 entryWords=3 ruleId=5518"},
      {"No/77 returns/11", "No", 10, ""},
      {"x/20 no/77 signs/11 of/67", "no", 11,
       "no: suggestion=\"no indications/(Rephrase)\" message=324 entryWords=3 ruleId=5518"},
  });
  RunRowCases(kNever, {
      // The capitals of "do not" follow those of "never".
      {"NEVER/77{case=2} do/20", "NEVER", 0, "NEVER: suggestion=\" DO NOT\" message=334 entryWords=2 ruleId=4115"},
      {"you/78 never/77 do/20", "never", 2, "never: suggestion=\" do not\" message=334 entryWords=2 ruleId=4115"},
      {"NEVER/77{case=2} x/40", "NEVER", 3, "NEVER: suggestion=\" DO NOT\" wordClass=20 message=301 ruleId=4118"},
      {"Never/77 x/40", "Never", 4, "Never: suggestion=\" Do not\" wordClass=20 message=301 ruleId=4118"},
      {"x/10 never/77 left/43", "never", 6, "never: suggestion=\"did not/was not\" message=334 entryWords=2 ruleId=4015"},
      {"x/10 not/29 never/77 y/40", "never", 8, "not: suggestion=\"do not\" message=334 entryWords=2 ruleId=4015"},
      {"x/10 never/77 be/28 y/40", "never", 10, "never: suggestion=\"can not\" message=307 entryWords=3 ruleId=6801"},
      {"x/10 never/77 less/34", "never", 14,
       "never: suggestion=\"but not less than/but not more than\" message=334 entryWords=2 ruleId=801"},
      {"x/10 never/77 ./48", "never", 15, "never: suggestion=\"do not/not\" message=334 ruleId=1728"},
  });
}

}  // namespace
