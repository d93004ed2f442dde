// The rules of "which", "that" and "who" (class 69).
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/relative_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace relative;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }

TEST(RelativeRules, Gates) {
  static const RowCase kCases[] = {
      {"Which/69 valve/10 ./48", "Which", 0, "Which: message=331 ruleId=1918"},
      {"x/10 that/69 ./48", "that", 1, "that: message=331 ruleId=1918"},
      {"x/10 that/69", "that", 2, "that: message=331 ruleId=1918"},  // the end record
      {"install/20 it/66 so/71 that/69 ,/47 y/10", "that", 4, "that: message=331 ruleId=2175"},
      {"install/20 that/69 ,/47 y/10", "that", 3, ""},
      {"x/10 which/69 follows/21 :/42", "which", 5, "which: suggestion=\"shown/(Rephrase)\" message=302 ruleId=2275"},
      {"x/10 that/69 follow/20 ./48", "that", 6, "that: suggestion=\"shown/(Rephrase)\" message=302 ruleId=2275"},
      {"x/10 that/69 following/23 y/10", "that", 7, ""},
      {"x/10 that/69 y/10", "that", -1, ""},
  };
  RunRowCases(kGates, kCases);
}

TEST(RelativeRules, WhichAndWho) {
  static const RowCase kWhichCases[] = {
      {"valve/10 which/69 is/24", "which", 0, ""},
      // A person noun of a noun class ends here, before the person row.
      {"person/10 which/69 is/24", "which", 0, ""},
      {"x/40 which/69 you/78", "which", 1, ""},
      {"x/40 which/69 cover/10", "which", 1, ""},
      {"person/40 which/69 is/24", "which", 2, "which: suggestion=\"who\" message=332 ruleId=2075"},
      {"persons/40 which/69 is/24", "which", 3, ""},
      {"individual/40 which/69 is/24", "which", 3, ""},
      {"psu/18 which/69 y/40", "which", 4, "which: suggestion=\"that\" message=332 ruleId=2075"},
      {"x/40 which/69 has/25", "which", 5, "which: suggestion=\"that\" message=332 ruleId=2075"},
      {"x/40 which/69 y/40", "which", -1, ""},
  };
  RunRowCases(kWhich, kWhichCases);
  static const RowCase kWhoCases[] = {
      {"x/10 who/69 have/25 been/27", "who", 0, "who: suggestion=\"persons that have\" message=332 ruleId=7192"},
      {"x/10 who/69 need/20 y/10", "who", 1, "who: suggestion=\"to help\" message=332 ruleId=6192"},
      {"x/10 who/69 have/25 y/10", "who", -1, ""},
  };
  RunRowCases(kWho, kWhoCases);
}

TEST(RelativeRules, ThatBeforeEnsure) {
  static const RowCase kCases[] = {
      {"x/10 that/69 is/24", "that", 0, ""},
      {"x/10 that/69 these/76 y/10", "that", 0, ""},
      {"x/10 that/69 has/40", "that", 1, ""},
      {"x/10 that/69 you/78", "that", 1, ""},
      {"x/10 that/69 results/11 from/67", "that", 2,
       "that: suggestion=\"are caused/is caused/causes\" message=302 entryWords=3 ruleId=4914"},
      {"x/10 that/69 results/11 y/10", "that", -1, ""},
  };
  RunRowCases(kThatFirst, kCases);
}

TEST(RelativeRules, That) {
  static const RowCase kCases[] = {
      {"x/10 that/69 they/66", "that", 0, "that: suggestion=\"(Insert noun subject)\" message=313 entryWords=2 ruleId=47234"},
      {"x/10 note/20 that/69 y/10", "that", 1,
       "note: suggestion=\"make sure/(Observe(operational verb))\" message=300 entryWords=2 ruleId=7236"},
      {"x/10 notice/20 that/69 y/10", "that", 1,
       "notice: suggestion=\"make sure/(Observe(operational verb))\" message=300 entryWords=2 ruleId=7236"},
      {"x/10 ensure/20 that/69 y/10", "that", 2, "ensure: suggestion=\"make sure that\" message=300 entryWords=2 ruleId=4234"},
      {"x/10 assures/21 that/69 y/10", "that", 2, "assures: suggestion=\"make sure that\" message=300 entryWords=2 ruleId=4234"},
      {"x/10 types/11 that/69 y/10", "that", 3,
       "types: suggestion=\"because/type of/type for/(Rephrase)\" message=302 entryWords=2 ruleId=7235"},
      {"x/10 signals/11 that/69 y/10", "that", 4,
       "signals: suggestion=\"are an indication that/is an indication that\" message=324 entryWords=2 ruleId=4234"},
      {"Check/20 that/69 y/10", "that", 5, "Check: suggestion=\"Make sure that\" message=313 entryWords=2 ruleId=4724"},
      {"x/10 verify/20 that/69 y/10", "that", 6, "verify: suggestion=\"make sure that\" message=313 entryWords=2 ruleId=4724"},
      {"x/10 that/69 an/64 y/10", "that", 7, ""},
      {"x/10 that/69 valve/10{mark=1}", "that", 8, ""},
      {"x/10 that/69 it/66", "that", 9, "it: message=320 ruleId=2874"},
      {"x/10 that/69 its/40 y/10", "that", 10, "that: suggestion=\"that ... is\" message=313 entryWords=2 ruleId=7234"},
      {"x/10 only/52 that/69 y/10", "that", 11, "only: message=304 ruleId=6971"},
      {"x/10 only/52{token=9} that/69 y/10", "that", -1, ""},
      {"x/10 things/11 that/69 y/10", "that", 12, "things: suggestion=\"items that\" message=312 entryWords=2 ruleId=6971"},
      {"x/10 operator/10 that/69 y/10", "that", 13, "operator: suggestion=\"who\" message=312 entryWords=2 ruleId=6971"},
      {"x/10 considering/23 that/69 y/10", "that", 14,
       "considering: suggestion=\"make sure/(Rephrase)\" message=324 entryWords=2 ruleId=2175"},
      {"x/10 except/60 that/69 y/10", "that", 15, "except: suggestion=\"because/(Rephrase)\" message=324 entryWords=2 ruleId=2175"},
      {"x/10 effect/10 that/69 y/10", "that", 16, "effect: suggestion=\"result of/(Rephrase)\" message=324 entryWords=2 ruleId=2175"},
      {"x/10 notes/21 that/69 y/10", "that", 17,
       "notes: suggestion=\"make sure/(Rephrase)/NOTE:\" message=324 entryWords=2 ruleId=2175"},
      {"x/10 now/52 that/69 y/10", "that", 18, "now: suggestion=\"because\" message=324 entryWords=2 ruleId=2175"},
      {"it/66 appears/21 that/69 y/10", "that", 19,
       "appears: suggestion=\"indication of/shows that\" message=301 entryWords=2 ruleId=4871"},
      {"x/10 y/10 even/52 that/69 z/10", "that", 20, "even: suggestion=\"but not\" message=301 entryWords=2 ruleId=4871"},
      {"Even/52 that/69 z/10", "that", -1, ""},  // the second word of its sentence
      {"x/10 y/10 just/52 that/69 z/10", "that", 21, "just: suggestion=\"(Rephrase)\" message=301 entryWords=2 ruleId=4871"},
      {"x/10 the/64 ones/11 that/69 z/10", "that", 22,
       "ones: suggestion=\"(Delete or Rephrase)\" message=301 entryWords=2 ruleId=4871"},
      {"x/10 y/10 stated/22 that/69 z/10", "that", 23, "stated: suggestion=\"said that\" message=301 entryWords=2 ruleId=4871"},
      {"x/10 that/69 when/70", "that", 24, "that: message=320 ruleId=4871"},
      {"x/10 that/69 closed/31 y/10", "that", 26, "closed: wordClass=20"},
      {"x/10 that/69 :/42", "that", 27, ":: message=337 ruleId=6971"},
      {"x/10 one/37 that/69 y/10", "that", 28, "one: suggestion=\"for example\" message=320 entryWords=2 ruleId=2871"},
      {"x/10 such/37 that/69 y/10", "that", 29, "such: suggestion=\"for example\" message=331 entryWords=2 ruleId=2872"},
      {"x/10 )/44 that/69 y/10", "that", 30, "that: message=331 ruleId=9157"},
      {"x/10 )/44 that/69 very/50", "that", -1, ""},
      {"x/10 that/69 data/10", "that", 31, ""},
      {"x/10 that/69 y/40{code=V0****}", "that", 32, ""},
      {"x/10 that/69 all/38 for/65", "that", 34, "that: message=302 ruleId=1911"},
      {"x/10 that/69 of/67 y/10", "that", 35, "that: message=302 entryWords=2 ruleId=3075"},
      {"x/10 y/10 than/50 that/69 z/10", "that", 36, ""},
      {"x/10 y/10 very/50 that/69 z/10", "that", 37, "that: suggestion=\"so that/until\" message=332 ruleId=1916"},
      {"x/10 very/50 that/69 z/10", "that", -1, ""},  // the third word
      {"x/10 that/69 way/10", "that", 38, "that: message=324 entryWords=2 ruleId=2175"},
      {"x/10 that/69 on/40", "that", 39, "that: message=320 entryWords=2 ruleId=3075"},
  };
  // A demonstrative and a have-form after "that" are passed over before.
  RunRowCases(kThat, kCases);
}

TEST(RelativeRules, Body) {
  static const BodyCase kCases[] = {
      {"Which/69 valve/10 ./48", "Which", "Which: message=331 ruleId=1918", "Which"},
      // *ensure that no*: one finding on "ensure" over the three words.
      {"x/10 ensure/20 that/69 no/77 leaks/11 ./48", "that",
       "ensure: suggestion=\"make sure that there are no\" message=302 entryWords=3 ruleId=4914\n"
       "that: wordClass=40\nno: wordClass=40",
       "no"},
      {"x/10 ensures/21{msg=300 rule=1} that/69 no/77{sub=14} y/10", "that",
       "ensures: suggestion=\"make sure that there are no\" message=302 entryWords=3 ruleId=4914\n"
       "that: wordClass=40\nno: wordClass=40 subClass=0",
       "no"},
      {"x/10 that/69 is/24 y/10", "that", "", "is"},
      {"x/10 that/69 results/11 in/75 y/10", "that",
       "that: suggestion=\"are caused/is caused/causes\" message=302 entryWords=3 ruleId=4914\n"
       "results: wordClass=40\nin: wordClass=40",
       "in"},
      {"x/10 also/52 that/69{sub=14} y/10", "that", "also: message=304 ruleId=6971\nthat: subClass=0", "that"},
      {"x/10 that/69 ./40 y/10", "that", ".: message=337 ruleId=6971", "."},
      {"x/10 who/69 need/20 y/10", "who", "who: suggestion=\"to help\" message=332 ruleId=6192", "who"},
      {"x/10 whom/69 need/20 y/10", "whom", "", "whom"},
      {"a/10 b/10 c/10 that/69 has/25 been/27 d/10 e/10 ./48", "that", "", "has", LongSentence},
  };
  RunBodyCases(ApplyRelativeRules, kCases);
}

}  // namespace
