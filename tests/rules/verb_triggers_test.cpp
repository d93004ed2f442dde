// The trigger rows of the verbs of classes 20 and 21, one table per first
// letter: the first and last rows, each finding shape, the rows of the -s
// and base forms and the rows whose advice or target was corrected.
#include <gtest/gtest.h>

#include "rules/main/verb_rule_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

void S(SentenceStateRec& s) { s.verbIsSForm = 1; }
void Plural(SentenceStateRec& s) { s.subjectNumber = 1; }

TEST(VerbTriggers, LettersLToP) {
  RunRowCases(VerbRowsL(), {
      {"a/40 lift/20 up/61", "lift", 0, nullptr},
      {"a/40 look/20 down/61", "look", 12,
       "look: suggestion=\"look at/(Rephrase)\" message=313 entryWords=2 ruleId=2320"},
      {"a/40 looks/21 red/32", "looks", 22, "looks: suggestion=\"are\" message=300 ruleId=2320", Plural},
      {"a/40 looks/21 red/32", "looks", 23, "looks: suggestion=\"is\" message=300 ruleId=2320"},
      {"a/40 look/20 b/10", "look", -1, ""},
  });

  RunRowCases(VerbRowsM(), {
      {"this/76 make/20 b/10", "make", 0, "make: message=300 ruleId=3018"},
      // Both words are needed, and each form gets its own number.
      {"a/40 makes/21 no/77 difference/10", "makes", 7,
       "makes: suggestion=\"is not different\" message=300 entryWords=3 ruleId=7012", S},
      {"a/40 make/20 no/77 difference/10", "make", 8,
       "make: suggestion=\"are not different\" message=300 entryWords=3 ruleId=7012"},
      {"a/40 make/20 a/64 difference/10", "make", 10, ""},
      {"a/40 measure/20 b/10", "measure", -1, ""},
  });

  RunRowCases(VerbRowsN(), {
      {"a/40 need/20 to/68 be/25", "need", 0, "need: suggestion=\"must be\" message=335 entryWords=3 ruleId=4218"},
      {"a/40 need/20 not/29", "need", 2, nullptr},
  });
  RunRowCases(VerbRowsO(), {
      // The "with" is the word that is marked.
      {"a/40 operate/20 with/74{code=D****} b/10", "operate", 0, "with: classCode=\"D**4*\""},
      {"a/40 obey/20 rules/19", "obey", 3, "obey: suggestion=\"(Use as a safety verb)\" message=300 ruleId=3412"},
      {"a/40 open/20 b/10", "open", -1, ""},
  });

  RunRowCases(VerbRowsP(), {
      {"a/40 Push/20 down/61", "Push", 3, "Push: suggestion=\"Push\" message=315 entryWords=2 ruleId=4031"},
      {"a/40 put/20 b/10{mark=1}", "put", -1, ""},
      {"a/40 prevents/21 from/67", "prevents", 14, "prevents: message=304 entryWords=2 ruleId=3512"},
      // A "pull" that its own rows did not match meets the "from" row.
      {"a/40 pull/20 from/67", "pull", 14, nullptr},
  });
}

TEST(VerbTriggers, LettersRToU) {
  RunRowCases(VerbRowsR(), {
      {"a/40 removes/21 tension/10", "removes", 0, "removes: suggestion=\"releases\" message=300 ruleId=35012", S},
      // Each form gets the advice of its own number.
      {"a/40 reads/21 5/49", "reads", 7, "reads: suggestion=\"shows/has an indication\" message=324 ruleId=4666", S},
      {"a/40 read/20 5/49", "read", 8, "read: suggestion=\"show/have an indication\" message=324 ruleId=4666"},
      {"a/40 read/20 b/10", "read", -1, ""},
  });

  RunRowCases(VerbRowsS(), {
      {"a/40 stop/20{mark=1} b/10", "stop", 3, "stop: wordClass=10"},
      {"a/40 start/20 testing/23{sug=test} b/10", "start", 5,
       "start: suggestion=\"test\" message=335 entryWords=2 ruleId=3213"},
      {"a/40 starts/21 up/61", "starts", 6, nullptr, S},
      {"a/40 start/20 up/61", "start", 7, nullptr},
      {"a/40 see/20 if/70", "see", 14, nullptr},
      {"a/40 see/20 table/10", "see", 15, "see: suggestion=\"refer to\" message=315 entryWords=2 ruleId=3674"},
      {"a/40 set/20 point/10", "set", 21,
       "set: suggestion=\"(Use the setting(n))\" message=315 entryWords=2 ruleId=4367"},
      {"a/40 sets/21 fire/10", "sets", 31, "sets: suggestion=\"causes a fire\" message=324 ruleId=6289", S},
      {"a/40 set/20 fire/10", "set", 32, "set: suggestion=\"cause a fire\" message=324 ruleId=6289"},
      {"a/40 set/20 b/10", "set", -1, ""},
  });

  RunRowCases(VerbRowsT(), {
      // Each form gets the advice of its own number.
      {"a/40 turns/21 around/73", "turns", 5,
       "turns: suggestion=\"moves from/change direction from/changes\" message=300 entryWords=2 ruleId=2319", S},
      {"a/40 turn/20 around/73", "turn", 6,
       "turn: suggestion=\"move from/change direction from/change\" message=300 entryWords=2 ruleId=2319"},
      {"b/10 turn/20 off/61{mark=1} c/10", "turn", 12, ""},
      {"b/40 turn/20 off/61 light/10", "turn", 13,
       "b: suggestion=\"in OFF position/not illuminated/disconnected\" message=300 ruleId=2420\nturn: entryWords=2"},
      {"b/40 turn/20 on/75 the/64", "turn", 17,
       "b: suggestion=\"put in ON position/put in OFF position/connect/disconnect\" message=300 entryWords=2 "
       "ruleId=2420"},
      {"a/40 take/20 care/10 not/29 to/68", "take", 29,
       "take: suggestion=\"make sure/obey safety precautions/do not/be careful\" message=300 entryWords=4 ruleId=8672"},
      {"a/40 take/20 care/10", "take", 31, "take: suggestion=\"make sure/obey safety precautions/do not/be careful\" "
       "message=300 entryWords=2 ruleId=4673"},
      {"a/40 takes/21 back/52", "takes", 37, nullptr, S},
      {"a/40 take/20 back/52", "take", 38, nullptr},
      {"a/40 take/20 up/61 b/10", "take", 55, ""},
      {"to/68 try/20 to/68", "try", 56, "to: suggestion=\"(Rephrase)\" message=300 entryWords=3 ruleId=6672"},
  });

  RunRowCases(VerbRowsU(), {
      {"a/40 use/20{mark=1} b/10", "use", 0, "use: wordClass=10"},
      {"a/40 uses/21 care/10", "uses", 5,
       "uses: suggestion=\"be careful/obey all safety instructions\" message=301 entryWords=2 ruleId=2902"},
      {"a/40 uses/21 b/10", "uses", -1, ""},
  });
}

}  // namespace
