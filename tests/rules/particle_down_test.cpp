// The rules of the particle "down".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_tables.h"
#include "tests/rules/particle_case_lists.h"

namespace {

using namespace particle;

void TwoWords(SentenceStateRec& s) { s.sentenceWordCount = 2; }
void ThreeWords(SentenceStateRec& s) { s.sentenceWordCount = 3; }
void FiveWords(SentenceStateRec& s) { s.sentenceWordCount = 5; }
void SevenWords(SentenceStateRec& s) { s.sentenceWordCount = 7; }

TEST(DownRules, OpeningArrowAndLaterWords) {
  static const RowCase kOpening[] = {
      {"Down/61 x/10 ./48", "Down", 0, "Down: message=331 ruleId=4446", ThreeWords},
      {"DOWN/61 ./48", "DOWN", -1, "", TwoWords},
  };
  RunRowCases(kDownOpening, kOpening);
  static const RowCase kArrow[] = {
      {"x/10 down/61 position/10", "down", 0, "down: suggestion=\"DOWN\" tag=\"<AR>\" message=323 ruleId=5402"},
      {"x/10 down/61 y/10", "down", -1, ""},
  };
  RunRowCases(kDownArrow, kArrow);
  static const RowCase kLater[] = {
      {"a/10 b/10 c/10 down/61{mark=1} y/10{mark=1}", "down", 0,
       "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X"},
      {"a/10 b/10 go/20 down/61 y/10", "down", 1,
       "go: suggestion=\"(Select better verb from list)\" message=315 entryWords=2 ruleId=9627"},
      {"a/10 b/10 page/10 down/61 y/10", "down", 1, nullptr},
      {"a/10 b/10 climbs/21 down/61 y/10", "down", 1, nullptr},
      {"a/10 b/10 cooled/22 down/61 y/10", "down", 1, nullptr},
      {"a/10 b/10 moves/21 down/61 y/10", "down", 1, nullptr},
      // At the sentence end the label row takes every verb.
      {"a/10 b/10 shut/20 down/61 ./48", "down", 2, "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X"},
      {"a/10 b/10 go/20 down/61 ./48", "down", 2, nullptr},
      {"a/10 b/10 goes/21 down/61 y/10", "down", -1, ""},
  };
  RunRowCases(kDownLater, kLater);
}

TEST(DownRules, LabelsAndTheSentenceEnd) {
  static const RowCase kLabel[] = {
      {"x/10 down/61 light/10", "down", 0, "down: suggestion=\"DOWN\" message=323 ruleId=4602 verbForm=X"},
      {"x/10 DOWN/61 light/10", "DOWN", -1, ""},
      {"x/10 down/61 relay/10", "down", -1, ""},
  };
  RunRowCases(kDownLabel, kLabel);
  static const RowCase kAgain[] = {
      {"x/10 down/61 indicator/10", "down", 0, "down: suggestion=\"DOWN\" message=323 ruleId=4602 verbForm=X"},
  };
  RunRowCases(kDownLabelAgain, kAgain);
  static const RowCase kEnd[] = {
      {"x/10 down/61 ./48", "down", 0, "down: message=331 ruleId=7602", SevenWords},
      {"x/10 down/61 <b>/41", "down", 0, "down: message=331 ruleId=7602", SevenWords},
      {"x/10 down/61 ./48", "down", 1, "", FiveWords},
      {"x/10 down/61 @x/41", "down", 1, ""},
      {"x/10 down/61 y/10", "down", -1, "", SevenWords},
  };
  RunRowCases(kDownEnd, kEnd);
}

TEST(DownRules, FixedVerbsBefore) {
  static const RowCase kCases[] = {
      {"x/10 head/10 down/61", "down", 0, "head: suggestion=\"head to lower position\" message=302 entryWords=2 ruleId=9627"},
      {"x/10 switch/20 down/61", "down", 1, "switch: suggestion=\"lower position/(Rephrase)\" message=302 entryWords=2 ruleId=9627"},
      {"x/10 end/10 down/61", "down", 1, nullptr},
      {"x/10 takes/21 down/61 y/10", "down", 2, "down: suggestion=\"(Rephrase for meaning)\" message=313 entryWords=2 ruleId=5602"},
      {"x/10 taking/23 down/61 y/10", "down", 2, nullptr},
      {"x/10 turned/22 down/61", "down", 3, "turned: suggestion=\"decreased\" message=313 entryWords=2 ruleId=6602"},
      {"x/10 draws/21 down/61", "down", 4, "draws: suggestion=\"decrease/(Rephrase)\" message=315 entryWords=2 ruleId=4502"},
      {"x/10 dropped/22 down/61", "down", 5,
       "dropped: suggestion=\"drop-down menu/decrease/(Rephrase)\" message=315 entryWords=2 ruleId=4502"},
      {"x/10 cooling/23 down/61", "down", 6,
       "cooling: suggestion=\"becomes cool/(Give a Temp.)/become cool/decrease temperature\" message=314 entryWords=2 ruleId=4502"},
      // The verb's codes all go, the pushed-aside one too.
      {"x/10 shut/20{sub=80 msg=330 msg2=328} down/61", "down", 7,
       "shut: suggestion=\"stop/not in operation\" subClass=0 message=300 message2=0 entryWords=2 ruleId=4502"},
      {"x/10 y/10 down/61 with/74", "down", 8, "down: message=331 ruleId=4502"},
      {"x/10 switches/21 down/61", "down", -1, ""},
  };
  RunRowCases(kDownBefore, kCases);
}

TEST(DownRules, FirstVerbTable) {
  std::deque<std::string> texts;
  auto cases = VerbCases(texts, "down/61",
                         {{"closes/21", 0}, {"count/20", 1}, {"came/22", 2}, {"coming/23", 2}, {"comes/21", 2},
                          {"let/20", 3}, {"pointing/23", 4}, {"hard/30", 5}, {"runs/21", 6}, {"selected/22", 7},
                          {"ended/22", 8}, {"cut/20", -1}, {"comb/20", -1}, {"zero/49", -1}});
  cases.push_back({"x/10 count/20 down/61 y/10", "down", 1,
                   "count: suggestion=\"decrease to\" message=331 entryWords=2 ruleId=5502"});
  cases.push_back({"x/10 came/22 down/61 y/10", "down", 2,
                   "came: suggestion=\"decrease/(Give measurement)\" message=331 entryWords=2 ruleId=5502"});
  cases.push_back({"x/10 points/21 down/61 y/10", "down", 4,
                   "points: suggestion=\"toward the bottom\" message=304 entryWords=2 ruleId=5502"});
  cases.push_back({"x/10 select/20 down/61 y/10", "down", 7,
                   "select: suggestion=\"DOWN position\" message=304 entryWords=2 ruleId=5502"});
  cases.push_back({"x/10 ends/21 down/61 y/10", "down", 8, "ends: message=304 entryWords=2 ruleId=5502"});
  RunRowCases(kDownVerbs, cases);
}

TEST(DownRules, NumbersAndTo) {
  static const RowCase kNumbers[] = {
      {"x/10 down/61 to/68 5/49", "down", 0, "down: message=304 ruleId=3663"},
      {"x/10 down/61 to/68 ten/49", "down", 1, "down: message=304 ruleId=3663"},
      {"x/10 down/61 by/65 5/49", "down", 1, nullptr},
      {"x/10 down/61 to/68 y/10", "down", -1, ""},
  };
  RunRowCases(kDownNumbers, kNumbers);
  static const RowCase kTo[] = {
      {"x/10 down/61 to/68 y/10", "down", 0, "down: suggestion=\"to\" message=331 entryWords=2 ruleId=3663"},
  };
  RunRowCases(kDownTo, kTo);
}

TEST(DownRules, SecondVerbTable) {
  std::deque<std::string> texts;
  auto cases = VerbCases(texts, "down/61",
                         {{"bleed/20", 0}, {"blows/21", 0}, {"broken/22", 0}, {"flush/20", 1}, {"falls/21", 2},
                          {"holds/21", 3}, {"lever/10", 4}, {"searched/22", 4}, {"locked/22", 5}, {"nose/10", 6},
                          {"scrolls/21", 7}, {"sighted/22", 8}, {"stands/21", 9}, {"stood/22", 9},
                          {"switches/21", 10}, {"slowed/22", 10}, {"way/10", 11},
                          {"flushed/22", -1}, {"noses/11", -1}, {"brokenly/50", -1}, {"ways/11", -1}});
  cases.push_back({"x/10 bleed/20 down/61 y/10", "down", 0,
                   "bleed: suggestion=\"decrease pressure ...\" message=300 entryWords=2 ruleId=4402\ndown: verbForm=X"});
  cases.push_back({"x/10 switches/21 down/61 y/10", "down", 10,
                   "switches: suggestion=\"in the DOWN position\" message=323 entryWords=2 ruleId=4302\ndown: verbForm=X"});
  RunRowCases(kDownLabelVerbs, cases);
}

TEST(DownRules, WordsAfterTheParticle) {
  static const RowCase kAfter[] = {
      {"x/10 y/10{split=4} down/61 z/10{split=4}", "down", 0, "down: message=317 ruleId=3663"},
      {"x/10 y/10 down/61 below/60", "down", 1, "down: message=324 entryWords=2 ruleId=6665"},
      {"x/10 y/10{mark=1} down/61 z/10", "down", 2, "down: message=331 ruleId=4663"},
      {"x/10 /a/40 down/61 z/10", "down", 2, nullptr},
      {"x/10 y/10 down/61{split=6} z/10", "down", 2, nullptr},
      {"x/10 (/41 down/61 )/42", "down", 3, "down: message=323 ruleId=4912 verbForm=X"},
      {"x/10 y/10{mark=1 token=9} down/61 z/10", "down", -1, ""},
      {"x/10 y/10 down/61 z/10", "down", -1, ""},
  };
  // The sentence end and "@" after the particle end the body earlier.
  RunRowCases(kDownAfter, kAfter);
  static const RowCase kPhrases[] = {
      {"x/10 y/10 down/61 and/63 away/50", "down", 0, "down: message=302 entryWords=3 ruleId=6113"},
      {"x/10 y/10 down/61 and/63 down/61", "down", 0, nullptr},
      {"x/10 y/10 down/61 loading/23", "down", 2,
       "down: suggestion=\"get/download(computer verb)\" message=324 entryWords=2 ruleId=6673"},
      {"x/10 y/10 down/61 on/75 z/10", "down", 3, "down: message=331 entryWords=2 ruleId=5124"},
      {"x/10 y/20{code=V0****} down/61 on/75 z/10", "down", -1, ""},
  };
  // "over" and "under" are taken by the row before.
  RunRowCases(kDownPhrases, kPhrases);
}

TEST(DownRules, ThirdVerbTableAndClosing) {
  std::deque<std::string> texts;
  auto cases = VerbCases(texts, "down/61",
                         {{"backs/21", 0}, {"bled/22", 1}, {"breaks/21", 2}, {"cycles/21", 3}, {"copy/20", 4},
                          {"fully/50", 5}, {"laid/22", 6}, {"plays/21", 7}, {"powered/22", 8}, {"pressed/22", 9},
                          {"pushes/21", 10}, {"pulled/22", 10}, {"set/20", 11}, {"toggles/21", 12},
                          {"washed/22", 13}, {"worn/31", 14}, {"writes/21", 15},
                          {"copies/21", -1}, {"bleed/20", -1}, {"zero/49", -1}});
  cases.push_back({"x/10 set/20{sub=80 msg=325} down/61 y/10", "down", 11,
                   "set: suggestion=\"in the DOWN position\" subClass=0 message=315 entryWords=2 ruleId=5115"});
  cases.push_back({"x/10 cycled/22 down/61 y/10", "down", 3,
                   "cycled: suggestion=\"gives an indication/shows\" message=315 entryWords=2 ruleId=5115"});
  RunRowCases(kDownMoreVerbs, cases);
  static const RowCase kClosing[] = {
      {"x/10 y/10 down/61 _x/40", "down", 0, "down: suggestion=\"DOWN\" message=331 ruleId=9557"},
      {"x/10 y/10 DOWN/61 _x/40", "DOWN", 1, "DOWN: message=331 ruleId=9557"},
      {"x/10 y/10{split=4} down/61 _x/40", "down", -1, ""},
      {"x/10 y/10 down/61 z/10", "down", -1, "", SevenWords},
  };
  // The sentence end before the particle's closing rows ends the body earlier.
  RunRowCases(kDownClosing, kClosing);
}

TEST(DownBody, StepsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"Down/61 x/10 ./48", "Down", "", "Down", TwoWords},
      {"DOWN/61 x/10 y/10 ./48", "DOWN", "DOWN: message=331 ruleId=4446", "DOWN", ThreeWords},
      {"x/10 down/61 arrow/10", "down", "down: suggestion=\"DOWN\" tag=\"<AR>\" message=323 ruleId=5402", "down"},
      // From the fourth word on, a sentence-final particle is a label, whatever the verb.
      {"a/10 x/10 y/10 shut/20 down/61 ./48", "down",
       "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X", "down"},
      {"x/10 shut/20 down/61 the/64 engine/10 ./48", "down",
       "shut: suggestion=\"stop/not in operation\" message=300 entryWords=2 ruleId=4502", "down"},
      {"a/10 x/10 y/10 cool/20 down/61 z/10", "down",
       "cool: suggestion=\"(Select better verb from list)\" message=315 entryWords=2 ruleId=9627", "down"},
      {"cool/20 down/61 the/64 engine/10", "down",
       "cool: suggestion=\"becomes cool/(Give a Temp.)/become cool/decrease temperature\" message=314 entryWords=2 "
       "ruleId=4502", "down"},
      // The first verb table goes on: a number after "to" flags the particle again.
      {"x/10 count/20 down/61{msg=331} to/68 5/49", "down",
       "count: suggestion=\"decrease to\" message=331 entryWords=2 ruleId=5502\ndown: message=304 ruleId=3663", "down"},
      {"x/10 count/20 down/61{msg=331} y/10", "down",
       "count: suggestion=\"decrease to\" message=331 entryWords=2 ruleId=5502\ndown: message=0", "down"},
      {"x/10 y/10 down/61 to/68 z/10", "down",
       "down: suggestion=\"to\" message=331 entryWords=2 ruleId=3663\nto: wordClass=40", "to"},
      {"x/10 y/10 down/61 lever/10 z/10", "down", "down: suggestion=\"DOWN\" message=323 ruleId=4602 verbForm=X", "down"},
      {"x/10 switches/21 down/61 y/10", "down",
       "switches: suggestion=\"in the DOWN position\" message=323 entryWords=2 ruleId=4302\ndown: verbForm=X", "down"},
      {"x/10 y/10 down/61 ./48", "down", "down: message=331 ruleId=7602", "down", SevenWords},
      {"x/10 y/10 down/61 ./48", "down", "", "down", FiveWords},
      {"x/10 set/20 down/61{msg=331} y/10", "down",
       "set: suggestion=\"in the DOWN position\" message=315 entryWords=2 ruleId=5115\ndown: message=0", "down"},
      {"x/10 y/10 down/61 and/63 away/50 z/10", "down",
       "down: message=302 entryWords=3 ruleId=6113\nand: wordClass=40\naway: wordClass=40", "away"},
      {"x/10 y/10 down/61 over/60 z/10", "down", "down: message=324 entryWords=2 ruleId=6665\nover: wordClass=40", "over"},
      {"x/10 y/10{token=9} down/61 z/10", "down", "", "down"},
  };
  RunBodyCases(ApplyParticleRules, kCases);
}

}  // namespace
