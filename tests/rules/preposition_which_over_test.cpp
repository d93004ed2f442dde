// The class-60 chains of "which" and "over".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/preposition_which_over.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace preposition;

TEST(WhichRules, Rows) {
  RunRowCases(kWhich, {
      {"x/10 which/60 means/21", "which", 0, KeptFinding("which", "that is an indication/(Rephrase)", 302, 2, 5971)},
      {"x/10 Which/60 is/24", "Which", 1, "Which: suggestion=\", Which\" message=318 ruleId=5192"},
      {"it/66 is/24 in/75{msg=331} which/60{msg=302} y/10", "which", 3, "in: message=0\nwhich: message=0"},
      {"x/10 under/60 which/60 y/10", "which", 9, KeptFinding("under", "at which/in which/which", 331, 2, 3245)},
      {"the/64 driver/10 which/60 y/10", "which", 17, KeptFinding("which", "who", 312, 1, 6971)},
      // "driver" is a whole word: "drivers" is any noun.
      {"the/64 drivers/11 which/60 y/10", "which", 28, KeptFinding("which", ", which", 318, 1, 5192)},
      {"not/29 yet/52 which/60 y/10", "which", 24, "yet: message=304 ruleId=1327"},
      {"x/10 and/63 which/60 y/10", "which", 27, KeptFinding("which", ", which", 318, 1, 1379)},
      {"it/66 opens/21 which/60 y/10", "which", -1, ""},
  });
}

TEST(OverRules, Rows) {
  RunRowCases(kOver, {
      {"x/10 over/60 one/49", "over", 0, "over: message=305 ruleId=6236"},
      {"x/10 over/60 five/49", "over", -1, ""},
      {"the/64 position/10{msg=325} over/60 y/10", "over", 4, "position: message=0"},
      {"the/64 priority/10 over/60 y/10", "over", 6, KeptFinding("priority", "(Give reference)", 324, 2, 7865)},
      {"x/10 over/60 ,/47", "over", 39, "over: message=331 ruleId=6257"},
      {"x/10 over/60 and/63 around/73", "over", 44, KeptFinding("over", "around", 313, 3, 4236)},
      {"x/10 over/60 pump/10 y/10", "over", 45,
       "over: written=\"over?pump\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "pump: suggestion=\"the pump\" message=326 ruleId=2356"},
      // "Previous word of class 31, or next word of class 70" needs the third word or later.
      {"a/10 b/10 fixed/31 over/60 y/50", "over", 47, "over: message=324 ruleId=4237"},
      {"a/10 b/10 c/10 over/60 when/70", "over", 48, "over: message=324 ruleId=4237"},
      {"a/10 remove/20 it/10 over/60 or/63", "over", 40, "over: message=315 ruleId=3236"},
      {"a/10 remove/20{code=V0****} over/60 to/68", "over", 55, "remove: message=315 entryWords=2 ruleId=1236"},
      {"x/10 over/60 go/20", "over", 54, KeptFinding("over", "for/for more than/(Give range)", 324, 1, 4237)},
      // A verb in a letter that has its own duration words is none.
      {"x/10 over/60 turn/20", "over", -1, ""},
      {"it/66 hard/21 over/60 y/50", "over", 18, KeptFinding("hard", "fully/(Give Ref. Position)", 305, 2, 2256)},
      {"it/66 starts/21 over/60 y/50", "over", 25, KeptFinding("starts", "start again/starts again", 305, 2, 2256)},
      {"it/66 turns/21 over/60 y/50", "over", 29, KeptFinding("turns", "turn/turns", 305, 2, 2256)},
      {"x/10 over/60 all/40", "over", 30, KeptFinding("over", "average/(Rephrase)", 305, 2, 3245)},
      {"x/10 over/60 shooting/40", "over", 33, KeptFinding("over", "a measurement of more than", 305, 2, 3245)},
      {"x/10 over/60 overshoot/40", "over", -1, ""},  // "shoot" must begin the word
      {"x/10 over/60 torque/40", "over", 38, KeptFinding("over", "a torque value of more than", 305, 2, 3245)},
      {"a/10 b/10 we/78 over/60 y/50", "over", 46, "we: message=302 entryWords=2 ruleId=5428"},
      {"it/66 works/21 over/60 y/50", "over", 61, KeptFinding("works", "do work above", 324, 2, 1236)},
      {"a/10 b/10 c/10 over/60 here/52", "over", 62, "over: message=324 entryWords=2 ruleId=1236"},
  });
}

// Through the class-60 body: the class head, and the resume words.
TEST(WhichOverBody, ResumeWords) {
  RunBodyCases(ApplyPrepositionRules, {
      {"the/64 valve/10 which/60 no/77 y/10", "which",
       "which: suggestion=\"that there are no/that there is no\" message=331 entryWords=2 ruleId=6912", "no"},
      {"x/10 which/60 means/21 y/10", "which",
       "which: suggestion=\"that is an indication/(Rephrase)\" message=302 entryWords=2 ruleId=5971\n"
       "means: wordClass=40", "means"},
      {"x/10 which/60 ./48", "which", "", "which"},
      {"x/10 over/60 temperature/10 y/10", "over",
       "over: suggestion=\"a temperature of more than\" message=305 entryWords=2 ruleId=3245\n"
       "temperature: wordClass=40", "temperature"},
      {"it/66 turns/21{msg=302} over/60{msg=331} y/50", "over",
       "turns: suggestion=\"turn/turns\" message=305 entryWords=2 ruleId=2256\nover: message=0", "over"},
  });
}

}  // namespace
