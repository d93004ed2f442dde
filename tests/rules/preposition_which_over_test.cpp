// The class-60 chains of "which" and "over".
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/preposition_which_over.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace preposition;

TEST(WhichRules, Rows) {
  static const std::string k[] = {
      Finding("which", "that is an indication/(Rephrase)", 302, 2, 5971),  // 0
      Finding("which", ", which", 318, 1, 5192),                           // 1
      Finding("which", "(Rephrase - wrong verb)", 302, 2, 5671),           // 2
      Finding("which", nullptr, 304, 3, 3245),                             // 3
      Finding("weighs", "has a weight of less than", 324, 2, 3245),        // 4
      Finding("under", "at which/in which/which", 331, 2, 3245),           // 5
      Finding("which", "(Insert noun subj.)", 320, 2, 5971),               // 6
      Finding("which", nullptr, 330, 3, 5971),                             // 7
      Finding("which", "that", 332, 1, 3192),                              // 8
      Finding("which", "that cause/that causes", 300, 3, 6971),            // 9
      Finding("which", ", which", 332, 1, 25192),                          // 10
      Finding("which", "that there are no/that there is no", 331, 2, 6912),  // 11
      Finding("which", "who", 312, 1, 6971),                               // 12
      Finding("which", nullptr, 320, 1, 1317),                             // 13
      Finding("which", ", which", 318, 1, 1379),                           // 14
  };
  const RowCase cases[] = {
      {"x/10 which/60 means/21", "which", 0, k[0].c_str()},
      {"x/10 which/60 is/24", "which", 1, k[1].c_str()},
      {"x/10 Which/60 is/24", "Which", 1, "Which: suggestion=\", Which\" message=318 ruleId=5192"},
      {"x/10 which/60 makes/21", "which", 2, k[2].c_str()},
      {"it/66 is/24 in/75{msg=331} which/60{msg=302} y/10", "which", 3, "in: message=0\nwhich: message=0"},
      {"a/10 ,/47{msg=318} which/60 is/24", "which", 4, ",: message=0"},
      {"x/10 which/60 in/75 y/10", "which", 5, k[3].c_str()},
      {"x/10 which/60 y/10 turn/20", "which", 6, k[3].c_str()},
      {"it/66 weighs/21 which/60 y/10", "which", 7, k[4].c_str()},
      {"go/20 to/68 which/60 y/10", "which", 8, ""},
      {"x/10 under/60 which/60 y/10", "which", 9, k[5].c_str()},
      {"x/10 which/60 one/49", "which", 10, k[6].c_str()},
      {"x/10 which/60 have/25 been/27", "which", 11, k[7].c_str()},
      {"it/66 stops/21 which/60 are/25 y/10", "which", 12, k[8].c_str()},
      {"x/10 which/60 results/21 in/75", "which", 13, k[9].c_str()},
      {"it/66 stops/21 which/60 follow/20", "which", 14, k[10].c_str()},
      {"x/10 which/60 its/60", "which", 15, "its: message=304 ruleId=3379"},
      {"x/10 which/60 no/77", "which", 16, k[11].c_str()},
      {"the/64 persons/11 which/60 y/10", "which", 17, k[12].c_str()},
      {"the/64 driver/10 which/60 y/10", "which", 17, k[12].c_str()},
      // "driver" is a whole word: "drivers" is any noun.
      {"the/64 drivers/11 which/60 y/10", "which", 28, k[1].c_str()},
      {"x/10 which/60 can/28", "which", 18, ""},
      {"it/66 remove/20 which/60 y/10", "which", 19, ""},
      {"go/20 through/60 which/60 y/10", "which", 20, ""},
      {"x/10 which/60 during/70", "which", 21, ""},
      {"x/10 which/60 stops/21", "which", 22, ""},
      {"x/10 which/60 specified/31", "which", 23, k[13].c_str()},
      {"not/29 yet/52 which/60 y/10", "which", 24, "yet: message=304 ruleId=1327"},
      {"a/10 them/66 which/60 y/10", "which", 25, "them: message=320 entryWords=2 ruleId=1317"},
      {"x/10 once/70 which/60 to/68", "which", 26, "once: message=304 entryWords=2 ruleId=1317"},
      {"x/10 and/63 which/60 y/10", "which", 27, k[14].c_str()},
      {"the/64 pump/10 which/60 y/10", "which", 28, k[1].c_str()},
      {"it/66 opens/21 which/60 y/10", "which", -1, ""},
  };
  // A modal after "which" passes the next word, and every noun before it
  // took the comma row: the last three rows never hold.
  RunRowCases(kWhich, cases);
}

TEST(OverRules, Rows) {
  struct Before {
    const char* word;
    const char* advice;
  };
  static const Before kMotion[] = {
      {"costs", "(Give amount or range)"},  {"cycles", "go in a cycle/become"},
      {"concerns", "wrong information about"}, {"drives", "(Give amount or range)"},
      {"hung", "put"},                      {"hard", "fully/(Give Ref. Position)"},
      {"just", "(Give Measurement)"},       {"runs", "(Rephrase)"},
      {"switch", "change to/move to"},      {"spread", "(Give speed measurement)"},
      {"pushes", "push the xxx over"},      {"positioned", "in a position over"},
      {"starts", "start again/starts again"}, {"well", "(Give range measurement)"},
      {"trips", "fall/falls"},              {"tips", "tilt/tilts"},
      {"turns", "turn/turns"},
  };
  struct Measure {
    const char* word;
    int row;  // -1: no measure word
    const char* advice;
  };
  static const Measure kMeasure[] = {
      {"all", 30, "average/(Rephrase)"},
      {"inflation", 31, "(Give tire inflation range)"},
      {"heating", 32, "a temperature of more than"},
      {"length", 33, "a measurement of more than"},
      {"shooting", 33, "a measurement of more than"},
      {"overshoot", -1, nullptr},  // "shoot" must begin the word
      {"pressure", 34, "a pressure of more than"},
      {"temperature", 35, "a temperature of more than"},
      {"time", 36, "(Be specific)"},
      {"there", 37, "(Give position)"},
      {"torque", 38, "a torque value of more than"},
  };
  static std::deque<std::string> keep;
  auto kept = [](std::string s) { return keep.emplace_back(std::move(s)).c_str(); };
  std::vector<RowCase> cases = {
      {"x/10 over/60 one/49", "over", 0, "over: message=305 ruleId=6236"},
      {"x/10 over/60 5/49", "over", 1, "over: message=305 ruleId=6236"},
      {"x/10 over/60 five/49", "over", -1, ""},
      {"x/10 over/60 y/10{mark=1}", "over", 2, ""},
      {"x/10 over/60 the/64", "over", 3, ""},
      {"the/64 position/10{msg=325} over/60 y/10", "over", 4, "position: message=0"},
      {"x/10 over/60 if/70", "over", 5, "over: message=331 ruleId=3245"},
      {"the/64 priority/10 over/60 y/10", "over", 6, kept(Finding("priority", "(Give reference)", 324, 2, 7865))},
      {"x/10 over/60{split=4} y/10", "over", 10, ""},
      {"x/10 over/60 course/10", "over", 11, "over: message=324 ruleId=3245"},
      {"x/10 over/60 :/42", "over", 11, "over: message=324 ruleId=3245"},
      {"x/10 over/60 max/45", "over", 12, "over: message=324 ruleId=3245"},
      {"x/10 over/60 ,/47", "over", 39, "over: message=331 ruleId=6257"},
      {"a/10 remove/20 it/10 over/60 or/63", "over", 40, "over: message=315 ruleId=3236"},
      {"a/10 b/10 c/10 over/60 and/63 d/10", "over", 41, ""},
      {"x/10 over/60 which/69", "over", 42, kept(Finding("over", "for which/through which", 331, 2, 2672))},
      {"x/10 over/60 and/63 above/73", "over", 43, kept(Finding("over", "(Rephrase)", 313, 3, 4236))},
      {"x/10 over/60 and/63 around/73", "over", 44, kept(Finding("over", "around", 313, 3, 4236))},
      {"x/10 over/60 pump/10 y/10", "over", 45,
       "over: written=\"over?pump\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "pump: suggestion=\"the pump\" message=326 ruleId=2356"},
      {"a/10 b/10 we/78 over/60 y/50", "over", 46, "we: message=302 entryWords=2 ruleId=5428"},
      {"a/10 b/10 fixed/31 over/60 y/50", "over", 47, "over: message=324 ruleId=4237"},
      {"a/10 b/10 c/10 over/60 when/70", "over", 48, "over: message=324 ruleId=4237"},
      {"x/10 over/60 bearing/40", "over", 49, kept(Finding("over", "(Give bearing tolerances)", 324, 1, 4237))},
      {"x/10 over/60 distance/40", "over", 50, kept(Finding("over", "for/for more than/(Give range)", 324, 1, 4237))},
      {"x/10 over/60 many/38 year/10", "over", 53, kept(Finding("over", "for/for more than/(Give range)", 324, 1, 4237))},
      {"x/10 over/60 go/20", "over", 54, kept(Finding("over", "for/for more than/(Give range)", 324, 1, 4237))},
      // A verb in a letter that has its own duration words is none.
      {"x/10 over/60 turn/20", "over", -1, ""},
      {"a/10 remove/20{code=V0****} over/60 to/68", "over", 55, "remove: message=315 entryWords=2 ruleId=1236"},
      {"the/64 controls/11 over/60 y/50", "over", 56, kept(Finding("controls", "controlled by", 304, 2, 1237))},
      {"a/10 b/10 we/78{token=9} over/60 y/50", "over", 57, "over: message=302 ruleId=5428"},
      {"a/10 b/10 )/44 over/60 y/50", "over", 58, "over: message=302 ruleId=5428"},
      {"x/10 over/60 5mm/40", "over", 60, kept(Finding("over", "more than", 305, 1, 2237))},
      {"it/66 works/21 over/60 y/50", "over", 61, kept(Finding("works", "do work above", 324, 2, 1236))},
      {"a/10 b/10 c/10 over/60 here/52", "over", 62, "over: message=324 entryWords=2 ruleId=1236"},
      {"x/10 over/60 y/50", "over", -1, ""},
  };
  // The advice on the word before "over".
  cases.push_back({"it/66 rolls/21 over/60 y/10", "over", 7, kept(Finding("rolls", "turn/change in position", 324, 2, 7865))});
  cases.push_back({"a/10 trip/10 over/60 y/10", "over", 8, kept(Finding("trip", "trip hazard/(Add Warning)", 324, 2, 7865))});
  cases.push_back({"by/65 weighing/23 over/60 y/10", "over", 9, kept(Finding("weighing", "has a weight of more than", 324, 2, 7865))});
  int row = 13;
  for (const Before& m : kMotion) {
    const char* text = kept(std::string("it/66 ") + m.word + "/21 over/60 y/50");
    cases.push_back({text, "over", row++, kept(Finding(m.word, m.advice, 305, 2, 2256))});
  }
  cases.push_back({"the/64 speed/10 over/60 y/50", "over", 22, kept(Finding("speed", "(Give speed measurement)", 305, 2, 2256))});
  for (const Measure& m : kMeasure) {
    const char* text = kept(std::string("x/10 over/60 ") + m.word + "/40");
    cases.push_back({text, "over", m.row, m.advice ? kept(Finding("over", m.advice, 305, 2, 3245)) : ""});
  }
  // Every duration in 'h', 'i' and 't' is a measure word, which the measure
  // rows took; a next word without its mark took the article row, and one
  // with it the gate, before the second article row.
  RunRowCases(kOver, cases);
}

// Through the class-60 body: the class head, and the resume words.
TEST(WhichOverBody, ResumeWords) {
  static const BodyCase kCases[] = {
      {"the/64 valve/10 which/60 no/77 y/10", "which",
       "which: suggestion=\"that there are no/that there is no\" message=331 entryWords=2 ruleId=6912", "no"},
      {"x/10 which/60 means/21 y/10", "which",
       "which: suggestion=\"that is an indication/(Rephrase)\" message=302 entryWords=2 ruleId=5971\n"
       "means: wordClass=40",
       "means"},
      {"x/10 which/60 ./48", "which", "", "which"},
      {"x/10 over/60 temperature/10 y/10", "over",
       "over: suggestion=\"a temperature of more than\" message=305 entryWords=2 ruleId=3245\n"
       "temperature: wordClass=40",
       "temperature"},
      {"x/10 over/60 <b>/41", "over", "", "over"},
      {"it/66 rolls/21 over/60 y/10", "over",
       "rolls: suggestion=\"turn/change in position\" message=324 entryWords=2 ruleId=7865", "over"},
      {"it/66 turns/21{msg=302} over/60{msg=331} y/50", "over",
       "turns: suggestion=\"turn/turns\" message=305 entryWords=2 ruleId=2256\nover: message=0", "over"},
  };
  RunBodyCases(ApplyPrepositionRules, kCases);
}

}  // namespace
