// Every row of the phrase tables of "on" and "off" is reached.
#include <gtest/gtest.h>

#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

// The tables of "on" in the order the rule tries them, and "on contact"
// of the shared first steps.
TEST(OnPhraseRows, EveryRowReached) {
  {
    static const RowCase kCases[] = {
        {"Turn/20 on/61{msg=331 sub=331} ./48", "on", 0,
         "Turn: suggestion=\"in the ON position/connected/connect\" message=300 entryWords=2 ruleId=4475\n"
         "on: subClass=0 message=0"},
        {"It/66 focus/40 on/61 zz/40 ./48", "on", 1, nullptr},
        {"It/66 loop/40 on/61 zz/40 ./48", "on", 2, nullptr},
    };
    RunRowCases(VerbsOnRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 only/40 on/61 zz/40 ./48", "on", 0, nullptr},
        {"It/66 place/40 on/61 zz/40 ./48", "on", 1, nullptr},
        {"Set/20 power/10 on/61 ,/47", "on", 2,
         "power: suggestion=\"power applied/power switch in ON position\""
         " message=302 entryWords=2 ruleId=7476"},
        {"It/66 stated/40 on/61 zz/40 ./48", "on", 3, nullptr},
        {"It/66 ship/40 on/61 zz/40 ./48", "on", 4, nullptr},
        {"It/66 switch/40 on/61 zz/40 ./48", "on", 5, nullptr},
        {"It/66 voltage/40 on/61 zz/40 ./48", "on", 6, nullptr},
        {"It/66 work/40 on/61 zz/40 ./48", "on", 7, nullptr},
        {"It/66 tolerance/40 on/61 zz/40 ./48", "on", 8, nullptr},
        {"It/66 rest/40 on/61 zz/40 ./48", "on", 9, nullptr},
        {"It/66 act/40 on/61 zz/40 ./48", "on", 10, nullptr},
        {"It/66 based/40 on/61 zz/40 ./48", "on", 11, nullptr},
        {"It/66 build/40 on/61 zz/40 ./48", "on", 12, nullptr},
        {"It/66 came/40 on/61 zz/40 ./48", "on", 13, nullptr},
        {"It/66 center/40 on/61 zz/40 ./48", "on", 14, nullptr},
        {"It/66 data/40 on/61 zz/40 ./48", "on", 15, nullptr},
        {"It/66 engine/40 on/61 zz/40 ./48", "on", 16, nullptr},
        {"It/66 effect/40 on/61 zz/40 ./48", "on", 17, nullptr},
        {"It/66 information/40 on/61 zz/40 ./48", "on", 18, nullptr},
        {"It/66 jump/40 on/61 zz/40 ./48", "on", 19, nullptr},
        {"It/66 level/40 on/61 zz/40 ./48", "on", 20, nullptr},
        {"It/66 low/40 on/61 zz/40 ./48", "on", 21, nullptr},
        {"It/66 flat/40 on/61 zz/40 ./48", "on", 22, nullptr},
        {"It/66 key_switch/40 on/61 zz/40 ./48", "on", 23, nullptr},
        {"It/66 remains/21 on/61 ,/47", "on", 9, "remains: suggestion=\"is on/are on/stay on\" message=302 entryWords=2 ruleId=7476"},
    };
    RunRowCases(TakesOnRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Stop/20 on/61 right/43{mark=1} opens/21 ./48", "on", 0,
         "right: suggestion=\"right side\" wordClass=40 message=320 ruleId=8418"},
        {"Stop/20 on/61 left/43{mark=1} opens/21 ./48", "on", 1, nullptr},
        {"Stop/20 on/61 end/40 ./48", "on", 2,
         "on: suggestion=\"on the end/on one end\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 battery/40 ./48", "on", 3,
         "on: suggestion=\"(Rephrase for subj. power)\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 flight/40 ./48", "on", 4,
         "on: suggestion=\"during the flight\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 duty/40 ./48", "on", 5,
         "on: suggestion=\"in position/at xxx/(Rephrase)\" message=331 entryWords=2 ruleId=8518"},
        {"Stop/20 on/61 end/40 of/67 ./48", "on", -1, ""},
        {"on/61 end/40 now/50 ./48", "on", -1, ""},
    };
    RunRowCases(OnSideOrPlaceRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Hold/20 on/61{msg=331} ,/47", "on", 0,
         "Hold: suggestion=\"hold/continue to hold\" message=315 entryWords=2 ruleId=3716\n"
         "on: message=0"},
        {"It/66 check/40 on/61 zz/40 ./48", "on", 1, nullptr},
        {"It/66 toggle/40 on/61 zz/40 ./48", "on", 2, nullptr},
        {"It/66 live/40 on/61 zz/40 ./48", "on", 3, nullptr},
        {"It/66 marked/40 on/61 zz/40 ./48", "on", 4, nullptr},
        {"It/66 lights/40 on/61 zz/40 ./48", "on", 5, nullptr},
        {"It/66 climb/40 on/61 zz/40 ./48", "on", 6, nullptr},
        {"It/66 continu/40 on/61 zz/40 ./48", "on", 7, nullptr},
        {"It/66 put/40 on/61 zz/40 ./48", "on", 8, nullptr},
        {"It/66 notice/40 on/61 zz/40 ./48", "on", 9, nullptr},
        {"It/66 schedule/40 on/61 zz/40 ./48", "on", 10, nullptr},
        {"It/66 call/40 on/61 zz/40 ./48", "on", 11, nullptr},
        {"It/66 issue/40 on/61 zz/40 ./48", "on", 12, nullptr},
        {"It/66 spot/40 on/61 zz/40 ./48", "on", 13, nullptr},
        {"It/66 volume/40 on/61 zz/40 ./48", "on", 14, nullptr},
        {"Turn/20 it/66 on/61 ,/47", "on", 15, nullptr},
        {"Use/20 them/66 on/61 ,/47", "on", 16,
         "on: suggestion=\"(Give the item name)\" message=320 ruleId=7464"},
        {"It/66 been/40 on/61 zz/40 ./48", "on", 17, nullptr},
        {"It/66 switches/40 on/61 zz/40 ./48", "on", 18, nullptr},
        {"It/66 appear/40 on/61 zz/40 ./48", "on", 19, nullptr},
        {"It/66 high/40 on/61 zz/40 ./48", "on", 20, nullptr},
        {"It/66 rely/40 on/61 zz/40 ./48", "on", 21, nullptr},
        {"It/66 depend/40 on/61 zz/40 ./48", "on", 22, nullptr},
        {"It/66 resid/40 on/61 zz/40 ./48", "on", 23, nullptr},
        {"It/66 advise/40 on/61 zz/40 ./48", "on", 24, nullptr},
        {"It/66 click/40 on/61 zz/40 ./48", "on", 25, nullptr},
        {"It/66 illuminate/40 on/61 zz/40 ./48", "on", 26, nullptr},
        {"It/66 included/40 on/61 zz/40 ./48", "on", 27, nullptr},
        {"It/66 trained/40 on/61 zz/40 ./48", "on", 28, nullptr},
        {"It/66 present/40 on/61 zz/40 ./48", "on", 29, nullptr},
        {"It/66 agreed/40 on/61 zz/40 ./48", "on", 30, nullptr},
        {"It/66 begin/40 on/61 zz/40 ./48", "on", 31, nullptr},
        {"It/66 insist/40 on/61 zz/40 ./48", "on", 32, nullptr},
        {"It/66 from/40 on/61 to/68 ./48", "on", 33, nullptr},
        {"Stop/20 on/61 and/40 under/40 ./48", "on", 34, nullptr},
        {"Stop/20 on/61 //40 off/40 ./48", "on", 35, nullptr},
        {"Stop/20 on/61 off/40 ./48", "on", 36, nullptr},
        {"Move/20 on/61 to/68 x/40", "on", 37,
         "on: suggestion=\"onto\" message=311 entryWords=2 ruleId=5464"},
        {"Stop/20 on/61 again/40 ./48", "on", 38, nullptr},
        {"Stop/20 on/61 whether/40 ./48", "on", 39, nullptr},
        {"Stop/20 on/61 when/70 ./48", "on", 40,
         "when: message=313 ruleId=3428"},
        {"Put/20 them/66 on/61 ,/47", "on", 15, nullptr},
    };
    RunRowCases(OnPhraseRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Stop/20 on/61 contact/40 ./48", "on", 0,
         "on: suggestion=\"when touch/if touched\" message=324 entryWords=2 ruleId=8466"},
        {"Stop/20 on/61 command/40 ./48", "on", 1,
         "on: suggestion=\"from a command\" message=324 entryWords=2 ruleId=8466"},
    };
    RunRowCases(OnContactRows(), kCases);
  }
}

// The tables of "off" in the order the rule tries them.
TEST(OffPhraseRows, EveryRowReached) {
  {
    static const RowCase kCases[] = {
        {"The/40 light/10 is/24 off/61 ./48", "off", 0,
         "off: suggestion=\"not illuminated\" message=324 ruleId=4475"},
        {"It/66 is/24 off/61 ,/47", "off", 1,
         "off: suggestion=\"not in operation/stopped\" message=324 ruleId=4475"},
    };
    RunRowCases(OffAfterBeOrHaveRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 were/40 off/61 zz/40 ./48", "off", 0,
         "were: suggestion=\"are not illuminated/are disconnected\" message=323 ruleId=6475"},
        {"It/66 was/40 off/61 zz/40 ./48", "off", 1,
         "was: suggestion=\"is not illuminated/is disconnected\" message=323 ruleId=6475"},
    };
    RunRowCases(WasOffRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 lift/40 off/61 zz/40 ./48", "off", 0, nullptr},
        {"It/66 remain/40 off/61 zz/40 ./48", "off", 1, nullptr},
        {"It/66 mark/40 off/61 zz/40 ./48", "off", 2, nullptr},
        {"It/66 just/50 off/61 ./48", "off", 3,
         "just: message=302 entryWords=2 ruleId=7318"},
        {"It/66 switch/40 off/61 zz/40 ./48", "off", 4, nullptr},
        {"It/66 turning/40 off/61 zz/40 ./48", "off", 5, nullptr},
        {"It/66 broken/22 off/61 ./48", "off", 6,
         "broken: suggestion=\"damaged/removed/broken\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 back/40 off/61 zz/40 ./48", "off", 7, nullptr},
        {"It/66 clos/40 off/61 zz/40 ./48", "off", 8, nullptr},
        {"It/66 dry/40 off/61 zz/40 ./48", "off", 9, nullptr},
        {"It/66 drop/40 off/61 zz/40 ./48", "off", 10, nullptr},
        {"It/66 fall/40 off/61 zz/40 ./48", "off", 11, nullptr},
        {"It/66 marks/21 off/61 ./48", "off", 2, "marks: suggestion=\"identify with marks\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 raise/21 off/61 ./48", "off", 0, "raise: suggestion=\"lift above/remove from/lift\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 engine/21 off/61 ./48", "off", 4, "engine: suggestion=\"stop/stopped/in OFF position\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 ignition/21 off/61 ./48", "off", 4, "ignition: suggestion=\"stop/stopped/in OFF position\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 closes/21 off/61 ./48", "off", 8, "closes: suggestion=\"stop/close/prevent/seal\" message=302 entryWords=2 ruleId=7318"},
        // "drop" shares the second letter of "dry" but means a fall.
        {"It/66 dries/21 off/61 ./48", "off", 9, "dries: suggestion=\"dry/(Rephrase)\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 drops/21 off/61 ./48", "off", 10, "drops: suggestion=\"decrease/(Rephrase)/fall\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 falls/21 off/61 ./48", "off", 11, "falls: suggestion=\"fall/falls/decrease\" message=302 entryWords=2 ruleId=7318"},
        {"It/66 remains/21 off/61 ./48", "off", 1, "remains: suggestion=\"is in the OFF position\" message=302 entryWords=2 ruleId=7318"},
    };
    RunRowCases(TakesOffRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Then/50 you/66 can/28 log/40 off/61 zz/40 ./48", "off", 0, nullptr},
        {"Then/50 you/66 can/28 led/40 off/61 zz/40 ./48", "off", 1, nullptr},
        {"Then/50 you/66 can/28 lamp/40 off/61 zz/40 ./48", "off", 2, nullptr},
        {"Then/50 you/66 can/28 mov/40 off/61 zz/40 ./48", "off", 3, nullptr},
        {"Then/50 you/66 can/28 measur/40 off/61 zz/40 ./48", "off", 4, nullptr},
        {"Then/50 you/66 can/28 going/40 off/61 zz/40 ./48", "off", 5, nullptr},
        {"Then/50 you/66 can/28 get/40 off/61 zz/40 ./48", "off", 6, nullptr},
        {"Then/50 you/66 can/28 pull/20 off/61 ,/47", "off", 7,
         "pull: suggestion=\"disconnect/(Rephrase)\" message=315 entryWords=2 ruleId=4415"},
        {"Then/50 you/66 can/28 shuts/40 off/61 zz/40 ./48", "off", 8, nullptr},
        {"Then/50 you/66 can/28 shut/40 off/61 zz/40 ./48", "off", 9, nullptr},
        {"Then/50 you/66 can/28 peel/20 off/61 zz/40 ./48", "off", 10, nullptr},
        // Early in the sentence, or after a special token: not a phrasal verb here.
        {"Pull/20 off/61 ,/47", "off", -1, ""},
        {"Then/50 you/66 can/28 pull/20{token=9} off/61 ,/47", "off", -1, ""},
        {"Then/50 you/66 can/28 pull/20 off/61 5/49", "off", -1, ""},
    };
    RunRowCases(OffParticleVerbRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Stop/20 remove/40 off/61 zz/40 ./48", "off", 0, nullptr},
        {"Stop/20 measur/40 off/61 zz/40 ./48", "off", 1, nullptr},
        {"Stop/20 bleed/40 off/61 zz/40 ./48", "off", 2, nullptr},
        {"Stop/20 click/40 off/61 zz/40 ./48", "off", 3, nullptr},
        {"Stop/20 hold/40 off/61 zz/40 ./48", "off", 4, nullptr},
        {"Stop/20 keep/40 off/61 zz/40 ./48", "off", 5, nullptr},
        {"Pull/20 off/61 ,/47", "off", 6, nullptr},
        {"Stop/20 wash/40 off/61 zz/40 ./48", "off", 7, nullptr},
        {"Stop/20 turned/40 off/61 zz/40 ./48", "off", 8, nullptr},
        {"Stop/20 stay/40 off/61 zz/40 ./48", "off", 9, nullptr},
        {"Stop/20 flash/40 off/61 zz/40 ./48", "off", 10, nullptr},
        {"Stop/20 on/40 off/61 zz/40 ./48", "off", 11, nullptr},
        {"Stop/20 come/40 off/61 zz/40 ./48", "off", 12, nullptr},
        {"Stop/20 sign/40 off/61 zz/40 ./48", "off", 13, nullptr},
        {"Stop/20 goes/40 off/61 zz/40 ./48", "off", 14, nullptr},
        {"Stop/20 set/40 off/61 zz/40 ./48", "off", 15, nullptr},
        {"Stop/20 round/40 off/61 zz/40 ./48", "off", 16, nullptr},
        {"Stop/20 shut/40 off/61 zz/40 ./48", "off", 17, nullptr},
        {"Stop/20 lever/40 off/61 zz/40 ./48", "off", 18, nullptr},
        {"Stop/20 indicator/40 off/61 zz/40 ./48", "off", 19, nullptr},
        {"Stop/20 condition/40 off/61 zz/40 ./48", "off", 20, nullptr},
        {"Set/20 it/66 to/68 off/61 ,/47", "off", 21,
         "off: suggestion=\"OFF position/in the OFF position\" message=323 ruleId=5607 verbForm=X"},
        {"Stop/20 from/40 off/61 zz/40 ./48", "off", 22, nullptr},
        {"Stop/20 well/40 off/61 zz/40 ./48", "off", 23, nullptr},
        {"Stop/20 off/61 to/68 on/40 ./48", "off", 24,
         "off: suggestion=\"from the OFF position to the ON position\""
         " message=323 entryWords=3 ruleId=1345 separatorFlag=U verbForm=X"},
        {"Stop/20 off/61 or/40 on/40 ./48", "off", 25, nullptr},
        {"Put/20 off/61 then/70 on/61 ./48", "off", 26,
         "on: suggestion=\"in the ON position/illuminated\" message=323 ruleId=3607 verbForm=X"},
        {"Stop/20 off/61 then/40 ./48", "off", 27, nullptr},
        {"Stop/20 off/61 from/40 ./48", "off", 28, nullptr},
        {"Stop/20 off/61 of/40 ./48", "off", 29, nullptr},
        {"Stop/20 off/61 when/40 ./48", "off", 30, nullptr},
        {"Stop/20 off/61 under/40 ./48", "off", 31, nullptr},
        {"Stop/20 off/61 with/40 ./48", "off", 32, nullptr},
        {"Stop/20 off/61 at/40 ./48", "off", 33, nullptr},
        {"Stop/20 off/61 in/40 ./48", "off", 34, nullptr},
        {"Stop/20 off/61 by/40 ./48", "off", 35, nullptr},
    };
    RunRowCases(OffPhraseRows(), kCases);
  }
}

}  // namespace
