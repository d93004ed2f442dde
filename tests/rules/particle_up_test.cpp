// The gates of the particles (class 61) and the rules of "up".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_tables.h"
#include "tests/rules/particle_case_lists.h"

namespace {

using namespace particle;

TEST(ParticleHead, EachGate) {
  static const RowCase kCases[] = {
      {"x/10 <ref>/41 up/61 y/10", "up", 0, ""},
      {"x/10 =/41 up/61 y/10", "up", 1, ""},
      {"x/10 (/41 up/61 )/44", "up", 2, ""},
      // Not a gate: a tag before a particle that opens its sentence, "<" alone, ")" of another class.
      {"<b>/41 up/61{pos=0} y/10", "up", -1, ""},
      {"x/10 </40 up/61 y/10", "up", -1, ""},
      {"x/10 (/41 up/61 )/42", "up", -1, ""},
  };
  RunRowCases(kHead, kCases);
}

TEST(UpRules, OpeningSteps) {
  static const RowCase kCases[] = {
      {"x/10 up/61 arrow/10", "up", 0, "up: suggestion=\"UP\" tag=\"<AR>\" message=323 ruleId=5402"},
      {"x/10 up/61 and/63 down/61", "up", 1, ""},
      {"x/10 up/61 or/63 down/61", "up", 1, ""},
      {"x/10 up/61 and/63 away/50 from/67", "up", 2,
       "up: suggestion=\"move away from/(Give direction)\" message=302 entryWords=4 ruleId=5762"},
      {"up/61 to/68 and/63 including/23", "up", 3, "up: suggestion=\"... thru ...\" message=321 entryWords=4 ruleId=4648"},
      {"x/10 up/61 to/68 and/63 then/73", "up", 4, "up: suggestion=\"until/thru/maximum of\" message=331 entryWords=2 ruleId=2648"},
      {"x/10 up/61 <b>/41", "up", 5, ""},
      {"x/10 up/61 @x/41", "up", 5, ""},
      // Only "up" itself is the arrow label.
      {"x/10 upward/61 arrow/10", "upward", -1, ""},
      {"x/10 up/61 y/10", "up", -1, ""},
  };
  RunRowCases(kUpOpening, kCases);
}

TEST(UpRules, Labels) {
  static const RowCase kFirst[] = {
      {"x/10 up/61 lever/10", "up", 0, "up: suggestion=\"UP\" message=323 ruleId=4602 verbForm=X"},
      {"x/10 upward/61 position/10", "upward", 0, "upward: suggestion=\"UP\" message=323 ruleId=4602 verbForm=X"},
      {"x/10 UP/61 lever/10", "UP", -1, ""},
      {"x/10 up/61 circuit/10", "up", -1, ""},
  };
  RunRowCases(kUpLabel, kFirst);
  static const RowCase kAgain[] = {
      {"x/10 up/61 arrow/10", "up", 0, "up: suggestion=\"UP\" message=323 ruleId=4602 verbForm=X"},
      {"x/10 up/61 relay/10", "up", -1, ""},
  };
  RunRowCases(kUpLabelAgain, kAgain);
}

TEST(UpRules, PreviousWordFromTheThirdWord) {
  static const RowCase kCases[] = {
      {"it/66 is/24 taken/22 up/61 y/10", "up", 0, "up: suggestion=\"(Rephrase for meaning)\" message=313 entryWords=2 ruleId=5602"},
      {"x/10 heads/21 up/61", "up", 1, "heads: suggestion=\"head to higher position\" message=314 entryWords=2 ruleId=9647"},
      {"x/10 end/10 up/61", "up", 2, "end: suggestion=\"end to higher position/(Rephrase)\" message=314 entryWords=2 ruleId=9647"},
      {"x/10 faces/21 up/61", "up", 3, "up: suggestion=\"to the top\" message=324 ruleId=5602"},
      {"x/10 makes/21 up/61", "up", 4, "up: suggestion=\"assemble/adjust\" message=324 ruleId=5602"},
      {"x/10 y/10 up/61 and/63 away/50", "up", 5, "up: message=331 entryWords=3 ruleId=5602"},
      {"x/10 and/63 up/61", "up", 6, "up: suggestion=\"(Show ref. example Version)\" message=313 ruleId=5602"},
      {"x/10 &/40 up/61", "up", 7, "up: suggestion=\"(Show ref. example Version)\" message=313 ruleId=5602"},
      {"x/10 ends/21 up/61", "up", -1, ""},
  };
  RunRowCases(kUpBefore, kCases);
}

TEST(UpRules, FirstVerbTable) {
  std::deque<std::string> texts;
  auto cases = VerbCases(texts, "up/61",
                         {{"and/63", 0}, {"clean/20", 1}, {"called/22", 2}, {"ended/22", 3}, {"fully/50", 4},
                          {"jammed/22", 5}, {"line/20", 6}, {"lift/20", 6}, {"locks/21", 6}, {"making/23", 7},
                          {"roll/20", 8}, {"running/23", 9}, {"select/20", 10}, {"set/20", 10},
                          // First letters without a stem, and near misses.
                          {"closed/22", -1}, {"bands/11", -1}, {"andes/15", -1}, {"zero/49", -1}});
  cases.push_back({"x/10 set/20{msg=330 msg2=328} up/61 y/10", "up", 10,
                   "set: suggestion=\"prepare/install/align\" message=315 message2=0 entryWords=2 ruleId=4755"});
  RunRowCases(kUpVerbs, cases);
}

TEST(UpRules, FixedPhrasesAndVerbsBefore) {
  static const RowCase kFixed[] = {
      {"it/66 is/24 lined/22 up/61 with/74 x/10", "up", 0, "lined: suggestion=\"aligned to\" message=331 entryWords=3 ruleId=6855"},
      {"it/66 is/24 worth/30 up/61 to/40 x/10", "up", 1, "worth: suggestion=\"for more than/more than\" message=331 entryWords=3 ruleId=6755"},
      {"x/10 sign/20 up/61 for/65 y/10", "up", 2, "sign: suggestion=\"make a request for/(Rephrase)\" message=331 entryWords=3 ruleId=6113"},
      {"x/10 up/61 front/10", "up", 3, "up: message=302 entryWords=2 ruleId=7678"},
      {"x/10 up/61 time/10", "up", 4, "up: suggestion=\"time in operation\" message=324 entryWords=2 ruleId=7678"},
      {"lined/22 up/61{pos=0} with/74", "up", -1, ""},
  };
  RunRowCases(kUpFixed, kFixed);
  static const RowCase kAfterVerb[] = {
      // No finding, and the verb's own codes go, the pushed-aside one too.
      {"x/10 go/20{sub=80 msg=330 msg2=328} up/61", "up", 0, "go: subClass=0 message=0 message2=0"},
      {"x/10 end/10 up/61", "up", 1, "end: suggestion=\"end toward the top/(Rephrase)\" message=314 entryWords=2 ruleId=9677"},
      {"x/10 turns/21 up/61", "up", 2, "turns: suggestion=\"increase\" message=300 entryWords=2 ruleId=6113"},
      {"x/10 goes/21 up/61", "up", -1, ""},
  };
  RunRowCases(kUpAfterVerb, kAfterVerb);
}

TEST(UpRules, SecondVerbTable) {
  std::deque<std::string> texts;
  auto cases = VerbCases(texts, "up/61",
                         {{"acts/21", 0}, {"add/20", 1}, {"back/10", 2}, {"booted/22", 3}, {"boots/21", 4},
                          {"boot/20", 5}, {"broken/22", 6}, {"brings/21", 6}, {"build/20", 7}, {"caught/22", 8},
                          {"cleaned/22", 9}, {"closed/22", 10}, {"counts/21", 11}, {"double/20", 12}, {"dry/20", 13},
                          {"dried/22", 13}, {"ended/22", 14}, {"evened/22", 15}, {"eats/21", 16}, {"full/30", 17},
                          {"follows/21", 18}, {"heats/21", 19}, {"hooked/22", 20}, {"joins/21", 21}, {"lights/21", 22},
                          {"lift/20", 23}, {"links/21", 24}, {"loaded/22", 25}, {"making/23", 26}, {"marks/21", 27},
                          {"match/20", 28}, {"mixed/22", 29}, {"pick/20", 30}, {"piled/22", 31}, {"power/20", 32},
                          {"pumps/21", 33}, {"ramp/20", 34}, {"resides/21", 35}, {"rounds/21", 36}, {"scoop/20", 37},
                          {"select/20", 38}, {"send/20", 39}, {"setting/23", 40}, {"shows/21", 41}, {"size/20", 42},
                          {"slips/21", 43}, {"springs/21", 44}, {"starts/21", 45}, {"switch/20", 46},
                          {"taking/23", 47}, {"tied/22", 48}, {"top/10", 49}, {"warms/21", 50},
                          // "broken" is whole; "dries" and "dry" whole; the last letter.
                          {"brokenly/50", -1}, {"dryer/10", -1}, {"zero/49", -1}, {"abc/10", -1}});
  cases.push_back({"x/10 clean/20{sub=80 msg=325 msg2=330} up/61 y/10", "up", 9,
                   "clean: suggestion=\"clean/cleans\" subClass=0 message=300 message2=0 entryWords=2 ruleId=7323"});
  cases.push_back({"x/10 booted/22 up/61 y/10", "up", 3,
                   "booted: suggestion=\"started\" message=300 entryWords=2 ruleId=7323"});
  RunRowCases(kUpMoreVerbs, cases);
}

TEST(UpRules, LateRowsAndTheSentenceEnd) {
  static const RowCase kLate[] = {
      {"lock/20 nut/10{mark=1} up/61 y/10", "up", 0, "up: message=304 ruleId=2466"},
      {"screw/20 nut/10 up/61 y/10", "up", 0, "up: message=304 ruleId=2466"},
      {"x/10 (/41 up/61 )/42", "up", 1, "up: message=323 ruleId=4912 verbForm=X"},
      {"lock/20 nut/10 up/61{pos=1} y/10", "up", -1, ""},
      {"(/41 up/61{pos=0} )/42", "up", -1, ""},
  };
  RunRowCases(kUpLate, kLate);
  static const RowCase kEnd[] = {
      {"x/10 hold/20{msg=325} up/61 ./48", "up", 0, "hold: message=315 entryWords=2 ruleId=4446"},
      {"the/64 valve/10 is/24 up/61 ./48", "up", 1, "up: message=331 ruleId=4446"},
      {"the/64 valve/10 is/24 UP/61 ./48", "UP", 2, ""},
      {"x/10 and/63 up/61 ./48", "up", 3, "up: suggestion=\"higher/from ... to/(Give Range)\" message=324 ruleId=4602"},
  };
  RunRowCases(kUpSentenceEnd, kEnd);
}

TEST(UpRules, ContextRows) {
  static const RowCase kCases[] = {
      {"x/10 slowly/50 up/61 y/10", "up", 0, "slowly: message=302 entryWords=2 ruleId=3502"},
      {"x/10 worn/31 up/61 y/10", "up", 0, "worn: message=302 entryWords=2 ruleId=3502"},
      {"x/10 at/75 up/61 y/10", "up", 1, "at: suggestion=\"go to/show/UP position\" message=300 entryWords=2 ruleId=4502"},
      {"x/10 up/61 and/63 away/50", "up", 2,
       "up: suggestion=\"lift xxx above/away/(Rephrase show position)\" message=323 entryWords=3 ruleId=5602 verbForm=X"},
      {"it/66 is/24 y/10 up/61 ,/47", "up", 3, "up: suggestion=\"in the UP position/(Rephrase)\" message=331 ruleId=7466"},
      {"x/10 &/40 up/61 ,/47", "up", 4,
       "&: suggestion=\"and higher serial number/and higher model number\" message=331 entryWords=2 ruleId=7465"},
      {"it/66 is/24 up/61 for/65", "up", 5, "up: suggestion=\"in the UP position/(Rephrase)\" tag=\"<..>\" message=331 ruleId=7465"},
      {"x/10 and/63 up/61 ,/47", "up", 6,
       "and: suggestion=\"and higher level/(Give serial number range.)\" message=331 entryWords=2 ruleId=7323\nup: message=331 ruleId=7323"},
      {"x/10 y/10 up/61 ,/47", "up", 7, "up: message=331 ruleId=7323"},
      {"it/66 is/24 y/10 UP/61 ,/47", "UP", 8, "UP: suggestion=\"in the UP position\" message=323 ruleId=5466 verbForm=X"},
      {"x/10 up/61 of/67 y/10", "up", 9, "up: message=331 entryWords=2 ruleId=5602"},
      {"x/10 up/61 as/54 y/10", "up", 9, "up: message=331 entryWords=2 ruleId=5602"},
      {"x/10 up/61 under/60", "up", 10, "up: message=302 entryWords=2 ruleId=6113"},
      {"x/10 up/61 to/40 date/10", "up", 11, ""},
      {"x/10 up/61 running/23", "up", 12, "up: message=315 entryWords=2 ruleId=4502"},
      {"x/10 up/61 to/68 date/10", "up", -1, ""},
      {"x/10 up/61 y/10", "up", -1, ""},
  };
  RunRowCases(kUpContext, kCases);
}

TEST(UpRules, ClosingRows) {
  static const RowCase kCases[] = {
      {"up/61 side/10 down/61", "up", 0, "up: suggestion=\"turn the top toward the bottom\" message=302 entryWords=3 ruleId=6673"},
      {"up/61 pump/10", "up", 1, ""},
      {"x/10 valve/10{mark=1} up/61 pump/10", "up", 2, "up: message=323 ruleId=2445 verbForm=X"},
      {"x/10 running/23 up/61 y/40", "up", 3, "running: message=331 entryWords=2 ruleId=6668"},
      {"x/10 up/61 rated/22", "up", 4, "up: suggestion=\"increased/(Give rating value)\" message=331 entryWords=2 ruleId=7678"},
      {"x/10 up/61{mark=1} pump/10", "up", 5, "up: message=323 ruleId=2445 verbForm=X"},
      {"x/10 valve/10{mark=1 token=9} up/61 pump/10", "up", -1, ""},
      {"x/10 up/61 y/40", "up", -1, ""},
  };
  RunRowCases(kUpClosing, kCases);
}

// The steps in their order through the body, the outcomes and resume words.
TEST(UpBody, StepsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"x/10 <ref>/41 up/61 y/10", "up", "", "up"},
      // "off" goes to its phrase rules, after the gates.
      {"x/10 off/61 cover/10", "off", "off: wordClass=40", "off"},
      {"x/10 <ref>/41 off/61 cover/10", "off", "", "off"},
      {"x/10 set/20 up/61{msg=331} the/64 pump/10", "up",
       "set: suggestion=\"prepare/install/align\" message=315 entryWords=2 ruleId=4755\nup: message=0", "up"},
      // After "the", "set up" reaches the second table.
      {"x/10 set/20 up/61{mark=1} pump/10", "up",
       "set: suggestion=\"install/prepare/align\" message=300 entryWords=2 ruleId=7323", "up"},
      {"x/10 go/20{msg=330 msg2=320} up/61 ./48", "up", "go: message=0 message2=0", "up"},
      // Opening its sentence, the particle skips every rule on the previous word.
      {"go/20 ./48 up/61 to/68 and/63 including/23 ten/49", "up",
       "up: suggestion=\"... thru ...\" message=321 entryWords=4 ruleId=4648\nto: wordClass=40\nand: wordClass=40\n"
       "including: wordClass=40", "including"},
      {"go/20{msg=330} ./48 up/61 y/10", "up", "", "up"},
      {"x/10 up/61 to/68 y/10", "up",
       "up: suggestion=\"until/thru/maximum of\" message=331 entryWords=2 ruleId=2648\nto: wordClass=40", "to"},
      {"x/10 up/61 and/63 down/61", "up", "", "and"},
      {"x/10 sign/20 up/61 for/65 y/10", "up",
       "sign: suggestion=\"make a request for/(Rephrase)\" message=331 entryWords=3 ruleId=6113", "for"},
      // The label goes on; a later finding on the previous word clears it.
      {"x/10 y/10 up/61 lever/10 ./48", "up", "up: suggestion=\"UP\" message=323 ruleId=4602 verbForm=X", "up"},
      {"x/10 at/75 up/61 lever/10", "up",
       "at: suggestion=\"go to/show/UP position\" message=300 entryWords=2 ruleId=4502\n"
       "up: suggestion=\"UP\" ruleId=4602 verbForm=X", "up"},
      {"x/10 hold/20 up/61 ./48", "up", "hold: message=315 entryWords=2 ruleId=4446", "up"},
      {"the/64 valve/10 is/24 UP/61 ./48", "UP", "", "UP"},
      {"it/66 y/10 UP/61 ,/47 z/10", "UP", "UP: suggestion=\"in the UP position\" message=323 ruleId=5466 verbForm=X", "UP"},
      {"and/63 up/61{mark=1} ,/47 x/10", "up",
       "and: suggestion=\"and higher level/(Give serial number range.)\" message=331 entryWords=2 ruleId=7323\n"
       "up: message=331 ruleId=7323", "up"},
      {"x/10 up/61 side/10 down/61 y/10", "up",
       "up: suggestion=\"turn the top toward the bottom\" message=302 entryWords=3 ruleId=6673\nside: wordClass=40\n"
       "down: wordClass=40", "down"},
      // A special token before the particle: no context rules.
      {"x/10 slowly/50{token=9} up/61 y/10", "up", "", "up"},
      {"x/10 up/61 y/10", "up", "", "up"},
  };
  RunBodyCases(ApplyParticleRules, kCases);
}

}  // namespace
