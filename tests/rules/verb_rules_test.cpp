// The verb rules of classes 20 and 21: the entry's guards, the checks of a
// verb inside its sentence, the sentence openers, and the trigger steps
// that are no table rows.
#include <gtest/gtest.h>

#include "rules/main/been_rules.h"
#include "rules/main/class_bodies.h"
#include "rules/main/ed_tables.h"
#include "rules/main/ing_tables.h"
#include "rules/main/verb_rule_tables.h"
#include "tests/rules/table_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void NoSubject(SentenceStateRec& s) { s.subjectNumber = -1; }
void LongNoSubject(SentenceStateRec& s) {
  s.sentenceWordCount = 12;
  s.subjectNumber = -1;
}

TEST(VerbRules, Bodies) {
  RunBodyCases(ApplyVerbRules, {
      {"a/40 releases/21 b/40 ./48", "releases", "", "releases", Long, "lastVerbClass=21 verbIsSForm=1"},
      {"a/40 releases/21 b/40 ./48", "releases", "", "releases", LongNoSubject,
       "subjectNumber=1 lastVerbClass=21 verbIsSForm=1 clauseState=1"},
      {"a/40 go/20{split=4} c/10{split=4} ./48", "go", "go: message=317 ruleId=4116", "go", Long},
      // A capital A after the verb: the walk passes over that word too.
      {"a/40 turn/20 Aft/10 b/10 ./48", "turn", "", "Aft", Long},
      // An article, a number, a marked word or a conjunction ends the verb's
      // processing before its trigger rows ("make a note of", "read 25").
      {"a/40 make/20 a/64 note/10 of/67 ./48", "make", "", "make", Long},
      {"a/40 read/20 25/49 ./48", "read", "", "read", Long},
      // A base form in a sentence of one counted word.
      {"a/40 check/20 b/10 ./48", "check", "", "check"},
      // "Start Pump Switch" is a label.
      {"a/40 Start/20 Pump/10 switch/10 ./48", "Start", "Start: classCode=\"N****\" wordClass=40", "Start", Long},
      {"a/40 check/20{pos=-1} b/40 ./48", "check", "", "check", Long},
      {"a/40 turn/20 closed/31 it/66 ./48", "turn", "closed: message=302 ruleId=3943", "closed", Long},
      {"a/40 turn/20 is/24 ./48", "turn", "turn: message=306 ruleId=5612", "turn", Long},
      {"b/30{mark=1} turn/20 c/40 ./48", "turn",
       "b: classCode=\"NM*S\" wordClass=10 message=314 entryWords=2 ruleId=4666", "turn", Long},
      {"b/22 turn/20 c/40 ./48", "turn", "turn: message=321 ruleId=5217", "turn", Long},
      // An -ing word after the verb ("continue testing") is a gerund first.
      {"a/40 continue/20 testing/23{code=V3****} b/10 ./48", "continue", "testing: message=338 ruleId=4943",
       "testing", Long},
      {"a/40 keep/20 testing/23{code=F****} b/10 ./48", "keep", "testing: message=338 ruleId=4012", "testing", Long},
      {"a/40 turn/20 Click/20 b/10 ./48", "turn", "Click: wordClass=40", "turn", Long},
      {"a/40 turn/20{mark=1} lever/10 ./48", "turn", "", "lever", Long},
      // "no" and "not" after the verb ("make no difference", "need not").
      {"a/40 make/20 no/77 difference/10 ./48", "make", "no: suggestion=\"do not/does not\" message=334 ruleId=5711",
       "no", Long},
      {"a/40 need/20 not/29 b/20 ./48", "need", "need: message=334 entryWords=2 ruleId=5611\nnot: wordClass=40",
       "not", Long},
      {"a/40 press/20{mark=1} button/10 ./48", "press", "press: suggestion=\"(Use <uicontrol> tag or BOLD)\"",
       "button", Long},
      // The article check joins the verb to its noun; a trigger row may
      // then replace the verb's finding.
      {"a/40 remove/20 tension/10 from/67 the/64 b/10 ./48", "remove",
       "remove: written=\"remove?tension\" suggestion=\"release\" tag=\"<AR>\" message=300 ruleId=35012 verbForm=1\n"
       "tension: suggestion=\"the tension\" message=326 ruleId=2356", "remove?tension", Long},
      {"Turn/20 b/10{sep=8} c/40 ./48", "Turn", "", "Turn", Long},
      {"Turn/20 closed/22 b/10 ./48", "Turn", "Turn: message=335 entryWords=2 ruleId=5612\nclosed: wordClass=40",
       "closed", Long},
      {"Turn/20 opening/23 it/66 ./48", "Turn", "opening: message=335 ruleId=6012", "opening", Long},
      {"Break/20 off/61 b/40 ./48", "Break",
       "Break: suggestion=\" Break/(Select another verb)\" message=315 ruleId=3022", "Break", Long},
      {"Use/20 care/10 when/70 b/40 ./48", "Use",
       "Use: suggestion=\" Be careful/Make sure that\" message=300 entryWords=2 ruleId=3022\ncare: wordClass=40",
       "care", Long},
      {"Turn/20{mark=1} go/20 ./48", "Turn", "Turn: message=324 ruleId=1012", "Turn", Long},
      // "continue" with an -ing word the entry lets through.
      {"a/40 b/40 continue/20 testing/23{code=F**** sub=1 plural=0} it/66 ./48", "continue",
       "continue: suggestion=\"continue to test\" message=338 ruleId=3022\ntesting: suggestion=\"test\"",
       "testing", Long},
      {"a/40 b/40 continue/20 testing/23{code=F**** sub=1 plural=NUL} it/66 ./48", "continue", "", "continue",
       Long},
      {"flame/10 cut/20 b/40 ./48", "cut", "cut: suggestion=\"cut with a flame/(Give welding process.)\"", "cut",
       Long},
      // "close up" passes over one more word, but not beyond the end.
      {"a/40 close/20 up/61 b/40 c/40", "close",
       "close: suggestion=\"close/closes/(Rephrase)\" message=315 entryWords=2 ruleId=4566\nup: wordClass=40", "b",
       Long},
      {"a/40 close/20 up/61", "close",
       "close: suggestion=\"close/closes/(Rephrase)\" message=315 entryWords=2 ruleId=4566\nup: wordClass=40",
       "@@END", Long},
      {"a/40 jump/20 b/40 ./48", "jump", "", "jump", Long},
  });
  RunBodyCases(ApplyEdRules, {
      {"it/66 is/24 moved/22 ./48", "moved", "moved: wordClass=31", "moved", nullptr, "lastVerbClass=22"},
      // The end of the text ends the word.
      {"a/40{split=4} moved/22{split=4} b/10 ./48", "moved", "moved: wordClass=30 message=317 ruleId=4288", "moved"},
      {"a/40 moved/22{mark=1} b/10 ./48", "moved", "moved: wordClass=30", "moved"},
      {"it/66 moved/22 opening/23 ./48", "moved", "moved: message=335 ruleId=3118", "moved"},
      // Phrasal verbs and time words: the next word is passed over.
      {"it/66 kept/22 off/61 the/64 b/10 ./48", "kept",
       "kept: suggestion=\"(Remove the preposition)\" message=315 entryWords=2 ruleId=3117", "off"},
      // The second table's advice stays.
      {"a/40 b/40 ,/47 pulled/22 off/61 c/40 ./48", "pulled",
       "pulled: suggestion=\"pull/(Rephrase)\" message=335 entryWords=2 ruleId=3117", "pulled"},
      // An -ing word after "done" is a wrong tense before the second table is tried.
      {"a/40 b/40 c/40 done/22 checking/23 ./48", "done", "done: message=335 ruleId=3118", "done"},
      // References.
      {"a/40 b/40 c/40 used/22 do/20 ./48", "used", "used: message=302 ruleId=2672", "used"},
      // A sentence opened by an -ed word.
      {"Used/22 valves/11 are/25 in/75 the/64 box/10 ./48", "Used", "Used: message=320 ruleId=2902", "Used", Long},
  });
  RunBodyCases(ApplyIngRules, {
      {"Cleaning/23{plural=0} filters/11 ./48", "Cleaning", "", "Cleaning", nullptr, nullptr, 1},
      {"a/40 b/40 opening/23{plural=0} ./48", "opening", "opening: message=338 ruleId=3262", "opening", nullptr,
       "lastVerbClass=23"},
      // Progressive forms.
      {"a/64 b/10 c/40 is/24 fixing/23{plural=2} it/66 ./48", "fixing",
       "is: message=338 entryWords=2 ruleId=5339\nfixing: suggestion=\"fixes\" message=338 ruleId=3262", "fixing",
       nullptr, "subjectNumber=1 lastVerbClass=23"},
      {"they/66 are/25 opening/23{plural=0} it/66 ./48", "opening",
       "are: message=338 entryWords=2 ruleId=5429\nopening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
      // "is not opening": the do-form takes the base form.
      {"a/64 b/10 is/24 not/29 opening/23{plural=0} it/66 ./48", "opening",
       "is: suggestion=\"does not open\" message=338 entryWords=3 ruleId=5339\n"
       "opening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
      {"a/64 b/10 were/25 not/29 fixing/23{plural=2} it/66 ./48", "fixing",
       "were: suggestion=\"did not fix\" message=338 entryWords=3 ruleId=5339\n"
       "fixing: suggestion=\"fix\" message=338 ruleId=3262", "fixing"},
      // Two gerunds.
      {"a/40 opening/23{plural=0} and/63 closing/23{plural=1} ./48", "opening",
       "opening: suggestion=\"open\" message=338 ruleId=5642\nclosing: suggestion=\"close\" wordClass=40 message=338 "
       "ruleId=5642", "opening"},
      // After "for": the advice only when a form was built.
      {"a/40 for/65 opening/23{plural=0} it/66 ./48", "opening",
       "for: suggestion=\"to open/(open)\" message=338 entryWords=2 ruleId=6434\n"
       "opening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
      {"a/40 for/65 opening/23{plural=NUL} it/66 ./48", "opening",
       "for: message=338 entryWords=2 ruleId=6434\nopening: message=338 ruleId=3262", "opening"},
      // The word table before a noun.
      {"a/40 b/40 taking/23 place/10 ./48", "taking",
       "taking: suggestion=\"occurs/occur\" wordClass=20 message=338 entryWords=2 ruleId=3535", "place"},
      {"a/40 b/40 installing/23 valves/11 ./48", "installing",
       "installing: suggestion=\"installation/to install/install\" wordClass=20 message=338 ruleId=5335", "installing"},
      // After a noun: the base form and the inflected -s form.
      {"valve/10 fixing/23{plural=2} b/40 ./48", "fixing",
       "fixing: suggestion=\"fix/fixes/with\" message=338 ruleId=6434", "fixing"},
      {"valve/10 carrying/23{plural=5} b/40 ./48", "carrying",
       "carrying: suggestion=\"carry/carries/with\" message=338 ruleId=6434", "carrying"},
      // After "of", marked, verbs of beginning, "for" as a preposition.
      {"a/64 b/10 of/67 opening/23{plural=0} it/66 ./48", "opening",
       "of: message=338 ruleId=2339 weight=2\nopening: suggestion=\" to open\" message=338 ruleId=3262", "opening"},
      {"a/64 opening/23{plural=0 mark=1} it/66 ./48", "opening",
       "opening: suggestion=\"that open\" message=338 ruleId=5434", "opening"},
      {"a/66 from/60 opening/23{plural=0} it/66{mark=1} ./48", "opening",
       "from: message=338 entryWords=2 ruleId=4327\nopening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
      {"Opening/23{plural=0} valves/11 is/24 ./48", "Opening",
       "Opening: suggestion=\"How to open the/(To open the)\" message=338 ruleId=3338", "Opening", NoSubject,
       "subjectSeen=1 subjectNumber=0 lastVerbClass=23"},
      {"Opening/23{plural=0} valves/11 ,/47 stop/20 ./48", "Opening",
       "Opening: suggestion=\"How to open the/To open the\" message=338 ruleId=3338", "Opening"},
      {"OPENING/23{plural=0} VALVES/11 ./48", "OPENING",
       "OPENING: suggestion=\"HOW TO OPEN THE/(TO OPEN THE)\" message=338 ruleId=3338", "OPENING"},
      {"Opening/23{plural=NUL} valve/10 b/40 ./48", "Opening",
       "Opening: written=\"Opening?valve\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "valve: suggestion=\"the valve\" message=326 ruleId=2356", "Opening?valve"},
      {"Cooling/23{mark=1} b/10 ./48", "Cooling", "Cooling: classCode=\"A****\" wordClass=30", "Cooling", NoSubject,
       "subjectSeen=0 subjectNumber=0"},
  });
}

TEST(VerbRules, SentenceOpeners) {

  static const TableCase kRowCases[] = {
      {VerbOpenerRows(), {"Energize/20 circuits/11", "Energize", -1, ""}},
      {VerbOpenerRows(), {"Keep/20 hands/11", "Keep", 2, "Keep: message=302 ruleId=3022"}},
      {VerbOpenerRows(), {"Refer/20 to/68", "Refer", 3, "to: wordClass=40"}},
      {VerbOpenerRows(), {"Stop/20{mark=1} b/10", "Stop", 4, "Stop: wordClass=10"}},
      {VerbOpenerRows(), {"Take/20 care/10", "Take", 5,
          "Take: suggestion=\" Obey\" message=300 entryWords=2 ruleId=3022"}},
      {VerbOpenerRows(), {"Use/20 up/61", "Use", 7,
          "Use: suggestion=\" Use all the\" message=300 entryWords=2 ruleId=3022"}},
      {EdPhraseRows(), {"a/40 kept/22 away/52", "kept", 0, nullptr}},
      {EdPhraseRows(), {"a/40 tapped/22 b/10", "tapped", -1, ""}},
      {EdSecondPhraseRows(), {"a/40 done/22 opening/23", "done", 0, nullptr}},
      {EdSecondPhraseRows(), {"a/40 pulled/22 apart/52", "pulled", 1, nullptr}},
      {IngWordRows(), {"a/40 using/23 b/10", "using", 0, nullptr}},
      {IngWordRows(), {"a/40 going/23 back/10", "going", 9,
          "going: suggestion=\"(Rephrase)\" message=335 entryWords=2 ruleId=4327"}},
      {IngWordRows(), {"a/10 filling/23 b/10", "filling", 11, nullptr}},
      {IngWordRows(), {"this/76 cooling/23 b/10", "cooling", -1, ""}},
      {IngWordRows(), {"a/40 loading/23 b/10", "loading", 23, nullptr}},
  };
  RunTableCases(kRowCases);
  // Rows that need a particle after the word pass the gate only when that
  // word is of a noun class.
}


TEST(BeenRules, Rows) {
  static const TableCase kRowCases[] = {
      {BeenRows(), {"Been/27 here/52", "Been", 0, "Been: message=335 ruleId=5911"}},
      {BeenRows(), {"it/66 has/24 been/27 able/30 to/68", "been", 1,
       "been: suggestion=\"can\" message=335 entryWords=3 ruleId=5811"}},
      {BeenRows(), {"they/66 have/25 been/27 around/73", "been", 4,
       "have: suggestion=\"(Rephrase)\" message=330 entryWords=3 ruleId=5912"}},
      {BeenRows(), {"it/66 has/24 been/27 not/29", "been", 9, "not: message=334 ruleId=56"}},
      {BeenRows(), {"it/66 has/24 been/27 there/52", "been", -1, ""}},
  };
  RunTableCases(kRowCases);

  RunBodyCases(ApplyBeenRules, {
      {"it/66 has/24 been/27 able/30 to/68 go/20 ./48", "been",
       "been: suggestion=\"can\" message=335 entryWords=3 ruleId=5811\nable: wordClass=40\nto: wordClass=40", "to"},
      {"it/66 had/25 been/27{msg2=330} there/52 ./48", "been",
       "had: message=335 entryWords=2 ruleId=4911\nbeen: message2=0", "been"},
  });
}

}  // namespace
