// The phrase rules of "off" and "on" through their entry functions: the
// shared first steps, label words, the words before and after, the first
// word of a sentence.
#include <gtest/gtest.h>

#include "rules/main_pass/sentence_state.h"
#include "rules/phrases/phrase_rules.h"
#include "tests/rules/rule_cases.h"

namespace {

using PhraseCheck = void (*)(WordRec*, SentenceStateRec&);

struct PhraseCase {
  PhraseCheck check;
  const char* text;
  const char* at;
  const char* changes;
  int sentenceWords = 9;
  int subjectNumber = 0;
  int subjectAfter = 0;  // 0: not checked
};

void RunPhraseCases(std::span<const PhraseCase> cases) {
  for (const PhraseCase& k : cases) {
    SCOPED_TRACE(testing::Message() << (k.check == CheckOffPhrase ? "off: " : "on: ") << k.text);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    state.sentenceWordCount = k.sentenceWords;
    state.subjectNumber = k.subjectNumber;
    k.check(FindWord(*words, k.at), state);
    EXPECT_EQ(words->Changes(), k.changes);
    if (k.subjectAfter) {
      EXPECT_EQ(state.subjectNumber, k.subjectAfter);
    }
  }
}

const PhraseCheck Off = CheckOffPhrase;
const PhraseCheck On = CheckOnPhrase;

TEST(OffOnPhrase, SharedFirstStepsMakeAPlainPreposition) {
  static const PhraseCase kCases[] = {
      {Off, "Put/20 it/66 on/61 x/20", "on", "on: wordClass=40"},
      {Off, "Put/20 on/61 cover/10{mark=1}", "on", "on: wordClass=40"},
      {Off, "Put/20 on/61 position/40", "on", "on: wordClass=40"},
      {Off, "Put/20 ON/61 )/44", "ON", "ON: wordClass=40"},
      // Quantifiers and split compounds: nothing at all.
      {On, "Put/20 on/61 all/38", "on", ""},
      {Off, "Put/20 on/61{split=4} and/63", "on", ""},
  };
  RunPhraseCases(kCases);
  // A list without its sentinel, and no word at all.
  for (PhraseCheck check : {Off, On}) {
    TestWords bare({{"on", 61}}, false);
    check(bare["on"], SentenceState);
    EXPECT_EQ(bare.Changes(), "");
    check(nullptr, SentenceState);
  }
  SentenceState.Reset();
}

TEST(OffOnPhrase, Off) {
  const std::string longName = "Make/20 led" + std::string(80, 'x') + "/10 go/20 off/61 now/40";
  const PhraseCase cases[] = {
      // Label words.
      {Off, "Set/20 off/61 switch/21", "off",
       "off: suggestion=\"OFF position/in the OFF position\" message=323 ruleId=8466 verbForm=X"},
      {Off, "Set/20 OFF/61 switch/21", "OFF", "OFF: wordClass=40\nswitch: wordClass=40"},
      // Indicators at the sentence end.
      {Off, "Make/20 sure/30 switch/10 is/40 off/61 ./48", "off",
       "off: suggestion=\"OFF position/disconnect\" message=323 ruleId=7261 verbForm=X"},
      {Off, "Make/20 sure/30 that/70 lamp/10 off/61 ./48", "off",
       "off: suggestion=\"not illuminated\" message=331 ruleId=7261 verbForm=X"},
      // Words before.
      {Off, "Put/20 their/66 off/61 and/63", "off", "off: message=331 ruleId=4475"},
      {Off, "It/66 went/21 off/61 and/63", "off",
       "off: suggestion=\"not illuminated/disconnected/moved\" message=323 ruleId=6475 verbForm=X"},
      // The indicator advice names the indicator, bounded.
      {Off, "Make/20 LED/10 go/20 off/61 now/40", "off",
       "off: suggestion=\"LED not illuminated\" message=324 ruleId=4475"},
      {Off, longName.c_str(), "off",
       "off: suggestion=\"led" "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\" "
       "message=324 ruleId=4475"},
      {Off, "Turn/20 off/61{case=1} ./48", "off",
       "Turn: suggestion=\"in the OFF position/to OFF position/disconnected\" message=302 "
       "entryWords=2 ruleId=7318\noff: caseFlag=0"},
      // Words after.
      {Off, "Put/20 off/61 and/63 on/61 x/40", "off",
       "off: suggestion=\"(Give position or switch name)\" message=323 entryWords=3 ruleId=8318 verbForm=X\n"
       "and: wordClass=40\non: wordClass=40"},
      {Off, "Put/20 off/61 ground/21", "off", "off: suggestion=\"above\" message=324 ruleId=8318"},
      {Off, "Put/20 off/61 slowly/50", "off", "slowly: message=333 ruleId=1482"},
      // The first word of a sentence.
      {Off, "off/61 ./48", "off",
       "off: suggestion=\"OFF position/in the OFF position\" tag=\"<*->\" message=323 ruleId=4618"},
      {Off, "Off/61 and/63 x/40", "Off", "Off: message=331 ruleId=4218"},
  };
  RunPhraseCases(cases);
}

TEST(OffOnPhrase, On) {
  static const PhraseCase kCases[] = {
      {On, "Stop/20 on/61 contact/21 x/40", "on",
       "on: suggestion=\"when touch/if touched\" message=324 entryWords=2 ruleId=8466\ncontact: wordClass=40"},
      {On, "It/66 switched/22 on/61 and/63 off/61 ./48", "on",
       "on: suggestion=\"from ON position to OFF position\" message=323 entryWords=3 ruleId=2466 "
       "verbForm=X\nand: wordClass=40\noff: wordClass=40"},
      // Words before.
      {On, "It/66 is/24 on/61 ./48", "on",
       "on: suggestion=\"in operation/ON position/(Rephrase)\" message=323 ruleId=6466"},
      {On, "Stop/20 and/63 on/61 ,/47", "on", "and: suggestion=\"do .../(Rephrase)\" message=302 entryWords=2 ruleId=7476"},
      {On, "It/66 stays/21 on/61 ,/47", "on",
       "stays: suggestion=\"illuminate/illuminates/hold\" message=315 entryWords=2 ruleId=5494"},
      // -ing words after "on".
      {On, "Stop/20 it/66 on/61 opening/23{plural=0} x/40", "on",
       "on: suggestion=\"when you open/open\" message=302 entryWords=2 ruleId=1675\nopening: suggestion=\"open\" wordClass=40", 9, -1, 1},
      {On, "Stop/20 on/61 opening/23 x/40", "on",
       "on: suggestion=\"(To + infinitive)\" extraFlag=W\nopening: message=338 ruleId=5564"},
      {On, "Stop/20 on/61 being/23 told/22 ./48", "on",
       "on: suggestion=\"when/(Rephrase)\" message=338 entryWords=2 ruleId=6352\nbeing: wordClass=40"},
      // Ranges, indicators and positions.
      {On, "Stop/20 on/61 or/63 about/60 x/40", "on", "on: suggestion=\"(Give range)\" message=302 entryWords=3 ruleId=6317\nor: wordClass=40\nabout: wordClass=40"},
      {On, "Make/20 sure/30 the/64 lamp/10 on/61 x/40", "on", "on: suggestion=\"illuminated\" message=324 ruleId=3319"},
      {On, "Set/20 on/61 or/63 off/61 x/40 y/40 z/40", "on",
       "on: suggestion=\"the ON position and OFF position\" message=323 entryWords=3 ruleId=5464 verbForm=X\n"
       "or: wordClass=40\noff: wordClass=40"},
      {On, "Make/20 sure/30 lamp/10 x/40 on/61 y/40", "on", "on: suggestion=\"illuminated\" message=324 ruleId=4319"},
      {On, "Go/20 from/60 on/61 to/68 off/61", "on",
       "on: suggestion=\"the ON position to OFF position\" message=323 entryWords=3 ruleId=3593 verbForm=X\n"
       "to: wordClass=40\noff: wordClass=40"},
      {On, "Set/20 it/66 to/68 ON/61 to/68 x/40 ./48", "ON",
       "ON: suggestion=\"the ON position\" message=323 ruleId=5468 verbForm=X"},
      // The first word of a sentence.
      {On, "On/61 for/60 x/40", "On",
       "On: suggestion=\"ON position/in the ON position\" message=323 ruleId=2466 verbForm=X"},
      {On, "On/61 or/63 off/61", "On",
       "On: suggestion=\"ON or OFF\" message=323 entryWords=3 ruleId=8466 verbForm=X\nor: wordClass=40\noff: wordClass=40",
       3},
      {On, "On/61 after/60", "On", "On: message=331 ruleId=8718"},
  };
  RunPhraseCases(kCases);
}

}  // namespace
