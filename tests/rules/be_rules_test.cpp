// The rules of "be" and "being" inside a sentence.
#include <gtest/gtest.h>

#include "rules/main/be_have_parts.h"
#include "rules/main/be_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void SubjectKnown(SentenceStateRec& s) {
  s.subjectNumber = 1;
  s.subjectSeen = 1;
}

TEST(BeRules, BothFormsAndBeFirst) {
  static const RowCase kFirst[] = {
      {"it/66 to/68 be/25 removed/31 ./48", "be", 0, "to: message=330 entryWords=3 ruleId=5449"},
      {"it/66 of/67 being/25 open/30 ./48", "being", 0, nullptr},
      {"it/66 will/28 be/25 blorf/30{msg=325} ./48", "be", 1, "be: message=335 ruleId=3826"},
      {"you/66 may/28 be/25 b/10 ./48", "be", 2, "may: message=335 entryWords=2 ruleId=5624"},
      {"it/66 will/28 be/25 able/30 to/68 go/20 ./48", "be", 3,
       "be: suggestion=\"make sure/you can/(Rephrase)\" message=335 entryWords=3 ruleId=5624"},
      {"it/66 will/28 be/25 set/31 ./48", "be", 4, "set: wordClass=22"},
      {"it/66 will/28 be/25 x/40 ./48", "be", 5, "x: wordClass=22"},
      {"it/66 will/28 be/25 careful/30 ./48", "be", 6, ""},
      {"it/66 will/28 be/25 done/22 ./48", "be", 7, nullptr},
      {"it/66 will/28 be/25 output/10 ./48", "be", 8, nullptr},
      {"it/66 will/28 be/25 aware/30 to/68 go/20 ./48", "be", 9,
       "be: suggestion=\"make sure/(Rephrase for meaning)\" message=321 entryWords=3 ruleId=4635"},
      {"it/66 will/28 be/25 clear/30 now/50 ./48", "be", 10,
       "be: suggestion=\"NOTE:/(Rephrase)\" message=321 entryWords=2 ruleId=4634"},
      {"it/66 will/28 be/25 absolutely_certain/30 ./48", "be", 10, nullptr},
      {"it/66 will/28 be/25 sure/30 ./48", "be", 11,
       "be: suggestion=\"make sure/be careful/know/(Rephrase for safety)\" message=321 entryWords=2 ruleId=4634"},
      // The rules of "be" alone do not take "being".
      {"it/66 is/24 being/25 careful/30 ./48", "being", -1, ""},
  };
  RunRowCases(BeFirstRows(), kFirst);
}

TEST(BeRules, BothForms) {
  static const RowCase kCases[] = {
      {"it/66 will/28 be/25 not/29 longer/30 removed/22 ./48", "be", 0,
       "be: suggestion=\"is not\" message=335 entryWords=3 ruleId=3826"},
      {"it/66 will/28 be/25 not/29 longer/30 x/40{code=AF**} ./48", "be", 1, nullptr},
      {"it/66 will/28 be/25 not/29 longer/30 x/40 ./48", "be", 2, "be: message=330 entryWords=3 ruleId=5624"},
      {"it/66 will/28 be/25 inside/75 it/66 ./48", "be", 3,
       "inside: suggestion=\"on the inner side/inner/in\" message=301 ruleId=5716"},
      {"it/66 will/28 be/25 outside/75 it/66 ./48", "be", 4,
       "outside: suggestion=\"on the outer side/exterior/on\" message=301 ruleId=5716"},
      {"it/66 is/24 being/25 able/30 to/68 go/20 ./48", "being", 5,
       "being: suggestion=\"can\" message=300 entryWords=3 ruleId=5716"},
      {"it/66 will/28 be/25 also/50 used/22 to/68 ./48", "be", 6, nullptr},
      {"it/66 will/28 be/25 used/22 to/68 ./48", "be", 7, nullptr},
      {"it/66 will/28 be/25 based/22 on/60 it/66 ./48", "be", 8,
       "be: suggestion=\"has a base/from\" message=300 entryWords=3 ruleId=5876"},
      {"it/66 will/28 be/25 equal/30 to/68 it/66 ./48", "be", 9,
       "be: suggestion=\"has an equal value/(Rephrase to show values)\" message=324 entryWords=3 ruleId=6876"},
      {"it/66 will/28 be/25 short/30 for/65 it/66 ./48", "be", 10, nullptr},
      {"it/66 will/28 be/25 not/29 used/22 to/68 ./48", "be", 11, nullptr},
      {"it/66 will/28 be/25 not/29 being/25 moved/22 ./48", "be", 12, nullptr},
      {"it/66 will/28 be/25 being/25 moved/31 ./48", "be", 13, nullptr},
      {"it/66 will/28 be/25 not/29 normally/50 ./48", "be", 14, nullptr},
      {"it/66 will/28 be/25 used/22 by/65 you/66 ./48", "be", 15, nullptr},
      {"it/66 will/28 be/25 not/29 been/27 ./48", "be", 16, nullptr},
      {"it/66 will/28 be/25 x/40 been/27 ./48", "be", 17, nullptr},
      {"it/66 will/28 be/25 been/27 ./48", "be", 18, "be: message=330 entryWords=2 ruleId=7644"},
      {"it/66 will/28 be/25 x/40 y/40 ./48", "be", -1, ""},
  };
  RunRowCases(BeBeingRows(), kCases);
}

TEST(BeRules, BeAlone) {
  static const RowCase kCases[] = {
      {"it/66 will/28 be/25 prepared/31 ./48", "be", 0, ""},
      {"it/66 will/28 be/25 around/73 5/49 ./48", "be", 1, nullptr},
      {"it/66 will/28 be/25 red/32 ./48", "be", 2, "be: message=335 entryWords=2 ruleId=44"},
      {"a/40 b/40 remain/20 to/68 be/25 c/40 ./48", "be", 3,
       "remain: suggestion=\"will be\" message=321 entryWords=3 ruleId=5734"},
      {"remain/20 to/68 be/25 c/40 ./48", "be", -1, ""},  // too near the start
      {"it/66 will/28 be/25 up/61 to/68 ./48", "be", 4, nullptr},
      {"it/66 will/28 be/25 able/30 to/68 ./48", "be", 5, nullptr},
      {"it/66 will/28 be/25 taken/22 from/67 ./48", "be", 6, nullptr},
      {"it/66 then/73 be/25 x/40 ./48", "be", 7, "then: message=330 entryWords=2 ruleId=5884"},
      {"it/66 will/28 be/25 able/30 x/40 ./48", "be", 8, nullptr},
      {"it/66 will/28 be/25 subject/10 to/68 ./48", "be", 9, nullptr},
      {"it/66 will/28 be/25 less/34 ./48", "be", 10, nullptr},
      {"a/40 b/40 c/40 be/25 on/60 the/64 d/10 ./48", "be", 11, ""},
      {"a/40 b/40 c/40 be/25 on/60 A/40 d/10 e/10 ./48", "be", 12,
       "be: suggestion=\"(Use name for switch position)\" message=323 entryWords=2 ruleId=588 verbForm=X", Long},
      {"a/40 b/40 c/40 be/25 on/60 A/40 ./48", "be", -1, ""},  // no room after the position
      {"a/40 b/40 c/40 be/25 wide/30 ./48", "be", 13, nullptr},
      {"it/66 will/28 be/25 made/22 available/30 ./48", "be", 14, nullptr},
      {"it/66 will/28 be/25 alert/30 ./48", "be", 15, nullptr},
      {"it/66 will/28 be/25 better/34 ./48", "be", 16, nullptr},
      {"it/66 will/28 be/25 cautious/30 ./48", "be", 17, nullptr},
      {"it/66 will/28 be/25 familiar/30 ./48", "be", 18, nullptr},
      {"it/66 will/28 be/25 equipped/31 ./48", "be", 19, nullptr},
      {"it/66 will/28 be/25 noted/31 ./48", "be", 20, nullptr},
      {"it/66 will/28 be/25 patient/30 ./48", "be", 21, nullptr},
      {"it/66 will/28 be/25 helpful/30 ./48", "be", 22, nullptr},
      {"it/66 will/28 be/25 useful/30 ./48", "be", 23, "be: suggestion=\"help/help you to\" message=321 entryWords=2 ruleId=4635"},
      {"it/66 will/28 be/25 seen/31 ./48", "be", 24, nullptr},
      {"it/66 will/28 be/25 kept/31 ./48", "be", 25, "be: message=321 entryWords=2 ruleId=4635"},
      {"it/66 will/28 be/25 x/40 ./48", "be", -1, ""},
  };
  RunRowCases(BeOnlyRows(), kCases);
}

TEST(BeRules, Being) {
  static const RowCase kPassive[] = {
      {"it/66 of/67 being/25 moved/22 ./48", "being", 0, "of: message=330 entryWords=3 ruleId=7449"},
      {"it/66 is/24 being/25 fully/50 ./48", "being", 1, "being: message=330 entryWords=2 ruleId=6449"},
  };
  RunRowCases(BeingPassiveRows(), kPassive);
  static const RowCase kCases[] = {
      {"it/66 being/25 aware/30 of/67 it/66 ./48", "being", 0, nullptr},
      {"it/66 being/25 taken/22 from/67 it/66 ./48", "being", 1, nullptr},
      {"a/40 b/40 c/40 being/25 used/22 as/54 d/40 ./48", "being", 2, nullptr},
      {"a/40 b/40 c/40 being/25 worked/22 d/40 ./48", "being", 3, nullptr},
      {"a/40 b/40 c/40{token=2} being/25 worked/22 d/40 ./48", "being", 11, nullptr},
      {"a/40 b/40 when/70 being/25 x/40 ./48", "being", 4, "when: message=335 entryWords=2 ruleId=2688"},
      {"it/66 being/25 present/30 ./48", "being", 5, nullptr},
      {"it/66 being/25 red/32 ./48", "being", 6, "being: message=304 ruleId=5882"},
      {"it/66 being/25 red/32{sug=x} ./48", "being", 7, ""},
      {"it/66 being/25 red/32{mark=1} ./48", "being", 11, nullptr},
      {"a/40 b/10 being/25 c/10 ./48", "being", 8, "being: message=302 ruleId=5881"},
      {"it/66 being/25 this/76 ./48", "being", 9, nullptr},
      {"it/66 being/25 only/50 ./48", "being", 10, "only: message=304 ruleId=5882"},
      {"it/66 being/25 x/40 ./48", "being", 11, "being: message=335 ruleId=5624"},
  };
  RunRowCases(BeingRows(), kCases);
}

TEST(BeRules, Body) {
  static const BodyCase kCases[] = {
      // The entry forgets the subject; the form leaves a past verb class.
      {"it/66 will/28 be/25 x/10 ./48", "be", "", "be", SubjectKnown, "subjectSeen=-1 subjectNumber=0 lastVerbClass=22"},
      // "be" ends before an adjective (code A), a noun, an article, a marked word, after a split word.
      {"it/66 will/28 be/25 able/30{code=AF**} x/40 ./48", "be", "", "be"},
      {"it/66 will/28 be/25 more/34{mark=1} ./48", "be", "", "be"},
      {"it/66 will/28{split=1} be/25 more/34 ./48", "be", "", "be"},
      {"it/66 will/28 be/25 more/34{token=1} ./48", "be", "", "be"},
      {"it/66 will/28 be/25 more/34 ./48", "be", "be: message=302 entryWords=2 ruleId=7883\nmore: wordClass=40",
       "more"},
      // "being able": after the covered words two more words are passed over, three before "to".
      {"it/66 is/24 being/25 sure/30 to/68 go/20 a/40 b/40 ./48", "being",
       "being: message=335 entryWords=3 ruleId=6882\nsure: wordClass=40\nto: wordClass=40", "a"},
      {"it/66 is/24 being/25 unable/30 x/40 to/68 y/40 z/40 ./48", "being",
       "being: message=335 entryWords=2 ruleId=6882\nunable: wordClass=40", "y"},
      // "being able to" is taken before, by the rule of both forms.
      {"it/66 is/24 being/25 able/30 to/68 go/20 ./48", "being",
       "being: suggestion=\"can\" message=300 entryWords=3 ruleId=5716\nable: wordClass=40\nto: wordClass=40", "to"},
      // ... and stop at the end record.
      {"it/66 is/24 being/25 careful/30", "being", "being: message=335 entryWords=2 ruleId=6882\ncareful: wordClass=40",
       "@@END"},
      // A participle after "being" comes first; any other word is a wrong tense.
      {"it/66 is/24 being/25 moved/22 ./48", "being", "being: message=330 entryWords=2 ruleId=6449\nmoved: wordClass=40",
       "moved"},
      {"it/66 is/24 being/25 x/40 ./48", "being", "being: message=335 ruleId=5624", "being"},
      {"a/40 b/40 when/70 being/25 x/40 ./48", "being", "when: message=335 entryWords=2 ruleId=2688", "being"},
      // A word of the group that is neither "be" nor "being".
      {"it/66 bx/25 x/40 ./48", "bx", "", "bx"},
  };
  RunBodyCases(ApplyBeRules, kCases);
}

}  // namespace
