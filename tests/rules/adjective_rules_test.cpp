// The rules of the adjectives, the past participles used as adjectives and
// the colour words.
#include <gtest/gtest.h>

#include "rules/main/adjective_tables.h"
#include "rules/main/class_bodies.h"
#include "tests/rules/rule_cases.h"

namespace {

void VerbSeen(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.lastVerbClass = 20;
}

TEST(AdjectiveRules, GuardsOfEveryAdjective) {
  static const BodyCase kCases[] = {
      {"a/64 valve/10 tight/30{msg=300} and/63 clean/30 ./48", "tight", "tight: message=0", "tight"},
      {"a/64 tight/30{msg=300} (/40 b/10 ./48", "tight", "tight: message=0", "tight"},
      {"it/66 is/24 tight/30 ./48", "tight", "", "tight"},
      {"it/66 is/24 tight/30 more/34 ./48", "tight", "tight: message=327 ruleId=2187", "tight"},
      // Inside the sentence the rules of the word decide (none yet).
      {"it/66 is/24 tight/30 now/52 ./48", "tight", "", "tight"},
      // At the sentence start: the rows.
      {"General/30 procedures/11 apply/20 ./48", "General",
       "General: suggestion=\"information about/(Rephrase)\" message=313 entryWords=2 ruleId=4627\n"
       "procedures: wordClass=40",
       "procedures"},
  };
  RunBodyCases(ApplyAdjectiveRules, kCases);
}

TEST(AdjectiveRules, OpeningRows) {
  static const RowCase kCases[] = {
      {"Only/30 a/64 b/10 ./48", "Only", 0, ""},
      {"Tight/30 the/64 b/10 ./48", "Tight", 1, "Tight: message=327 ruleId=6894"},
      {"Much/30 work/10 is/24 ./48", "Much", 2, nullptr},
      {"Best/30 way/10 is/24 ./48", "Best", 3, "way: suggestion=\"method/procedure\" message=324 ruleId=6894"},
      {"Main/30 valve/10 seat/11 is/24 ./48", "Main", 4, ""},
      {"Main/30 valve/10 seat/11{mark=1} is/24 ./48", "Main", 5, ""},
      {"Main/30 valve/10 is/24 ./48", "Main", 5, ""},
      {"General/30 guidelines/11 are/25 ./48", "General", 6, nullptr},
      // The nouns after "general" compare whole: "rules" is not "rule".
      {"General/30 rules/11 apply/20 ./48", "General", -1, ""},
      {"General/30 information/10 is/24 ./48", "General", 6, nullptr},
      {"General/30 Motors/15 is/24 ./48", "General", 7, ""},
      {"General/30 warnings/11 are/25 ./48", "General", 8, "General: message=304 ruleId=4627"},
      {"General/30 idea/10 ./48", "General", 6,
       "General: suggestion=\"information about/(Rephrase)\" message=313 entryWords=2 ruleId=4627"},
  };
  RunRowCases(OpeningAdjectiveRows(), kCases);
}

TEST(AdjectiveRules, ParticipleEntry) {
  static const BodyCase kCases[] = {
      {"it/66 is/24 held/31 5/49 ./48", "held", "", "held", VerbSeen, "subjectSeen=-1 lastVerbClass=-1"},
      {"it/66 is/24 held/31 ./48", "held", "", "held"},
      // Opening participles.
      {"Closed/31{mark=1} valves/11 leak/20 ./48", "Closed", "", "Closed"},
      {"Closed/31 and/63 open/30 ./48", "Closed", "", "Closed"},
      {"Closed/31 valves/11 ./48", "Closed", "", "Closed"},
      {"Closed/31 valves/11 leak/20 oil/16 ./48", "Closed", "Closed: message=320 ruleId=966", "Closed", VerbSeen,
       "subjectSeen=-1 lastVerbClass=-1 scratchResult=-1"},
      {"Closed/31 valves/11 water/16 leaks/21 ./48", "Closed", "", "Closed"},
      {"Closed/31 now/52 ./48", "Closed", "Closed: message=320 ruleId=966", "Closed"},
      {"Closed/31 the/64 valve/10 ./48", "Closed", "Closed: wordClass=22 message=335 ruleId=2903", "Closed"},
      {"x/40 held/31{pos=-1} up/61 ./48", "held", "", "held"},
      // Inside: the rows.
      {"it/66 is/24 held/31 x/40 ./48", "held", "", "held"},
      {"the/64 b/10 given/31 Torque/10 ./48", "given",
       "given: suggestion=\"Torque shown\" message=313 entryWords=2 ruleId=1766\nTorque: wordClass=40", "Torque"},
  };
  RunBodyCases(ApplyAdjectiveRules, kCases);
}

TEST(AdjectiveRules, ParticipleRows) {
  static const RowCase kCases[] = {
      {"a/40 held/31{mark=1} the/64", "held", 0, "held: message=327 ruleId=5367"},
      {"the/64 held/31 the/64", "held", 1, nullptr},
      {"a/40 held/31 opening/23", "held", 2, nullptr},
      {"max/45 held/31 valve/10", "held", 3, nullptr},
      {"a/40{split=4} held/31{split=4} valve/10", "held", 4, nullptr},
      {"a/40 held/31{mark=1} valve/10{mark=1}", "held", 5, "valve: message=302 ruleId=2866"},
      {"factory/10 assembled/31 unit/10", "assembled", 6,
       "factory: suggestion=\"assembled at the factory\" message=313 entryWords=2 ruleId=4831"},
      {"shop/10 assembled/31 unit/10", "assembled", 7, nullptr},
      {"a/40 addressed/31 x/40", "addressed", 8, nullptr},
      {"a/40 blown/31 fuse/10", "blown", 9, nullptr},
      {"a/64 seal/10 b/40 blown/31 x/40", "blown", 10, nullptr},
      {"a/64 seal/10 blown/31 x/40", "blown", -1, ""},
      {"a/40 closed/31 up/61", "closed", 11, nullptr},
      {"a/40 done/31 in/75", "done", 12, nullptr},
      {"is/24 flush/31 x/40", "flush", 13, nullptr},
      {"a/40 grounded/31 x/40", "grounded", 14, nullptr},
      {"a/40 given/31 Torque/10", "given", 15, nullptr},
      {"a/40 held/31 up/61", "held", 16,
       "held: suggestion=\"held in position/set\" message=324 ruleId=4831"},
      {"a/40 kept/31 to/68", "kept", 17, nullptr},
      {"is/24 made/31 available/30", "made", 18, nullptr},
      // A held that fails its row goes on with the rows after the words.
      {"is/24 held/31 x/40", "held", 19, ""},
      {"not/29 made/31 x/40", "made", 19, ""},
      {"a/40{split=4} held/31{split=4} open/20", "held", 20, "held: message=327 ruleId=1365"},
      {"a/40 held/31 valve/10 seat/10", "held", 21, ""},
      {"a/40 held/31 x/41", "held", 22, nullptr},
      {"a/40 held/31 x/40", "held", -1, ""},
  };
  RunRowCases(ParticipleRows(), kCases);
}

TEST(AdjectiveRules, ColourWords) {
  static const BodyCase kCases[] = {
      {"a/64 red/32 ,/47 b/10 ./48", "red", "", "red"},
      {"a/64 red/32{mark=1} b/10 ./48", "red", "", "red"},
      {"a/64 red/32 green/32{split=4} ./48", "red", "", "red"},
      {"a/64 red/32 green/32 ./48", "red",
       "red: suggestion=\"(Define a Pantone color.)\" message=324 entryWords=2 ruleId=2207\ngreen: wordClass=40",
       "green"},
      {"the/64 light/10 will/28 turn/20 red/32 ./48", "red",
       "turn: suggestion=\"change to/changes to\" message=300 ruleId=2207", "red"},
      {"the/64 light/10 turns/21 bright/30 red/32 ./48", "red",
       "turns: suggestion=\"change/changes\" message=300 entryWords=2 ruleId=2207", "red"},
      {"light/10 turn/20 red/32 ./48", "red", "", "red"},
      {"Red/32 valves/11 are/25 on/75 the/64 left/43 side/10 ./48", "Red",
       "Red: suggestion=\"The red\" tag=\"<AR>\" message=311 ruleId=2010", "Red"},
      {"Red/32 valves/11 ./48", "Red", "", "Red"},
  };
  RunBodyCases(ApplyAdjectiveRules, kCases);
}

}  // namespace
