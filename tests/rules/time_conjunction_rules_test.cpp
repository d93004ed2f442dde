// The rules of the time conjunctions (class 70).
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/time_conjunction_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace time_conjunction;

void PluralSubject(SentenceStateRec& s) { s.subjectNumber = 1; }

TEST(TimeConjunctionRules, ClauseEndsAtOnce) {
  static const TableCase kRowCases[] = {
      {kClauseEnd, {"x/10 before/70 ./48", "before", 0,
       "before: suggestion=\"(Rephrase for time clarity)\" tag=\"<*->\" message=302 ruleId=6734"}},
      {kClauseEnd, {"x/10 ON/70 ./48", "ON", 2,
          "ON: suggestion=\"ON position/in operation\" tag=\"<*->\" message=323 ruleId=5334"}},
      {kClauseEnd, {"x/10 when/70", "when", 3, "when: tag=\"<*->\""}},  // the end record
      {kClauseEnd, {"x/10 when/70 y/10", "when", -1, ""}},
      {kFirstWord, {"When/70{mark=1} y/10", "When", 0, ""}},
      {kFirstWord, {"If/70 no/77 light/10 ./48", "If", 3,
       "If: suggestion=\" If there is no/ If there are no\" message=302 entryWords=2 ruleId=6334"}},
      {kFirstWord, {"When/70 valve/10{mark=1} opens/21", "When", 4,
          "When: message=302 ruleId=6334\nvalve: wordClass=1"}},
      {kFirstWord, {"x/10 when/70 y/10", "when", -1, ""}},
      {kIfWhenBefore, {"x/10 stop/20{code=V0****} before/70 y/10", "before", 1, ""}},
      {kIfWhenBefore, {"x/10 when/70 light/10 y/10", "when", 3,
          "when: suggestion=\"(Move when to main clause.)\" message=302 ruleId=4594"}},
      {kOtherWord, {"x/10 After/70 only/52 y/10", "After", 0,
          "After: suggestion=\"After\" message=302 entryWords=2 ruleId=1494"}},
      {kOtherWord, {"x/10 during/70 y/10", "during", -1, ""}},
      {kLetterD, {"x/10 during/70 this/76 time/10", "during", 0,
       "during: suggestion=\"(Give a time ref.)\" message=305 entryWords=3 ruleId=3429"}},
      {kLetterD, {"x/10 during/70 times/11", "during", 1,
          "during: suggestion=\"when/(Rephrase)\" message=324 entryWords=2 ruleId=4211"}},
      {kLetterD, {"x/10 during/70 this/76 test/10", "during", -1, ""}},
      {kLetterW, {"x/10 whether/70 y/10", "whether", 0, "whether: suggestion=\"when/if\" message=324 ruleId=3749"}},
      {kLetterW, {"x/10 while/70 given/22", "while", 5,
          "x: suggestion=\"shown when/shown if\" message=302 entryWords=2 ruleId=3451"}},
      {kLetterW, {"x/10 while/70 going/23 in/75", "while", 6,
       "while: suggestion=\"when you go to/(Rephrase)\" message=300 entryWords=3 ruleId=3451"}},
      {kLetterW, {"x/10 while/70 going/23 out/61", "while", -1, ""}},
      {kLetterAB, {"x/10 after/70 being/25", "after", 0, "after: message=324 entryWords=2 ruleId=5211"}},
      // Advice without a message is not written on a word without a finding.
      {kLetterAB, {"x/10 soon/52 after/70 y/10", "after", 1, ""}},
      {kLetterAB, {"x/10 day/10{sub=325} after/70 y/10", "after", 2,
          "day: suggestion=\"(Give date Ref.)\" entryWords=2"}},
      {kLetterAB, {"x/10 shortly/52{msg=333} after/70 y/10", "after", 3,
          "shortly: suggestion=\"(Give time Ref.)\" entryWords=2"}},
      {kLetterAB, {"x/10 comes/21{msg=300} after/70 y/10", "after", 4,
          "comes: suggestion=\"(Give sequence Ref.)\" entryWords=2"}},
      {kLetterAB, {"x/10 also/52{msg=304} after/70 y/10", "after", 5,
          "also: suggestion=\"before/after\" entryWords=2"}},
      {kLetterAB, {"x/10 after/70 some/37 time/10", "after", 7,
          "after: suggestion=\"(Give a time ref.)\" message=305 entryWords=3 ruleId=3429"}},
      {kLetterAB, {"x/10 before/70 some/37 time/10", "before", -1, ""}},
  };
  RunTableCases(kRowCases);
}

TEST(TimeConjunctionRules, Body) {
  RunBodyCases(ApplyTimeConjunctionRules, {
      {"Do/20 test/10 before/70 ./48", "before",
       "before: suggestion=\"(Rephrase for time clarity)\" tag=\"<*->\" message=302 ruleId=6734", "before"},
      {"If/70 no/77 light/10 ./48", "If",
       "If: suggestion=\" If there is no/ If there are no\" message=302 entryWords=2 ruleId=6334\nno: wordClass=40", "no"},
      {"x/10 when/70 not/29 y/10", "when", "when: message=320 entryWords=2 ruleId=4494\nnot: wordClass=40", "not"},
      {"x/10 after/70 also/52 y/10", "after",
       "after: suggestion=\"after\" message=302 entryWords=2 ruleId=1494\nalso: wordClass=40", "also"},
      // "on" goes to the phrase rules of "on".
      {"x/10 on/70 being/25 y/10", "on",
       "on: suggestion=\"when/(Rephrase)\" message=338 entryWords=2 ruleId=6352\nbeing: wordClass=40", "on"},
      {"x/10 until/70 y/10", "until", "", "until"},
      // *after installing*: the verb form, or the gerund finding alone.
      {"x/10 after/70 installing/23{plural=0} y/10", "after",
       "after: suggestion=\"after you install\" message=338 entryWords=2 ruleId=4211\n"
       "installing: suggestion=\"install\" wordClass=40", "installing", PluralSubject, "subjectNumber=0"},
      {"x/10 behind/70 sing/23{plural=0} y/10", "behind",
       "behind: suggestion=\"before you s\" message=338 entryWords=2 ruleId=4211\nsing: suggestion=\"s\" wordClass=40",
       "sing"},
      {"x/10 after/70 sing/23{plural=_} y/10", "after", "after: message=338 entryWords=2 ruleId=4211\nsing: wordClass=40",
       "sing", PluralSubject, "subjectNumber=0"},
  });
}

}  // namespace
