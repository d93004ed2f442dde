// The verb rules of classes 20 and 21: the entry's guards, the checks of a
// verb inside its sentence, the sentence openers, and the trigger steps
// that are no table rows.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/verb_rule_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void LongNoSubject(SentenceStateRec& s) {
  s.sentenceWordCount = 12;
  s.subjectNumber = -1;
}

TEST(VerbRules, EntryGuards) {
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
  });
}

TEST(VerbRules, ChecksInsideTheSentence) {
  RunBodyCases(ApplyVerbRules, {
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
  });
}

TEST(VerbRules, SentenceOpeners) {
  RunBodyCases(ApplyVerbRules, {
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
  });

  RunRowCases(VerbOpenerRows(), {
      {"Energize/20 circuits/11", "Energize", -1, ""},
      {"Keep/20 hands/11", "Keep", 2, "Keep: message=302 ruleId=3022"},
      {"Refer/20 to/68", "Refer", 3, "to: wordClass=40"},
      {"Stop/20{mark=1} b/10", "Stop", 4, "Stop: wordClass=10"},
      {"Take/20 care/10", "Take", 5, "Take: suggestion=\" Obey\" message=300 entryWords=2 ruleId=3022"},
      {"Use/20 up/61", "Use", 7, "Use: suggestion=\" Use all the\" message=300 entryWords=2 ruleId=3022"},
  });
}

TEST(VerbRules, TriggerSteps) {
  RunBodyCases(ApplyVerbRules, {
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
}

}  // namespace
