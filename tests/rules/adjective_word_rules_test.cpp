// The rules of the adjectives inside their sentence: the findings of each
// word, and the rows of the word tables.
#include <gtest/gtest.h>

#include "rules/main/adjective_word_rules.h"
#include "rules/main/adjective_word_tables.h"
#include "tests/rules/table_cases.h"

namespace {

// The rows of the word tables: the rows that pin the order, each output shape and the mended advice.
TEST(AdjectiveWordRules, Rows) {
  using namespace adjective_rows;
  const TableCase kCases[] = {
      {Both(), {"on/75 both/30 sides/11{msg=300} ./48", "both", 0, "sides: message=0"}},
      {Both(), {"a/40 both/30 valves/11{code=N****} ./48", "both", 7,
                "both: suggestion=\"(the two ...)\" message=331 ruleId=5894"}},
      {Clear(), {"a/40 push/20 clear/30 y/66 ./48", "clear", 0,
                 "push: suggestion=\"lift xxx above / lift xxx away from\" message=300 entryWords=2 ruleId=6012"}},
      {Clear(), {"a/40 clear/30{sub=5 msg=301} y/66 ./48", "clear", 7,
                 "clear: suggestion=\"(Rephrase)\" subClass=0 message=300 ruleId=5687"}},
      {General(), {"a/64 general/30 warnings/11 ./48", "general", 0, "general: message=304 ruleId=4627"}},
      {General(), {"a/64 general/30 rule/10 ./48", "general", 1,
                   "general: suggestion=\"information about/(Rephrase)\" message=313 entryWords=2 ruleId=4627"}},
      // Row 12 ("flowing"): row 0 takes every word beginning with "flow".
      {Free(), {"a/40 free/30 airflow/10 ./48", "free", 0, ""}},
      {Free(), {"a/40 b/40 for/65 free/30 y/66 ./48", "free", 18,
                "for: suggestion=\"(Rephrase)\" message=313 entryWords=2 ruleId=2787"}},
      {Free(), {"a/40 swinging/23 free/30 y/66 ./48", "free", 5,
                "swinging: suggestion=\"move/release/turn\" message=313 ruleId=2787"}},
      {Free(), {"a/40 free/30 y/66 ./48", "free", -1, ""}},
      {Full(), {"a/64 full/30 load/20 ./48", "full", 0, "load: wordClass=10"}},
      {Full(), {"a/64 full/30 description/10 ./48", "full", 2,
                "full: suggestion=\"complete description\" message=305 entryWords=2 ruleId=4831"}},
      {Full(), {"a/64 full/30 pressure/10 ./48", "full", 8,
                "full: suggestion=\"(Give a pressure range)\" message=305 entryWords=2 ruleId=4831"}},
      {Full(), {"a/64 full-scale/30 y/66 ./48", "full-scale", 15,
                "full-scale: suggestion=\"(Give measurement for full)\" message=305 ruleId=3627"}},
      {Full(), {"a/64 full/30 valve/10 ./48", "full", -1, ""}},
      {HWord(), {"a/64 hard/30{split=4} y/66 ./48", "hard", 0, ""}},
      {HWord(), {"a/64 high/30 pressure/10 pump/10{code=N*S***} ./48", "high", 1,
                 "high: suggestion=\"high-pressure\" message=317 entryWords=2 ruleId=9216"}},
      {HWord(), {"a/64 high/30 pressure/10 pump/10 ./48", "high", -1, ""}},
      {Hot(), {"a/40 b/40 gets/21 hot/30 y/66 ./48", "hot", 3,
               "gets: suggestion=\"become/becomes/became/is/are\" message=313 entryWords=2 ruleId=5687"}},
      {Hot(), {"a/40 b/40 c/40 hot/30 day/10 ./48", "hot", 5,
               "hot: suggestion=\"(Give daily temp. range)\" message=305 entryWords=2 ruleId=5687"}},
      {Hot(), {"a/40 b/40 c/40 hot/30 y/66 ./48", "hot", -1, ""}},
      {Hard(), {"a/64 hard/30 hat/10 ./48", "hard", 0,
                "hard: suggestion=\"protective headgear/hard hat symbol\" message=324 entryWords=2 ruleId=6627"}},
      {Hard(), {"a/40 b/40 is/24{code=V0****} hard/30 y/66 ./48", "hard", 1, "hard: message=321 ruleId=6558"}},
      {Hard(), {"a/64 hard/30 y/66 ./48", "hard", 5, "hard: suggestion=\"difficult\" message=324 ruleId=4627"}},
      {High(), {"a/40 relatively/50 high/30 y/66 ./48", "high", 1,
                "relatively: suggestion=\"(Give range)\" message=305 entryWords=2 ruleId=5558"}},
      {High(), {"a/64 high/30 pressure/10{token=1} pumps/11 ./48", "high", 5,
                "high: suggestion=\"high-pressure\" message=317 ruleId=2730"}},
      {High(),
       {"a/64 high/30 force/10 ./48", "high", 11, "high: suggestion=\"(Give a Range)\" message=305 ruleId=4536"}},
      {Low(), {"a/40 b/40 low-cost/30 valve/10 ./48", "low-cost", 0, ""}},
      {Low(),
       {"a/64 low/30 not/29 ./48", "low", 12, "a: suggestion=\"(Give a range)\" message=305 entryWords=2 ruleId=5558"}},
      {Low(), {"a/40 b/40 low/30 noise/10{token=1} pump/10 ./48", "low", 2,
               "low: suggestion=\"low-noise\" message=317 ruleId=2530"}},
      {Low(), {"a/40 is/24 low/30{split=4} valve/10 ./48", "low", 4, ""}},
      {Low(), {"a/64 LOW/30 PRESSURE/10 PUMP/10 ./48", "LOW", 7, ""}},
      {Low(), {"valve/10{split=4} low/30 pump/10 ./48", "low", 14, "low: message=317 ruleId=5558"}},
      {Low(), {"a/64 low/30 y/66 ./48", "low", -1, ""}},
      {Light(), {"the/64 switch/10 light/30 off/61 ./48", "light", 5,
                 "light: suggestion=\"put the switch in the OFF position\" message=315 ruleId=6558"}},
      {Light(), {"a/64 light/30 y/66 ./48", "light", -1, ""}},
      // Row 7 (a word of class 67 after the next): the measure row 5 takes it,
      // since that word is of a class above 19.
      {Long(), {"a/64 long/30 periods/11 of/67 time/10 ./48", "long", 0,
                "long: suggestion=\"(Give time ref.)\" message=324 entryWords=4 ruleId=7627"}},
      {Long(), {"a/64 long/30 y/66 of/67 ./48", "long", 5,
                "long: suggestion=\"(Give measurement)\" message=305 entryWords=2 ruleId=8627"}},
      {Long(), {"a/64 long/30 y/66 ./48", "long", -1, ""}},
      // Row 6 (a noun before, a comma after, further in): row 3 takes it.
      {Open(), {"a/64 open/30 y/66{mark=1} ./48", "open", 0, ""}},
      {Open(), {"a/64 circuit/10 open/30 y/66 ./48", "open", 2,
                "circuit: suggestion=\"open-circuit\" message=314 entryWords=2 ruleId=4218"}},
      {Open(), {"a/64 opens/30 y/66 ./48", "opens", -1, ""}},
      // Row 14 ("pulse"): row 5 takes every word beginning with "pulse".
      {Short(), {"as/54{msg=302 sub=7} short/30 as/54 ./48", "short", 2, "as: subClass=0 message=0\nas: wordClass=40"}},
      {Short(), {"a/40 short/30 pulses/11 ./48", "short", 5,
        "short: suggestion=\"(second pulses)/(millisecond pulses)\" wordClass=10 message=305 entryWords=2 ruleId=5466"}},
      {Short(), {"the/64 short/30 y/66 ./48", "short", 20,
                 "short: suggestion=\"short-circuit/cause a short-circuit\" message=314 ruleId=7629"}},
      {Short(), {"a/40 short/30 amount/40 of/67 time/10 ./48", "short", 22,
                 "short: suggestion=\"(Give time Ref.)\" message=305 entryWords=4 ruleId=7629"}},
      {Short(), {"a/40 short/30 y/66 ./48", "short", -1, ""}},
      {Little(), {"a/40 little/30 by/65 little/30 ./48", "little", 0, nullptr}},
      {Little(), {"a/40 little/30 short/30 ./48", "little", 4,
                  "little: suggestion=\"(Give size or distance)\" message=301 entryWords=2 ruleId=6247"}},
      {Little(), {"a/40 little/30{pos=-1} time/10 ./48", "little", -1, ""}},
      {Together(), {"a/40 together/30 with/74 ./48", "together", 0, nullptr}},
      {Together(), {"go/20{code=V0****} together/30 ,/47", "together", 1, ""}},
      {Together(), {"a/40 together/30 ,/47", "together", 2, "together: message=333 ruleId=2787"}},
      {True(), {"a/40 true/30 north/10 ./48", "true", 0, ""}},
      {True(), {"a/40 true/30 angle/10 ./48", "true", 1, ""}},
      {True(),
       {"a/40 true/30 x/40 ./48", "true", 2, "true: suggestion=\"(Give angle)\" message=302 ruleId=3948"}},
      {Several(), {"a/40 several/30 hundred/49 ./48", "several", 0, nullptr}},
      {Several(),
       {"a/40 several/30 x/40 ./48", "several", 1, "several: suggestion=\"(Give a range)\" message=305 ruleId=5627"}},
      // A noun has ended the word before "way"; an article never reaches the
      // word rules.
      {Same(), {"a/40 same/30 valve/10 ./48", "same", 0, ""}},
      {Same(), {"a/40 same/30 meant/22 y/40 ./48", "same", 1,
                "same: suggestion=\"same type of\" message=324 entryWords=2 ruleId=6894\nmeant: wordClass=40"}},
      {Same(), {"a/40 same/30 x/40 ./48", "same", 7, nullptr}},
  };
  RunTableCases(kCases);
}

TEST(AdjectiveWordRules, FindingsByWord) {
  static const BodyCase kCases[] = {
      {"a/64 full/30 distance/10 ./48", "full",
       "full: suggestion=\"(Give a distance ref.)\" message=305 entryWords=2 ruleId=4831\ndistance: wordClass=40",
       "distance"},
      {"do/20 a/64 dry/30 run/10 ./48", "dry",
       "dry: suggestion=\"do a test\" message=327 entryWords=2 ruleId=5487\nrun: wordClass=40", "run"},
      {"is/24 a/64 little/30 loose/30 ./48", "little",
       "little: suggestion=\"not tight/(Give torque range)\" message=301 entryWords=2 ruleId=6247\n"
       "loose: wordClass=40", "loose"},
      {"x/40 little/30{pos=-1} short/30 ./48", "little",
       "little: suggestion=\"small/(Give size range)\" message=302 ruleId=3247", "little"},
      {"a/64 close/30 tolerance/10 x/40 ./48", "close",
       "close: suggestion=\"(Give a tolerance range)\" message=305 entryWords=2 ruleId=5687", "tolerance"},
      // The advice goes with the finding on the word before.
      {"in/75 both/30 cases/11{code=N*S***} ./48", "both",
       "in: suggestion=\"in each/the two\" message=331 entryWords=2 ruleId=5894", "both"},
      {"a/64 major/30 leak/10 ./48", "major", "major: suggestion=\"(Give Measure or ref.)\" message=324 ruleId=4218",
       "major"},
      {"x/40 clear/30 fault/20{code=V0****} ./48", "clear",
       "clear: suggestion=\"Correct the fault/Reset the ...\" message=300 entryWords=2 ruleId=3612\n"
       "fault: wordClass=40", "fault"},
      {"the/64 lamp/10 lights/30 up/61 ./48", "lights",
       "lights: suggestion=\"illuminates\" wordClass=11 message=315 entryWords=2 ruleId=6558\nup: wordClass=40", "up"},
      {"a/64 light/30 x/40 ./48", "light", "light: classCode=\"N****\" wordClass=10", "light"},
      {"a/64 high/30 pressure/10{code=N*S***} pump/10{code=N*S***} ./48", "high",
       "high: suggestion=\"high-pressure\" message=317 entryWords=2 ruleId=9216\npressure: wordClass=40", "pressure"},
      {"a/64 General/30 Widget/10{msg=325} x/30 ./48", "General", "General: wordClass=39\nWidget: wordClass=39 message=0",
       "General"},
      {"a/64 long/30 distance/10 pump/10 ./48", "long",
       "long: suggestion=\"long-distance\" message=317 entryWords=2 ruleId=4873\ndistance: wordClass=40", "distance"},
      {"a/64 tight/30 x/40 ./48", "tight", "", "tight"},
  };
  RunBodyCases(ApplyAdjectiveWordRules, kCases);
}

}  // namespace
