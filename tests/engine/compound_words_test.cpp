#include "engine/compound_words.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/dict_store.h"
#include "tests/support/dict_fixture.h"
#include "tests/support/word_list_fixture.h"

namespace {

// A word that the lookup did not find, as the checks hand it over.
constexpr const char* kNotFound = "msg=325 sub=325 msg2=325";

class CompoundWord : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadTestDictionaries(
        "valve+and+pump 1014\n"
        "valve$ 1014\n"
        "pump 1014\n"
        "seat 1014\n",
        "and 63\n", "");
  }
  void TearDown() override {
    WordList.Reset();
    Dictionaries.Reset();
  }

  // Checks `written` as the only word of a sentence; returns the result.
  int Check(const char* written, std::string* changes = nullptr) {
    TestWords words({{written, 40, "FN***", kNotFound}, {".", 48}});
    int r = CheckCompoundWord(words[written], words.head());
    if (changes) *changes = words.Changes();
    return r;
  }
};

// One word checked as the only word of a sentence: the result and every
// field the check changed.
TEST_F(CompoundWord, SingleWords) {
  struct Case {
    const char* word;
    int result;
    const char* changes;
  };
  const Case cases[] = {
      // Spelled numbers; "seven" is the beginning of "seventy-", and a tens
      // word without a unit goes on to the later steps.
      {"twenty-one", 1, "twenty-one: suggestion=\"21\" tag=\"<AR>\" wordClass=49 subClass=0 message=311 message2=0"},
      {"seven-one", 1, "seven-one: suggestion=\"71\" tag=\"<AR>\" wordClass=49 subClass=0 message=311 message2=0"},
      {"twenty-ten", 1, "twenty-ten: text=\"twenty\" length=6 lastLetter=y"},
      // In any case the words are one number.
      {"Twenty-Nine", 1, "Twenty-Nine: suggestion=\"29\" tag=\"<AR>\" wordClass=49 subClass=0 message=311 message2=0"},
      // Prefixes ("an-" is the beginning of "anti-"); a first part of one
      // character or none is no prefix and no tens word.
      {"pre-set", 1, "pre-set: classCode=\"AF**\" wordClass=30 subClass=319 message=319 message2=0"},
      {"an-xyz", 1, "an-xyz: classCode=\"AF**\" wordClass=30 subClass=319 message=319 message2=0"},
      {"hi-fi", 1, "hi-fi: classCode=\"AF**\" wordClass=30 subClass=319 message=319 message2=0"},
      {"e-mail", 1, "e-mail: text=\"e\" written=\"e\" classCode=\"D***\" subClass=0 message=0 message2=0 sentencePos=1 length=1 splitKind=4 lastLetter=e\n"
       "+mail: text=\"mail\" written=\"mail\" wordClass=0 sentencePos=1 length=4 ruleId=888 splitKind=4 lastLetter=l separatorFlag=- dictMarker=NUL pluralMarker=NUL"},
      {"t-bolt", 1, "t-bolt: text=\"t\" written=\"t\" classCode=\"D***\" subClass=0 message=0 message2=0 sentencePos=1 length=1 splitKind=4\n"
       "+bolt: text=\"bolt\" written=\"bolt\" wordClass=0 sentencePos=1 length=4 ruleId=888 splitKind=4 lastLetter=t separatorFlag=- dictMarker=NUL pluralMarker=NUL"},
      {"-xyz", 1, ""},
      // Approved words: the rows go top-down ("on-" would give "on/has"), and
      // one may end in its hyphen.
      {"non-stick", 1,
       "non-stick: suggestion=\"(not)\" classCode=\"DN***\" subClass=314 message=314 message2=0 ruleId=4152 separatorFlag=NUL"},
      {"run-up", 1,
       "run-up: suggestion=\"(Decrease or increase - speed or time)\" classCode=\"DN***\" subClass=301 message=301 message2=0 ruleId=4152 separatorFlag=NUL"},
      {"turn-on", 1, "turn-on: classCode=\"DN***\" subClass=0 message=0 message2=0 ruleId=4152 separatorFlag=NUL"},
      {"snug-fits", 1,
       "snug-fits: suggestion=\"hand tighten/tight/(Give torque value)\" classCode=\"DN***\" wordClass=11 subClass=317 message=317 message2=0 ruleId=4152 separatorFlag=NUL"},
      {"first-in", 1,
       "first-in: classCode=\"DN***\" wordClass=10 subClass=0 message=0 message2=0 ruleId=4152 separatorFlag=NUL"},
      {"on-screen", 1,
       "on-screen: suggestion=\"shown on the screen\" classCode=\"DN***\" subClass=301 message=301 message2=0 ruleId=4152 separatorFlag=NUL"},
      {"pop-", 1,
       "pop-: suggestion=\"show/pop-up menu\" classCode=\"DN***\" subClass=301 message=301 message2=0 ruleId=4152 separatorFlag=NUL"},
      // Left alone, or given a class that replaces the lookup's not-found
      // finding; a hyphen at the end leaves no second part to split off.
      {"left-hand-side", 1, ""},
      {"abcdefghijklmnopqrstu-vwxyz", 1, ""},
      {"a-b", 4, ""},
      {"abcd", -1, ""},
      {"m3-pipe", 1, "m3-pipe: splitKind=4"},
      {"lead-free", 6, "lead-free: classCode=\"AF**\" wordClass=30 subClass=0 message=0 message2=0"},
      {"ABC-DEF", 1, ""},
      {"x-Ray", 1, ""},
      {"valve-", 1, ""},
      // Slashes.
      {"open/close", 1,
       "open/close: suggestion=\"(Use [or] for slash)\" classCode=\"D**\" subClass=0 message=337 message2=0 ruleId=7558"},
      {"from/to", 1, "from/to: suggestion=\"(Use [or] for slash)\" subClass=0 message=337 message2=0 ruleId=5558"},
      {"kg/m", 1, "kg/m: classCode=\"D***\" wordClass=17 subClass=0 message=0 message2=0"},
      {"AC/DC", 1, "AC/DC: classCode=\"D***\" subClass=0 message=0 message2=0"},
      {"a/bcd", 4, ""},
  };
  for (const Case& c : cases) {
    std::string changes;
    EXPECT_EQ(Check(c.word, &changes), c.result) << c.word;
    EXPECT_EQ(changes, c.changes) << c.word;
  }
}

TEST_F(CompoundWord, SlashesLeftToOtherSteps) {
  TestWords sep({{"x/yz", 40, nullptr, "sep=S"}});
  EXPECT_EQ(CheckCompoundWord(sep.head(), nullptr), 4);
  TestWords unit({{"lb/in", 17}});
  EXPECT_EQ(CheckCompoundWord(unit.head(), nullptr), 4);
  EXPECT_EQ(CheckCompoundWord(nullptr, nullptr), -1);
}

TEST_F(CompoundWord, SplitsACompoundOfDictionaryWords) {
  TestWords words({{"Open", 20}, {"valve-Seat", 40, "FN***", kNotFound}, {"now", 50}});
  EXPECT_EQ(CheckCompoundWord(words["valve-Seat"], words.head()), 1);
  EXPECT_EQ(words.Written(), "Open valve Seat now @@END");
  WordRec* valve = words["valve"];
  EXPECT_EQ(valve->text, "valve");
  EXPECT_EQ(valve->wordClass, 10);
  EXPECT_EQ(valve->message, 0);
  EXPECT_EQ(valve->splitKind, '4');
  WordRec* seat = valve->next;
  EXPECT_EQ(seat->prev, valve);
  EXPECT_EQ(seat->next, words["now"]);
  EXPECT_EQ(words["now"]->prev, seat);
  EXPECT_EQ(DiffFields(WordRec{}, *seat), "text=\"seat\" written=\"Seat\" wordClass=0 sentencePos=1 "
            "length=4 ruleId=888 splitKind=4 lastLetter=t caseFlag=1 separatorFlag=- dictMarker=NUL "
            "pluralMarker=NUL");
}

TEST_F(CompoundWord, TheLookupOfTheFirstPartConsumesNoFollowingWord) {
  // "valve and pump" is an entry; the words after "valve-seat" stay as they are.
  TestWords words({{"valve-seat", 40, "FN***", kNotFound}, {"and", 63}, {"pump", 10}, {".", 48}});
  EXPECT_EQ(CheckCompoundWord(words.head(), words.head()), 1);
  EXPECT_EQ(words.Written(), "valve seat and pump . @@END");
  EXPECT_EQ(words.head()->text, "valve");
  EXPECT_EQ(words.head()->weight, 1);
  // The first word takes the position of the word after it.
  EXPECT_EQ(words.head()->sentencePos, 1);
}

TEST_F(CompoundWord, AFirstPartOutsideTheDictionaries) {
  std::string changes;
  TestWords words({{"Open", 20}, {"xyzzy-seat", 40, "FN***", kNotFound}, {"now", 50}});
  EXPECT_EQ(CheckCompoundWord(words["xyzzy-seat"], words.head()), 1);
  EXPECT_EQ(words.Changes(), "xyzzy-seat: text=\"xyzzy\" length=5 lastLetter=y");
  EXPECT_EQ(words.Written(), "Open xyzzy-seat now @@END");
}

// The outcomes of the approved hyphenated words, by their letters.
TEST_F(CompoundWord, ApprovedWordOutcomes) {
  struct Outcome {
    const char* word;
    int wordClass;
    const char* suggestion;
    int message;
  };
  const Outcome outcomes[] = {
      // "come-along": class unchanged.
      {"back-up", 40, "", 317}, {"come-along", 40, "", 0}, {"from-end", 10, "from xx to xxx", 301},
      {"follow-on", 10, "", 301}, {"hand-held", 10, "small", 314}, {"hook-up", 10, "connect/connection", 314},
      {"in-range", 30, "(Give range or limit)", 305}, {"log-out", 40, "login", 301},
      {"left-right", 40, "left/left side", 301}, {"lead-in", 40, "first/(Rephrase)", 301},
      {"lb-in", 40, "in.-lb", 301}, {"newton-meter", 40, "N.m", 314}, {"no-go", 40, "(Rephrase)", 314},
      // Advice for the prefix alone is a hint: put in, it would drop the rest of the word.
      {"on-board", 40, "(on)/(has)", 301}, {"off-road", 40, "(not on)/(does not have)", 301},
      {"non-metallic", 40, "(not)", 314}, {"one-time", 40, "", 0}, {"roll-out", 40, "move", 301},
      {"re-used", 40, "used again/can be used again/use xxx again", 301}, {"right-hand", 40, "", 301},
      {"shut-off", 40, "", 317}, {"sub-zero", 40, "", 317}, {"turn-off", 40, "", 0},
  };
  for (const Outcome& o : outcomes) {
    TestWords words({{o.word, 40, "FN***", kNotFound}, {".", 48}});
    EXPECT_EQ(CheckCompoundWord(words[o.word], words.head()), 1) << o.word;
    const WordRec* w = words[o.word];
    EXPECT_EQ(std::to_string(w->wordClass) + " " + w->suggestion.str() + " " + std::to_string(w->message) + " " +
                  std::to_string(w->subClass) + " " + std::to_string(w->message2) + " " + std::to_string(w->ruleId) +
                  " " + w->classCode.str(),
              std::to_string(o.wordClass) + " " + o.suggestion + " " + std::to_string(o.message) + " " +
                  std::to_string(o.message) + " 0 4152 DN***")
        << o.word;
  }
}

TEST(InsertWordAfter, NewRecordFields) {
  TestWords words({{"and", 63, nullptr, "pos=3"}}, false);
  ASSERT_EQ(InsertWordAfter("OR", "OR", '/', words.head()), 0);
  WordRec* w = words.head()->next;
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WordList.tail, w);
  EXPECT_EQ(w->prev, words.head());
  EXPECT_EQ(w->next, nullptr);
  EXPECT_EQ(DiffFields(WordRec{}, *w), "text=\"or\" written=\"OR\" wordClass=0 sentencePos=3 length=2 ruleId=888 "
            "splitKind=6 lastLetter=r caseFlag=2 separatorFlag=9 dictMarker=NUL pluralMarker=NUL");
  ASSERT_EQ(InsertWordAfter("x", "X", '-', words.head()), 0);
  EXPECT_EQ(words.head()->next->classCode, "D*****");
  EXPECT_EQ(words.head()->next->caseFlag, '1');
  EXPECT_EQ(words.head()->next->next, w);
  EXPECT_EQ(w->prev, words.head()->next);
  ASSERT_EQ(InsertWordAfter("", "", '-', w), 0);
  EXPECT_EQ(w->next->lastLetter, '\0');
  std::string longText(120, 'q');
  ASSERT_EQ(InsertWordAfter(longText.c_str(), longText.c_str(), '-', w), 0);
  EXPECT_EQ(w->next->text.length(), 83u);
  EXPECT_EQ(InsertWordAfter("x", "x", '-', nullptr), -1);
}

TEST(WriteCompoundNumber, TwoDigits) {
  WordRec w;
  w.suggestion = "old text";
  EXPECT_EQ(WriteCompoundNumber(&w, 0, 0), 1);
  EXPECT_EQ(w.suggestion, "21");
  WriteCompoundNumber(&w, 7, 8);
  std::string out = w.suggestion.str();
  WriteCompoundNumber(&w, 8, 2);  // no tens digit for index 8: the first stays
  out += " " + w.suggestion.str();
  WriteCompoundNumber(&w, 1, 9);  // no unit digit for index 9: the second stays
  EXPECT_EQ(out + " " + w.suggestion.str(), "99 93 33");
  EXPECT_EQ(WriteCompoundNumber(nullptr, 0, 0), 1);
}

}  // namespace
