// The adverb chains of the letters l, a and b, row by row.
#include <gtest/gtest.h>

#include "rules/function_words/adverb_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using adverb::ChainRows;

TEST(AdverbChainsALB, Rows) {
  const auto C = [](const char* chain) { return ChainRows(chain); };
  const TableCase kCases[] = {
      {C("lightly"), {"Apply/20 oil/16 lightly/52 grease/20", "lightly", 0,
                      "lightly: suggestion=\"apply a thin layer of grease/small amount of oil\" message=305 "
                      "entryWords=2 ruleId=1241"}},
      {C("lightly"), {"Then/52 you/78 x/40 lightly/52 apply/20", "lightly", 1, "lightly: message=302 ruleId=7968"}},
      {C("lightly"), {"You/78 lightly/52 apply/20", "lightly", -1, ""}},
      {C("later"), {"Keep/20 it/66 later/52 use/20", "later", 0,
                    "later: suggestion=\"subsequent operation/(Rephrase)\" message=313 entryWords=2 ruleId=1241"}},
      {C("later"), {"Do/20 it/66 then/73 later/52 ,/47", "later", 2, "later: message=302 ruleId=7968"}},
      // The second or third word of the sentence.
      {C("later"), {"Do/20 later/52 ,/47", "later", -1, ""}},
      {C("away"), {"Cut/20 away/52 metal/16", "away", 1,
                   "Cut: suggestion=\"remove/cut/removal\" message=315 entryWords=2 ruleId=1845"}},
      {C("away"), {"x/40 falls/21 away/52 y/40", "away", 2,
                   "falls: suggestion=\"fall from/falls from\" message=315 entryWords=2 ruleId=1845"}},
      {C("away"), {"Move/20 it/66 away/52 now/52", "away", 7,
                   "away: suggestion=\"away from\" message=331 ruleId=1845"}},
      {C("alone"), {"A/40 stand/20 alone/52 unit/10", "alone", 0,
                    "stand: suggestion=\"one/(Give Model)\" message=313 entryWords=2 ruleId=7258"}},
      {C("alone"), {"Use/20 it/66 alone/52", "alone", 1, "alone: message=313 ruleId=7648"}},
      {C("always"), {"Do/20 it/66 always/52 ./48", "always", 0, "always: message=333 ruleId=7958"}},
      {C("always"), {"It/66 always/52 works/21", "always", -1, ""}},
      {C("again"), {"Do/20 it/66 again/52 start/20", "again", 0, "again: message=302 entryWords=2 ruleId=1232"}},
      {C("again"), {"It/66 started/22 again/52 x/40", "again", 3,
                    "started: suggestion=\"restarted\" message=300 ruleId=7232"}},
      // A special token of class 20 is no verb to cover.
      {C("again"), {"Do/20 it/66 again/52 start/20{token=9}", "again", -1, ""}},
      {C("already"), {"It/66 not/29 already/52", "already", 0, ""}},
      {C("already"), {"It/66 is/24 already/52", "already", 1, "already: message=302 ruleId=4255"}},
      {C("apart"), {"Keep/20 apart/52 by/65 5/49", "apart", 0, "apart: message=302 ruleId=7648"}},
      {C("apart"), {"Keep/20 apart/52 ./48", "apart", -1, ""}},
      {C("approximately"), {"It/66 weighs/21 approximately/52 5/49", "approximately", 1,
                            "weighs: suggestion=\"(Give a weight range)\" message=300 ruleId=4255"}},
      {C("approximately"), {"It/66 is/24 approximately/52 5/49", "approximately", -1, ""}},
      {C("also"), {"It/66 also/52 ,/47", "also", 0, "also: message=302 ruleId=4255"}},
      {C("also"), {"It/66 only/52 if/70", "only", 4, "only: message=302 entryWords=2 ruleId=4153"}},
      {C("also"), {"You/78 also/52 need/20 to/68", "also", 8,
                   "also: suggestion=\"must\" message=335 entryWords=3 ruleId=5153"}},
      {C("also"), {"It/66 also/52 ./48", "also", 13, "also: message=302 ruleId=6255"}},
      {C("also"), {"Valve/10 also/52 ./48", "also", -1, nullptr}},
      // The particles "off", "down", "up" and "out" end the body at its gate.
      {C("back"), {"Remove/20 back/52{mark=1} cover/10", "back", 5, "back: wordClass=10"}},
      {C("back"), {"x/40 back/52{sub=325} of/67", "back", 6, "back: wordClass=10 subClass=0"}},
      // The verb before "back", by its letters.
      {C("back"), {"x/40 came/22 back/52 y/40", "back", 30,
                   "came: suggestion=\"return/go to\" message=315 entryWords=2 ruleId=4938"}},
      {C("back"), {"x/40 fall/20 back/52 y/40", "back", 37,
                   "fall: suggestion=\"fall/fell/fallen\" message=315 entryWords=2 ruleId=4938"}},
      // A special token before "back" is no verb.
      {C("back"), {"x/40 push/20{token=9} back/52 y/40", "back", -1, nullptr}},
      {C("back"), {"x/40 back/52 if/70", "back", 40,
                   "back: suggestion=\"(Rephrase)\" message=324 entryWords=2 ruleId=9845"}},
      {C("back"), {"x/40 back/52 inside/75", "back", 6, nullptr}},
      {C("back"), {"x/40 back/52 inside/40", "back", 41,
                   "back: suggestion=\"into/move to\" message=324 entryWords=2 ruleId=9845"}},
      {C("back"), {"x/40 get/20 back/52 to/68{msg=331}", "back", 50,
                   "get: suggestion=\"go to\" message=313 entryWords=3 ruleId=4664\nto: message=0"}},
      {C("back"), {"x/40 put/20 back/52 in/60 position/10", "back", 52,
                "put: suggestion=\"in the correct position\" message=313 entryWords=4 ruleId=4664\nin: wordClass=40\n"
                   "position: wordClass=40"}},
      {C("back"), {"x/40 back/52 to/68", "back", 54, "back: message=304 ruleId=1948"}},
      {C("back"), {"x/40 back/52 y/40", "back", -1, ""}},
      {C("both"), {"Clean/20 BOTH/52 sides/11", "BOTH", 0, "BOTH: suggestion=\"THE TWO\" message=301 ruleId=2885"}},
      {C("both"), {"Clean/20 both/52 x/40", "both", 2, "both: suggestion=\"for/the two\" message=327 ruleId=2896"}},
      {C("both"), {"x/40 in/75 both/52 cases/11{code=NMP***}", "both", 3,
                   "in: suggestion=\"in each/the two\" message=331 entryWords=2 ruleId=5894"}},
      {C("both"), {"x/40 both/52 valves/11{code=NMP***}", "both", 7,
                   "both: suggestion=\"for/the two\" message=331 ruleId=5894"}},
      // Class 45 after the word ends the body at its gate.
      {C("below"), {"x/40 Below/52 50/49", "Below", 0,
                    "Below: suggestion=\"Less than\" tag=\"<AR>\" message=311 ruleId=1767"}},
      {C("below"), {"x/40 drops/21 below/52 y/40", "below", 6,
                    "drops: suggestion=\"less than\" message=324 entryWords=2 ruleId=4257"}},
      {C("below"), {"x/40 below/52 :/42", "below", 8, "below: message=324 ruleId=3245"}},
      // A measured word before "below", from the third word on.
      {C("below"), {"It/66 is/24 lowered/22 below/52 y/40", "below", 10,
                    "lowered: suggestion=\"(Give Range or distance)\" message=324 entryWords=2 ruleId=1246"}},
      {C("below"), {"temperature/10 below/52 z/40", "below", -1, nullptr}},
      {C("below"), {"x/40 below/52 fit/20", "below", 25, "fit: message=322 ruleId=4234"}},
  };
  RunTableCases(kCases);
}

}  // namespace
