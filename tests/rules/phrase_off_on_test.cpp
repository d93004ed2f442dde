#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
#include "rules/main_pass/sentence_state.h"
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

}  // namespace
