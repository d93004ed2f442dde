// The phrase tables of "on" and "off": first and last rows, each finding
// shape, the rows that share a word stem.
#include <gtest/gtest.h>

#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(OnPhraseRows, OrderAndFields) {
  RunRowCases(VerbsOnRows(), {
      {"Turn/20 on/61{msg=331 sub=331} ./48", "on", 0,
       "Turn: suggestion=\"in the ON position/connected/connect\" message=300 entryWords=2 ruleId=4475\n"
       "on: subClass=0 message=0"},
  });
  RunRowCases(TakesOnRows(), {
      {"Set/20 power/10 on/61 ,/47", "on", 2,
       "power: suggestion=\"power applied/power switch in ON position\" message=302 entryWords=2 ruleId=7476"},
      {"It/66 remains/21 on/61 ,/47", "on", 9,
       "remains: suggestion=\"is on/are on/stay on\" message=302 entryWords=2 ruleId=7476"},
      {"It/66 key_switch/40 on/61 zz/40 ./48", "on", 23, nullptr},
  });
  RunRowCases(OnSideOrPlaceRows(), {
      {"Stop/20 on/61 right/43{mark=1} opens/21 ./48", "on", 0,
       "right: suggestion=\"right side\" wordClass=40 message=320 ruleId=8418"},
      {"Stop/20 on/61 end/40 ./48", "on", 2,
       "on: suggestion=\"on the end/on one end\" message=331 entryWords=2 ruleId=8518"},
      {"Stop/20 on/61 end/40 of/67 ./48", "on", -1, ""},
      {"on/61 end/40 now/50 ./48", "on", -1, ""},
  });
  RunRowCases(OnPhraseRows(), {
      {"Hold/20 on/61{msg=331} ,/47", "on", 0,
       "Hold: suggestion=\"hold/continue to hold\" message=315 entryWords=2 ruleId=3716\non: message=0"},
      {"Turn/20 it/66 on/61 ,/47", "on", 15, nullptr},
      {"Use/20 them/66 on/61 ,/47", "on", 16, "on: suggestion=\"(Give the item name)\" message=320 ruleId=7464"},
      {"Move/20 on/61 to/68 x/40", "on", 37, "on: suggestion=\"onto\" message=311 entryWords=2 ruleId=5464"},
      {"Stop/20 on/61 when/70 ./48", "on", 40, "when: message=313 ruleId=3428"},
  });
  RunRowCases(OnContactRows(), {
      {"Stop/20 on/61 contact/40 ./48", "on", 0,
       "on: suggestion=\"when touch/if touched\" message=324 entryWords=2 ruleId=8466"},
      {"Stop/20 on/61 command/40 ./48", "on", 1,
       "on: suggestion=\"from a command\" message=324 entryWords=2 ruleId=8466"},
  });
}

TEST(OffPhraseRows, OrderAndFields) {
  RunRowCases(OffAfterBeOrHaveRows(), {
      {"The/40 light/10 is/24 off/61 ./48", "off", 0, "off: suggestion=\"not illuminated\" message=324 ruleId=4475"},
      {"It/66 is/24 off/61 ,/47", "off", 1, "off: suggestion=\"not in operation/stopped\" message=324 ruleId=4475"},
  });
  RunRowCases(WasOffRows(), {
      {"It/66 were/40 off/61 zz/40 ./48", "off", 0,
       "were: suggestion=\"are not illuminated/are disconnected\" message=323 ruleId=6475"},
      {"It/66 was/40 off/61 zz/40 ./48", "off", 1,
       "was: suggestion=\"is not illuminated/is disconnected\" message=323 ruleId=6475"},
  });
  RunRowCases(TakesOffRows(), {
      {"It/66 raise/21 off/61 ./48", "off", 0,
       "raise: suggestion=\"lift above/remove from/lift\" message=302 entryWords=2 ruleId=7318"},
      {"It/66 ignition/21 off/61 ./48", "off", 4,
       "ignition: suggestion=\"stop/stopped/in OFF position\" message=302 entryWords=2 ruleId=7318"},
      // "drop" shares the second letter of "dry" but means a fall.
      {"It/66 dries/21 off/61 ./48", "off", 9, "dries: suggestion=\"dry/(Rephrase)\" message=302 entryWords=2 ruleId=7318"},
      {"It/66 drops/21 off/61 ./48", "off", 10,
       "drops: suggestion=\"decrease/(Rephrase)/fall\" message=302 entryWords=2 ruleId=7318"},
  });
  RunRowCases(OffParticleVerbRows(), {
      {"Then/50 you/66 can/28 log/40 off/61 zz/40 ./48", "off", 0, nullptr},
      {"Then/50 you/66 can/28 pull/20 off/61 ,/47", "off", 7,
       "pull: suggestion=\"disconnect/(Rephrase)\" message=315 entryWords=2 ruleId=4415"},
      // Early in the sentence, or after a special token: not a phrasal verb here.
      {"Pull/20 off/61 ,/47", "off", -1, ""},
      {"Then/50 you/66 can/28 pull/20{token=9} off/61 ,/47", "off", -1, ""},
      {"Then/50 you/66 can/28 pull/20 off/61 5/49", "off", -1, ""},
  });
  RunRowCases(OffPhraseRows(), {
      {"Pull/20 off/61 ,/47", "off", 6, nullptr},
      {"Set/20 it/66 to/68 off/61 ,/47", "off", 21,
       "off: suggestion=\"OFF position/in the OFF position\" message=323 ruleId=5607 verbForm=X"},
      {"Stop/20 off/61 to/68 on/40 ./48", "off", 24, "off: suggestion=\"from the OFF position to the ON position\""
       " message=323 entryWords=3 ruleId=1345 separatorFlag=U verbForm=X"},
      {"Put/20 off/61 then/70 on/61 ./48", "off", 26,
       "on: suggestion=\"in the ON position/illuminated\" message=323 ruleId=3607 verbForm=X"},
      {"Stop/20 off/61 by/40 ./48", "off", 35, nullptr},
  });
}

}  // namespace
