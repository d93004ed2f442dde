// The phrase rules of "if", "in", "no", "off" and "on" through their entry
// functions, and the order of their tables.
#include <gtest/gtest.h>

#include <string>

#include "rules/main_pass/sentence_state.h"
#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using PhraseCheck = int (*)(WordRec*, SentenceStateRec&);

int If(WordRec* w, SentenceStateRec&) { return CheckIfPhrase(w), -1; }
int In(WordRec* w, SentenceStateRec&) { return CheckInPhrase(w); }
int No(WordRec* w, SentenceStateRec&) { return CheckNegativePhrase(w), -1; }
int Off(WordRec* w, SentenceStateRec& s) { return CheckOffPhrase(w, s), -1; }
int On(WordRec* w, SentenceStateRec& s) { return CheckOnPhrase(w, s), -1; }

struct PhraseCase {
  PhraseCheck check;
  const char* text;
  const char* at;
  const char* changes;  // null: not checked
  int result = -1;      // what CheckInPhrase returns (1: a finding, advice alone included); -1: not checked
  int sentenceWords = 9;
  int subjectNumber = 0;
  int subjectAfter = 0;  // 0: not checked
};

void RunPhraseCases(std::span<const PhraseCase> cases) {
  for (const PhraseCase& k : cases) {
    SCOPED_TRACE(testing::Message() << k.text << " at " << k.at);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    state.sentenceWordCount = k.sentenceWords;
    state.subjectNumber = k.subjectNumber;
    const int result = k.check(FindWord(*words, k.at), state);
    if (k.changes) {
      EXPECT_EQ(words->Changes(), k.changes);
    }
    if (k.result >= 0) {
      EXPECT_EQ(result, k.result);
    }
    if (k.subjectAfter) {
      EXPECT_EQ(state.subjectNumber, k.subjectAfter);
    }
  }
}

TEST(PhraseRules, IfInAndNo) {
  static const PhraseCase kCases[] = {
      // "necessary" and "required" only make the next word plain; the end record is left alone.
      {If, "Clean/20 if/70 required/30 then/50 stop/20", "if", "then: wordClass=40"},
      {If, "Clean/20 if/70 ./48{token=9}", "if", ""},
      {If, "Clean/20 if/70 possible/30{msg=301} now/50", "if",
       "if: message=302 entryWords=2 ruleId=5725\npossible: wordClass=40 message=0"},
      // "so" is caught by the same rule before the rule of "if so equipped".
      {If, "Clean/20 if/70 so/50 equipped/22", "if", "if: message=302 entryWords=2 ruleId=5725\nso: wordClass=40"},
      // Guards.
      {If, "Clean/20 if/70 possible/37", "if", ""},
      {If, "IF/70 signal/10 ok/30", "IF", ""},
      // A pronoun after "if" is taken first; the phrases stand for other classes.
      {If, "if/70 you/66 do/28 not/29 stop/20", "if", "if: message=302 entryWords=2 ruleId=5725\nyou: wordClass=40"},
      {If, "if/70 you/40 do/28 not/29 stop/20", "if", "if: suggestion=\"(Rephrase warning)\" message=334 entryWords=4 ruleId=5494\ndo: wordClass=40\nnot: wordClass=40"},
      {If, "if/70 there/50 are/25 leaks/11", "if", "there: wordClass=40\nare: wordClass=40"},
      {If, "if/70 not/29 part/10 of/67 it/66", "if", "if: suggestion=\"(Rephrase)\" message=337 entryWords=3 ruleId=6642\nnot: wordClass=40\npart: wordClass=40"},
      {If, "if/70 it/40 is/24 hot/30", "if", "if: message=320 entryWords=3 ruleId=5211\nis: wordClass=40"},
      {If, "if/70 more/34 thane/60 one/49 x/10", "if", "if: suggestion=\"Give range or number\" message=302 entryWords=4 ruleId=2494\nmore: wordClass=40\nthane: wordClass=40\none: wordClass=40"},
      {If, "if/70 some/30 signs/11 of/67 wear/10", "if", "if: suggestion=\"if there are indications\" message=302 entryWords=3 ruleId=2494\nsome: wordClass=40\nsigns: wordClass=40"},
      {If, "if/70 need/20 be/24", "if", "if: message=302 entryWords=3 ruleId=2494\nneed: wordClass=40\nbe: wordClass=40"},
      {If, "if/70 x/40 doubt/10", "if", "if: suggestion=\"make sure that/(Delete this phrase)\" message=302 entryWords=3 ruleId=2494\ndoubt: wordClass=40"},
      // Words after "if" inside the sentence.
      {If, "Stop/20 if/70 using/23{sub=0} it/66", "if", "if: message=302 entryWords=2 ruleId=5725\nusing: wordClass=40"},
      {If, "Stop/20 if/70 given/22 it/66", "if",
       "if: suggestion=\"if xxx is shown in\" message=302 entryWords=2 ruleId=1494\ngiven: wordClass=40"},
      {If, "If/70 not/29 x/40", "If", "If: message=320 entryWords=2 ruleId=1594\nnot: wordClass=40"},
      {If, "If/70 less/34 x/40", "If", "If: message=320 entryWords=2 ruleId=1494\nless: wordClass=40"},
      // The word before: "check if the valve" (no record is kept for "the").
      {If, "Check/20 if/70 valve/10{mark=1} opens/21", "if",
       "Check: suggestion=\"make sure that/(Rephrase)\" message=300 entryWords=2 ruleId=6494"},
      {If, "Stop/20 it/66 later/50 if/70 x/40", "if", "later: message=302 entryWords=2 ruleId=5494"},
      // The word before belongs to an earlier sentence: no finding on it.
      {If, "Check/20 if/70{pos=0} x/40", "if", ""},
      {In, "Do/20 in/60 accordance/10{msg=301 sub=301} with/60{msg=331} it/66", "in",
       "in: suggestion=\"refer to/with/for\" message=324 entryWords=3 ruleId=3918\n"
       "accordance: wordClass=40 subClass=0 message=0\nwith: wordClass=40 message=0", 1},
      {In, "Stop/20 in/60 this/66 example/10 y/40", "in", "in: suggestion=\"for example\"", 1},
      {In, "Stop/20 in/60 general/30 x/40 y/40 z/40", "in", nullptr, 1},
      {In, "Stop/20 in/60 general/30{code=AF****}", "in", "", 0},
      // The list ends after the word.
      {In, "Stop/20 in/60", "in", "", 0},
      // A phrase at the very end covers no more than the words there are.
      {In, "Stop/20 in/60 order/10 to/68", "in",
       "in: suggestion=\"to\" message=324 entryWords=3 ruleId=3918\norder: wordClass=40\nto: wordClass=40", 1},
      {No, "Use/20 no/77 need/37", "no", ""},
      {No, "Use/20 no/77", "no", ""},
      // Accepted phrases: "no" becomes plain.
      {No, "Use/20 no/77{msg=334 sub=334} smoking/10", "no", "no: wordClass=40 subClass=0 message=0"},
      {No, "Use/20 no/77{msg=334 sub=334} fault/10", "no", "no: wordClass=40 subClass=0 message=0"},
      // "no more ... than" before the accepted "no more".
      {No, "Use/20 no/77 more/40 than/40 ./48", "no", "no: suggestion=\"maximum\" message=305 entryWords=3 ruleId=4318"},
      // A warning sign covers the word after "no".
      {No, "Use/20 no/77 running/23 x/40", "no",
       "no: suggestion=\"Do Not Run\" message=307 entryWords=2 ruleId=2125\nrunning: wordClass=40"},
      // The words before.
      {No, "If/70 there/50 is/24 no/77 oil/16", "no", "no: suggestion=\"If there is no/If there are no\" message=334 ruleId=6145"},
      {No, "There/50 is/24 no/77 oil/16", "no", "no: message=334 ruleId=4928"},
      {No, "They/66 are/25 no/77 use/16", "no", "are: suggestion=\"are not\" message=301 entryWords=2 ruleId=4012"},
      {No, "Use/20 with/60 no/77 oil/16", "no", "with: suggestion=\"without\" message=304 entryWords=2 ruleId=7012"},
  };
  RunPhraseCases(kCases);
  // A list without its sentinel, and no word at all.
  const struct { PhraseCheck check; const char* word; int wordClass; } kBare[] = {
      {If, "if", 70}, {In, "in", 60}, {No, "no", 77}, {Off, "on", 61}, {On, "on", 61}};
  for (const auto& b : kBare) {
    TestWords bare({{b.word, b.wordClass}}, false);
    SentenceStateRec state;
    EXPECT_LE(b.check(bare[b.word], state), 0);
    EXPECT_EQ(bare.Changes(), "");
    EXPECT_LE(b.check(nullptr, state), 0);
  }
}

TEST(PhraseRules, OffAndOn) {
  const std::string longName = "Make/20 led" + std::string(80, 'x') + "/10 go/20 off/61 now/40";
  const PhraseCase cases[] = {
      {Off, "Put/20 it/66 on/61 x/20", "on", "on: wordClass=40"},
      {Off, "Put/20 on/61 cover/10{mark=1}", "on", "on: wordClass=40"},
      {Off, "Put/20 on/61 position/40", "on", "on: wordClass=40"},
      {Off, "Put/20 ON/61 )/44", "ON", "ON: wordClass=40"},
      // Quantifiers and split compounds: nothing at all.
      {On, "Put/20 on/61 all/38", "on", ""},
      {Off, "Put/20 on/61{split=4} and/63", "on", ""},
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
       "on: suggestion=\"when you open/open\" message=302 entryWords=2 ruleId=1675\nopening: suggestion=\"open\" wordClass=40",
       -1, 9, -1, 1},
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
       -1, 3},
      {On, "On/61 after/60", "On", "On: message=331 ruleId=8718"},
  };
  RunPhraseCases(cases);
}

TEST(PhraseRules, Rows) {
  static const TableCase kCases[] = {
      {IfWordRows(), {"Stop/20 if/70 is/24 hot/30 ./48", "if", 11, "if: message=302 entryWords=2 ruleId=1494"}},
      // Not for the first word of a sentence, nor after "the".
      {IfWordRows(), {"If/70 given/22 it/66 ./48", "If", -1, ""}},
      {CheckIfRows(), {"Stop/20 even/40 if/70 zz/40 ./48", "if", 0,
       "even: suggestion=\"if/when/(Rephrase)\" message=300 entryWords=2 ruleId=6494"}},
      {IfMeaningRows(), {"If/70 needed/22 x/40 ./48", "If", 0,
          "If: suggestion=\"if necessary\" message=324 entryWords=2 ruleId=4662"}},
      {IfMeaningRows(), {"If/70 noted/22 x/40 ./48", "If", 1, "If: message=324 entryWords=2 ruleId=4662"}},
      // Only "needed" has the advice; "noted" shares its first letter.
      {IfMeaningRows(), {"If/70 further/22 x/40 ./48", "If", 1, nullptr}},
      // Advice alone.
      {InPhraseRows(), {"Stop/20 in/60 this/40 example/40 ./48", "in", 0, "in: suggestion=\"for example\""}},
      {InPhraseRows(), {"Stop/20 in/60 this/66 order/10 ./48", "in", 1,
       "in: suggestion=\"in this sequence/in these steps\" message=324 entryWords=3 ruleId=3918"}},
      {InPhraseRows(), {"Stop/20 in/60 use/40 ./48", "in", 8,
          "in: suggestion=\"in operation/in service/operates\" message=324 ruleId=3916"}},
      {InPhraseRows(), {"Stop/20 in/60 order/40 for/40 ./48", "in", 39,
          "in: suggestion=\"to\" message=324 entryWords=3 ruleId=3918"}},
      {InPhraseRows(), {"Stop/20 in/60 order/40 ./48", "in", 43,
       "in: suggestion=\"in a sequence/in a position\" message=324 ruleId=3916"}},
      // "in accordance with" before the "in accord" stem.
      {InPhraseRows(), {"Stop/20 in/60 accordance/40 with/40 ./48", "in", 58, nullptr}},
      {InPhraseRows(), {"Stop/20 in/60 accord/10 with/60 ./48", "in", 59,
       "in: suggestion=\"refer to/as shown/agree\" message=324 entryWords=3 ruleId=3918"}},
      {InPhraseRows(), {"Stop/20 in/60 regard/10 x/40 ./48", "in", -1, ""}},
      // "in all" and "in any" get "(Rephrase)".
      {InPhraseRows(), {"Stop/20 in/60 all/40 ./48", "in", 64,
          "in: suggestion=\"(Rephrase)\" message=324 entryWords=3 ruleId=3918"}},
      {InPhraseRows(), {"Stop/20 in/60 an/64 effort/10 ./48", "in", 67, "in: message=324 entryWords=3 ruleId=3918"}},
      {NoLimitRows(), {"Use/20 no/77 less/40 than/40 ./48", "no", 1,
          "no: suggestion=\"minimum\" message=305 entryWords=3 ruleId=8014"}},
      {NoSignRows(), {"Use/20 no/77 pushing/40 ./48", "no", 0,
          "no: suggestion=\"Do Not Push\" message=307 entryWords=2 ruleId=2125"}},
      {NoSignRows(), {"Use/20 no/77 entry/40 ./48", "no", 4,
       "no: suggestion=\"(Use no + infinitive)\" message=307 entryWords=2 ruleId=2125"}},
      {HasNoRows(), {"It/66 has/40 no/77 zz/40 ./48", "no", 0,
          "has: suggestion=\"does not have\" message=334 entryWords=2 ruleId=8011"}},
      {HasNoRows(), {"It/66 have/40 no/77 zz/40 ./48", "no", 1,
          "have: suggestion=\"do not have\" message=334 entryWords=2 ruleId=8011"}},
      {NoPhraseRows(), {"It/66 no/77 longer/34 works/21 ./48", "no", 0,
       "no: suggestion=\"not now/(Rephrase)\" message=334 entryWords=2 ruleId=4018"}},
      {NoPhraseRows(), {"Find/20 no/77 signs/11 of/67 wear/10 ./48", "no", 4,
       "no: suggestion=\"no indication of\" message=324 entryWords=3 ruleId=4018"}},
      {NoPhraseRows(), {"Use/20 no/77 oil/16 ./48", "no", -1, ""}},
      {VerbsOnRows(), {"Turn/20 on/61{msg=331 sub=331} ./48", "on", 0,
       "Turn: suggestion=\"in the ON position/connected/connect\" message=300 entryWords=2 ruleId=4475\n"
       "on: subClass=0 message=0"}},
      {TakesOnRows(), {"Set/20 power/10 on/61 ,/47", "on", 2,
       "power: suggestion=\"power applied/power switch in ON position\" message=302 entryWords=2 ruleId=7476"}},
      {TakesOnRows(), {"It/66 remains/21 on/61 ,/47", "on", 9,
       "remains: suggestion=\"is on/are on/stay on\" message=302 entryWords=2 ruleId=7476"}},
      {OnSideOrPlaceRows(), {"Stop/20 on/61 right/43{mark=1} opens/21 ./48", "on", 0,
       "right: suggestion=\"right side\" wordClass=40 message=320 ruleId=8418"}},
      {OnSideOrPlaceRows(), {"Stop/20 on/61 end/40 ./48", "on", 2,
       "on: suggestion=\"on the end/on one end\" message=331 entryWords=2 ruleId=8518"}},
      {OnSideOrPlaceRows(), {"Stop/20 on/61 end/40 of/67 ./48", "on", -1, ""}},
      {OnPhraseRows(), {"Hold/20 on/61{msg=331} ,/47", "on", 0,
       "Hold: suggestion=\"hold/continue to hold\" message=315 entryWords=2 ruleId=3716\non: message=0"}},
      {OnPhraseRows(), {"Use/20 them/66 on/61 ,/47", "on", 16,
          "on: suggestion=\"(Give the item name)\" message=320 ruleId=7464"}},
      {OnPhraseRows(), {"Move/20 on/61 to/68 x/40", "on", 37,
          "on: suggestion=\"onto\" message=311 entryWords=2 ruleId=5464"}},
      {OnPhraseRows(), {"Stop/20 on/61 when/70 ./48", "on", 40, "when: message=313 ruleId=3428"}},
      {OnContactRows(), {"Stop/20 on/61 contact/40 ./48", "on", 0,
       "on: suggestion=\"when touch/if touched\" message=324 entryWords=2 ruleId=8466"}},
      {OnContactRows(), {"Stop/20 on/61 command/40 ./48", "on", 1,
       "on: suggestion=\"from a command\" message=324 entryWords=2 ruleId=8466"}},
      {OffAfterBeOrHaveRows(), {"The/40 light/10 is/24 off/61 ./48", "off", 0,
          "off: suggestion=\"not illuminated\" message=324 ruleId=4475"}},
      {OffAfterBeOrHaveRows(), {"It/66 is/24 off/61 ,/47", "off", 1,
          "off: suggestion=\"not in operation/stopped\" message=324 ruleId=4475"}},
      {WasOffRows(), {"It/66 were/40 off/61 zz/40 ./48", "off", 0,
       "were: suggestion=\"are not illuminated/are disconnected\" message=323 ruleId=6475"}},
      {WasOffRows(), {"It/66 was/40 off/61 zz/40 ./48", "off", 1,
       "was: suggestion=\"is not illuminated/is disconnected\" message=323 ruleId=6475"}},
      {TakesOffRows(), {"It/66 raise/21 off/61 ./48", "off", 0,
       "raise: suggestion=\"lift above/remove from/lift\" message=302 entryWords=2 ruleId=7318"}},
      {TakesOffRows(), {"It/66 ignition/21 off/61 ./48", "off", 4,
       "ignition: suggestion=\"stop/stopped/in OFF position\" message=302 entryWords=2 ruleId=7318"}},
      // "drop" shares the second letter of "dry" but means a fall.
      {TakesOffRows(), {"It/66 dries/21 off/61 ./48", "off", 9,
          "dries: suggestion=\"dry/(Rephrase)\" message=302 entryWords=2 ruleId=7318"}},
      {TakesOffRows(), {"It/66 drops/21 off/61 ./48", "off", 10,
       "drops: suggestion=\"decrease/(Rephrase)/fall\" message=302 entryWords=2 ruleId=7318"}},
      {OffParticleVerbRows(), {"Then/50 you/66 can/28 pull/20 off/61 ,/47", "off", 7,
       "pull: suggestion=\"disconnect/(Rephrase)\" message=315 entryWords=2 ruleId=4415"}},
      // Early in the sentence, or after a special token: not a phrasal verb here.
      {OffParticleVerbRows(), {"Pull/20 off/61 ,/47", "off", -1, ""}},
      {OffPhraseRows(), {"Set/20 it/66 to/68 off/61 ,/47", "off", 21,
       "off: suggestion=\"OFF position/in the OFF position\" message=323 ruleId=5607 verbForm=X"}},
      {OffPhraseRows(), {"Stop/20 off/61 to/68 on/40 ./48", "off", 24,
          "off: suggestion=\"from the OFF position to the ON position\""
       " message=323 entryWords=3 ruleId=1345 separatorFlag=U verbForm=X"}},
      {OffPhraseRows(), {"Put/20 off/61 then/70 on/61 ./48", "off", 26,
       "on: suggestion=\"in the ON position/illuminated\" message=323 ruleId=3607 verbForm=X"}},
  };
  RunTableCases(kCases);
}

}  // namespace
