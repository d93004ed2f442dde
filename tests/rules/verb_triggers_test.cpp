// The trigger rows of the verbs of classes 20 and 21, by first letter: the
// first and last rows, each finding shape, the rows of the -s and base forms
// and the rows whose advice or target was corrected.
#include <gtest/gtest.h>

#include "rules/main/verb_rule_tables.h"
#include "tests/rules/table_cases.h"

namespace {

void S(SentenceStateRec& s) { s.verbIsSForm = 1; }
void Plural(SentenceStateRec& s) { s.subjectNumber = 1; }

TEST(VerbTriggers, Rows) {
  static const TableCase kCases[] = {
      {VerbRowsK(), {"a/40 keep/20 running/23{sug=run} b/10", "keep", 0,
       "keep: suggestion=\"run\" message=335 entryWords=2 ruleId=3213"}},
      {VerbRowsK(), {"a/40 keep/20 b/10", "keep", 11, ""}},
      {VerbRowsK(), {"a/40 know/20 why/52", "know", 12, nullptr}},
      {VerbRowsA(), {"a/40 adjust/20 to/68", "adjust", 1,
          "adjust: suggestion=\"make an adjustment\" message=322 entryWords=2 ruleId=5673"}},
      {VerbRowsA(), {"a/40 apply/20 to/68 you/78", "apply", 5,
          "apply: suggestion=\"refer to\" message=324 entryWords=3 ruleId=6673"}},
      {VerbRowsA(), {"a/40 add/20 together/52", "add", 9, nullptr}},
      {VerbRowsB(), {"a/40 break/20 up/61", "break", 3,
       "break: suggestion=\"divide/disassemble/show\" message=300 entryWords=2 ruleId=5667"}},
      {VerbRowsB(), {"a/40 breaks/21 in/75", "breaks", 4, "breaks: wordClass=11 message=322 ruleId=5173", S}},
      {VerbRowsB(), {"a/40 bleeds/21 b/10", "bleeds", 14,
       "bleeds: suggestion=\"releases/bleeds\" message=300 entryWords=2 ruleId=5667", S}},
      // Only a message code in the subclass is copied.
      {VerbRowsB(), {"a/40 become/20 hot/30{sub=305}", "become", 26, "hot: message=305 message2=305"}},
      {VerbRowsB(), {"a/40 become/20 hot/30{sub=2}", "become", 26, ""}},
      {VerbRowsC(), {"good/30 cause/20 b/10", "cause", 0, "good: wordClass=10 message=324 entryWords=2 ruleId=4012"}},
      {VerbRowsC(), {"a/40 cut/20 has/25", "cut", 4, "cut: wordClass=10 message=306 ruleId=4666\nhas: wordClass=40"}},
      {VerbRowsC(), {"a/40 clear/20 ./48", "clear", 24, "clear: message=300 ruleId=3512"}},
      {VerbRowsC(), {"manual/10 contains/21 b/10", "contains", 35,
          "contains: suggestion=\"shows\" message=313 ruleId=5666", S}},
      {VerbRowsC(), {"text/10 contain/20 b/10", "contain", 36,
          "contain: suggestion=\"show\" message=313 ruleId=5666"}},
      // The word before gets the finding and the covered words.
      {VerbRowsC(), {"color/10 change/20 b/10", "change", 40,
          "color: suggestion=\"becomes\" message=313 entryWords=2 ruleId=4666"}},
      {VerbRowsC(), {"oil/16 changes/21 b/10", "changes", 41, nullptr}},
      {VerbRowsC(), {"a/40 come/20 out/61 from/67", "come", 74, nullptr}},
      {VerbRowsC(), {"a/40 come/20 b/10", "come", -1, ""}},
      {VerbRowsD(), {"a/40 divides/21 ./48", "divides", 2,
          "divides: suggestion=\"(Add a noun object)\" message=300 ruleId=3319", S}},
      {VerbRowsD(), {"a/40 divide/20 b/10", "divide", 4, ""}},
      {VerbRowsD(), {"a/40 dry/20 up/61", "dry", 8,
          "dry: suggestion=\"decrease/(Rephrase)\" message=315 entryWords=2 ruleId=3319"}},
      {VerbRowsD(), {"a/40 disable/20 b/10", "disable", 16,
          "disable: suggestion=\"remove XXX from service\" message=300 ruleId=3319"}},
      {VerbRowsE(), {"lights/11 extinguish/20{msg=311} b/10", "extinguish", 0,
       "extinguish: suggestion=\"are not illuminated\" message=300 ruleId=3319"}},
      {VerbRowsE(), {"lamp/10 extinguishes/21 b/10", "extinguishes", 1, nullptr}},
      {VerbRowsE(), {"a/40 energize/20 motor/10", "energize", -1, ""}},
      {VerbRowsE(), {"a/40 enable/20 operation/10", "enable", 9, "enable: suggestion=\"let\" message=300 ruleId=5673"}},
      {VerbRowsE(), {"a/40 enable/20 b/10", "enable", -1, ""}},
      {VerbRowsF(), {"a/40 fall/20 apart/52", "fall", 3,
          "fall: suggestion=\"break/(Rephrase)\" message=313 entryWords=2 ruleId=5666"}},
      {VerbRowsF(), {"a/40 b/40 c/40 follow/20 instructions/11", "follow", 29,
          "follow: suggestion=\"obey/read\" message=300 ruleId=3618"}},
      {VerbRowsF(), {"a/40 b/40 follow/20 instructions/11", "follow", -1, ""}},
      // Advice alone, no message.
      {VerbRowsF(), {"a/40 flow/20{last=w} out/61", "flow", 32, "flow: suggestion=\"flow from/flow into\""}},
      {VerbRowsG(), {"a/40 get/20 off/61", "get", 5,
       "get: suggestion=\"not illuminate/disconnect\" message=323 entryWords=2 ruleId=3319 verbForm=X"}},
      {VerbRowsG(), {"a/40 get/20 rid/61 of/67", "get", 7,
       "get: suggestion=\"remove\" message=315 entryWords=3 ruleId=2112"}},
      {VerbRowsG(), {"a/40 get/20 below/52", "get", 10,
          "get: suggestion=\"(Use Verb Selector)\" message=300 ruleId=4319"}},
      {VerbRowsG(), {"a/40 get/20 b/10", "get", 14, ""}},
      {VerbRowsG(), {"a/40 go/20 b/10", "go", -1, ""}},
      {VerbRowsH(), {"a/40 b/40 helps/21 maintain/20", "helps", 4, nullptr, S}},
      {VerbRowsH(), {"a/40 b/40 help/20 maintain/20", "help", 5, nullptr}},
      {VerbRowsH(), {"a/40 b/40 help/20 Start/20", "help", 7,
          "help: suggestion=\"help to Start\" message=313 entryWords=2 ruleId=3319"}},
      {VerbRowsH(), {"a/40 help/20 start/20", "help", -1, ""}},
      {VerbRowsI(), {"a/40 install/20 ./48", "install", 0,
          "install: suggestion=\"(installation of)\" message=322 ruleId=2320"}},
      {VerbRowsI(), {"valve/10 install/20 b/10", "install", 1, nullptr}},
      {VerbRowsI(), {"valve/10 installs/21 b/10", "installs", -1, ""}},
      {VerbRowsI(), {"a/40 install/20 b/10", "install", -1, ""}},
      {VerbRowsL(), {"a/40 lift/20 up/61", "lift", 0, nullptr}},
      {VerbRowsL(), {"a/40 look/20 down/61", "look", 12,
       "look: suggestion=\"(look at)/(Rephrase)\" message=313 entryWords=2 ruleId=2320"}},
      {VerbRowsL(), {"a/40 looks/21 red/32", "looks", 22, "looks: suggestion=\"are\" message=300 ruleId=2320", Plural}},
      {VerbRowsL(), {"a/40 looks/21 red/32", "looks", 23, "looks: suggestion=\"is\" message=300 ruleId=2320"}},
      {VerbRowsL(), {"a/40 look/20 b/10", "look", -1, ""}},
      {VerbRowsM(), {"this/76 make/20 b/10", "make", 0, "make: message=300 ruleId=3018"}},
      // Both words are needed, and each form gets its own number.
      {VerbRowsM(), {"a/40 makes/21 no/77 difference/10", "makes", 7,
       "makes: suggestion=\"is not different\" message=300 entryWords=3 ruleId=7012", S}},
      {VerbRowsM(), {"a/40 make/20 no/77 difference/10", "make", 8,
       "make: suggestion=\"are not different\" message=300 entryWords=3 ruleId=7012"}},
      {VerbRowsM(), {"a/40 make/20 a/64 difference/10", "make", 10, ""}},
      {VerbRowsM(), {"a/40 measure/20 b/10", "measure", -1, ""}},
      {VerbRowsN(), {"a/40 need/20 to/68 be/25", "need", 0,
          "need: suggestion=\"must be\" message=335 entryWords=3 ruleId=4218"}},
      {VerbRowsN(), {"a/40 need/20 not/29", "need", 2, nullptr}},
      // The "with" is the word that is marked.
      {VerbRowsO(), {"a/40 operate/20 with/74{code=D****} b/10", "operate", 0, "with: classCode=\"D**4*\""}},
      {VerbRowsO(), {"a/40 obey/20 rules/19", "obey", 3,
          "obey: suggestion=\"(Use as a safety verb)\" message=300 ruleId=3412"}},
      {VerbRowsO(), {"a/40 open/20 b/10", "open", -1, ""}},
      {VerbRowsP(), {"a/40 Push/20 down/61", "Push", 3,
          "Push: suggestion=\"Push\" message=315 entryWords=2 ruleId=4031"}},
      {VerbRowsP(), {"a/40 put/20 b/10{mark=1}", "put", -1, ""}},
      {VerbRowsP(), {"a/40 prevents/21 from/67", "prevents", 14, "prevents: message=304 entryWords=2 ruleId=3512"}},
      // A "pull" that its own rows did not match meets the "from" row.
      {VerbRowsP(), {"a/40 pull/20 from/67", "pull", 14, nullptr}},
      {VerbRowsR(), {"a/40 removes/21 tension/10", "removes", 0,
          "removes: suggestion=\"releases\" message=300 ruleId=35012", S}},
      // Each form gets the advice of its own number.
      {VerbRowsR(), {"a/40 reads/21 5/49", "reads", 7,
          "reads: suggestion=\"shows/has an indication\" message=324 ruleId=4666", S}},
      {VerbRowsR(), {"a/40 read/20 5/49", "read", 8,
          "read: suggestion=\"show/have an indication\" message=324 ruleId=4666"}},
      {VerbRowsR(), {"a/40 read/20 b/10", "read", -1, ""}},
      {VerbRowsS(), {"a/40 stop/20{mark=1} b/10", "stop", 3, "stop: wordClass=10"}},
      {VerbRowsS(), {"a/40 start/20 testing/23{sug=test} b/10", "start", 5,
       "start: suggestion=\"test\" message=335 entryWords=2 ruleId=3213"}},
      {VerbRowsS(), {"a/40 starts/21 up/61", "starts", 6, nullptr, S}},
      {VerbRowsS(), {"a/40 start/20 up/61", "start", 7, nullptr}},
      {VerbRowsS(), {"a/40 see/20 if/70", "see", 14, nullptr}},
      {VerbRowsS(), {"a/40 see/20 table/10", "see", 15,
          "see: suggestion=\"refer to\" message=315 entryWords=2 ruleId=3674"}},
      {VerbRowsS(), {"a/40 set/20 point/10", "set", 21,
       "set: suggestion=\"(Use the setting(n))\" message=315 entryWords=2 ruleId=4367"}},
      {VerbRowsS(), {"a/40 sets/21 fire/10", "sets", 31,
          "sets: suggestion=\"causes a fire\" message=324 ruleId=6289", S}},
      {VerbRowsS(), {"a/40 set/20 fire/10", "set", 32, "set: suggestion=\"cause a fire\" message=324 ruleId=6289"}},
      {VerbRowsS(), {"a/40 set/20 b/10", "set", -1, ""}},
      // Each form gets the advice of its own number.
      {VerbRowsT(), {"a/40 turns/21 around/73", "turns", 5,
       "turns: suggestion=\"moves from/change direction from/changes\" message=300 entryWords=2 ruleId=2319", S}},
      {VerbRowsT(), {"a/40 turn/20 around/73", "turn", 6,
       "turn: suggestion=\"move from/change direction from/change\" message=300 entryWords=2 ruleId=2319"}},
      {VerbRowsT(), {"b/10 turn/20 off/61{mark=1} c/10", "turn", 12, ""}},
      {VerbRowsT(), {"b/40 turn/20 off/61 light/10", "turn", 18,
       "b: suggestion=\"in OFF position/not illuminated/disconnected\" message=300 ruleId=2420\nturn: entryWords=2"}},
      // The word before has a finding of its own: the verb's goes on the
      // verb and its particle.
      {VerbRowsT(), {"b/30{msg=311} turn/20 on/75 and/63", "turn", 16,
       "turn: suggestion=\"in ON position/illuminated/connected\" message=300 entryWords=2 ruleId=2420"}},
      {VerbRowsT(), {"b/30{msg=311} turn/20 off/61 the/64", "turn", 17,
       "turn: suggestion=\"put in ON position/put in OFF position/connect/disconnect\" message=300 entryWords=2 "
       "ruleId=2420"}},
      {VerbRowsT(), {";/40 turn/20 on/75 the/64", "turn", 17,
       "turn: suggestion=\"put in ON position/put in OFF position/connect/disconnect\" message=300 entryWords=2 "
       "ruleId=2420"}},
      {VerbRowsT(), {"b/40 turn/20 on/75 the/64", "turn", 22,
       "b: suggestion=\"put in ON position/put in OFF position/connect/disconnect\" message=300 entryWords=2 "
       "ruleId=2420"}},
      {VerbRowsT(), {"a/40 take/20 care/10 not/29 to/68", "take", 34,
       "take: suggestion=\"make sure/obey safety precautions/do not/be careful\" message=300 entryWords=4 ruleId=8672"}},
      {VerbRowsT(), {"a/40 take/20 care/10", "take", 36,
          "take: suggestion=\"make sure/obey safety precautions/do not/be careful\" "
       "message=300 entryWords=2 ruleId=4673"}},
      {VerbRowsT(), {"a/40 takes/21 back/52", "takes", 42, nullptr, S}},
      {VerbRowsT(), {"a/40 take/20 back/52", "take", 43, nullptr}},
      {VerbRowsT(), {"a/40 take/20 up/61 b/10", "take", 60, ""}},
      {VerbRowsT(), {"to/68 try/20 to/68", "try", 61,
          "to: suggestion=\"(Rephrase)\" message=300 entryWords=3 ruleId=6672"}},
      {VerbRowsU(), {"a/40 use/20{mark=1} b/10", "use", 0, "use: wordClass=10"}},
      {VerbRowsU(), {"a/40 uses/21 care/10", "uses", 5,
       "uses: suggestion=\"be careful/obey all safety instructions\" message=301 entryWords=2 ruleId=2902"}},
      {VerbRowsU(), {"a/40 uses/21 b/10", "uses", -1, ""}},
  };
  RunTableCases(kCases);
}

}  // namespace
