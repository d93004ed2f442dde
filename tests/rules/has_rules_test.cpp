// The rules of "have", "has", "had" and "having" inside a sentence.
#include <gtest/gtest.h>

#include "rules/main/be_have_parts.h"
#include "rules/main/has_tables.h"
#include "tests/rules/table_cases.h"

namespace {

void SubjectKnown(SentenceStateRec& s) {
  s.subjectNumber = 1;
  s.subjectSeen = 1;
}

TEST(HasRules, Tables) {
  const auto first = HasFirstRows(), passive = HasPassiveRows(), later = HasLaterRows(), having = HavingRows();
  const TableCase kCases[] = {
      {first, {"it/66 has/24 to/68 be/25 x/40 ./48", "has", 0,
               "has: suggestion=\"must be\" message=335 entryWords=3 ruleId=7644"}},
      {first, {"it/66 has/24 to/68 moved/22 ./48", "has", 1, "has: message=302 entryWords=3 ruleId=7644"}},
      {first, {"it/66 had/25 moved/22 b/10 ./48", "had", -1, ""}},
      {passive, {"it/66 has/24 been/27 replaced/31 ./48", "has", 0, "has: message=330 entryWords=3 ruleId=6849"}},
      {passive, {"it/66 had/25 been/27 replaced/31 ./48", "had", -1, ""}},
      // Row 16 ("been" before a participle) is taken by the rows of "been" above it: "been" is the only
      // word of its class.
      {later, {"it/66 has/24 had/25 x/40 ./48", "has", -1, ""}},  // only "had had"
      // The past of "be" by the subject before the form.
      {later, {"valves/11 had/25 been/27 to/68 ./48", "had", 8,
               "had: suggestion=\"were\" message=330 entryWords=3 ruleId=5333"}},
      {later, {"valve/10 had/25 been/27 to/68 ./48", "had", 9,
               "had: suggestion=\"was\" message=330 entryWords=3 ruleId=5333"}},
      {later, {"we/78 had/25 not/29 been/27 moved/22 ./48", "had", 10,
               "had: suggestion=\"were not\" message=330 entryWords=4 ruleId=5333"}},
      {later, {"it/66 had/25 ever/50 ./48", "had", 19, "had: suggestion=\"had\" message=335 entryWords=2 ruleId=8626"}},
      {later,
       {"it/66 has/24 had/25 x/40 ./48", "had", 22, "has: suggestion=\"had\" message=335 entryWords=2 ruleId=8635"}},
      {later, {"it/66 had/25 went/20 ./48", "had", 21,
               "had: suggestion=\"went\" message=335 entryWords=2 ruleId=3626"}},
      {later, {"it/66 ever/50 had/25 x/40 ./48", "had", 24, "ever: message=304 entryWords=2 ruleId=4625"}},
      {having, {"it/66 having/25 valves/11 ./48", "having", 1,
                "having: suggestion=\"that has/that have\" message=335 ruleId=5633"}},
      {having, {"it/66 having/25 moved/22 ./48", "having", -1, ""}},
  };
  RunTableCases(kCases);
}

TEST(HasRules, Body) {
  static const BodyCase kCases[] = {
      // "have" sets a plural number and gets no rule; "had" after "we" neither.
      {"it/66 have/25 to/68 be/25 ./48", "have", "", "have", nullptr, "subjectNumber=1 lastVerbClass=22"},
      // "The valve has been replaced.": the perfect passive over three words.
      {"valve/10{mark=1} has/24 been/27 replaced/31 ./48", "has",
       "has: message=330 entryWords=3 ruleId=6849\nbeen: wordClass=40\nreplaced: wordClass=40", "replaced", SubjectKnown,
       "subjectSeen=-1 subjectNumber=0 lastVerbClass=22"},
      // "has" after a plural subject: agreement before anything else of the later rows.
      {"then/73 these/76 has/24 been/27 replaced/31 ./48", "has", "has: message=303 ruleId=5849", "has"},
      {"the/64 valves/11 has/24 x/40 ./48", "has", "", "has"},
      // The rows before the agreement test still come first.
      {"then/73 these/76 has/24 to/68 be/25 x/40 ./48", "has",
       "has: suggestion=\"must be\" message=335 entryWords=3 ruleId=7644\nto: wordClass=40\nbe: wordClass=40", "be"},
      // A finding on "ever" or "by" leaves the form without one.
      {"it/66 ever/50 had/25{msg=1 sub=2} x/40 ./48", "had",
       "ever: message=304 entryWords=2 ruleId=4625\nhad: subClass=0 message=0", "had"},
      {"it/66 had/25 had/25 ./48", "had", "had: message=335 entryWords=2 ruleId=5949\nhad: wordClass=40", "had#2"},
      // "having".
      {"it/66 having/25 moved/31 ./48", "having", "having: message=335 entryWords=2 ruleId=5633\nmoved: wordClass=40",
       "moved", SubjectKnown, "subjectSeen=-1 subjectNumber=0 lastVerbClass=22"},
  };
  RunBodyCases(ApplyHasRules, kCases);
}

}  // namespace
