// The rules of the demonstratives (class 76): "them", "these"/"those" and
// "this", and the reference check of "this".
#include <gtest/gtest.h>

#include "rules/function_words/demonstrative_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace demonstrative;

void NoSubjectYet(SentenceStateRec& s) { s.subjectNumber = -1; }

TEST(DemonstrativeRules, Tables) {
  static const TableCase kCases[] = {
      {kThem, {"x/20 them/76 seat/10{sub=80} valves/11", "them", 0, "seat: subClass=0"}},
      {kThem, {"x/20 them/76 valve/10", "them", 1, "them: message=303 ruleId=5175"}},
      {kThem, {"x/10 them/76 times/40", "them", 3, "them: message=305 entryWords=2 ruleId=4214"}},
      {kThem, {"x/10{code=V0****} them/76 ./48", "them", 4, "them: message=320 ruleId=4274"}},
      {kThem, {"x/10 them/76 ./48", "them", -1, ""}},
      {kTheseThose, {"x/20 these/76 valves/11", "these", 0, ""}},
      {kTheseThose, {"x/20 these/76 valve/10", "these", 5, "these: message=320 ruleId=7216"}},
      {kTheseThose, {"x/20 these/76 grommet/40{msg=325} seat/10", "these", 9, "these: message=320 ruleId=8274"}},
      {kTheseThose, {"x/20 these/76 turned/22 ./48", "these", 7, "these: message=320 ruleId=4215"}},
      {kThisFirst, {"x/20 this/76 information/10", "this", 0, ""}},
      {kThisFirst,
       {"This/76 on/75 x/10", "This", 4, "This: suggestion=\"(Insert noun subj.)\" message=320 ruleId=7214"}},
      {kThisFirst, {"This/76 is/24 x/10", "This", -1, ""}},
      {kThisRest, {"x/20 this/76 ./48", "this", 0, "this: message=320 ruleId=7275"}},
      {kThisRest, {"x/10 made/22 this/76 valve/10", "this", 4, ""}},
      {kThisRest, {"for/65 this/76 period/40", "this", 5,
                   "this: suggestion=\"(Give Time Measurement)\" message=324 entryWords=2 ruleId=7314"}},
      {kThisRest, {"This/76 could/28 x/20", "This", 6,
                   "This: suggestion=\"(Noun ... can)\" message=320 entryWords=2 ruleId=7224"}},
      // A word in 'c', 'm', 'p' or 's' reads only its list.
      {kThisRest, {"This/76 seems/24 x/20", "This", -1, ""}},
      {kThisRest,
       {"This/76 single/30 x/20", "This", 8, "This: suggestion=\"this\" message=302 entryWords=2 ruleId=7274"}},
  };
  RunTableCases(kCases);
}

TEST(DemonstrativeRules, Body) {
  static const BodyCase kCases[] = {
      {"Them/76 x/10", "Them", "Them: message=302 ruleId=7314", "Them", NoSubjectYet, "subjectNumber=1"},
      {"x/20 them/76 times/40 ./48", "them", "them: message=305 entryWords=2 ruleId=4214", "times"},
      {"This/76 is/24 ./48", "This", "This: message=320 entryWords=2 ruleId=7224\nis: wordClass=40", "is",
       NoSubjectYet, "subjectNumber=0"},
      {"This/76 has/24 ./48", "This", "This: message=320 ruleId=2214", "This", NoSubjectYet, ""},
      {"Use/20 this/76 valve/10 ./48", "this", "", "this", NoSubjectYet, "subjectNumber=0"},
      {"x/10 made/22{msg=330} this/76 problem/10 ./48", "this",
       "made: suggestion=\"caused\" message=324 ruleId=2214", "this"},
      // The modal rows of the first table come before the reference check.
      {"This/76 could/28 x/20", "This", "This: suggestion=\"(Insert noun subj.)\" message=320 ruleId=7214", "This"},
      {"Use/20 that/76 valve/10 ./48", "that", "", "that"},
  };
  RunBodyCases(ApplyDemonstrativeRules, kCases);
}

}  // namespace
