// The trigger rows of the verbs of classes 20 and 21, one table per first
// letter. Rows that the entry's guards and checks make unreachable (a next
// word that is an article, a number, a marked word, "of", an -ing word, "no"
// or "not", a determiner, a conjunction or a material noun) are listed as
// unreachable; where a row carries a corrected advice, the row itself is
// still tried here.
#include <gtest/gtest.h>

#include "rules/main/verb_rule_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

void S(SentenceStateRec& s) { s.verbIsSForm = 1; }
void Plural(SentenceStateRec& s) { s.subjectNumber = 1; }

TEST(VerbTriggers, LettersLToP) {
  static const RowCase kL[] = {
      {"a/40 lift/20 up/61", "lift", 0, nullptr},
      {"a/40 lift/20 b/10", "lift", 2, ""},
      {"a/40 lowers/21 down/61", "lowers", 3, nullptr},
      {"a/40 lower/20 b/10", "lower", 4, ""},
      {"a/40 look/20 at/75", "look", 5,
       "look: suggestion=\"examine/examines\" message=313 entryWords=2 ruleId=2320"},
      {"a/40 look/20 alike/30", "look", 6, nullptr},
      {"a/40 look/20 bent/31", "look", 7, nullptr},
      {"a/40 look/20 broken/31", "look", 8, nullptr},
      {"a/40 look/20 clean/30", "look", 9, nullptr},
      {"a/40 look/20 distorted/31", "look", 10, nullptr},
      {"a/40 look/20 dirty/30", "look", 11, nullptr},
      {"a/40 look/20 down/61", "look", 12,
       "look: suggestion=\"look at/(Rephrase)\" message=313 entryWords=2 ruleId=2320"},
      {"a/40 look/20 left/43", "look", 13, nullptr},
      {"a/40 look/20 like/60", "look", 14, nullptr},
      {"a/40 look/20 ok/30", "look", 15, nullptr},
      {"a/40 looks/21 over/60", "looks", 16, nullptr},
      {"a/40 look/20 straight/30", "look", 17, nullptr},
      {"a/40 look/20 through/60", "look", 18, nullptr},
      {"a/40 look/20 up/61", "look", 19, nullptr},
      {"a/40 look/20 wrong/30", "look", 20, nullptr},
      {"a/40 look/20 normal/30", "look", 21, "look: message=313 entryWords=2 ruleId=2320"},
      {"a/40 looks/21 red/32", "looks", 22, "looks: suggestion=\"are\" message=300 ruleId=2320", Plural},
      {"a/40 looks/21 red/32", "looks", 23, "looks: suggestion=\"is\" message=300 ruleId=2320"},
      {"a/40 look/20 b/10", "look", -1, ""},
  };
  RunRowCases(VerbRowsL(), kL);

  static const RowCase kM[] = {
      {"this/76 make/20 b/10", "make", 0, "make: message=300 ruleId=3018"},
      {"a/40 makes/21{mark=1} b/10", "makes", 1, nullptr},
      {"a/40 make/20 certain/30", "make", 5, nullptr},
      {"a/40 make/20 to/68", "make", 6, nullptr},
      // Both words are needed, and each form gets its own number.
      {"a/40 makes/21 no/77 difference/10", "makes", 7,
       "makes: suggestion=\"is not different\" message=300 entryWords=3 ruleId=7012", S},
      {"a/40 make/20 no/77 difference/10", "make", 8,
       "make: suggestion=\"are not different\" message=300 entryWords=3 ruleId=7012"},
      {"a/40 make/20 a/64 difference/10", "make", 10, ""},
      {"a/40 make/20 no/77 b/10", "make", 10, ""},
      {"a/40 make/20 up/61", "make", 9, nullptr},
      {"a/40 measures/21 b/10 off/61", "measures", 11, nullptr, S},
      {"a/40 measure/20 b/10 up/61", "measure", 12,
       "measure: suggestion=\"measure/control\" message=315 entryWords=2 ruleId=3018"},
      {"safety/10 measure/20{msg=311} b/10", "measure", 13,
       "safety: message=321 entryWords=2 ruleId=3018\nmeasure: message=0"},
      {"a/40 measure/20 b/10", "measure", -1, ""},
  };
  RunRowCases(VerbRowsM(), kM);

  static const RowCase kN[] = {
      {"a/40 need/20 to/68 be/25", "need", 0, "need: suggestion=\"must be\" message=335 entryWords=3 ruleId=4218"},
      {"a/40 needs/21 b/10", "needs", 1, "needs: suggestion=\"necessary\" message=300 ruleId=4218"},
      {"a/40 need/20 not/29", "need", 2, nullptr},
  };
  RunRowCases(VerbRowsN(), kN);

  static const RowCase kO[] = {
      // The "with" is the word that is marked.
      {"a/40 operate/20 with/74{code=D****} b/10", "operate", 0, "with: classCode=\"D**4*\""},
      {"a/40 operate/20 b/10{code=N****} with/74{code=D****}", "operate", 1, "with: classCode=\"D**4*\""},
      {"a/40 operate/20 b/10 wash/20", "operate", 2, ""},
      {"a/40 obey/20 rules/19", "obey", 3, "obey: suggestion=\"(Use as a safety verb)\" message=300 ruleId=3412"},
      {"a/40 obey/20 b/10", "obey", 4, ""},
      {"a/40 open/20{split=4} b/10", "open", 5, ""},
      {"a/40 open/20 circuit/10", "open", 6, nullptr},
      {"stuck/31 open/20 b/10", "open", 7,
       "stuck: suggestion=\"open/can not open/in open position/(Rephrase)\" message=324 entryWords=2 ruleId=4218"},
      {"a/40 open/20 up/61", "open", 8, nullptr},
      {"a/40 opens/21 ends/11", "opens", 9, nullptr},
      {"a/40 open/20 b/10", "open", -1, ""},
  };
  RunRowCases(VerbRowsO(), kO);

  static const RowCase kP[] = {
      {"a/40 points/21 it/66", "points", 0, nullptr, S},
      {"a/40 point/20 you/78", "point", 1, "point: suggestion=\"show\" message=324 ruleId=4666"},
      {"a/40 point/20 b/10", "point", 2, ""},
      {"a/40 Push/20 down/61", "Push", 3, "Push: suggestion=\"Push\" message=315 entryWords=2 ruleId=4031"},
      {"a/40 press/20 water/10", "press", 4, nullptr},
      {"a/40 press/20 b/10", "press", 5, ""},
      {"a/40 put/20 back/52", "put", 6, nullptr},
      {"a/40 put/20 b/10", "put", 7, nullptr},
      {"a/40 put/20 b/10{mark=1}", "put", -1, ""},
      {"a/40 plan/20 to/68", "plan", 8, nullptr},
      {"a/40 plan/20 b/10", "plan", 9, ""},
      {"a/40 pull/20 back/52", "pull", 10, nullptr},
      {"a/40 pull/20 in/75", "pull", 11, nullptr},
      {"a/40 pulls/21 out/61", "pulls", 12,
       "pulls: suggestion=\"remove/do/pull/move xxx to\" message=315 entryWords=2 ruleId=6512"},
      {"a/40 pull/20 on/75", "pull", 13, nullptr},
      {"a/40 prevents/21 from/67", "prevents", 14, "prevents: message=304 entryWords=2 ruleId=3512"},
      // A "pull" that its own rows did not match meets the "from" row.
      {"a/40 pull/20 from/67", "pull", 14, nullptr},
  };
  RunRowCases(VerbRowsP(), kP);
}

TEST(VerbTriggers, LettersRToU) {
  static const RowCase kR[] = {
      {"a/40 removes/21 tension/10", "removes", 0, "removes: suggestion=\"releases\" message=300 ruleId=35012", S},
      {"a/40 remove/20 pressure/10", "remove", 1, nullptr},
      {"a/40 remove/20 tension/11", "remove", 2, ""},
      {"a/40 reset/20{mark=1} b/10", "reset", 3, nullptr},
      {"a/40 returns/21 from/67", "returns", 4, "returns: message=306 ruleId=4666"},
      {"the/64 release/20 b/10", "release", 5, nullptr},
      {"a/40 release/20 b/10", "release", 6, ""},
      // Each form gets the advice of its own number.
      {"a/40 reads/21 5/49", "reads", 7, "reads: suggestion=\"shows/has an indication\" message=324 ruleId=4666", S},
      {"a/40 read/20 5/49", "read", 8, "read: suggestion=\"show/have an indication\" message=324 ruleId=4666"},
      {"gauges/19 reads/21 b/10", "reads", 9, nullptr, S},
      {"gauges/19 read/20 b/10", "read", 10, nullptr},
      {"a/40 read/20 out/61", "read", 11, nullptr},
      {"a/40 read/20 +5/40", "read", 12, nullptr},
      {"a/40 read/20 b/10", "read", -1, ""},
  };
  RunRowCases(VerbRowsR(), kR);

  static const RowCase kS[] = {
      {"a/40 shows/21 up/61", "shows", 0, nullptr, S},
      {"a/40 show/20 up/61", "show", 1, nullptr},
      {"a/40 show/20 b/10", "show", 2, ""},
      {"a/40 stop/20{mark=1} b/10", "stop", 3, "stop: wordClass=10"},
      {"a/40 stop/20 up/61", "stop", 4, ""},
      {"a/40 start/20 testing/23{sug=test} b/10", "start", 5,
       "start: suggestion=\"test\" message=335 entryWords=2 ruleId=3213"},
      {"a/40 starts/21 up/61", "starts", 6, nullptr, S},
      {"a/40 start/20 up/61", "start", 7, nullptr},
      {"a/40 start/20{mark=1} up/61", "start", 10, ""},
      {"a/40 search/20 up/61", "search", 12, nullptr},
      {"a/40 searches/21 up/61", "searches", 11, nullptr, S},
      {"a/40 search/20 b/10", "search", 13, ""},
      {"a/40 see/20 if/70", "see", 14, nullptr},
      {"a/40 see/20 table/10", "see", 15, "see: suggestion=\"refer to\" message=315 entryWords=2 ruleId=3674"},
      {"a/40 see/20 b/10", "see", 16, ""},
      {"a/40 set/20 b/10 back/52", "set", 17, "back: message=331 ruleId=4567"},
      {"a/40 set/20 b/10 down/61", "set", 18, nullptr},
      {"factory/10 set/20 b/10", "set", 19, nullptr},
      {"a/40 set/20 forth/52 in/75", "set", 20, nullptr},
      {"a/40 set/20 point/10", "set", 21,
       "set: suggestion=\"(Use the setting(n))\" message=315 entryWords=2 ruleId=4367"},
      {"is/24 set/20{msg=311} b/10", "set", 22, "set: wordClass=31 message=0"},
      {"the/64 set/20 b/10", "set", 23, "set: wordClass=10"},
      {"a/40 set/20{mark=1} b/10", "set", 24, nullptr},
      {"a/40 set/20 in/75", "set", 25, nullptr},
      {"a/40 set/20 about/73", "set", 26, nullptr},
      {"a/40 sets/21 aside/52", "sets", 27, nullptr, S},
      {"a/40 set/20 aside/52", "set", 28, nullptr},
      {"a/40 sets/21 down/61", "sets", 29, nullptr, S},
      {"a/40 set/20 down/61", "set", 30, nullptr},
      {"a/40 sets/21 fire/10", "sets", 31, "sets: suggestion=\"causes a fire\" message=324 ruleId=6289", S},
      {"a/40 set/20 fire/10", "set", 32, "set: suggestion=\"cause a fire\" message=324 ruleId=6289"},
      {"a/40 sets/21 off/61", "sets", 33, nullptr, S},
      {"a/40 set/20 off/61", "set", 34, nullptr},
      {"a/40 sets/21 screws/11", "sets", 35, nullptr, S},
      {"a/40 set/20 screw/10", "set", 36, nullptr},
      {"a/40 sets/21 up/61", "sets", 37, nullptr, S},
      {"a/40 set/20 up/61", "set", 38, nullptr},
      {"a/40 set/20 b/10", "set", -1, ""},
  };
  RunRowCases(VerbRowsS(), kS);

  static const RowCase kT[] = {
      {"a/40 tell/20 how/52", "tell", 0, nullptr},
      {"a/40 tell/20 b/10", "tell", 1, ""},
      {"oil/16 turns/21 b/10", "turns", 2, nullptr},
      {"a/40 turns/21 b/10 heat/10", "turns", 3, nullptr},
      {"a/40 turn/20 hot/30", "turn", 4, "turn: suggestion=\"becomes/changes\" message=300 ruleId=2320"},
      // Each form gets the advice of its own number.
      {"a/40 turns/21 around/73", "turns", 5,
       "turns: suggestion=\"moves from/change direction from/changes\" message=300 entryWords=2 ruleId=2319", S},
      {"a/40 turn/20 around/73", "turn", 6,
       "turn: suggestion=\"move from/change direction from/change\" message=300 entryWords=2 ruleId=2319"},
      {"a/40 turns/21 red/32", "turns", 7, nullptr, S},
      {"a/40 turn/20 red/32", "turn", 8, "turn: suggestion=\"become\" message=300 ruleId=2320"},
      {"light/10 turns/21 b/10", "turns", 9, nullptr, S},
      {"light/10 turn/20 b/10", "turn", 10,
       "light: suggestion=\"move/put/change/(Light switch)\" message=300 entryWords=2 ruleId=2420"},
      {"a/40 turn/20 engine/10", "turn", 11, nullptr},
      {"b/10 turn/20 off/61{mark=1} c/10", "turn", 12, ""},
      {"b/40 turn/20 off/61 light/10", "turn", 13,
       "b: suggestion=\"in OFF position/not illuminated/disconnected\" message=300 ruleId=2420\n"
       "turn: entryWords=2"},
      {"b/40 turn/20 off/61 and/63", "turn", 14, nullptr},
      {"b/40 turn/20 on/75 switch/10", "turn", 15, nullptr},
      {"b/40 turn/20 on/75 or/63", "turn", 16, nullptr},
      {"b/40 turn/20 on/75 the/64", "turn", 17,
       "b: suggestion=\"put in ON position/put in OFF position/connect/disconnect\" message=300 entryWords=2 "
       "ruleId=2420"},
      {"a/40 turn/20 b/10", "turn", 18, ""},
      {"finger/10 tighten/20 b/10", "tighten", 19, nullptr},
      {"a/40 tighten/20 up/61", "tighten", 20, nullptr},
      {"a/40 tighten/20 b/10", "tighten", 21, ""},
      {"a/40 take/20 up/61 roller/10", "take", 24, nullptr},
      {"can/28 take/20 up/61", "take", 25, nullptr},
      {"a/40 take/20 priority/10 over/60", "take", 27, nullptr},
      {"a/40 take/20 excessive/30 time/10", "take", 28, nullptr},
      {"a/40 take/20 care/10 not/29 to/68", "take", 29,
       "take: suggestion=\"make sure/obey safety precautions/do not/be careful\" message=300 entryWords=4 "
       "ruleId=8672"},
      {"a/40 take/20 care/10", "take", 31, "take: suggestion=\"make sure/obey safety precautions/do not/be careful\" "
       "message=300 entryWords=2 ruleId=4673"},
      {"a/40 take/20 so/71 long/30", "take", 32, nullptr},
      {"a/40 take/20 into/60 consideration/10", "take", 33, nullptr},
      {"a/40 take/20 less_than/40", "take", 34, nullptr},
      {"a/40 take/20 action/10", "take", 35, nullptr},
      {"a/40 take/20 appropriate/30", "take", 36, nullptr},
      {"a/40 takes/21 back/52", "takes", 37, nullptr, S},
      {"a/40 take/20 back/52", "take", 38, nullptr},
      {"a/40 take/20 calls/11", "take", 39, nullptr},
      {"a/40 takes/21 down/61", "takes", 40, nullptr, S},
      {"a/40 take/20 down/61", "take", 41, nullptr},
      {"a/40 take/20 effect/10", "take", 42, nullptr},
      {"a/40 take/20 longer/34", "take", 43, "take: message=300 entryWords=2 ruleId=2642"},
      {"a/40 take/20 notice/10", "take", 44, nullptr},
      {"a/40 take/20 off/61", "take", 47, nullptr},
      {"a/40 take/20 place/10", "take", 48, "take: suggestion=\"occur/occurs\" message=300 entryWords=2 ruleId=2642"},
      {"a/40 take/20 precautions/11 b/10", "take", 31, nullptr},
      {"a/40 take/20 precaution/10", "take", 49, nullptr},
      {"a/40 take/20 shortcuts/11", "take", 51, nullptr},
      {"a/40 take/20 time/10", "take", 52, nullptr},
      {"a/40 take/20 to/68", "take", 52, nullptr},
      {"a/40 take/20 us/78", "take", 53, nullptr},
      {"a/40 take/20 risks/11", "take", 54, nullptr},
      {"a/40 take/20 up/61 b/10", "take", 55, ""},
      {"to/68 try/20 to/68", "try", 56, "to: suggestion=\"(Rephrase)\" message=300 entryWords=3 ruleId=6672"},
      {"a/40 try/20 to/68", "try", 57, ""},
      {"a/40 transmit/20 power/10", "transmit", 58,
       "transmit: suggestion=\"(Use \"send\" if not electrical)\" message=300 ruleId=3319"},
      {"wheels/11 transmit/20 b/10", "transmit", 59, nullptr},
      {"a/40 transmit/20 b/10", "transmit", 60, ""},
      {"a/40 touch/20 up/61", "touch", 61, nullptr},
      {"a/40 touch/20 live/30", "touch", 62, nullptr},
      {"a/40 touch/20 off/61", "touch", 63, nullptr},
      {"a/40 touch/20 b/10", "touch", 64, ""},
      {"a/40 tune/20 out/61", "tune", 65, nullptr},
      {"fine/30{msg=311} tune/20 b/10", "tune", 66,
       "fine: suggestion=\"adjust/tune\" message=300 entryWords=2 ruleId=2320"},
  };
  // Marked words, articles and "more" end the verb's processing before the
  // trigger rows; the second "take care not to" row is shadowed by the first;
  // no word of the take table begins with "n" and another letter than "o",
  // or with "si".
  RunRowCases(VerbRowsT(), kT);

  static const RowCase kU[] = {
      {"a/40 use/20{mark=1} b/10", "use", 0, "use: wordClass=10"},
      {"a/40 use/20 b/57", "use", 1, nullptr},
      {"b/30{code=A****} use/20 c/10", "use", 2, nullptr},
      {"a/40 use/20 care/10", "use", 3, ""},
      {"a/40 uses/21 of/67", "uses", 4, "uses: wordClass=10"},
      {"a/40 uses/21 care/10", "uses", 5,
       "uses: suggestion=\"be careful/obey all safety instructions\" message=301 entryWords=2 ruleId=2902"},
      {"a/40 uses/21 hands/11", "uses", 6, "uses: suggestion=\"use your\" message=302 ruleId=3902"},
      {"it/66 uses/21 b/10", "uses", 7, nullptr},
      {"its/60 uses/21 b/10", "uses", 8, nullptr},
      {"a/40 uses/21{mark=1} b/10", "uses", 9, nullptr},
      {"a/40 uses/21 b/10", "uses", -1, ""},
  };
  RunRowCases(VerbRowsU(), kU);
}

}  // namespace
