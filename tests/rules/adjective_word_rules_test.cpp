// The rules of the adjectives inside their sentence: the findings of each
// word, and the rows of the shorter tables.
#include <gtest/gtest.h>

#include "rules/main/adjective_word_rules.h"
#include "rules/main/adjective_word_tables.h"
#include "tests/rules/table_cases.h"

namespace {

TEST(AdjectiveWordRules, RowsOfShortTables) {
  using namespace adjective_rows;
  static const TableCase kCases[] = {
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
       {"a/40 true/30 x/40 ./48", "true", 2, "true: suggestion=\"accurate/(Give angle)\" message=302 ruleId=3948"}},
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
