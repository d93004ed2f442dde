#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "rules/main_pass/sentence_state.h"
#include "tests/rules/rule_cases.h"
#include "tests/support/word_list_fixture.h"

namespace {

class Particle : public ::testing::Test {
 protected:
  void SetUp() override {
    SentenceState.Reset();
    SentenceState.sentenceWordCount = 9;
  }
  void TearDown() override { SentenceState.Reset(); }
};

using OffPhrase = Particle;
using OnPhrase = Particle;

TEST_F(Particle, SharedFirstStepsMakeAPlainPreposition) {
  for (auto check : {CheckOffPhrase, CheckOnPhrase}) {
    for (int cls : {20, 22, 31, 57, 78, 49, 64}) {
      TestWords words({{"Put", 20}, {"it", 66}, {"on", 61}, {"x", cls}});
      check(words["on"], SentenceState);
      EXPECT_EQ(words.Changes(), "on: wordClass=40") << cls;
    }
    TestWords marked({{"Put", 20}, {"on", 61}, {"cover", 10, nullptr, "mark=1"}});
    check(marked["on"], SentenceState);
    EXPECT_EQ(marked.Changes(), "on: wordClass=40");
    TestWords noun({{"Put", 20}, {"on", 61}, {"cover", 10}});
    check(noun["on"], SentenceState);
    EXPECT_EQ(noun.Changes(), "on: wordClass=40");
    TestWords adjective({{"Put", 20}, {"on", 61}, {"x", 40, "AF****"}});
    check(adjective["on"], SentenceState);
    EXPECT_EQ(adjective.Changes(), "on: wordClass=40");
    TestWords position({{"Put", 20}, {"on", 61}, {"position", 40}});
    check(position["on"], SentenceState);
    EXPECT_EQ(position.Changes(), "on: wordClass=40");
    TestWords special({{"Put", 20}, {"ON", 61, nullptr, "token=9"}, {"and", 63}});
    check(special["ON"], SentenceState);
    EXPECT_EQ(special.Changes(), "ON: wordClass=40");
    TestWords bracket({{"Put", 20}, {"ON", 61}, {")", 44}});
    check(bracket["ON"], SentenceState);
    EXPECT_EQ(bracket.Changes(), "ON: wordClass=40");
    // Quantifiers and split compounds: nothing at all.
    TestWords quantifier({{"Put", 20}, {"on", 61}, {"all", 38}});
    check(quantifier["on"], SentenceState);
    EXPECT_EQ(quantifier.Changes(), "");
    TestWords split({{"Put", 20}, {"on", 61, nullptr, "split=4"}, {"and", 63}});
    check(split["on"], SentenceState);
    EXPECT_EQ(split.Changes(), "");
    TestWords bare({{"on", 61}}, false);
    check(bare["on"], SentenceState);
    EXPECT_EQ(bare.Changes(), "");
    check(nullptr, SentenceState);
  }
}

TEST_F(Particle, LabelWords) {
  TestWords off({{"Set", 20}, {"off", 61}, {"switch", 21}});
  CheckOffPhrase(off["off"], SentenceState);
  EXPECT_EQ(off.Changes(),
            "off: suggestion=\"OFF position/in the OFF position\" message=323 ruleId=8466 verbForm=X");
  TestWords caps({{"Set", 20}, {"OFF", 61}, {"switch", 21}});
  CheckOffPhrase(caps["OFF"], SentenceState);
  EXPECT_EQ(caps.Changes(), "OFF: wordClass=40\nswitch: wordClass=40");
  TestWords capsSignal({{"Set", 20}, {"OFF", 61}, {"signal", 21}});
  CheckOffPhrase(capsSignal["OFF"], SentenceState);
  EXPECT_EQ(capsSignal.Changes(), "OFF: wordClass=40");
  TestWords contact({{"Stop", 20}, {"on", 61}, {"contact", 21}, {"x", 40}});
  CheckOnPhrase(contact["on"], SentenceState);
  EXPECT_EQ(contact.Changes(),
            "on: suggestion=\"when touch/if touched\" message=324 entryWords=2 ruleId=8466\n"
            "contact: wordClass=40");
  TestWords key({{"Stop", 20}, {"on", 61}, {"key", 21}});
  CheckOnPhrase(key["on"], SentenceState);
  EXPECT_EQ(key["on"]->suggestion, "ON position/in the ON position");
  EXPECT_EQ(key["on"]->verbForm, 'X');
}

TEST_F(OffPhrase, IndicatorsAtTheSentenceEnd) {
  TestWords lamp({{"Make", 20}, {"sure", 30}, {"that", 70}, {"lamp", 10}, {"off", 61}, {".", 48}});
  CheckOffPhrase(lamp["off"], SentenceState);
  EXPECT_EQ(lamp.Changes(),
            "off: suggestion=\"not illuminated\" message=331 ruleId=7261 verbForm=X");
  TestWords alarm({{"Make", 20}, {"sure", 30}, {"that", 70}, {"alarm", 10}, {"off", 61}, {".", 48}});
  CheckOffPhrase(alarm["off"], SentenceState);
  EXPECT_EQ(alarm["off"]->suggestion, "not activated");
  TestWords sw({{"Make", 20}, {"sure", 30}, {"switch", 10}, {"is", 40}, {"off", 61}, {".", 48}});
  CheckOffPhrase(sw["off"], SentenceState);
  EXPECT_EQ(sw["off"]->suggestion, "OFF position/disconnect");
  EXPECT_EQ(sw["off"]->message, 323);
}

TEST_F(OffPhrase, WordsBefore) {
  TestWords their({{"Put", 20}, {"their", 66}, {"off", 61}, {"and", 63}});
  CheckOffPhrase(their["off"], SentenceState);
  EXPECT_EQ(their.Changes(), "off: message=331 ruleId=4475");
  TestWords went({{"It", 66}, {"went", 21}, {"off", 61}, {"and", 63}});
  CheckOffPhrase(went["off"], SentenceState);
  EXPECT_EQ(went["off"]->suggestion, "not illuminated/disconnected/moved");
  EXPECT_EQ(went["off"]->ruleId, 6475);
}

TEST_F(OffPhrase, TheIndicatorAdviceNamesTheIndicator) {
  TestWords words({{"Make", 20}, {"LED", 10}, {"go", 20}, {"off", 61}, {"now", 40}});
  CheckOffPhrase(words["off"], SentenceState);
  EXPECT_EQ(words.Changes(), "off: suggestion=\"LED not illuminated\" message=324 ruleId=4475");
  std::string longName = "led" + std::string(80, 'x');
  TestWords longWords({{"Make", 20}, {longName.c_str(), 10}, {"go", 20}, {"off", 61}, {"now", 40}});
  CheckOffPhrase(longWords["off"], SentenceState);
  EXPECT_EQ(longWords["off"]->suggestion.length(), 79u);
}

TEST_F(OffPhrase, VerbsThatTakeOff) {
  TestWords turn({{"Turn", 20}, {"off", 61, nullptr, "case=1"}, {".", 48}});
  CheckOffPhrase(turn["off"], SentenceState);
  EXPECT_EQ(turn.Changes(),
            "Turn: suggestion=\"in the OFF position/to OFF position/disconnected\" message=302 "
            "entryWords=2 ruleId=7318\noff: caseFlag=0");
}

TEST_F(OffPhrase, WordsAfter) {
  TestWords andOn({{"Put", 20}, {"off", 61}, {"and", 63}, {"on", 61}, {"x", 40}});
  CheckOffPhrase(andOn["off"], SentenceState);
  EXPECT_EQ(andOn["off"]->suggestion, "(Give position or switch name)");
  EXPECT_EQ(andOn["off"]->entryWords, 3);
  EXPECT_EQ(andOn["on"]->wordClass, 40);
  TestWords ground({{"Put", 20}, {"off", 61}, {"ground", 21}});
  CheckOffPhrase(ground["off"], SentenceState);
  EXPECT_EQ(ground["off"]->suggestion, "above");
  TestWords adverb({{"Put", 20}, {"off", 61}, {"slowly", 50}});
  CheckOffPhrase(adverb["off"], SentenceState);
  EXPECT_EQ(adverb.Changes(), "slowly: message=333 ruleId=1482");
  TestWords thenOn({{"Put", 20}, {"off", 61}, {"then", 50}, {"on", 61}});
  CheckOffPhrase(thenOn["off"], SentenceState);
  EXPECT_EQ(thenOn.Changes(), "then: message=333 ruleId=148");  // an adverb here
}

TEST_F(OffPhrase, FirstWordOfASentence) {
  TestWords end({{"off", 61}, {".", 48}});
  CheckOffPhrase(end["off"], SentenceState);
  EXPECT_EQ(end.Changes(),
            "off: suggestion=\"OFF position/in the OFF position\" tag=\"<*->\" message=323 ruleId=4618");
  TestWords caps({{"OFF", 61}, {".", 48}});
  CheckOffPhrase(caps["OFF"], SentenceState);
  EXPECT_EQ(caps.Changes(), "");
  TestWords other({{"Off", 61}, {"and", 63}, {"x", 40}});
  CheckOffPhrase(other["Off"], SentenceState);
  EXPECT_EQ(other.Changes(), "Off: message=331 ruleId=4218");
  SentenceState.sentenceWordCount = 3;
  TestWords shortOne({{"Off", 61}, {"and", 63}});
  CheckOffPhrase(shortOne["Off"], SentenceState);
  EXPECT_EQ(shortOne.Changes(), "");
}

TEST_F(OnPhrase, SwitchedOnAndOff) {
  TestWords words({{"It", 66}, {"switched", 22}, {"on", 61}, {"and", 63}, {"off", 61}, {".", 48}});
  CheckOnPhrase(words["on"], SentenceState);
  EXPECT_EQ(words.Changes(),
            "on: suggestion=\"from ON position to OFF position\" message=323 entryWords=3 ruleId=2466 "
            "verbForm=X\nand: wordClass=40\noff: wordClass=40");
}

TEST_F(OnPhrase, WordsBefore) {
  TestWords be({{"It", 66}, {"is", 24}, {"on", 61}, {".", 48}});
  CheckOnPhrase(be["on"], SentenceState);
  EXPECT_EQ(be.Changes(), "on: suggestion=\"in operation/ON position/(Rephrase)\" message=323 ruleId=6466");
  TestWords turn({{"Turn", 20}, {"on", 61, nullptr, "msg=331 sub=331"}, {".", 48}});
  CheckOnPhrase(turn["on"], SentenceState);
  EXPECT_EQ(turn.Changes(),
            "Turn: suggestion=\"in the ON position/connected/connect\" message=300 entryWords=2 "
            "ruleId=4475\non: subClass=0 message=0");
  TestWords andVerb({{"Stop", 20}, {"and", 63}, {"on", 61}, {",", 47}});
  CheckOnPhrase(andVerb["on"], SentenceState);
  EXPECT_EQ(andVerb["and"]->suggestion, "do .../(Rephrase)");
  TestWords stays({{"It", 66}, {"stays", 21}, {"on", 61}, {",", 47}});
  CheckOnPhrase(stays["on"], SentenceState);
  EXPECT_EQ(stays["stays"]->suggestion, "illuminate/illuminates/hold");
  EXPECT_EQ(stays["stays"]->ruleId, 5494);
}

TEST_F(OnPhrase, IngWordsAfterOn) {
  TestWords words({{"Stop", 20}, {"it", 66}, {"on", 61}, {"opening", 23, nullptr, "plural=0"},
                   {"x", 40}});
  SentenceState.subjectNumber = -1;
  CheckOnPhrase(words["on"], SentenceState);
  EXPECT_EQ(SentenceState.subjectNumber, 1);
  EXPECT_EQ(words["on"]->suggestion, "when you open/open");
  EXPECT_EQ(words["on"]->ruleId, 1675);
  EXPECT_EQ(words["on"]->entryWords, 2);
  EXPECT_EQ(words["opening"]->wordClass, 40);
  TestWords early({{"Stop", 20}, {"on", 61}, {"opening", 23}, {"x", 40}});
  CheckOnPhrase(early["on"], SentenceState);
  EXPECT_EQ(early.Changes(),
            "on: suggestion=\"(To + infinitive)\" extraFlag=W\nopening: message=338 ruleId=5564");
}

TEST_F(OnPhrase, RangesIndicatorsAndPositions) {
  TestWords range({{"Stop", 20}, {"on", 61}, {"or", 63}, {"about", 60}, {"x", 40}});
  CheckOnPhrase(range["on"], SentenceState);
  EXPECT_EQ(range["on"]->suggestion, "(Give range)");
  EXPECT_EQ(range["on"]->ruleId, 6317);
  TestWords capsRange({{"Stop", 20}, {"ON", 61}, {"or", 63}, {"about", 60}, {"x", 40}});
  CheckOnPhrase(capsRange["ON"], SentenceState);
  EXPECT_NE(capsRange["ON"]->ruleId, 6317);

  TestWords lamp({{"Make", 20}, {"sure", 30}, {"the", 64}, {"lamp", 10}, {"on", 61}, {"x", 40}});
  CheckOnPhrase(lamp["on"], SentenceState);
  EXPECT_EQ(lamp.Changes(), "on: suggestion=\"illuminated\" message=324 ruleId=3319");
  TestWords lamp2({{"Make", 20}, {"sure", 30}, {"lamp", 10}, {"x", 40}, {"on", 61}, {"y", 40}});
  CheckOnPhrase(lamp2["on"], SentenceState);
  EXPECT_EQ(lamp2["on"]->ruleId, 4319);

  TestWords orOff({{"Set", 20}, {"on", 61}, {"or", 63}, {"off", 61}, {"x", 40}, {"y", 40},
                   {"z", 40}});
  CheckOnPhrase(orOff["on"], SentenceState);
  EXPECT_EQ(orOff["on"]->suggestion, "the ON position and OFF position");
  EXPECT_EQ(orOff["on"]->ruleId, 5464);

  TestWords fromTo({{"Go", 20}, {"from", 60}, {"on", 61}, {"to", 68}, {"off", 61}});
  CheckOnPhrase(fromTo["on"], SentenceState);
  EXPECT_EQ(fromTo["on"]->suggestion, "the ON position to OFF position");
  EXPECT_EQ(fromTo["on"]->ruleId, 3593);
}

TEST_F(OnPhrase, WordsAfterOnThatTellTheMeaning) {
  TestWords being({{"Stop", 20}, {"on", 61}, {"being", 23}, {"told", 22}, {".", 48}});
  CheckOnPhrase(being["on"], SentenceState);
  EXPECT_EQ(being["on"]->suggestion, "when/(Rephrase)");
  EXPECT_EQ(being["on"]->message, 338);
  EXPECT_EQ(being["on"]->ruleId, 6352);

  TestWords caps({{"Set", 20}, {"it", 66}, {"to", 68}, {"ON", 61}, {"to", 68}, {"x", 40}, {".", 48}});
  CheckOnPhrase(caps["ON"], SentenceState);
  EXPECT_EQ(caps.Changes(), "ON: suggestion=\"the ON position\" message=323 ruleId=5468 verbForm=X");
}

TEST_F(OnPhrase, FirstWordOfASentence) {
  TestWords forWord({{"On", 61}, {"for", 60}, {"x", 40}});
  CheckOnPhrase(forWord["On"], SentenceState);
  EXPECT_EQ(forWord.Changes(),
            "On: suggestion=\"ON position/in the ON position\" message=323 ruleId=2466 verbForm=X");
  TestWords orOff({{"On", 61}, {"or", 63}, {"off", 61}});
  SentenceState.sentenceWordCount = 3;
  CheckOnPhrase(orOff["On"], SentenceState);
  EXPECT_EQ(orOff["On"]->suggestion, "ON or OFF");
  EXPECT_EQ(orOff["On"]->entryWords, 3);
  TestWords stop({{"ON", 61}, {".", 48}});
  SentenceState.sentenceWordCount = 9;
  CheckOnPhrase(stop["ON"], SentenceState);
  EXPECT_EQ(stop.Changes(), "");
  TestWords other({{"On", 61}, {"after", 60}});
  CheckOnPhrase(other["On"], SentenceState);
  EXPECT_EQ(other.Changes(), "On: message=331 ruleId=8718");
  SentenceState.sentenceWordCount = 3;
  TestWords shortOne({{"On", 61}, {"after", 60}});
  CheckOnPhrase(shortOne["On"], SentenceState);
  EXPECT_EQ(shortOne.Changes(), "");
}

// The tables of "on" in the order the rule tries them, and "on contact"
// of the shared first steps.
TEST(OnPhraseRows, EveryRowReached) {
  {
    static const RowCase kCases[] = {
        {"Turn/20 on/61{msg=331 sub=331} ./48", "on", 0,
         "Turn: suggestion=\"in the ON position/connected/connect\" message=300 entryWords=2 ruleId=4475\n"
         "on: subClass=0 message=0"},
        {"It/66 focus/40 on/61 zz/40 ./48", "on", 1, nullptr},
        {"It/66 loop/40 on/61 zz/40 ./48", "on", 2, nullptr},
    };
    RunRowCases(VerbsOnRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 only/40 on/61 zz/40 ./48", "on", 0, nullptr},
        {"It/66 place/40 on/61 zz/40 ./48", "on", 1, nullptr},
        {"Set/20 power/10 on/61 ,/47", "on", 2,
         "power: suggestion=\"power applied/power switch in ON position\""
         " message=302 entryWords=2 ruleId=7476"},
        {"It/66 stated/40 on/61 zz/40 ./48", "on", 3, nullptr},
        {"It/66 ship/40 on/61 zz/40 ./48", "on", 4, nullptr},
        {"It/66 switch/40 on/61 zz/40 ./48", "on", 5, nullptr},
        {"It/66 voltage/40 on/61 zz/40 ./48", "on", 6, nullptr},
        {"It/66 work/40 on/61 zz/40 ./48", "on", 7, nullptr},
        {"It/66 tolerance/40 on/61 zz/40 ./48", "on", 8, nullptr},
        {"It/66 rest/40 on/61 zz/40 ./48", "on", 9, nullptr},
        {"It/66 act/40 on/61 zz/40 ./48", "on", 10, nullptr},
        {"It/66 based/40 on/61 zz/40 ./48", "on", 11, nullptr},
        {"It/66 build/40 on/61 zz/40 ./48", "on", 12, nullptr},
        {"It/66 came/40 on/61 zz/40 ./48", "on", 13, nullptr},
        {"It/66 center/40 on/61 zz/40 ./48", "on", 14, nullptr},
        {"It/66 data/40 on/61 zz/40 ./48", "on", 15, nullptr},
        {"It/66 engine/40 on/61 zz/40 ./48", "on", 16, nullptr},
        {"It/66 effect/40 on/61 zz/40 ./48", "on", 17, nullptr},
        {"It/66 information/40 on/61 zz/40 ./48", "on", 18, nullptr},
        {"It/66 jump/40 on/61 zz/40 ./48", "on", 19, nullptr},
        {"It/66 level/40 on/61 zz/40 ./48", "on", 20, nullptr},
        {"It/66 low/40 on/61 zz/40 ./48", "on", 21, nullptr},
        {"It/66 flat/40 on/61 zz/40 ./48", "on", 22, nullptr},
        {"It/66 key_switch/40 on/61 zz/40 ./48", "on", 23, nullptr},
        {"It/66 remains/21 on/61 ,/47", "on", 9, "remains: suggestion=\"is on/are on/stay on\" message=302 entryWords=2 ruleId=7476"},
    };
    RunRowCases(TakesOnRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Stop/20 on/61 right/43{mark=1} opens/21 ./48", "on", 0,
         "right: suggestion=\"right side\" wordClass=40 message=320 ruleId=8418"},
        {"Stop/20 on/61 left/43{mark=1} opens/21 ./48", "on", 1, nullptr},
        {"Stop/20 on/61 end/40 ./48", "on", 2,
         "on: suggestion=\"on the end/on one end\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 battery/40 ./48", "on", 3,
         "on: suggestion=\"(Rephrase for subj. power)\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 flight/40 ./48", "on", 4,
         "on: suggestion=\"during the flight\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 duty/40 ./48", "on", 5,
         "on: suggestion=\"in position/at xxx/(Rephrase)\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 end/40 of/67 ./48", "on", -1, ""},
        {"on/61 end/40 now/50 ./48", "on", -1, ""},
    };
    RunRowCases(OnSideOrPlaceRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Hold/20 on/61{msg=331} ,/47", "on", 0,
         "Hold: suggestion=\"hold/continue to hold\" message=315 entryWords=2 ruleId=3716\n"
         "on: message=0"},
        {"It/66 check/40 on/61 zz/40 ./48", "on", 1, nullptr},
        {"It/66 toggle/40 on/61 zz/40 ./48", "on", 2, nullptr},
        {"It/66 live/40 on/61 zz/40 ./48", "on", 3, nullptr},
        {"It/66 marked/40 on/61 zz/40 ./48", "on", 4, nullptr},
        {"It/66 lights/40 on/61 zz/40 ./48", "on", 5, nullptr},
        {"It/66 climb/40 on/61 zz/40 ./48", "on", 6, nullptr},
        {"It/66 continu/40 on/61 zz/40 ./48", "on", 7, nullptr},
        {"It/66 put/40 on/61 zz/40 ./48", "on", 8, nullptr},
        {"It/66 notice/40 on/61 zz/40 ./48", "on", 9, nullptr},
        {"It/66 schedule/40 on/61 zz/40 ./48", "on", 10, nullptr},
        {"It/66 call/40 on/61 zz/40 ./48", "on", 11, nullptr},
        {"It/66 issue/40 on/61 zz/40 ./48", "on", 12, nullptr},
        {"It/66 spot/40 on/61 zz/40 ./48", "on", 13, nullptr},
        {"It/66 volume/40 on/61 zz/40 ./48", "on", 14, nullptr},
        {"Turn/20 it/66 on/61 ,/47", "on", 15, nullptr},
        {"Use/20 them/66 on/61 ,/47", "on", 16,
         "on: suggestion=\"(Give the item name)\" message=320 ruleId=7464"},
        {"It/66 been/40 on/61 zz/40 ./48", "on", 17, nullptr},
        {"It/66 switches/40 on/61 zz/40 ./48", "on", 18, nullptr},
        {"It/66 appear/40 on/61 zz/40 ./48", "on", 19, nullptr},
        {"It/66 high/40 on/61 zz/40 ./48", "on", 20, nullptr},
        {"It/66 rely/40 on/61 zz/40 ./48", "on", 21, nullptr},
        {"It/66 depend/40 on/61 zz/40 ./48", "on", 22, nullptr},
        {"It/66 resid/40 on/61 zz/40 ./48", "on", 23, nullptr},
        {"It/66 advise/40 on/61 zz/40 ./48", "on", 24, nullptr},
        {"It/66 click/40 on/61 zz/40 ./48", "on", 25, nullptr},
        {"It/66 illuminate/40 on/61 zz/40 ./48", "on", 26, nullptr},
        {"It/66 included/40 on/61 zz/40 ./48", "on", 27, nullptr},
        {"It/66 trained/40 on/61 zz/40 ./48", "on", 28, nullptr},
        {"It/66 present/40 on/61 zz/40 ./48", "on", 29, nullptr},
        {"It/66 agreed/40 on/61 zz/40 ./48", "on", 30, nullptr},
        {"It/66 begin/40 on/61 zz/40 ./48", "on", 31, nullptr},
        {"It/66 insist/40 on/61 zz/40 ./48", "on", 32, nullptr},
        {"It/66 from/40 on/61 to/68 ./48", "on", 33, nullptr},
        {"Stop/20 on/61 and/40 under/40 ./48", "on", 34, nullptr},
        {"Stop/20 on/61 //40 off/40 ./48", "on", 35, nullptr},
        {"Stop/20 on/61 off/40 ./48", "on", 36, nullptr},
        {"Move/20 on/61 to/68 x/40", "on", 37,
         "on: suggestion=\"onto\" message=311 entryWords=2 ruleId=5464"},
        {"Stop/20 on/61 again/40 ./48", "on", 38, nullptr},
        {"Stop/20 on/61 whether/40 ./48", "on", 39, nullptr},
        {"Stop/20 on/61 when/70 ./48", "on", 40,
         "when: message=313 ruleId=3428"},
        {"Put/20 them/66 on/61 ,/47", "on", 15, nullptr},
    };
    RunRowCases(OnPhraseRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Stop/20 on/61 contact/40 ./48", "on", 0,
         "on: suggestion=\"when touch/if touched\" message=324 entryWords=2 ruleId=8466"},
        {"Stop/20 on/61 command/40 ./48", "on", 1,
         "on: suggestion=\"from a command\" message=324 entryWords=2 ruleId=8466"},
    };
    RunRowCases(OnContactRows(), kCases);
  }
}

// The tables of "off" in the order the rule tries them.
TEST(OffPhraseRows, EveryRowReached) {
  {
    static const RowCase kCases[] = {
        {"The/40 light/10 is/24 off/61 ./48", "off", 0,
         "off: suggestion=\"not illuminated\" message=324 ruleId=4475"},
        {"It/66 is/24 off/61 ,/47", "off", 1,
         "off: suggestion=\"not in operation/stopped\" message=324 ruleId=4475"},
    };
    RunRowCases(OffAfterBeOrHaveRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 were/40 off/61 zz/40 ./48", "off", 0,
         "were: suggestion=\"are not illuminated/are disconnected\" message=323 ruleId=6475"},
        {"It/66 was/40 off/61 zz/40 ./48", "off", 1,
         "was: suggestion=\"is not illuminated/is disconnected\" message=323 ruleId=6475"},
    };
    RunRowCases(WasOffRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 lift/40 off/61 zz/40 ./48", "off", 0, nullptr},
        {"It/66 remain/40 off/61 zz/40 ./48", "off", 1, nullptr},
        {"It/66 mark/40 off/61 zz/40 ./48", "off", 2, nullptr},
        {"It/66 just/50 off/61 ./48", "off", 3,
         "just: message=302 entryWords=2 ruleId=7318"},
        {"It/66 switch/40 off/61 zz/40 ./48", "off", 4, nullptr},
        {"It/66 turning/40 off/61 zz/40 ./48", "off", 5, nullptr},
        {"It/66 broken/22 off/61 ./48", "off", 6,
         "broken: suggestion=\"damaged/removed/broken\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 back/40 off/61 zz/40 ./48", "off", 7, nullptr},
        {"It/66 clos/40 off/61 zz/40 ./48", "off", 8, nullptr},
        {"It/66 dry/40 off/61 zz/40 ./48", "off", 9, nullptr},
        {"It/66 drop/40 off/61 zz/40 ./48", "off", 10, nullptr},
        {"It/66 fall/40 off/61 zz/40 ./48", "off", 11, nullptr},
        {"It/66 marks/21 off/61 ./48", "off", 2, "marks: suggestion=\"identify with marks\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 raise/21 off/61 ./48", "off", 0, "raise: suggestion=\"lift above/remove from/lift\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 engine/21 off/61 ./48", "off", 4, "engine: suggestion=\"stop/stopped/in OFF position\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 ignition/21 off/61 ./48", "off", 4, "ignition: suggestion=\"stop/stopped/in OFF position\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 closes/21 off/61 ./48", "off", 8, "closes: suggestion=\"stop/close/prevent/seal\" message=302 entryWords=2 ruleId=7318"},
        // "drop" shares the second letter of "dry" but means a fall.
        {"It/66 dries/21 off/61 ./48", "off", 9, "dries: suggestion=\"dry/(Rephrase)\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 drops/21 off/61 ./48", "off", 10, "drops: suggestion=\"decrease/(Rephrase)/fall\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 falls/21 off/61 ./48", "off", 11, "falls: suggestion=\"fall/falls/decrease\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 remains/21 off/61 ./48", "off", 1, "remains: suggestion=\"is in the OFF position\" message=302 entryWords=2 ruleId=7318"},
    };
    RunRowCases(TakesOffRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Then/50 you/66 can/28 log/40 off/61 zz/40 ./48", "off", 0, nullptr},
        {"Then/50 you/66 can/28 led/40 off/61 zz/40 ./48", "off", 1, nullptr},
        {"Then/50 you/66 can/28 lamp/40 off/61 zz/40 ./48", "off", 2, nullptr},
        {"Then/50 you/66 can/28 mov/40 off/61 zz/40 ./48", "off", 3, nullptr},
        {"Then/50 you/66 can/28 measur/40 off/61 zz/40 ./48", "off", 4, nullptr},
        {"Then/50 you/66 can/28 going/40 off/61 zz/40 ./48", "off", 5, nullptr},
        {"Then/50 you/66 can/28 get/40 off/61 zz/40 ./48", "off", 6, nullptr},
        {"Then/50 you/66 can/28 pull/20 off/61 ,/47", "off", 7,
         "pull: suggestion=\"disconnect/(Rephrase)\" message=315 entryWords=2 ruleId=4415"},
        {"Then/50 you/66 can/28 shuts/40 off/61 zz/40 ./48", "off", 8, nullptr},
        {"Then/50 you/66 can/28 shut/40 off/61 zz/40 ./48", "off", 9, nullptr},
        {"Then/50 you/66 can/28 peel/20 off/61 zz/40 ./48", "off", 10, nullptr},
        // Early in the sentence, or after a special token: not a phrasal verb here.
        {"Pull/20 off/61 ,/47", "off", -1, ""},
        {"Then/50 you/66 can/28 pull/20{token=9} off/61 ,/47", "off", -1, ""},
        {"Then/50 you/66 can/28 pull/20 off/61 5/49", "off", -1, ""},
    };
    RunRowCases(OffParticleVerbRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Stop/20 remove/40 off/61 zz/40 ./48", "off", 0, nullptr},
        {"Stop/20 measur/40 off/61 zz/40 ./48", "off", 1, nullptr},
        {"Stop/20 bleed/40 off/61 zz/40 ./48", "off", 2, nullptr},
        {"Stop/20 click/40 off/61 zz/40 ./48", "off", 3, nullptr},
        {"Stop/20 hold/40 off/61 zz/40 ./48", "off", 4, nullptr},
        {"Stop/20 keep/40 off/61 zz/40 ./48", "off", 5, nullptr},
        {"Pull/20 off/61 ,/47", "off", 6, nullptr},
        {"Stop/20 wash/40 off/61 zz/40 ./48", "off", 7, nullptr},
        {"Stop/20 turned/40 off/61 zz/40 ./48", "off", 8, nullptr},
        {"Stop/20 stay/40 off/61 zz/40 ./48", "off", 9, nullptr},
        {"Stop/20 flash/40 off/61 zz/40 ./48", "off", 10, nullptr},
        {"Stop/20 on/40 off/61 zz/40 ./48", "off", 11, nullptr},
        {"Stop/20 come/40 off/61 zz/40 ./48", "off", 12, nullptr},
        {"Stop/20 sign/40 off/61 zz/40 ./48", "off", 13, nullptr},
        {"Stop/20 goes/40 off/61 zz/40 ./48", "off", 14, nullptr},
        {"Stop/20 set/40 off/61 zz/40 ./48", "off", 15, nullptr},
        {"Stop/20 round/40 off/61 zz/40 ./48", "off", 16, nullptr},
        {"Stop/20 shut/40 off/61 zz/40 ./48", "off", 17, nullptr},
        {"Stop/20 lever/40 off/61 zz/40 ./48", "off", 18, nullptr},
        {"Stop/20 indicator/40 off/61 zz/40 ./48", "off", 19, nullptr},
        {"Stop/20 condition/40 off/61 zz/40 ./48", "off", 20, nullptr},
        {"Set/20 it/66 to/68 off/61 ,/47", "off", 21,
         "off: suggestion=\"OFF position/in the OFF position\" message=323 ruleId=5607 verbForm=X"},
        {"Stop/20 from/40 off/61 zz/40 ./48", "off", 22, nullptr},
        {"Stop/20 well/40 off/61 zz/40 ./48", "off", 23, nullptr},
        {"Stop/20 off/61 to/68 on/40 ./48", "off", 24,
         "off: suggestion=\"from the OFF position to the ON position\""
         " message=323 entryWords=3 ruleId=1345 separatorFlag=U verbForm=X"},
        {"Stop/20 off/61 or/40 on/40 ./48", "off", 25, nullptr},
        {"Put/20 off/61 then/70 on/61 ./48", "off", 26,
         "on: suggestion=\"in the ON position/illuminated\" message=323 ruleId=3607 verbForm=X"},
        {"Stop/20 off/61 then/40 ./48", "off", 27, nullptr},
        {"Stop/20 off/61 from/40 ./48", "off", 28, nullptr},
        {"Stop/20 off/61 of/40 ./48", "off", 29, nullptr},
        {"Stop/20 off/61 when/40 ./48", "off", 30, nullptr},
        {"Stop/20 off/61 under/40 ./48", "off", 31, nullptr},
        {"Stop/20 off/61 with/40 ./48", "off", 32, nullptr},
        {"Stop/20 off/61 at/40 ./48", "off", 33, nullptr},
        {"Stop/20 off/61 in/40 ./48", "off", 34, nullptr},
        {"Stop/20 off/61 by/40 ./48", "off", 35, nullptr},
    };
    RunRowCases(OffPhraseRows(), kCases);
  }
}

}  // namespace
