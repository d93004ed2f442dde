#include "rules/main_pass/main_rule_pass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/main_pass/sentence_state.h"
#include "tests/support/word_list_fixture.h"

namespace {

class MainRulePass : public ::testing::Test {
 protected:
  void SetUp() override { SentenceState.Reset(); }
  void TearDown() override { SentenceState.Reset(); }
};


// Builds first + (words - 1) filler words + "." in the module's list.
struct LongSentence {
  LongSentence(const char* first, int firstClass, int words, const char* flags = "") {
    WordList.Reset();
    auto add = [](const char* t, int cls, const char* f) {
      WordRec* w = NewWordRec();
      w->written = t;
      w->text = t;
      w->wordClass = cls;
      w->length = static_cast<std::int32_t>(w->text.length());
      w->lastLetter = w->text.last();
      if (std::string(f) == "mark") w->markFlag = '1';
      if (!WordList.head) {
        WordList.head = WordList.tail = w;
      } else {
        WordList.tail->next = w;
        w->prev = WordList.tail;
        WordList.tail = w;
      }
      return w;
    };
    add(first, firstClass, flags);
    for (int i = 1; i < words; ++i) add("word", 10, "");
    add(".", 48, "");
    add(kSentinel, 40, "");
  }
  ~LongSentence() { WordList.Reset(); }
};

TEST_F(MainRulePass, ResetsTheSentenceStateButKeepsTheVerbMemory) {
  SentenceState.subjectNumber = 1;
  SentenceState.subjectSeen = 1;
  SentenceState.skipAgreement = 1;
  SentenceState.clauseState = 99;
  SentenceState.lastVerbClass = 22;
  SentenceState.verbIsSForm = 1;
  SentenceState.scratchIndex = 99;
  SentenceState.scratchResult = -1;
  TestWords words({{"Remove", 20}, {"cover", 10, nullptr, "mark=1"}, {".", 48}});
  EXPECT_EQ(ApplyMainRules(words.head()), 1);
  EXPECT_EQ(SentenceState.subjectNumber, -1);
  EXPECT_EQ(SentenceState.subjectSeen, -1);
  EXPECT_EQ(SentenceState.skipAgreement, 0);
  EXPECT_EQ(SentenceState.clauseState, 0);
  EXPECT_EQ(SentenceState.sentenceKind, 20);
  EXPECT_EQ(SentenceState.sentenceWordCount, 3);
  EXPECT_EQ(SentenceState.lastVerbClass, 22);
  EXPECT_EQ(SentenceState.verbIsSForm, 1);
  EXPECT_EQ(SentenceState.scratchIndex, 99);
  EXPECT_EQ(SentenceState.scratchResult, -1);
  EXPECT_EQ(words.Changes(), "Remove: sentenceLength=1");
}

TEST_F(MainRulePass, ATextThatOpensWithANounSetsTheSubject) {
  {
    TestWords words({{"Valves", 11}, {"leak", 20}, {".", 48}});
    ApplyMainRules(words.head());
    EXPECT_EQ(SentenceState.sentenceKind, 11);
    EXPECT_EQ(SentenceState.subjectNumber, 1);
    EXPECT_EQ(SentenceState.subjectSeen, 1);
  }
  {
    // An article counts as a singular noun opening.
    TestWords words({{"A", 64}, {"valve", 10}, {"leaks", 21}, {".", 48}});
    ApplyMainRules(words.head());
    EXPECT_EQ(SentenceState.sentenceKind, 10);
    EXPECT_EQ(SentenceState.subjectNumber, 0);
    EXPECT_EQ(SentenceState.subjectSeen, 1);
  }
  {
    // A neutral word after "the" becomes a noun, plural by its last letter.
    TestWords words({{"Rods", 40, nullptr, "mark=1"}, {"bend", 20}, {".", 48}});
    ApplyMainRules(words.head());
    EXPECT_EQ(words["Rods"]->wordClass, 11);
    EXPECT_EQ(SentenceState.subjectNumber, 1);
  }
  {
    TestWords words({{"xyz", 40}, {".", 48}});
    ApplyMainRules(words.head());
    EXPECT_EQ(SentenceState.sentenceKind, 40);
    EXPECT_EQ(SentenceState.subjectSeen, -1);
  }
}

TEST_F(MainRulePass, TheFirstSentenceOverTwentyOneWeightedWordsIsTooLong) {
  {
    LongSentence s("Remove", 20, 22);  // sentenceLength 21
    ApplyMainRules(WordList.head);
    EXPECT_EQ(WordList.head->sentenceLength, 21);
    EXPECT_EQ(WordList.head->message, 0);
  }
  {
    LongSentence s("Remove", 20, 23);
    WordList.head->message = 330;
    ApplyMainRules(WordList.head);
    EXPECT_EQ(WordList.head->sentenceLength, 22);
    EXPECT_EQ(WordList.head->message, 328);
    EXPECT_EQ(WordList.head->message2, 330);
    EXPECT_EQ(WordList.head->ruleId, 7655);
    EXPECT_EQ(SentenceState.sentenceWordCount, 24);
  }
  {
    // A phrase entry as first word is cut to its first word.
    LongSentence s("as follows", 50, 23);
    WordList.head->entryWords = 2;
    ApplyMainRules(WordList.head);
    EXPECT_EQ(WordList.head->written, "as");
    EXPECT_EQ(WordList.head->text, "as");
    EXPECT_EQ(WordList.head->length, 2);
    EXPECT_EQ(WordList.head->lastLetter, 's');
    EXPECT_EQ(WordList.head->entryWords, 1);
    EXPECT_EQ(WordList.head->message, 328);
  }
  {
    // No sentence-length finding on a number; the rule id is still set.
    LongSentence s("12", 49, 30);
    ApplyMainRules(WordList.head);
    EXPECT_EQ(WordList.head->message, 0);
    EXPECT_EQ(WordList.head->ruleId, 7655);
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

TEST(SentenceStateRec, LoadValuesAndSentenceEnd) {
  SentenceStateRec s;
  EXPECT_EQ(s.subjectSeen, -1);
  EXPECT_EQ(s.subjectNumber, 0);
  EXPECT_EQ(s.lastVerbClass, -1);
  s.sentenceKind = 10;
  s.sentenceWordCount = 9;
  s.skipAgreement = 1;
  s.subjectNumber = 1;
  s.lastVerbClass = 21;
  s.subjectSeen = 1;
  s.clauseState = 3;
  s.ResetAtSentenceEnd();
  EXPECT_EQ(s.sentenceKind, 0);
  EXPECT_EQ(s.sentenceWordCount, 1);
  EXPECT_EQ(s.skipAgreement, 0);
  EXPECT_EQ(s.subjectNumber, -1);
  EXPECT_EQ(s.lastVerbClass, -1);
  EXPECT_EQ(s.subjectSeen, -1);
  EXPECT_EQ(s.clauseState, 3);
}

}  // namespace
