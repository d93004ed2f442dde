// The rules of "which", "that" and "who" (class 69).
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/relative_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace relative;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }

TEST(RelativeRules, GatesWhichWhoAndThatFirst) {
  static const TableCase kRowCases[] = {
      {kGates, {"x/10 that/69", "that", 2, "that: message=331 ruleId=1918"}},  // the end record
      {kGates, {"install/20 that/69 ,/47 y/10", "that", 3, ""}},
      {kGates, {"x/10 that/69 following/23 y/10", "that", 7, ""}},
      {kGates, {"x/10 that/69 y/10", "that", -1, ""}},
      // A person noun of a noun class ends here, before the person row.
      {kWhich, {"person/10 which/69 is/24", "which", 0, ""}},
      {kWhich, {"person/40 which/69 is/24", "which", 2, "which: suggestion=\"who\" message=332 ruleId=2075"}},
      {kWhich, {"on/75 which/69 they/66", "which", 5, "which: suggestion=\"(that)\" message=332 ruleId=2075"}},
      {kWhich, {"x/40 which/69 has/25", "which", 6, "which: suggestion=\"that\" message=332 ruleId=2075"}},
      {kWhich, {"x/40 which/69 y/40", "which", -1, ""}},
      {kWho, {"x/10 who/69 have/25 y/10", "who", -1, ""}},
      {kThatFirst, {"x/10 that/69 is/24", "that", 0, ""}},
      {kThatFirst, {"x/10 that/69 results/11 from/67", "that", 2,
       "that: suggestion=\"are caused/is caused/causes\" message=302 entryWords=3 ruleId=4914"}},
      {kThatFirst, {"x/10 that/69 results/11 y/10", "that", -1, ""}},
      {kThat, {"x/10 that/69 they/66", "that", 0,
          "that: suggestion=\"(Insert noun subject)\" message=313 entryWords=2 ruleId=47234"}},
      {kThat, {"x/10 ensure/20 that/69 y/10", "that", 2,
          "ensure: suggestion=\"make sure that\" message=300 entryWords=2 ruleId=4234"}},
      {kThat, {"x/10 only/52{token=9} that/69 y/10", "that", -1, ""}},
      {kThat, {"x/10 y/10 even/52 that/69 z/10", "that", 20,
          "even: suggestion=\"but not\" message=301 entryWords=2 ruleId=4871"}},
      {kThat, {"Even/52 that/69 z/10", "that", -1, ""}},  // the second word of its sentence
      {kThat, {"x/10 y/10 very/50 that/69 z/10", "that", 37,
          "that: suggestion=\"so that/until\" message=332 ruleId=1916"}},
      {kThat, {"x/10 very/50 that/69 z/10", "that", -1, ""}},  // the third word
      {kThat, {"x/10 that/69 on/40", "that", 39, "that: message=320 entryWords=2 ruleId=3075"}},
  };
  RunTableCases(kRowCases);
}

TEST(RelativeRules, Body) {
  RunBodyCases(ApplyRelativeRules, {
      {"Which/69 valve/10 ./48", "Which", "Which: message=331 ruleId=1918", "Which"},
      // *ensure that no*: one finding on "ensure" over the three words.
      {"x/10 ensure/20 that/69 no/77 leaks/11 ./48", "that",
       "ensure: suggestion=\"make sure that there are no\" message=302 entryWords=3 ruleId=4914\n"
       "that: wordClass=40\nno: wordClass=40", "no"},
      {"x/10 ensures/21{msg=300 rule=1} that/69 no/77{sub=14} y/10", "that",
       "ensures: suggestion=\"make sure that there are no\" message=302 entryWords=3 ruleId=4914\n"
       "that: wordClass=40\nno: wordClass=40 subClass=0", "no"},
      {"x/10 that/69 is/24 y/10", "that", "", "is"},
      {"x/10 also/52 that/69{sub=14} y/10", "that", "also: message=304 ruleId=6971\nthat: subClass=0", "that"},
      {"x/10 that/69 ./40 y/10", "that", ".: message=337 ruleId=6971", "."},
      {"x/10 who/69 need/20 y/10", "who", "who: suggestion=\"to help\" message=332 ruleId=6192", "who"},
      {"x/10 whom/69 need/20 y/10", "whom", "", "whom"},
      {"a/10 b/10 c/10 that/69 has/25 been/27 d/10 e/10 ./48", "that", "", "has", LongSentence},
  });
}

}  // namespace
