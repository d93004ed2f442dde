// The particles (class 61): the gates and the rules of "down", "up" and "out".
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace particle;

void TwoWords(SentenceStateRec& s) { s.sentenceWordCount = 2; }
void ThreeWords(SentenceStateRec& s) { s.sentenceWordCount = 3; }
void SevenWords(SentenceStateRec& s) { s.sentenceWordCount = 7; }

// One previous word per case, "x/10 <previous> <particle> y/10", with the row it reaches.
struct VerbCase {
  std::span<const RuleRow> rows;
  const char* previous;
  const char* particle;
  int row;
};

TEST(ParticleRules, VerbTables) {
  static const VerbCase kVerbs[] = {
      {kDownLabelVerbs, "flush/20", "down", 1}, {kDownLabelVerbs, "way/10", "down", 11},
      {kDownLabelVerbs, "flushed/22", "down", -1}, {kDownMoreVerbs, "backs/21", "down", 0},
      // "cycl" is a stem.
      {kDownMoreVerbs, "cycles/21", "down", 3}, {kDownMoreVerbs, "writes/21", "down", 15},
      {kDownMoreVerbs, "copies/21", "down", -1}, {kUpVerbs, "and/63", "up", 0}, {kUpVerbs, "locks/21", "up", 6},
      {kUpVerbs, "select/20", "up", 10}, {kUpVerbs, "closed/22", "up", -1}, {kUpMoreVerbs, "acts/21", "up", 0},
      {kUpMoreVerbs, "booted/22", "up", 3}, {kUpMoreVerbs, "boots/21", "up", 4}, {kUpMoreVerbs, "broken/22", "up", 6},
      {kUpMoreVerbs, "dried/22", "up", 13}, {kUpMoreVerbs, "warms/21", "up", 50},
      {kUpMoreVerbs, "brokenly/50", "up", -1}, {kUpMoreVerbs, "dryer/10", "up", -1}, {kOutVerbs, "age/10", "out", 0},
      {kOutVerbs, "broken/22", "out", 6}, {kOutVerbs, "zoom/20", "out", 74}, {kOutVerbs, "brokenly/50", "out", -1},
      {kOutVerbs, "push_button/10", "out", -1}, {kOutVerbs, "put/20", "out", -1},
  };
  for (const VerbCase& v : kVerbs) {
    const std::string text = std::string("x/10 ") + v.previous + " " + v.particle + "/61 y/10";
    const RowCase c{text.c_str(), v.particle, v.row, nullptr};
    RunRowCases(v.rows, {&c, 1});
  }
}

TEST(ParticleRules, Rows) {
  static const TableCase kCases[] = {
      {kHead, {"x/10 <ref>/41 up/61 y/10", "up", 0, ""}},
      // Not a gate: a tag before a particle that opens its sentence, ")" of another class.
      {kHead, {"<b>/41 up/61{pos=0} y/10", "up", -1, ""}},
      {kDownOpening, {"Down/61 x/10 ./48", "Down", 0, "Down: message=331 ruleId=4446", ThreeWords}},
      {kDownOpening, {"DOWN/61 ./48", "DOWN", -1, "", TwoWords}},
      {kDownLater, {"a/10 b/10 c/10 down/61{mark=1} y/10{mark=1}", "down", 0,
                    "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X"}},
      // At the sentence end the label row takes every verb.
      {kDownLater, {"a/10 b/10 go/20 down/61 ./48", "down", 2, nullptr}},
      {kDownLater, {"a/10 b/10 goes/21 down/61 y/10", "down", -1, ""}},
      {kDownLabel, {"x/10 down/61 light/10", "down", 0, "down: suggestion=\"DOWN\" message=323 ruleId=4602 verbForm=X"}},
      {kDownLabel, {"x/10 DOWN/61 light/10", "DOWN", -1, ""}},
      {kDownEnd, {"x/10 down/61 y/10", "down", -1, "", SevenWords}},
      {kDownBefore, {"x/10 head/10 down/61", "down", 0,
                     "head: suggestion=\"head to lower position\" message=302 entryWords=2 ruleId=9627"}},
      // The verb's codes all go, the pushed-aside one too.
      {kDownBefore, {"x/10 shut/20{sub=80 msg=330 msg2=328} down/61", "down", 7,
          "shut: suggestion=\"stop/not in operation\" subClass=0 message=300 message2=0 entryWords=2 ruleId=4502"}},
      {kDownBefore, {"x/10 switches/21 down/61", "down", -1, ""}},
      {kDownVerbs, {"x/10 came/22 down/61 y/10", "down", 2,
                    "came: suggestion=\"decrease/(Give measurement)\" message=331 entryWords=2 ruleId=5502"}},
      {kDownVerbs, {"x/10 points/21 down/61 y/10", "down", 4,
                    "points: suggestion=\"toward the bottom\" message=304 entryWords=2 ruleId=5502"}},
      {kDownVerbs, {"x/10 comb/20 down/61 y/10", "down", -1, ""}},
      {kDownNumbers, {"x/10 down/61 to/68 y/10", "down", -1, ""}},
      {kDownLabelVerbs, {"x/10 bleed/20 down/61 y/10", "down", 0,
          "bleed: suggestion=\"decrease pressure ...\" message=300 entryWords=2 ruleId=4402\ndown: verbForm=X"}},
      {kDownAfter, {"x/10 y/10{split=4} down/61 z/10{split=4}", "down", 0, "down: message=317 ruleId=3663"}},
      {kDownAfter, {"x/10 (/41 down/61 )/42", "down", 3, "down: message=323 ruleId=4912 verbForm=X"}},
      {kDownAfter, {"x/10 y/10{mark=1 token=9} down/61 z/10", "down", -1, ""}},
      {kDownPhrases, {"x/10 y/10 down/61 and/63 away/50", "down", 0, "down: message=302 entryWords=3 ruleId=6113"}},
      {kDownPhrases, {"x/10 y/20{code=V0****} down/61 on/75 z/10", "down", -1, ""}},
      {kDownMoreVerbs, {"x/10 cycled/22 down/61 y/10", "down", 3,
          "cycled: suggestion=\"gives an indication/shows\" message=315 entryWords=2 ruleId=5115"}},
      {kDownClosing, {"x/10 y/10 down/61 _x/40", "down", 0, "down: suggestion=\"DOWN\" message=331 ruleId=9557"}},
      {kDownClosing, {"x/10 y/10 down/61 z/10", "down", -1, "", SevenWords}},
      {kUpOpening, {"x/10 up/61 arrow/10", "up", 0, "up: suggestion=\"UP\" tag=\"<AR>\" message=323 ruleId=5402"}},
      {kUpOpening, {"x/10 up/61 to/68 and/63 then/73", "up", 4,
                    "up: suggestion=\"until/maximum of\" message=331 entryWords=2 ruleId=2648"}},
      // Only "up" itself is the arrow label.
      {kUpOpening, {"x/10 upward/61 arrow/10", "upward", -1, ""}},
      {kUpLabel, {"x/10 upward/61 position/10", "upward", 0,
                  "upward: suggestion=\"UP\" message=323 ruleId=4602 verbForm=X"}},
      {kUpLabel, {"x/10 UP/61 lever/10", "UP", -1, ""}},
      {kUpBefore, {"it/66 is/24 taken/22 up/61 y/10", "up", 0,
                   "up: suggestion=\"(Rephrase for meaning)\" message=313 entryWords=2 ruleId=5602"}},
      {kUpBefore, {"x/10 &/40 up/61", "up", 7,
                   "up: suggestion=\"(Show ref. example Version)\" message=313 ruleId=5602"}},
      {kUpBefore, {"x/10 ends/21 up/61", "up", -1, ""}},
      // The verb's codes all go, the pushed-aside one too.
      {kUpVerbs, {"x/10 set/20{msg=330 msg2=328} up/61 y/10", "up", 10,
                  "set: suggestion=\"prepare/install/align\" message=315 message2=0 entryWords=2 ruleId=4755"}},
      {kUpFixed, {"it/66 is/24 lined/22 up/61 with/74 x/10", "up", 0,
                  "lined: suggestion=\"aligned to\" message=331 entryWords=3 ruleId=6855"}},
      {kUpFixed, {"lined/22 up/61{pos=0} with/74", "up", -1, ""}},
      {kUpAfterVerb, {"x/10 go/20{sub=80 msg=330 msg2=328} up/61", "up", 0, "go: subClass=0 message=0 message2=0"}},
      {kUpAfterVerb, {"x/10 goes/21 up/61", "up", -1, ""}},
      {kUpMoreVerbs, {"x/10 clean/20{sub=80 msg=325 msg2=330} up/61 y/10", "up", 9,
          "clean: suggestion=\"clean/cleans\" subClass=0 message=300 message2=0 entryWords=2 ruleId=7323"}},
      {kUpLate, {"lock/20 nut/10{mark=1} up/61 y/10", "up", 0, "up: message=304 ruleId=2466"}},
      {kUpLate, {"lock/20 nut/10 up/61{pos=1} y/10", "up", -1, ""}},
      {kUpSentenceEnd, {"x/10 and/63 up/61 ./48", "up", 3,
                        "up: suggestion=\"higher/from ... to/(Give Range)\" message=324 ruleId=4602"}},
      {kUpContext, {"x/10 slowly/50 up/61 y/10", "up", 0, "slowly: message=302 entryWords=2 ruleId=3502"}},
      {kUpContext, {"x/10 and/63 up/61 ,/47", "up", 6,
                    "and: suggestion=\"and higher level/(Give serial number range.)\" message=331 entryWords=2 "
                    "ruleId=7323\nup: message=331 ruleId=7323"}},
      {kUpContext, {"x/10 up/61 to/68 date/10", "up", -1, ""}},
      {kUpClosing, {"x/10 valve/10{mark=1 token=9} up/61 pump/10", "up", -1, ""}},
      {kOutOpening, {"out/61 y/10", "out", 0, "out: message=331 ruleId=7318", TwoWords}},
      {kOutOpening, {"OUT/61 ./48", "OUT", 1, "OUT: message=323 ruleId=3465 verbForm=X"}},
      {kOutOpening, {"OUT/61 y/10", "OUT", -1, "", TwoWords}},
      {kOutPhrases, {"x/10 out/61 from/67 under/60", "out", 0,
                     "out: suggestion=\"... from below\" message=302 entryWords=3 ruleId=5656"}},
      {kOutPhrases, {"x/10 run/20 out/61 of/67 y/10", "out", 2,
                     "run: suggestion=\"decrease/go/(Rephrase)\" message=302 entryWords=3 ruleId=5656"}},
      {kOutPhrases, {"x/10 ran/22 out/61 of/67 y/10", "out", -1, ""}},
      {kOutVerbs, {"x/10 put/20 out/61 ,/47", "out", 49,
                   "put: suggestion=\"remove/push/drain\" message=315 entryWords=2 ruleId=7656"}},
      // No advice: the verb keeps its own.
      {kOutVerbs, {"x/10 checked/22{sug=check} out/61 y/10", "out", 11, "checked: message=315 entryWords=2 ruleId=7656"}},
      {kOutBeforeEnd, {"x/10 out/61 <b>/41", "out", 1, "out: message=331 ruleId=7318"}},
      {kOutBeforeEnd, {"x/10 out/61 y/10", "out", -1, ""}},
      {kOutOf, {"x/10 out/61 of/67 service/10", "out", 7,
                "out: suggestion=\"not in operation\" message=331 entryWords=3 ruleId=3465"}},
      {kOutOf, {"x/10 out/61 of/67 way/10", "out", 11,
                "out: suggestion=\"away from\" message=302 entryWords=3 ruleId=5656"}},
      {kOutOf, {"x/10 out/61{token=9} of/67 way/10", "out", -1, ""}},
      {kOutParen, {"x/10 out/61{mark=1} (/41", "out", 0,
                   "out: suggestion=\"is in the OFF position/is not illuminated\" message=323 ruleId=2607 verbForm=X"}},
      {kOutParen, {"x/10 out/61 (/41", "out", -1, ""}},
      {kOutRest, {"x/10 out/61 through/60 y/10", "out", 0,
                  "out: suggestion=\"through\" message=302 entryWords=2 ruleId=1502"}},
      // "The previous word's class is not 0" reads its token kind.
      {kOutRest, {"a/10 b/10 c/10{token=9} out/61 d/10{mark=1}", "out", 6, "out: message=331 ruleId=4818"}},
      {kOutRest, {"a/10 b/10 c/10 out/61 d/10{mark=1}", "out", -1, ""}},
      {kOutRest, {"x/10 out/61 ports/11", "out", 2,
                  "out: suggestion=\"output ports\" message=314 entryWords=2 ruleId=1502"}},
  };
  RunTableCases(kCases);
}

// The steps in their order through the body, the outcomes and resume words.
TEST(ParticleRules, Body) {
  RunBodyCases(ApplyParticleRules, {
      {"x/10 <ref>/41 up/61 y/10", "up", "", "up"},
      // "off" goes to its phrase rules, after the gates.
      {"x/10 off/61 cover/10", "off", "off: wordClass=40", "off"},
      {"x/10 set/20 up/61{msg=331} the/64 pump/10", "up",
       "set: suggestion=\"prepare/install/align\" message=315 entryWords=2 ruleId=4755\nup: message=0", "up"},
      // Opening its sentence, the particle skips every rule on the previous word.
      {"go/20 ./48 up/61 to/68 and/63 including/23 ten/49", "up",
       "up: suggestion=\"(... through ...)\" message=321 entryWords=4 ruleId=4648\nto: wordClass=40\nand: wordClass=40\n"
       "including: wordClass=40", "including"},
      // The label goes on; a later finding on the previous word clears it.
      {"x/10 at/75 up/61 lever/10", "up",
       "at: suggestion=\"go to/show/UP position\" message=300 entryWords=2 ruleId=4502\n"
       "up: suggestion=\"UP\" ruleId=4602 verbForm=X", "up"},
      {"x/10 hold/20 up/61 ./48", "up", "hold: message=315 entryWords=2 ruleId=4446", "up"},
      {"x/10 up/61 side/10 down/61 y/10", "up",
       "up: suggestion=\"turn the top toward the bottom\" message=302 entryWords=3 ruleId=6673\nside: wordClass=40\n"
       "down: wordClass=40", "down"},
      {"Down/61 x/10 ./48", "Down", "", "Down", TwoWords},
      // From the fourth word on, a sentence-final particle is a label, whatever the verb.
      {"a/10 x/10 y/10 shut/20 down/61 ./48", "down",
       "down: suggestion=\"DOWN position\" message=323 ruleId=5402 verbForm=X", "down"},
      {"cool/20 down/61 the/64 engine/10", "down",
       "cool: suggestion=\"becomes cool/(Give a Temp.)/become cool/decrease temperature\" message=314 entryWords=2 "
       "ruleId=4502", "down"},
      // The first verb table goes on: a number after "to" flags the particle again.
      {"x/10 count/20 down/61{msg=331} to/68 5/49", "down",
       "count: suggestion=\"decrease to\" message=331 entryWords=2 ruleId=5502\ndown: message=304 ruleId=3663", "down"},
      {"x/10 y/10 down/61 ./48", "down", "down: message=331 ruleId=7602", "down", SevenWords},
      {"x/10 y/10 down/61 over/60 z/10", "down", "down: message=324 entryWords=2 ruleId=6665\nover: wordClass=40",
       "over"},
      // "out of the way": the finding on "way"; the full stop after it is left alone.
      {"move/20 cart/10{mark=1} out/61 of/67 way/10{mark=1} ./48", "out",
       "out: suggestion=\"out of the way\" entryWords=3\nof: wordClass=40\n"
       "way: suggestion=\"away from\" wordClass=40 message=324 ruleId=3894", "way"},
      // An ordinary word after it keeps no findings; its text stays.
      {"x/10 out/61 of/67 way/10{mark=1} before/70{msg=331 sug=now} you/78", "out",
       "out: suggestion=\"out of the way\" entryWords=3\nof: wordClass=40\nway: suggestion=\"away from\" wordClass=40 "
       "message=324 ruleId=3894\nbefore: suggestion=\"\" message=0 verbForm=q", "way"},
      {"x/10 run/20 out/61{msg=331} y/10", "out",
       "run: suggestion=\"stop/distance(n)/use all ...\" message=315 entryWords=2 ruleId=7656\nout: message=0", "out"},
      {"x/10 value/10 is/24 out/61 of/67 range/10 ./48", "out",
       "out: suggestion=\"(Give range or limits)\" message=305 entryWords=3 ruleId=5656\nof: wordClass=40\n"
       "range: wordClass=40", "range"},
      // "the" read into the word after "of": the rules of "out of" are skipped.
      {"x/10 value/10 is/24 out/61 of/67 range/10{mark=1} ./48", "out", "out: message=331 ruleId=2609", "out"},
  });
}

}  // namespace
