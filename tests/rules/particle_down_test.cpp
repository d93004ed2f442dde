// The rules of the particle "down".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_tables.h"
#include "tests/rules/particle_case_lists.h"

namespace {

using namespace particle;

void TwoWords(SentenceStateRec& s) { s.sentenceWordCount = 2; }
void ThreeWords(SentenceStateRec& s) { s.sentenceWordCount = 3; }
void SevenWords(SentenceStateRec& s) { s.sentenceWordCount = 7; }

TEST(DownRules, OpeningLabelsAndTheSentenceEnd) {
  RunRowCases(kDownOpening, {
      {"Down/61 x/10 ./48", "Down", 0, "Down: message=331 ruleId=4446", ThreeWords},
      {"DOWN/61 ./48", "DOWN", -1, "", TwoWords},
  });
  RunRowCases(kDownLater, {
      {"a/10 b/10 c/10 down/61{mark=1} y/10{mark=1}", "down", 0,
       "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X"},
      // At the sentence end the label row takes every verb.
      {"a/10 b/10 go/20 down/61 ./48", "down", 2, "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X"},
      {"a/10 b/10 goes/21 down/61 y/10", "down", -1, ""},
  });
  RunRowCases(kDownLabel, {
      {"x/10 down/61 light/10", "down", 0, "down: suggestion=\"DOWN\" message=323 ruleId=4602 verbForm=X"},
      {"x/10 DOWN/61 light/10", "DOWN", -1, ""},
  });
  RunRowCases(kDownEnd, {
      {"x/10 down/61 <b>/41", "down", 0, "down: message=331 ruleId=7602", SevenWords},
      {"x/10 down/61 y/10", "down", -1, "", SevenWords},
  });
}

TEST(DownRules, VerbsBeforeAndWordsAfter) {
  RunRowCases(kDownBefore, {
      {"x/10 head/10 down/61", "down", 0, "head: suggestion=\"head to lower position\" message=302 entryWords=2 ruleId=9627"},
      // The verb's codes all go, the pushed-aside one too.
      {"x/10 shut/20{sub=80 msg=330 msg2=328} down/61", "down", 7,
       "shut: suggestion=\"stop/not in operation\" subClass=0 message=300 message2=0 entryWords=2 ruleId=4502"},
      {"x/10 switches/21 down/61", "down", -1, ""},
  });
  RunRowCases(kDownVerbs, {
      {"x/10 came/22 down/61 y/10", "down", 2,
       "came: suggestion=\"decrease/(Give measurement)\" message=331 entryWords=2 ruleId=5502"},
      {"x/10 points/21 down/61 y/10", "down", 4,
       "points: suggestion=\"toward the bottom\" message=304 entryWords=2 ruleId=5502"},
      {"x/10 comb/20 down/61 y/10", "down", -1, ""},
  });
  RunRowCases(kDownNumbers, {
      {"x/10 down/61 to/68 5/49", "down", 0, "down: message=304 ruleId=3663"},
      {"x/10 down/61 to/68 y/10", "down", -1, ""},
  });
  std::deque<std::string> texts;
  auto label = VerbCases(texts, "down/61", {{"flush/20", 1}, {"way/10", 11}, {"flushed/22", -1}});
  label.push_back({"x/10 bleed/20 down/61 y/10", "down", 0,
                   "bleed: suggestion=\"decrease pressure ...\" message=300 entryWords=2 ruleId=4402\ndown: verbForm=X"});
  RunRowCases(kDownLabelVerbs, label);
  RunRowCases(kDownAfter, {
      {"x/10 y/10{split=4} down/61 z/10{split=4}", "down", 0, "down: message=317 ruleId=3663"},
      {"x/10 (/41 down/61 )/42", "down", 3, "down: message=323 ruleId=4912 verbForm=X"},
      {"x/10 y/10{mark=1 token=9} down/61 z/10", "down", -1, ""},
  });
  RunRowCases(kDownPhrases, {
      {"x/10 y/10 down/61 and/63 away/50", "down", 0, "down: message=302 entryWords=3 ruleId=6113"},
      {"x/10 y/20{code=V0****} down/61 on/75 z/10", "down", -1, ""},
  });
  // "cycl" is a stem.
  auto more = VerbCases(texts, "down/61", {{"backs/21", 0}, {"cycles/21", 3}, {"writes/21", 15}, {"copies/21", -1}});
  more.push_back({"x/10 cycled/22 down/61 y/10", "down", 3,
                  "cycled: suggestion=\"gives an indication/shows\" message=315 entryWords=2 ruleId=5115"});
  RunRowCases(kDownMoreVerbs, more);
  RunRowCases(kDownClosing, {
      {"x/10 y/10 down/61 _x/40", "down", 0, "down: suggestion=\"DOWN\" message=331 ruleId=9557"},
      {"x/10 y/10 down/61 z/10", "down", -1, "", SevenWords},
  });
}

TEST(DownBody, StepsAndResumeWords) {
  RunBodyCases(ApplyParticleRules, {
      {"Down/61 x/10 ./48", "Down", "", "Down", TwoWords},
      // From the fourth word on, a sentence-final particle is a label, whatever the verb.
      {"a/10 x/10 y/10 shut/20 down/61 ./48", "down",
       "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X", "down"},
      {"cool/20 down/61 the/64 engine/10", "down",
       "cool: suggestion=\"becomes cool/(Give a Temp.)/become cool/decrease temperature\" message=314 entryWords=2 "
       "ruleId=4502", "down"},
      // The first verb table goes on: a number after "to" flags the particle again.
      {"x/10 count/20 down/61{msg=331} to/68 5/49", "down",
       "count: suggestion=\"decrease to\" message=331 entryWords=2 ruleId=5502\ndown: message=304 ruleId=3663", "down"},
      {"x/10 y/10 down/61 ./48", "down", "down: message=331 ruleId=7602", "down", SevenWords},
      {"x/10 y/10 down/61 over/60 z/10", "down", "down: message=324 entryWords=2 ruleId=6665\nover: wordClass=40", "over"},
  });
}

}  // namespace
