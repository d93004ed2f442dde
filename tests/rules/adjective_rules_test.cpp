// The rules of the adjectives, the past participles used as adjectives and
// the colour words.
#include <gtest/gtest.h>

#include "rules/main/adjective_tables.h"
#include "rules/main/class_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

void VerbSeen(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.lastVerbClass = 20;
}

TEST(AdjectiveRules, Tables) {
  static const TableCase kCases[] = {
      {OpeningAdjectiveRows(), {"Only/30 a/64 b/10 ./48", "Only", 0, ""}},
      {OpeningAdjectiveRows(), {"Tight/30 the/64 b/10 ./48", "Tight", 1, "Tight: message=327 ruleId=6894"}},
      {OpeningAdjectiveRows(),
       {"Best/30 way/10 is/24 ./48", "Best", 3, "way: suggestion=\"method/procedure\" message=324 ruleId=6894"}},
      {OpeningAdjectiveRows(), {"Main/30 valve/10 is/24 ./48", "Main", 5, ""}},
      // The nouns after "general" compare whole: "rules" is not "rule".
      {OpeningAdjectiveRows(), {"General/30 rules/11 apply/20 ./48", "General", -1, ""}},
      {OpeningAdjectiveRows(),
       {"General/30 warnings/11 are/25 ./48", "General", 8, "General: message=304 ruleId=4627"}},
      {OpeningAdjectiveRows(), {"General/30 idea/10 ./48", "General", 6,
        "General: suggestion=\"information about/(Rephrase)\" message=313 entryWords=2 ruleId=4627"}},
      {ParticipleRows(), {"a/40 held/31{mark=1} the/64", "held", 0, "held: message=327 ruleId=5367"}},
      {ParticipleRows(), {"a/40 held/31{mark=1} valve/10{mark=1}", "held", 5, "valve: message=302 ruleId=2866"}},
      {ParticipleRows(), {"factory/10 assembled/31 unit/10", "assembled", 6,
                          "factory: suggestion=\"assembled at the factory\" message=313 entryWords=2 ruleId=4831"}},
      {ParticipleRows(), {"a/64 seal/10 b/40 blown/31 x/40", "blown", 10, nullptr}},
      {ParticipleRows(), {"a/40 held/31 up/61", "held", 16,
                          "held: suggestion=\"(held in position)/set\" message=324 ruleId=4831"}},
      // A held that fails its row goes on with the rows after the words.
      {ParticipleRows(), {"is/24 held/31 x/40", "held", 19, ""}},
      {ParticipleRows(), {"a/40{split=4} held/31{split=4} open/20", "held", 20, "held: message=327 ruleId=1365"}},
      {ParticipleRows(), {"a/40 held/31 valve/10 seat/10", "held", 21, ""}},
      {ParticipleRows(), {"a/40 held/31 x/40", "held", -1, ""}},
  };
  RunTableCases(kCases);
}

TEST(AdjectiveRules, GuardsOfEveryAdjective) {
  static const BodyCase kCases[] = {
      {"a/64 valve/10 tight/30{msg=300} and/63 clean/30 ./48", "tight", "tight: message=0", "tight"},
      {"it/66 is/24 tight/30 ./48", "tight", "", "tight"},
      {"it/66 is/24 tight/30 more/34 ./48", "tight", "tight: message=327 ruleId=2187", "tight"},
      // At the sentence start: the rows.
      {"General/30 procedures/11 apply/20 ./48", "General",
       "General: suggestion=\"information about/(Rephrase)\" message=313 entryWords=2 ruleId=4627\n"
       "procedures: wordClass=40", "procedures"},
      {"it/66 is/24 held/31 5/49 ./48", "held", "", "held", VerbSeen, "subjectSeen=-1 lastVerbClass=-1"},
      {"Closed/31 valves/11 ./48", "Closed", "", "Closed"},
      {"Closed/31 valves/11 leak/20 oil/16 ./48", "Closed", "Closed: message=320 ruleId=966", "Closed", VerbSeen,
       "subjectSeen=-1 lastVerbClass=-1 scratchResult=-1"},
      {"Closed/31 the/64 valve/10 ./48", "Closed", "Closed: wordClass=22 message=335 ruleId=2903", "Closed"},
      {"x/40 held/31{pos=-1} up/61 ./48", "held", "", "held"},
      {"the/64 b/10 given/31 Torque/10 ./48", "given",
       "given: suggestion=\"Torque shown\" message=313 entryWords=2 ruleId=1766\nTorque: wordClass=40", "Torque"},
      {"a/64 red/32 ,/47 b/10 ./48", "red", "", "red"},
      {"a/64 red/32 green/32 ./48", "red",
       "red: suggestion=\"(Define a Pantone color.)\" message=324 entryWords=2 ruleId=2207\ngreen: wordClass=40",
       "green"},
      {"the/64 light/10 will/28 turn/20 red/32 ./48", "red",
       "turn: suggestion=\"change to/changes to\" message=300 ruleId=2207", "red"},
      {"the/64 light/10 turns/21 bright/30 red/32 ./48", "red",
       "turns: suggestion=\"change/changes\" message=300 entryWords=2 ruleId=2207", "red"},
      {"Red/32 valves/11 are/25 on/75 the/64 left/43 side/10 ./48", "Red",
       "Red: suggestion=\"The red\" tag=\"<AR>\" message=311 ruleId=2010", "Red"},
      {"Red/32 valves/11 ./48", "Red", "", "Red"},
  };
  RunBodyCases(ApplyAdjectiveRules, kCases);
}

}  // namespace
