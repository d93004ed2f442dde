#include "engine/sentence_pass.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

TEST(SentencePassTest, NumbersTheWordsOfEachSentence) {
  TestWords words({{"Do", 20, "V0**", "pos=9"}, {"this", 66, nullptr, "pos=9"}, {".", 48},
                   {"Then", 50, nullptr, "pos=9"}, {"that", 66}, {".", 48, nullptr, "pos=9"}});
  RunSentencePass();
  int expected[6] = {0, 1, 2, 0, 1, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(words.at(i)->sentencePos, expected[i]) << i;
}

TEST(SentencePassTest, OnlyOneCharacterEndMarksOfClass48EndASentence) {
  TestWords words({{"Stop", 20}, {",", 47}, {":", 40}, {"then", 50}, {"!", 48}, {"Go", 20}});
  RunSentencePass();
  EXPECT_EQ(words[","]->sentencePos, 1);
  EXPECT_EQ(words[":"]->sentencePos, 2);
  EXPECT_EQ(words["then"]->sentencePos, 3);
  EXPECT_EQ(words["!"]->sentencePos, 4);
  EXPECT_EQ(words["Go"]->sentencePos, 0);
}

TEST(SentencePassTest, WordsWithALeadingBlankAreNotCounted) {
  TestWords words({{"Do", 20}, {"x", 40, nullptr, "text=_x pos=7"}, {"it", 66}, {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words["x"]->sentencePos, 7);
  EXPECT_EQ(words["it"]->sentencePos, 1);
}

TEST(SentencePassTest, WeightOfDotsAndBlanks) {
  TestWords words({{"U.S.A.", 45}, {"1.5", 49}, {"make sure", 20}, {"a.m.", 45}, {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words["U.S.A."]->weight, 1);
  EXPECT_EQ(words["1.5"]->weight, 2);
  EXPECT_EQ(words["make sure"]->weight, 2);
  EXPECT_EQ(words["a.m."]->weight, 1);
}

TEST(SentencePassTest, MayAsAMonthBetweenNumbers) {
  TestWords words({{"On", 60}, {"1", 49}, {"May", 28, nullptr, "msg=326"}, {"2009", 49},
                   {"it", 66}, {"may", 28, nullptr, "msg=326"}, {"2", 49}, {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words["May"]->wordClass, 39);
  EXPECT_EQ(words["May"]->classCode, "D***");
  EXPECT_EQ(words["May"]->message, 0);
  EXPECT_EQ(words["may"]->wordClass, 28);
  EXPECT_EQ(words["may"]->classCode, "V0***");
}

TEST(SentencePassTest, Whilst) {
  TestWords words({{"Whilst", 70, nullptr, "msg=302"}, {"it", 66}, {"runs", 21},
                   {"whilst", 70, nullptr, "msg=302"}, {"it", 66}, {".", 48}});
  RunSentencePass();
  WordRec* first = words["Whilst"];
  EXPECT_EQ(first->suggestion, "When");
  EXPECT_EQ(first->message, 331);
  EXPECT_EQ(first->ruleId, 4672);
  EXPECT_EQ(first->classCode[0], 'B');
  EXPECT_EQ(words["whilst"]->suggestion, "while");
}

TEST(SentencePassTest, ImperativeVerbAndTheArticleOfItsNoun) {
  TestWords words({{"Check", 20, "NMS**", "msg=300 rule=1"}, {"valve", 10, nullptr, "pos=5"},
                   {"now", 50}, {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words.Changes(),
            "Check: classCode=\"V0**\" ruleId=3614\n"
            "valve: suggestion=\"the valve\" tag=\"<AR>\" message=311 ruleId=4768\n"
            "now: sentencePos=1\n"
            ".: sentencePos=2");
}

TEST(SentencePassTest, ImperativeAtTheEndOfAListWithoutSentinel) {
  TestWords words({{"Check", 20, "NMS**", "msg=300"}, {"valve", 10}}, false);
  RunSentencePass();
  EXPECT_EQ(words["Check"]->message, 300);
  EXPECT_EQ(words["valve"]->suggestion, "the valve");
}

TEST(SentencePassTest, MakeSureIsNoPhrasalVerb) {
  TestWords words({{"makes sure", 21, nullptr, "msg=315"}, {"set", 20, nullptr, "msg=315"},
                   {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words["makes sure"]->wordClass, 20);
  EXPECT_EQ(words["makes sure"]->message, 0);
  EXPECT_EQ(words["set"]->message, 315);
  EXPECT_EQ(words["set"]->ruleId, 4282);
}

TEST(SentencePassTest, ModalWordsLoseTheirVerbFlag) {
  TestWords words({{"It", 66}, {"could", 28, "NMS**", "msg=300"}, {"take", 20, "", "msg=322"}});
  RunSentencePass();
  EXPECT_EQ(words.Changes(),
            "could: classCode=\"V0S**\" message=0\n"
            "take: classCode=\"V0\" message=0");
}

TEST(SentencePassTest, NounUsedAsVerbAfterTheArticleIsANoun) {
  TestWords words({{"Open", 20}, {"service", 20, "NMS**", "msg=300 mark=1"}, {"now", 50},
                   {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words.Changes(), "service: classCode=\"NMS*\" wordClass=10 message=0");
}

TEST(SentencePassTest, NounUsedAsVerbAfterAnArticleWordIsLeftAlone) {
  // The steps stop at the quiet test before the class of the previous word.
  TestWords words({{"Open", 20}, {"a", 64}, {"service", 20, "NMS**", "msg=300"}, {"now", 50}});
  RunSentencePass();
  EXPECT_EQ(words["service"]->message, 300);
}

TEST(SentencePassTest, WrongChoices) {
  TestWords words({{"Open", 20}, {"valve", 10}, {"case", 10, "NMS**", "msg=301 sug=box(n)"},
                   {"and", 63}, {"under", 10, nullptr, "msg=301"}, {"it", 66}, {".", 48}});
  RunSentencePass();
  WordRec* cas = words["case"];
  EXPECT_EQ(cas->suggestion, "housing");
  EXPECT_EQ(cas->tag, "<AR>");
  EXPECT_EQ(cas->wordClass, 18);
  EXPECT_EQ(cas->message, 311);
  EXPECT_EQ(words["under"]->wordClass, 60);
  EXPECT_EQ(words["under"]->message, 0);
}

TEST(SentencePassTest, PronounsWordsOutsideTheDictionariesAndCutPlurals) {
  TestWords words({{"We", 66, nullptr, "msg=312"},
                   {"cm", 40, "FN***", "sub=325 msg=325 msg2=325"},
                   {"long", 30},
                   {"valve", 10, nullptr, "sep=8"},
                   {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words["We"]->message, 312);
  EXPECT_EQ(words["We"]->suggestion, "company/(Be specific)");
  EXPECT_EQ(words["We"]->ruleId, 3772);
  EXPECT_EQ(words["cm"]->message, 0);
  EXPECT_EQ(words["cm"]->wordClass, 17);
  EXPECT_EQ(words["valve"]->suggestion, "valve/valves");
  EXPECT_EQ(words["valve"]->message, 337);
}

TEST(SentencePassTest, WordFoundOnlyAsASynonymIsAnAbbreviation) {
  TestWords words({{"Use", 20}, {"approx", 40, "D***", "extra=2"}, {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words.Changes(),
            "approx: wordClass=45 subClass=309 message=309 message2=325");
}

TEST(SentencePassTest, HyphenatedWordsAndPunctuation) {
  TestWords words({{"A", 64}, {"well-known", 30, nullptr, "msg=317"}, {"part", 10},
                   {"/", 40, nullptr, "msg=337 split=6"}, {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words["well-known"]->message, 0);
  EXPECT_EQ(words["/"]->wordClass, 40);
  EXPECT_EQ(words["/"]->ruleId, 8765);
  EXPECT_EQ(words["/"]->message, 337);
}

TEST(SentencePassTest, EmptyListAndListWithoutSentinel) {
  WordList.Reset();
  RunSentencePass();
  TestWords words({{"Stop", 20}, {"blorf", 40, "FN***", "sub=325 msg=325 msg2=325 pos=4"}},
                  false);
  RunSentencePass();
  EXPECT_EQ(words["blorf"]->sentencePos, 1);
  EXPECT_EQ(words["blorf"]->message, 325);
}

}  // namespace
