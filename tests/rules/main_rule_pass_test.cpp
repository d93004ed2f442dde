#include "rules/main_pass/main_rule_pass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/main_pass/sentence_state.h"
#include "tests/rules/rule_cases.h"
#include "tests/support/word_list_fixture.h"

namespace {

class MainRulePass : public ::testing::Test {
 protected:
  void SetUp() override { SentenceState.Reset(); }
  void TearDown() override { SentenceState.Reset(); }
};

// A state with values from an earlier check.
void EarlierCheck(SentenceStateRec& s) {
  s.subjectNumber = 1;
  s.subjectSeen = 1;
  s.skipAgreement = 1;
  s.clauseState = 99;
  s.lastVerbClass = 22;
  s.verbIsSForm = 1;
  s.scratchIndex = 99;
  s.scratchResult = -1;
}

// `first` and filler words up to `words` words, then the full stop.
std::string Sentence(const char* first, int words) {
  std::string s = first;
  for (int i = 1; i < words; ++i) s += " word/10";
  return s + " ./48";
}

TEST(MainPassStart, StateSubjectAndSentenceLength) {
  struct Case {
    std::string text;
    const char* state;    // changed fields of a state from an earlier check
    const char* changes;  // of the words
  } cases[] = {
      // The scratch values are kept, the verb memory is not; the first
      // sentence counts one more than its words, as a later one does.
      {"Remove/20 cover/10{mark=1} ./48",
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=20 sentenceWordCount=4 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "Remove: sentenceLength=1"},
      // A text that opens with a noun has its subject, plural by class.
      {"Valves/11 leak/21 ./48", "sentenceKind=11 sentenceWordCount=4 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "Valves: sentenceLength=1"},
      {"Rods/40{mark=1} bend/20 ./48", "sentenceKind=11 sentenceWordCount=4 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "Rods: wordClass=11 sentenceLength=1"},
      // 21 weighted words are not too long; 22 are. The first word holds
      // the finding till the rules have judged it, as written.
      {Sentence("Remove/20", 22),
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=20 sentenceWordCount=24 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "Remove: sentenceLength=21"},
      {Sentence("Remove/20{msg=330}", 23),
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=20 sentenceWordCount=25 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "Remove: sentenceLength=22 heldLength=22"},
      {Sentence("as_follows/50{text=as_follows entry=2}", 23),
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=50 sentenceWordCount=25 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "as follows: sentenceLength=22 heldLength=22"},
      // Where a placeholder for markup or a number opens the text, the
      // first word after it holds it, with the sentence's length.
      {Sentence("<Ref>/40", 23),
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=40 sentenceWordCount=25 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "<Ref>: sentenceLength=22\nword: heldLength=22"},
      {Sentence("12/49", 30),
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=49 sentenceWordCount=32 lastVerbClass=-1 skipAgreement=0 clauseState=0",
       "12: sentenceLength=29\nword: heldLength=29"},
  };
  for (const Case& k : cases) {
    auto words = BuildWords(k.text.c_str());
    SentenceStateRec s;
    EarlierCheck(s);
    const SentenceStateRec before = s;
    StartMainPass(words->head(), s);
    EXPECT_EQ(StateChanges(before, s), k.state) << k.text;
    EXPECT_EQ(words->Changes(), k.changes) << k.text;
  }
}

TEST_F(MainRulePass, EmptyAndSentinelOnlyListsEndAtOnce) {
  // Neither runs the start steps: the state keeps its values.
  SentenceState.subjectNumber = 1;
  EXPECT_EQ(ApplyMainRules(nullptr), 1);
  TestWords words;
  EXPECT_EQ(ApplyMainRules(words.head()), 1);
  EXPECT_EQ(words.Changes(), "");
  EXPECT_EQ(SentenceState.subjectNumber, 1);
  EXPECT_EQ(SentenceState.sentenceWordCount, 0);
}

// The whole pass over short texts: the repeated-word rule, the dispatch of
// the small classes and the walk past the words a rule passes over.
TEST_F(MainRulePass, WalksEveryWordOfTheText) {
  struct Case {
    const char* text;
    const char* changes;
  } cases[] = {
      {"Close/20 the/64 valve/10 and/63 and/63 open/20 ./48",
       "Close: sentenceLength=5\nthe: suggestion=\"(Sentence fault)\" message=321 ruleId=5651\n"
       "and: message=304 ruleId=9125\n.: verbForm=* extraFlag=NUL"},
      // The second word of a pair is not examined: "and and and" is one finding.
      {"stop/20 and/63 and/63 and/63 go/20 ./48",
       "stop: sentenceLength=4\nand: message=304 ruleId=9125\nand: message=318 ruleId=3202\n"
       ".: verbForm=* extraFlag=NUL"},
      // Not repeated: another case, a marked follower (the findings here are
      // the articles' own).
      {"The/64 the/64 valve/10 ./48", "The: suggestion=\"(Sentence fault)\" message=321 ruleId=5651 sentenceLength=2\n"
       "the: suggestion=\"(Sentence fault)\" message=321 ruleId=5651\n.: verbForm=* extraFlag=NUL"},
      {"go/20 go/20{mark=1} ./48", "go: sentenceLength=1\n.: verbForm=* extraFlag=NUL"},
      // A part of a split hyphenated word is no word of its own: "plug-in in", "in in-line".
      {"plug/10 in/75{sep=-} in/75 it/66 ./48",
       "plug: sentenceLength=3\nit: message=320 ruleId=7174\n.: verbForm=* extraFlag=NUL"},
      {"go/20 in/75 in/75 line/10{sep=-} ./48",
       "go: sentenceLength=3\nin: suggestion=\"align/aligned/correct\" message=324 ruleId=3916\n.: verbForm=* extraFlag=NUL"},
      // A word that carries a finding is passed over, also by the repeated-word rule.
      {"stop/20 and/63{sub=325} and/63 go/20 ./48", "stop: sentenceLength=3\n.: verbForm=* extraFlag=NUL"},
      // The comma passes over "and", so the pair after it is not compared.
      {"valve/10 ,/47 and/63 and/63 pump/10 ./48",
       "valve: sentenceLength=3\n,: message=337 entryWords=2 ruleId=4747\nand: message=318 ruleId=3202\n"
       ".: verbForm=* extraFlag=NUL"},
      {"open/20 ;/42 close/20 ./48", ";: message=337 ruleId=3397 splitKind=7\n.: verbForm=* extraFlag=NUL"},
      {"set/20 max/45 pressure/10 ./48",
       "set: sentenceLength=2\nmax: suggestion=\"maximum\" tag=\"<AR>\" wordClass=30 message=311 ruleId=7669\n"
       ".: verbForm=* extraFlag=NUL"},
      // Function words of classes that end neutral.
      {"go/20 there/58 now/72 ./48", "go: sentenceLength=2\nthere: wordClass=40\nnow: wordClass=40\n.: verbForm=* extraFlag=NUL"},
  };
  for (const Case& k : cases) {
    auto words = BuildWords(k.text);
    EXPECT_EQ(ApplyMainRules(words->head()), 1);
    EXPECT_EQ(words->Changes(), k.changes) << k.text;
  }
}

TEST_F(MainRulePass, TheSentenceEndResetsTheStateForTheNextSentence) {
  auto words = BuildWords("Valves/11 leak/21 ./48 Close/20 the/64 drain/10 ./48");
  ApplyMainRules(words->head());
  EXPECT_EQ(SentenceState.subjectSeen, -1);
  EXPECT_EQ(SentenceState.subjectNumber, -1);
  EXPECT_EQ(SentenceState.sentenceWordCount, 1);  // the last mark is before the sentinel
}

// The sentence end keeps the clause state and resets the rest.
TEST(SentenceStateRec, SentenceEnd) {
  SentenceStateRec s;
  EarlierCheck(s);
  s.sentenceKind = 10;
  s.sentenceWordCount = 9;
  s.clauseState = 3;
  s.ResetAtSentenceEnd();
  EXPECT_EQ(StateChanges(SentenceStateRec{}, s),
            "subjectNumber=-1 sentenceWordCount=1 verbIsSForm=1 clauseState=3 scratchIndex=99 scratchResult=-1");
}

}  // namespace
