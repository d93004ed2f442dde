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

// The noun that the rule gives its article is not dispatched again, but it
// still counts once: the words after it keep their places.
TEST(SentencePassTest, ImperativeVerbAndTheArticleOfItsNoun) {
  TestWords words({{"Check", 20, "NMS**", "msg=300 rule=1"}, {"valve", 10, nullptr, "pos=5"},
                   {"now", 50}, {".", 48}});
  RunSentencePass();
  EXPECT_EQ(words.Changes(),
            "Check: classCode=\"V0**\" ruleId=3614\n"
            "valve: suggestion=\"the valve\" tag=\"<AR>\" message=311 sentencePos=1 ruleId=4768\n"
            "now: sentencePos=2\n"
            ".: sentencePos=3");
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


// Runs the pass over `words` and answers what it changed.
std::string Pass(TestWords& words) {
  RunSentencePass();
  return words.Changes();
}

TEST(SentencePassRows, DictionaryCodesThatTheContextSettles) {
  TestWords after({{"It", 66}, {"is", 24}, {"closed", 22, nullptr, "sub=38"}, {".", 48},
                   {"Closed", 22, nullptr, "sub=38"}, {"it", 66}, {".", 48}});
  EXPECT_EQ(Pass(after), "closed: wordClass=30 subClass=0");

  TestWords hyphen({{"A", 64}, {"two-way", 30, nullptr, "msg=305"}, {"valve", 10}, {".", 48},
                    {"It", 66}, {"is", 24}, {"one-way", 30, nullptr, "msg=305"}, {"opens", 21}, {".", 48}});
  EXPECT_EQ(Pass(hyphen),
            "two-way: message=0\n"
            "one-way: subClass=305");

  // Roman numerals become neutral words; one letter, a slash, or a split
  // number stays a number.
  TestWords numbers({{"Part", 10}, {"iv", 49, nullptr, "msg=308"}, {"v", 49, nullptr, "msg=308"},
                     {"i/o", 49, nullptr, "msg=308"}, {"vi", 49, nullptr, "msg=308 split=4"},
                     {"ix", 40, nullptr, "msg=308"}, {".", 48}});
  EXPECT_EQ(Pass(numbers),
            "iv: classCode=\"D***\" wordClass=40 message=0\n"
            "v: subClass=308\n"
            "i/o: subClass=308\n"
            "vi: subClass=308\n"
            "ix: subClass=308");

  TestWords abbreviations({{"See", 20}, {"Fig", 40, nullptr, "msg=309"}, {"Fig.", 45, nullptr, "msg=309"},
                           {"a_b", 10, nullptr, "msg=309"}, {"xyz", 40, nullptr, "msg=309"}, {".", 48}});
  EXPECT_EQ(Pass(abbreviations),
            "Fig: suggestion=\"Figure\" tag=\"<AR>\" message=311 ruleId=3198\n"
            "Fig.: subClass=309\n"
            "a_b: classCode=\"D***\" wordClass=40 message=0\n"
            "xyz: subClass=309");

  TestWords apostrophes({{"The", 64}, {"valve", 10, nullptr, "msg=310 split=1"},
                         {"its", 10, nullptr, "msg=310"}, {".", 48}});
  EXPECT_EQ(Pass(apostrophes),
            "valve: subClass=310 message2=310 extraFlag=5\n"
            "its: subClass=310 message2=310");

  TestWords plurals({{"Two", 49}, {"valves", 10, nullptr, "msg=311"}, {"boxes", 18, nullptr, "msg=311"},
                     {"cases", 10, nullptr, "msg=311 sug=(x)"}, {"valve", 10, nullptr, "msg=311"}, {".", 48}});
  EXPECT_EQ(Pass(plurals),
            "valves: classCode=\"NM***\" wordClass=11 subClass=311\n"
            "boxes: classCode=\"NM***\" wordClass=11 subClass=311\n"
            "cases: subClass=311\n"
            "valve: subClass=311");

  TestWords modals({{"You", 66}, {"shall", 40, nullptr, "msg=330"}, {"go", 20}, {".", 48}, {"It", 66},
                    {"is", 24, nullptr, "msg=330"}, {".", 48}});
  EXPECT_EQ(Pass(modals),
            "shall: classCode=\"V0***\" wordClass=28 message=0\n"
            "is: subClass=330");
}

TEST(SentencePassRows, WordsWithoutACode) {
  TestWords words({{"Use", 20}, {"M8", 10}, {"3a", 10}, {"valve", 40, nullptr, "split=2 msg2=5"},
                   {"<internalRef/>", 40}, {"ltd", 40, nullptr, "extra=A"}, {".", 48}});
  EXPECT_EQ(Pass(words),
            "M8: wordClass=40\n"
            "3a: wordClass=40\n"
            "valve: classCode=\"NMS**\" wordClass=10 message2=0\n"
            "<internalRef/>: tag=\"<##>\" wordClass=10 subClass=326 message=326\n"
            "ltd: classCode=\"D1**\" wordClass=45");
  // A plural cut by the tokenizer offers both forms, in capitals when the
  // word is written in capitals.
  TestWords cut({{"VALVE", 40, nullptr, "sep=8"}, {".", 48}});
  EXPECT_EQ(Pass(cut), "VALVE: suggestion=\"VALVE/VALVES\" wordClass=10 subClass=337 message=337");
}

TEST(SentencePassRows, DictionarySubclass12) {
  TestWords before({{"check", 10, nullptr, "sub=12"}, {"@x", 40}}, false);
  EXPECT_EQ(Pass(before), "check: subClass=0");
  TestWords apostrophe({{"It", 66}, {"valve", 40, nullptr, "sub=12 msg=310"}, {".", 48}});
  EXPECT_EQ(Pass(apostrophe), "valve: wordClass=10 subClass=0 splitKind=2 extraFlag=5");
  TestWords abbreviation({{"Check", 10, nullptr, "sub=12"}, {"ok", 45, "D1**", "msg=309 msg2=5"}, {".", 48}});
  EXPECT_EQ(Pass(abbreviation), "ok: classCode=\"D1*3\" message=0 message2=0");
  TestWords cut({{"Clean", 20}, {"filter", 40, "DMS**", "sub=12 sep=8 msg2=7"}, {".", 48}});
  EXPECT_EQ(Pass(cut),
            "filter: suggestion=\"filter/filters\" classCode=\"NMS**\" wordClass=10 subClass=0 message=337 "
            "message2=0");
}

TEST(SentencePassRows, PronounRows) {
  TestWords words({{"Do", 20}, {"itself", 66, "S1***", "msg=312"}, {"she", 31, nullptr, "msg=312"},
                   {"one", 10, nullptr, "msg=312"}, {"it", 66, nullptr, "msg=312"}, {".", 48}});
  EXPECT_EQ(Pass(words),
            "itself: classCode=\"D1***\" wordClass=40 ruleId=4772\n"
            "she: classCode=\"D***\" wordClass=66 message=0\n"
            "one: subClass=301 message=301 message2=301\n"
            "it: subClass=312");
}

TEST(SentencePassRows, HyphenatedWordRows) {
  TestWords tag({{"Do", 20}, {"<ref>", 40, "X***", "msg=317"}, {"opens", 21}, {".", 48}});
  EXPECT_EQ(Pass(tag), "<ref>: classCode=\"D***\" message=0");
  TestWords advice({{"It", 66}, {"is", 24}, {"left-hand", 45, nullptr, "msg=317 sug=left_(Rephrase)"},
                    {"top-side", 45, nullptr, "msg=317 sug=(Top)"}, {"opens", 21}, {".", 48}});
  EXPECT_EQ(Pass(advice),
            "left-hand: wordClass=15 subClass=17\n"
            "top-side: wordClass=10 subClass=17");
  TestWords verb({{"The", 64}, {"run", 20, nullptr, "msg=317 mark=1"}, {"stops", 21}, {".", 48}});
  EXPECT_EQ(Pass(verb), "run: classCode=\"NM**\" wordClass=10 subClass=301 message=301 message2=301");
  TestWords gerund({{"A", 64}, {"testing", 23, nullptr, "msg=317"}, {"unit", 10, "NMS**"}, {".", 48},
                    {"Testing", 23, nullptr, "msg=317"}, {"opens", 21}, {".", 48},
                    {"Testing", 23, nullptr, "msg=317"}, {"unit", 10}, {".", 48}});
  EXPECT_EQ(Pass(gerund),
            "testing: classCode=\"NM***\" wordClass=10 subClass=301 message=301 message2=301\n"
            "Testing: subClass=317 message=325\n"
            "Testing: classCode=\"NM***\" wordClass=10 subClass=317 message=325");
  TestWords contraction({{"Do", 20}, {"it?s", 40, nullptr, "msg=317 extra=5"}, {"now", 50}, {".", 48}});
  EXPECT_EQ(Pass(contraction), "it?s: classCode=\"NM***\" wordClass=10 message=310 ruleId=7893");
}

TEST(SentencePassRows, WrongChoiceRows) {
  TestWords words({{"Use", 20}, {"valves", 10, "DMP**", "msg=301 extra=8"},
                   {"cross", 20, nullptr, "msg=301 extra=H"}, {"bar", 10}, {"like", 40, nullptr, "msg=301 sug=x"},
                   {"per", 60, nullptr, "msg=301"}, {"sealed", 20, nullptr, "msg=301 sug=seal(n)"},
                   {"seals", 20, nullptr, "msg=301 sug=seal(n)"}, {".", 48}});
  EXPECT_EQ(Pass(words),
            "valves: classCode=\"NMP**\" message=337 ruleId=3672\n"
            "cross: wordClass=11 message=0\n"
            "like: suggestion=\"\" wordClass=46 message=0\n"
            "per: wordClass=40 message=0\n"
            "sealed: wordClass=22 message=300 ruleId=3614\n"
            "seals: wordClass=11 message=0");
}

TEST(SentencePassRows, ModalWordsAndSplitVerbs) {
  TestWords words({{"You", 66}, {"should", 20, "V1**", "msg=300"}, {"take", 22, "V2**", "msg=322"},
                   {"it?s", 20, nullptr, "msg=300 split=1"}, {".", 48}});
  EXPECT_EQ(Pass(words),
            "should: classCode=\"V0**\" wordClass=28 message=0\n"
            "take: classCode=\"V0**\" wordClass=20 message=0\n"
            "it?s: wordClass=10 subClass=310 message=310");
}

}  // namespace
