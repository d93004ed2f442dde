// The entry of the forms of "be" and "have" (the verb class they leave, a form that ends its clause, a form
// that opens its sentence) and the rules of "be" and "being" inside a sentence.
#include <gtest/gtest.h>

#include "rules/main/be_have_parts.h"
#include "rules/main/be_tables.h"
#include "rules/main/class_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void SubjectKnown(SentenceStateRec& s) {
  s.subjectNumber = 1;
  s.subjectSeen = 1;
}

TEST(BeHaveRules, VerbClassAndClauseEnd) {
  static const BodyCase kCases[] = {
      {"it/66 is/24 ./48", "is", "is: message=335 ruleId=5813", "is", nullptr, "lastVerbClass=21"},
      {"it/66 was/24 ,/47 b/10 ./48", "was", "was: message=335 ruleId=5813", "was", nullptr, "lastVerbClass=22"},
      {"it/66 is/24{token=8} b/10 ./48", "is", "is: message=335 ruleId=5813", "is"},
      // "has" before a noun or an article is a present form; before a participle a past one. Before a
      // noun the rules of "has" go on and leave the past form.
      {"it/66 has/24 b/10 ./48", "has", "", "has", nullptr, "lastVerbClass=22"},
      {"it/66 has/24 the/64 b/10 ./48", "has", "", "has", nullptr, "lastVerbClass=21"},
      {"it/66 has/24 moved/22 ./48", "has", "", "has", nullptr, "lastVerbClass=22"},
      // The next word belongs to what follows: no rule.
      {"it/66 is/24 b/10{mark=1} ./48", "is", "", "is"},
      {"it/66 is/24{extra=4} ./48", "is", "", "is"},
      // Inside the sentence: an article or a modal after the form.
      {"it/66 is/24 the/64 b/10 ./48", "is", "", "is"},
      {"it/66 is/24 can/28 b/10 ./48", "is", "is: message=335 ruleId=4624", "is"},
      {"it/66 be/25 open/30 ./48", "be", "open: wordClass=22", "be"},
      // A negative position passes over the clause end.
      {"it/66 is/24{pos=-1} ./48", "is", "", "is"},
      {"Be/25 careful/30 when/70 b/10 ./48", "Be",
       "Be: suggestion=\"Make sure/(Rephrase for meaning)\" message=307 entryWords=2 ruleId=8634\ncareful: wordClass=40",
       "careful"},
      {"BE/25 AWARE/30 OF/67 IT/66 ./48", "BE",
       "BE: suggestion=\"MAKE SURE/ BE CAREFUL\" message=321 entryWords=2 ruleId=4634\nAWARE: wordClass=40", "AWARE"},
      {"Have/25 you/78 b/10 ?/48", "Have", "Have: suggestion=\"(Rephrase without a question)\" message=321 ruleId=4634",
       "Have"},
      {"Have/25 the/64 b/10 ./48", "Have", "", "Have"},
      {"Is/24 it/66 open/30 ?/48", "Is", "Is: extraFlag=*\n?: extraFlag=*", "Is"},
      {"Is/24 it/66 open/30 ./48 ?/48", "Is", "Is: message=335 ruleId=7634", "Is"},
      {"Is/24 b/10{mark=1} ./48", "Is", "", "Is"},
  };
  RunBodyCases(ApplyBeHaveRules, kCases);
}

TEST(BeRules, Tables) {
  const auto first = BeFirstRows(), both = BeBeingRows(), alone = BeOnlyRows();
  const auto passive = BeingPassiveRows(), being = BeingRows();
  const TableCase kCases[] = {
      {first, {"it/66 to/68 be/25 removed/31 ./48", "be", 0, "to: message=330 entryWords=3 ruleId=5449"}},
      {first, {"you/66 may/28 be/25 b/10 ./48", "be", 2, "may: message=335 entryWords=2 ruleId=5624"}},
      {first, {"it/66 will/28 be/25 set/31 ./48", "be", 4, "set: wordClass=22"}},
      {first, {"it/66 will/28 be/25 aware/30 to/68 go/20 ./48", "be", 9,
               "be: suggestion=\"make sure/(Rephrase for meaning)\" message=321 entryWords=3 ruleId=4635"}},
      {first, {"it/66 will/28 be/25 sure/30 ./48", "be", 11,
        "be: suggestion=\"make sure/be careful/know/(Rephrase for safety)\" message=321 entryWords=2 ruleId=4634"}},
      // The rules of "be" alone do not take "being".
      {first, {"it/66 is/24 being/25 careful/30 ./48", "being", -1, ""}},
      {both, {"it/66 will/28 be/25 not/29 longer/30 removed/22 ./48", "be", 0,
              "be: suggestion=\"is not\" message=335 entryWords=3 ruleId=3826"}},
      {both, {"it/66 will/28 be/25 not/29 longer/30 x/40 ./48", "be", 2, "be: message=330 entryWords=3 ruleId=5624"}},
      {both, {"it/66 will/28 be/25 based/22 on/60 it/66 ./48", "be", 8,
              "be: suggestion=\"has a base/from\" message=300 entryWords=3 ruleId=5876"}},
      {both, {"it/66 will/28 be/25 been/27 ./48", "be", 18, "be: message=330 entryWords=2 ruleId=7644"}},
      {both, {"it/66 will/28 be/25 x/40 y/40 ./48", "be", -1, ""}},
      {alone, {"a/40 b/40 remain/20 to/68 be/25 c/40 ./48", "be", 3,
               "remain: suggestion=\"will be\" message=321 entryWords=3 ruleId=5734"}},
      {alone, {"it/66 then/73 be/25 x/40 ./48", "be", 7, "then: message=330 entryWords=2 ruleId=5884"}},
      {alone, {"a/40 b/40 c/40 be/25 on/60 A/40 d/10 e/10 ./48", "be", 12,
        "be: suggestion=\"(Use name for switch position)\" message=323 entryWords=2 ruleId=588 verbForm=X", Long}},
      {alone, {"a/40 b/40 c/40 be/25 on/60 A/40 ./48", "be", -1, ""}},  // no room after the position
      {passive, {"it/66 of/67 being/25 moved/22 ./48", "being", 0, "of: message=330 entryWords=3 ruleId=7449"}},
      {passive, {"it/66 is/24 being/25 fully/50 ./48", "being", 1, "being: message=330 entryWords=2 ruleId=6449"}},
      {being, {"a/40 b/40 when/70 being/25 x/40 ./48", "being", 4, "when: message=335 entryWords=2 ruleId=2688"}},
      {being, {"it/66 being/25 red/32 ./48", "being", 6, "being: message=304 ruleId=5882"}},
      {being, {"it/66 being/25 red/32{sug=x} ./48", "being", 7, ""}},
      {being, {"a/40 b/10 being/25 c/10 ./48", "being", 8, "being: message=302 ruleId=5881"}},
      {being, {"it/66 being/25 x/40 ./48", "being", 11, "being: message=335 ruleId=5624"}},
  };
  RunTableCases(kCases);
}

TEST(BeRules, Body) {
  static const BodyCase kCases[] = {
      // The entry forgets the subject; the form leaves a past verb class.
      {"it/66 will/28 be/25 x/10 ./48", "be", "", "be", SubjectKnown, "subjectSeen=-1 subjectNumber=0 lastVerbClass=22"},
      // "be" ends before an adjective (code A), among other gates.
      {"it/66 will/28 be/25 able/30{code=AF**} x/40 ./48", "be", "", "be"},
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
      // A word of the group that is neither "be" nor "being".
      {"it/66 bx/25 x/40 ./48", "bx", "", "bx"},
  };
  RunBodyCases(ApplyBeRules, kCases);
}

}  // namespace
