// The gates of the particles (class 61) and the rules of "up".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_tables.h"
#include "tests/rules/particle_case_lists.h"

namespace {

using namespace particle;

TEST(UpRules, GatesOpeningAndLabels) {
  RunRowCases(kHead, {
      {"x/10 <ref>/41 up/61 y/10", "up", 0, ""},
      // Not a gate: a tag before a particle that opens its sentence, ")" of another class.
      {"<b>/41 up/61{pos=0} y/10", "up", -1, ""},
      {"x/10 (/41 up/61 )/42", "up", -1, ""},
  });
  RunRowCases(kUpOpening, {
      {"x/10 up/61 arrow/10", "up", 0, "up: suggestion=\"UP\" tag=\"<AR>\" message=323 ruleId=5402"},
      // "up to and including" is the "thru" row, before the plain "up to".
      {"up/61 to/68 and/63 including/23", "up", 3, "up: suggestion=\"... thru ...\" message=321 entryWords=4 ruleId=4648"},
      {"x/10 up/61 to/68 and/63 then/73", "up", 4, "up: suggestion=\"until/thru/maximum of\" message=331 entryWords=2 ruleId=2648"},
      // Only "up" itself is the arrow label.
      {"x/10 upward/61 arrow/10", "upward", -1, ""},
  });
  RunRowCases(kUpLabel, {
      {"x/10 upward/61 position/10", "upward", 0, "upward: suggestion=\"UP\" message=323 ruleId=4602 verbForm=X"},
      {"x/10 UP/61 lever/10", "UP", -1, ""},
  });
}

TEST(UpRules, WordsBeforeAndVerbTables) {
  RunRowCases(kUpBefore, {
      {"it/66 is/24 taken/22 up/61 y/10", "up", 0, "up: suggestion=\"(Rephrase for meaning)\" message=313 entryWords=2 ruleId=5602"},
      {"x/10 &/40 up/61", "up", 7, "up: suggestion=\"(Show ref. example Version)\" message=313 ruleId=5602"},
      {"x/10 ends/21 up/61", "up", -1, ""},
  });
  std::deque<std::string> texts;
  auto first = VerbCases(texts, "up/61", {{"and/63", 0}, {"locks/21", 6}, {"select/20", 10}, {"closed/22", -1}});
  // The verb's codes all go, the pushed-aside one too.
  first.push_back({"x/10 set/20{msg=330 msg2=328} up/61 y/10", "up", 10,
                   "set: suggestion=\"prepare/install/align\" message=315 message2=0 entryWords=2 ruleId=4755"});
  RunRowCases(kUpVerbs, first);
  RunRowCases(kUpFixed, {
      {"it/66 is/24 lined/22 up/61 with/74 x/10", "up", 0, "lined: suggestion=\"aligned to\" message=331 entryWords=3 ruleId=6855"},
      {"lined/22 up/61{pos=0} with/74", "up", -1, ""},
  });
  RunRowCases(kUpAfterVerb, {
      {"x/10 go/20{sub=80 msg=330 msg2=328} up/61", "up", 0, "go: subClass=0 message=0 message2=0"},
      {"x/10 goes/21 up/61", "up", -1, ""},
  });
  auto second = VerbCases(texts, "up/61", {{"acts/21", 0}, {"booted/22", 3}, {"boots/21", 4}, {"broken/22", 6},
                                           {"dried/22", 13}, {"warms/21", 50}, {"brokenly/50", -1}, {"dryer/10", -1}});
  second.push_back({"x/10 clean/20{sub=80 msg=325 msg2=330} up/61 y/10", "up", 9,
                    "clean: suggestion=\"clean/cleans\" subClass=0 message=300 message2=0 entryWords=2 ruleId=7323"});
  RunRowCases(kUpMoreVerbs, second);
}

TEST(UpRules, LateContextAndClosingRows) {
  RunRowCases(kUpLate, {
      {"lock/20 nut/10{mark=1} up/61 y/10", "up", 0, "up: message=304 ruleId=2466"},
      {"lock/20 nut/10 up/61{pos=1} y/10", "up", -1, ""},
  });
  RunRowCases(kUpSentenceEnd, {
      {"x/10 hold/20{msg=325} up/61 ./48", "up", 0, "hold: message=315 entryWords=2 ruleId=4446"},
      {"x/10 and/63 up/61 ./48", "up", 3, "up: suggestion=\"higher/from ... to/(Give Range)\" message=324 ruleId=4602"},
  });
  RunRowCases(kUpContext, {
      {"x/10 slowly/50 up/61 y/10", "up", 0, "slowly: message=302 entryWords=2 ruleId=3502"},
      {"x/10 and/63 up/61 ,/47", "up", 6,
       "and: suggestion=\"and higher level/(Give serial number range.)\" message=331 entryWords=2 ruleId=7323\nup: message=331 ruleId=7323"},
      {"x/10 up/61 to/68 date/10", "up", -1, ""},
  });
  RunRowCases(kUpClosing, {
      {"up/61 side/10 down/61", "up", 0, "up: suggestion=\"turn the top toward the bottom\" message=302 entryWords=3 ruleId=6673"},
      {"x/10 valve/10{mark=1 token=9} up/61 pump/10", "up", -1, ""},
  });
}

// The steps in their order through the body, the outcomes and resume words.
TEST(UpBody, StepsAndResumeWords) {
  RunBodyCases(ApplyParticleRules, {
      {"x/10 <ref>/41 up/61 y/10", "up", "", "up"},
      // "off" goes to its phrase rules, after the gates.
      {"x/10 off/61 cover/10", "off", "off: wordClass=40", "off"},
      {"x/10 set/20 up/61{msg=331} the/64 pump/10", "up",
       "set: suggestion=\"prepare/install/align\" message=315 entryWords=2 ruleId=4755\nup: message=0", "up"},
      // Opening its sentence, the particle skips every rule on the previous word.
      {"go/20 ./48 up/61 to/68 and/63 including/23 ten/49", "up",
       "up: suggestion=\"... thru ...\" message=321 entryWords=4 ruleId=4648\nto: wordClass=40\nand: wordClass=40\n"
       "including: wordClass=40", "including"},
      // The label goes on; a later finding on the previous word clears it.
      {"x/10 at/75 up/61 lever/10", "up",
       "at: suggestion=\"go to/show/UP position\" message=300 entryWords=2 ruleId=4502\n"
       "up: suggestion=\"UP\" ruleId=4602 verbForm=X", "up"},
      {"x/10 hold/20 up/61 ./48", "up", "hold: message=315 entryWords=2 ruleId=4446", "up"},
      {"x/10 up/61 side/10 down/61 y/10", "up",
       "up: suggestion=\"turn the top toward the bottom\" message=302 entryWords=3 ruleId=6673\nside: wordClass=40\n"
       "down: wordClass=40", "down"},
  });
}

}  // namespace
