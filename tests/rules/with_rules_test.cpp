// The rules of "with", class 74.
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/with_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace with_rules;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void ShortSentence(SentenceStateRec& s) { s.sentenceWordCount = 3; }

TEST(WithRules, FixedPairsBeforeWith) {
  static const TableCase kRowCases[] = {
      // "also" keeps the advice it had.
      {kPair, {"a/10 b/10 also/30{sug=too} with/74 y/10", "with", 2, "also: message=324 entryWords=2 ruleId=6735"}},
      {kPair, {"a/10 b/10 aligns/30 with/74 y/10", "with", 3,
       "aligns: suggestion=\"align to/aligns to\" message=324 entryWords=2 ruleId=6735"}},
      {kPair, {"a/10 b/10 pump/10 with/74 y/10", "with", -1, ""}},
      // A whole word, not a stem: "persons" and "fixed" form no pair.
      {kPair, {"a/10 b/10 persons/11 with/74 y/10", "with", -1, ""}},
      {kNextGates, {"x/10 with/74 y/10{mark=1}", "with", 0, ""}},
      {kNextGates, {"x/10 with/74 y/10", "with", -1, ""}},
      {kFirstRows, {"it/66 flush/30 with/74 y/10", "with", 0,
          "flush: suggestion=\"align to\" message=331 entryWords=2 ruleId=6825"}},
      {kFirstRows, {"x/10 with/74{len=1} :/42", "with", 2, "with: message=320 length=4 ruleId=4728"}},
      {kFirstRows, {"it/66 is/24{token=9} with/74 y/10", "with", -1, ""}},
      {kFirstRows, {"x/10 this/76 with/74 y/10", "with", 8, "this: message=320 ruleId=5627"}},
      {kLaterRows, {"a/10 b/10 c/10 with/74 one/10 another/37", "with", 0,
       "with: suggestion=\"with each ...\" message=324 entryWords=3 ruleId=3725"}},
      {kLaterRows, {"a/10 b/10 c/10 with/74 growing/23", "with", 10,
          "with: suggestion=\"for\" message=331 entryWords=2 ruleId=6825"}},
      {kLaterRows, {"a/10 b/10 c/10 with/74 y/10", "with", -1, ""}},
      {kLastRows, {"x/10 with/74 more/10", "with", 0, "with: message=324 entryWords=2 ruleId=2725"}},
      {kLastRows, {"x/10 with/74 one/10 another/37", "with", 1,
       "with: suggestion=\"with each ...\" message=324 entryWords=3 ruleId=3725", LongSentence}},
      // Without room for three more words.
      {kLastRows, {"the/64 type/10 with/74 y/10", "with", 2,
       "type: suggestion=\"type to/type for\" message=313 entryWords=2 ruleId=4786", LongSentence}},
      {kLastRows, {"a/10 b/10 c/10 makes/21{msg=302} it/10{msg=325} with/74{msg=331} y/10", "with", 7,
       "makes: suggestion=\"use/uses\" message=324 entryWords=3 ruleId=5635\nit: message=0\nwith: message=0"}},
      {kLastRows, {"is/24 Compared/22 with/74 y/10", "with", 6,
       "Compared: suggestion=\"Compared to\" message=324 entryWords=2 ruleId=1232"}},
      {kLastRows, {"a/10 b/10 c/10 two/49 with/74 y/10", "with", 10, "two: message=320 entryWords=2 ruleId=3064"}},
      {kLastRows, {"a/10 b/10 c/10 higher/34 with/74 y/10", "with", 13,
       "higher: suggestion=\"higher than\" message=324 entryWords=2 ruleId=7625"}},
      // The gerund message is cleared again: the rule id alone stays.
      // Only an -ing word split off a compound reaches the last row.
      {kLastRows, {"a/10 b/10 with/74 Using/23{split=4}", "with", 21,
          "Using: suggestion=\"the Using\" message=338 ruleId=2063"}},
  };
  RunTableCases(kRowCases);
}

TEST(WithBody, StepsAndResumeWords) {
  RunBodyCases(ApplyWithRules, {
      // Opening a sentence of four or more words, whatever follows.
      {"With/74 a/64 pump/10 y/10 ./48", "With", "With: suggestion=\"(When)/(Rephrase)\" message=324 ruleId=1340",
       "With", LongSentence},
      {"With/74 a/64 pump/10", "With", "", "With", ShortSentence},
      // The pair finding leaves "with" as it was and covers nothing.
      {"the/64 unit/10 is/24 equipped/22 with/74 a/64 pump/10", "with",
       "equipped: suggestion=\"that have/that has/install\" message=324 entryWords=2 ruleId=6735", "with"},
      // At the second or third word there is no pair: the rows on the next
      // word decide.
      {"it/66 equipped/22 with/74 caution/10", "with",
       "with: suggestion=\"be careful\" message=324 entryWords=2 ruleId=5726\ncaution: wordClass=40", "caution"},
      // Another word of the class has no rows.
      {"x/10 with/74 as/54 much/38 y/10", "with",
       "with: message=321 entryWords=3 ruleId=6756\nas: wordClass=40\nmuch: wordClass=40", "much"},
      {"a/10 b/10 with/74 using/23{split=4}", "with",
       "using: suggestion=\"the using\" wordClass=40 message=338 ruleId=2063", "using"},
  });
}

}  // namespace
