// The entry of the forms of "be" and "have": the verb class they leave, a
// form that ends its clause, a form that opens its sentence.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "tests/rules/rule_cases.h"

namespace {

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

}  // namespace
