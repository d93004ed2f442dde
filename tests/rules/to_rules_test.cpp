// The rules of "to" (class 68), stage by stage, and the body's order.
#include <gtest/gtest.h>

#include <string>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/to_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace to_rules;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 12; }

TEST(ToStages, Rows) {
  static const TableCase kCases[] = {
      {kSkipGates, {"a/10 )/42 to/68 pump/10", "to", 0, ""}},
      {kSkipGates, {"face/10 to/68 face/10", "to", 4, ""}},
      {kSkipGates, {"a/10 )/42 to/68 go/20", "to", -1, ""}},
      {kMarked, {"x/10 to/68{mark=1} y/10", "to", 0, "to: message=320 ruleId=3449"}},
      {kMarked, {"x/10 to/68 y/10", "to", -1, ""}},
      // The rows of *to test* and *to check* hold only with the STE dictionary.
      {kNextTo, {"next/38 to/68 y/10", "to", 0, "next: suggestion=\"(near)\" message=301 entryWords=2 ruleId=3449"}},
      {kNextTo, {"press/20{sub=80 msg=301} to/68{sub=80} test/10{msg=301} y/10", "to", 1,
                 "press: wordClass=40 subClass=0 message=0\nto: subClass=0\ntest: wordClass=40 message=0", nullptr, 1}},
      {kNextTo, {"x/10 to/68 test/10 y/10", "to", -1, ""}},
      {kFixedPhrases, {"refer/20 to/68 y/10", "to", 0, ""}},
      {kFixedPhrases, {"x/10 to/68 be/25 able/30 to/68 y/10", "to", 3,
          "to: suggestion=\"can\" message=335 entryWords=4 ruleId=4582"}},
      {kFixedPhrases, {"they/66 need/20 to/68{msg=301} be/25 y/10", "to", 7,
       "need: suggestion=\"must be\" message=300 entryWords=3 ruleId=5448\nto: message=0"}},
      {kFixedPhrases, {"x/10 to/68 be/25 able/30 y/10", "to", -1, ""}},
      {kWordBefore, {"x/10 to/68 process/22", "to", 0, ""}},
      {kWordBefore, {"x/10 cooling/23 to/68 y/10", "to", 5,
       "cooling: suggestion=\"to become cool/to decrease the temperature\" message=301 entryWords=2 ruleId=3449"}},
      {kWordBefore, {"x/10 refers/21{msg=301} to/68 y/10", "to", 8, "refers: message=0"}},
      {kWordBefore, {"x/10 to/68 pass/22", "to", -1, ""}},
      // The previous word covers three words, with no message.
      {kStageJ, {"the/64 time/10 to/68 go/20", "to", 0, "time: entryWords=3"}},
      {kStageJ, {"it/66 is/24 to/68 be/25 z/10", "to", -1, ""}},
      {kStageJ, {"x/10 to/68 pump/10 as/54 y/10", "to", 3, "pump: message=300 ruleId=4725"}},
      {kStageK, {"x/10 y/10 found/22 to/68 be/25 z/10", "to", 0,
          "found: suggestion=\"is/are/(Rephrase)\" message=301 entryWords=3 ruleId=3478"}},
      {kStageK, {"x/10 y/10 not/29 to/68 be/25 z/10", "to", 5, "not: message=335 entryWords=3 ruleId=2348"}},
      {kStageK, {"x/10 y/10 z/10 to/68 be/25 z/10", "to", -1, ""}},
      {kStageL, {"it/66 is/24 to/68 be/25 removed/22", "to", 0, "to: message=304 entryWords=2 ruleId=2448"}},
      {kStageL, {"x/10 to/68 try/20 to/68 y/10", "to", 1,
          "to: suggestion=\"try to\" message=335 entryWords=3 ruleId=5448"}},
      {kStageL, {"go/20 to/68 use/20 y/10", "to", 3,
          "to: suggestion=\"the use of\" message=301 entryWords=2 ruleId=3448"}},
      // Only after a plain word and before an unmarked one.
      {kStageL, {"go/20{token=9} to/68 use/20 y/10", "to", -1, ""}},
      {kStageM, {"x/10 to/68 ,/47 y/10", "to", 0, "to: message=337 ruleId=7448"}},
      {kStageM, {"x/10 to/68 much/38 y/10", "to", 7,
          "to: suggestion=\"too much/(Give measurement.)\" message=311 entryWords=2 ruleId=2448"}},
      {kStageM, {"x/10 to/68 y/10", "to", -1, ""}},
      {kStageN, {"x/10 to/68 be/25 less/38", "to", 1,
          "to: suggestion=\"is less than/are less than\" message=302 entryWords=3 ruleId=2349"}},
      {kStageN, {"x/10 to/68 you/78 that/69", "to", 5, "to: message=304 entryWords=3 ruleId=2349"}},
      {kStageN, {"x/10 to/68 be/25 ready/30", "to", -1, ""}},
      {kClauseEnd, {"x/10 to/68 y/10{mark=1}", "to", 0, ""}},
      {kClauseEnd, {"x/10 to/68 be/25{code=H*****} ready/30", "to", 11, ""}},
      {kClauseEnd, {"x/10 to/68 pump/10{code=NMS***}", "to", -1, ""}},
      {kStageP, {"x/10 to/68 us/78", "to", 1, "us: suggestion=\"U.S.A./(Give company name)\" message=312 ruleId=3682"}},
      {kStageP, {"x/10 to/68 max/45 y/30", "to", 10, "max: message=323 ruleId=1287 verbForm=X"}},
      {kStageP, {"x/10 to/68 off/61 ./48", "to", 5,
          "to: suggestion=\"in the OFF position\" message=323 entryWords=2 ruleId=4682 verbForm=X"}},
      {kStageP, {"x/10 y/10 what/60 to/68{msg=301} do/20", "to", 8,
          "what: message=313 entryWords=3 ruleId=5582\nto: message=0"}},
      {kStageP, {"x/10 y/10 then/50 to/68 go/20", "to", 12, "then: message=320 entryWords=2 ruleId=1197"}},
      {kStageP, {"x/10{pos=-1} to/68{pos=-1} us/78", "to", -1, ""}},
      {kStageQ, {"x/10 step/10 to/68 stop/10 y/10 z/10", "to", 0, "", LongSentence}},
      {kStageQ, {"x/10 y/10 z/10 is/24 to/68 go/20 w/10{code=V0****} v/10", "to", 1,
       "is: message=335 entryWords=3 ruleId=1868", LongSentence}},
      {kStageQ, {"x/10 step/10 to/68 pumps/11", "to", -1, ""}},
      {kStageR, {"x/10 to/68 access/22", "to", 0, ""}},
      // "to and/or" above position 1, unless the word before begins with 'r'.
      {kStageR, {"x/10 to/68 or/63", "to", 4, "to: message=313 ruleId=18651"}},
      {kStageR, {"x/10 y/10 ready/30 to/68 or/63", "to", 5, ""}},
      {kStageR, {"x/10 to/68 or/63{mark=1}", "to", -1, ""}},
      // The clause-end rows: punctuation and the end record are coded in 'D'.
  };
  RunTableCases(kCases);
}

// *side to side*: one hyphenated word on the first "side", which covers
// the two words after it. The skip gates pass the same word on both sides
// first, so the step is called here on its own.
TEST(ToStages, SideToSide) {
  auto words = BuildWords("move/20 it/66 from/67 side/10 to/68 Side/10 ./48");
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "to"), .head = words->head(), .state = state};
  const auto outcome = SideToSide(c);
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, Walk::Next);
  EXPECT_EQ(c.word, FindWord(*words, "Side"));
  EXPECT_EQ(words->Changes(),
            "side: suggestion=\"side-to-Side\" message=317 entryWords=3 ruleId=5448\nto: wordClass=40\nSide: wordClass=40");
  auto other = BuildWords("x/10 side/10 to/68 end/10");
  RuleContext d{.word = FindWord(*other, "to"), .head = other->head(), .state = state};
  EXPECT_FALSE(SideToSide(d).has_value());
}

// Each path through the body: the stage order, the resume word, the
// opening "To".
TEST(ToBody, PathsAndResumeWords) {
  RunBodyCases(ApplyToRules, {
      {"x/10 to/68 ground/10 y/10", "to", "", "ground"},
      // *need to* ends before the before-"to" list.
      // The same word on both sides passes "side to side" at the gates.
      {"move/20 it/66 from/67 side/10 to/68 side/10 ./48", "to", "", "side#2"},
      {"it/66 is/24 to/68 be/25{code=H*****} less/38", "to",
       "to: suggestion=\"is less than/are less than\" message=302 entryWords=3 ruleId=2349\nbe: wordClass=40\nless: wordClass=40",
       "less"},
      {"x/10 to/68 date/10{code=NMS***} go/20", "to",
       "to: suggestion=\"(Give Date Ref.)\" message=302 entryWords=2 ruleId=2182\ndate: wordClass=40", "date"},
      // A position below 0 starts at the after-"to" list.
      {"x/10{pos=-1} to/68{pos=-1} email/10{code=NMS***} go/20", "to",
       "to: suggestion=\"to send an email\" message=302 entryWords=2 ruleId=2182\nemail: wordClass=40", "email"},
      // Punctuation after "to" is coded in 'D': no clause-end finding.
      {"x/10 to/68 removed/22{code=V2****} y/10", "to", "removed: message=335 ruleId=1801", "to"},
      // The opening "To".
      {"To/68 do/20 so/71 ,/47 stop/20 ./48", "To", "To: message=304 entryWords=3 ruleId=3448\ndo: wordClass=40\nso: wordClass=40", "so"},
      {"To/68{sentlen=8} remove/20{code=V0****} the/64 pump/10 open/20 the/64 valve/10 ./48", "To",
       "To: message=318 ruleId=4348", "To", LongSentence, "scratchResult=1"},
      {"To/68{sentlen=8} pumps/11{code=NMS***} ,/47 open/20 the/64 valve/10 ./48", "To",
       "To: message=331 ruleId=2648", "To", LongSentence},
      // Short sentences and lower case pass the opening checks.
      {"To/68{sentlen=8} access/22{code=V2****} ,/47 open/20 the/64 valve/10 ./48", "To", "", "To", LongSentence},
      {"To/68 :/42 open/20 ./48", "To", ":: wordClass=48 message=337 ruleId=6448", ":"},
  });
}

// The advice the letters of the word before and after "to" choose; null: none.
TEST(ToWordLists, AdviceByLetter) {
  const auto B = BeforeToAdvice;
  const auto A = AfterToAdvice;
  static const struct {
    const char* (*advice)(std::string_view);
    const char* word;
    const char* expected;
  } kCases[] = {
      {B, "able", "can"}, {B, "ahead", "obey/(Rephrase)"}, {B, "check", "make a check/inspect/examine"},
      {B, "closer", "near/(Give distance)"}, {B, "failed", "do not"}, {B, "prior", "before"}, {B, "right", "(Rephrase)"},
      {B, "second", "second/next"}, {B, "ties", "(Give time measure)"}, {B, "fallen", "(Give Measurement)"},
      {B, "get", "go to/goes to/(Rephrase)"}, {B, "ideal", "must/(Rephrase)"}, {B, "over", nullptr},
      {B, "payment", "(Rephrase)"}, {B, "proceed", "continue to/go to"}, {B, "peculiar", nullptr},
      {B, "stomp", "show"}, {B, "wish", "want/(Rephrase)"}, {B, "zero", nullptr},
      {A, "date", "(Give Date Ref.)"}, {A, "email", "to send an email"}, {A, "for", "continue"},
      {A, "pdf", "(Give the standard name)"}, {A, "type", "to enter"}, {A, "ground", "to the ground terminal"},
      {A, "light", "illuminate"}, {A, "level", "to make level"}, {A, "mail", "to send an email"},
      {A, "spring", "to move/to return"}, {A, "such", "for maintenance"}, {A, "another", nullptr}, {A, "and", nullptr},
  };
  for (const auto& k : kCases) {
    const char* got = k.advice(k.word);
    EXPECT_EQ(std::string(got ? got : "(none)"), std::string(k.expected ? k.expected : "(none)")) << k.word;
  }
}

TEST(ToWordLists, Membership) {
  RunRowCases(kBeforeList, {
      // "can" in place of "is expected to": the three words.
      {"x/10 is/24 expected/31 to/68 y/10", "to", 0,
       "is: suggestion=\"can/(Rephrase for possible)\" message=301 entryWords=3 ruleId=3449"},
      // So for the other words of the list: the advice is fitted to the subject of the "be" later.
      {"x/10 are/25 able/30 to/68 y/10", "to", 0, "are: suggestion=\"can\" message=301 entryWords=3 ruleId=3449"},
      {"x/10 is/24 allowed/22 to/68 y/10", "to", 0,
       "is: suggestion=\"let/(Rephrase)\" message=301 entryWords=3 ruleId=3449"},
      // A finding holds the "be" (its own, or one that covers it): the listed word keeps
      // its marker, and what would take the place of the "be" is a hint.
      {"x/10 is/24{msg=303} able/30 to/68 y/10", "to", 1,
       "able: suggestion=\"(can)\" message=301 entryWords=2 ruleId=3449"},
      {"as/54{msg=331 entry=3} it/66 is/24 best/35 to/68 y/10", "to", 1,
       "best: suggestion=\"(you must)/(Rephrase)\" message=301 entryWords=2 ruleId=3449"},
      {"as/54{msg=331 entry=2} it/66 is/24 able/30 to/68 y/10", "to", 0,
       "is: suggestion=\"can\" message=301 entryWords=3 ruleId=3449"},
      // The "be"'s own finding over the listed word ("is going") is one the wider marker replaces.
      {"x/10 is/24{msg=338 entry=2} going/23 to/68 y/10", "to", 0,
       "is: suggestion=\"will/to/(Rephrase)\" message=301 entryWords=3 ruleId=3449"},
      {"x/10 was/24 expected/31 to/68 y/10", "to", 2,
       "expected: suggestion=\"can/(Rephrase for possible)\" message=301 entryWords=2 ruleId=3449"},
      {"x/10 peculiar/30 to/68 y/10", "to", 2, "peculiar: message=301 entryWords=2 ruleId=3449"},
      {"x/10 check/20 to/68 see/20", "to", 2,
       "check: suggestion=\"make a check/inspect/examine\" message=301 entryWords=2 ruleId=3449"},
      {"x/10 check/20 to/68 go/20", "to", -1, ""},
      {"x/10 down/61 to/68 y/10", "to", 2, "down: suggestion=\"decrease to\" message=301 entryWords=2 ruleId=3449"},
      {"x/10 appearing/23 to/68 y/10", "to", 2,
       "appearing: suggestion=\"visible/can/(Rephrase)\" message=301 entryWords=2 ruleId=3449"},
      // Only inside a sentence.
      {"x/10{pos=-1} able/30{pos=-1} to/68{pos=-1} y/10", "to", -1, ""},
  });
  RunRowCases(kAfterList, {
      {"x/10 to/68 date/10 pump/10", "to", 0, ""},
      {"x/10 to/68 date/10 go/20", "to", 1, "to: suggestion=\"(Give Date Ref.)\" message=302 entryWords=2 ruleId=2182"},
      {"x/10 to/68 another/37 go/20", "to", 1, "to: message=302 entryWords=2 ruleId=2182"},
      {"x/10 to/68 dates/11 go/20", "to", -1, ""},
  });
}

}  // namespace
