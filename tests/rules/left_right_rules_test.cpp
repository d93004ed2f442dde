// The rules of "left" and "right" (class 43): the body's gates and each table.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/left_right_table.h"
#include "tests/rules/table_cases.h"

namespace {

TEST(LeftRightRules, Body) {
  RunBodyCases(ApplyLeftRightRules, {
      // Neutral uses: class 40, codes cleared.
      {"turn/20 left/43{sub=17} and/63 right/43 ./48", "left",
       "left: classCode=\"AF**\" wordClass=40 subClass=0", "left"},
      {"the/64 right/43 side/10 ./48", "right", "right: classCode=\"AF**\" wordClass=40"},
      // Side phrases.
      {"the/64 left/43 rear/10 wheel/10 ./48", "left",
       "left: suggestion=\"left-rear side\" classCode=\"AF**\" wordClass=38 message=317 entryWords=2 ruleId=3973", "rear"},
      {"use/20 the/64 left/43 hand/10 side/10 ./48", "left",
       "left: suggestion=\"left side\" classCode=\"AF**\" wordClass=38 message=301 entryWords=3 ruleId=3973\n"
       "hand: wordClass=40\nside: wordClass=40", "side"},
      // A sentence that opens with the word: advice, no message.
      {"Left/43 valve/10 ./48", "Left", "Left: suggestion=\" Left-side\" classCode=\"AF**\" wordClass=38"},
      {"LEFT/43 valve/10 ./48", "LEFT", "LEFT: suggestion=\" LEFT-side\" classCode=\"AF**\" wordClass=38"},
      {"RIGHT/43 is/24 ./48", "RIGHT", "RIGHT: suggestion=\" RIGHT side\" classCode=\"AF**\" wordClass=38"},
      // Inside the sentence: the shared rows, then the word's own table.
      {"it/66 is/24 left/43 in/75 ./48", "left",
       "left: suggestion=\"stay in/stays in/stay at/stays at\" classCode=\"AF**\" wordClass=38 message=300 "
       "entryWords=2 ruleId=3873", "in"},
      {"it/66 is/24 right/43 under/75 it/66 ./48", "right",
       "right: classCode=\"AF**\" wordClass=38 message=324 ruleId=4873", "under"},
      {"set/20 right/43 value/10 ./48", "right",
       "right: suggestion=\"correct value\" classCode=\"AF**\" wordClass=38 message=324 entryWords=2 ruleId=5773",
       "value"},
      {"set/20 right/43{mark=1} to/68 it/66 ./48", "right", "right: classCode=\"AF**\" wordClass=38"},
      // "right about": the walk also passes over the word after "about".
      {"it/66 is/24 right/43 about/73 there/52 ./48", "right",
       "right: classCode=\"AF**\" wordClass=38 message=321 entryWords=2 ruleId=3873\nabout: wordClass=40", "there"},
      {"it/66 was/24 left/43 on/60 ./48", "left",
       "left: suggestion=\"on/in the ON position/in operation\" classCode=\"AF**\" wordClass=38 message=323 "
       "entryWords=2 ruleId=3316 verbForm=X\non: wordClass=40", "on"},
      {"it/66 was/24 lefts/43 on/60 ./48", "lefts", "lefts: classCode=\"AF**\" wordClass=38"},
  });
}

TEST(LeftRightRules, NeutralAndSideRows) {
  static const TableCase kRowCases[] = {
      {SideNeutralRows(), {"use/20 of/67 left/43 to/68 ./48", "left", 0, ""}},
      {SideNeutralRows(), {"right/43 valve/10 ./48", "right", -1, ""}},
      {SidePhraseRows(), {"left/43 rear/10 side/10 ./48", "left", -1, nullptr}},
      {InsideSideRows(), {"is/24 left/43 open/30 ./48", "left", 1,
       "left: suggestion=\"in the OPEN position/(Rephrase)\" message=300 entryWords=2 ruleId=3873"}},
      {InsideSideRows(), {"the/64 right/43{mark=1} valve/10 ./48", "right", 3, ""}},
      {RightCorrectRows(), {"set/20 right/43 parts/11 ./48", "right", 0,
       "right: suggestion=\"correct position\" message=324 entryWords=2 ruleId=5773"}},
      {RightCorrectRows(), {"set/20 right/43 value/10{mark=1} ./48", "right", -1, nullptr}},
      {RightRows(), {"about/73 right/43 ./48", "right", 1, "about: message=321 entryWords=2 ruleId=3873"}},
      {RightRows(), {"from/67 right/43 ./48", "right", 2,
          "right: suggestion=\"from/(Rephrase)\" message=326 ruleId=2873"}},
      {RightRows(), {"a/64 right/43 click/10 ./48", "right", 12,
       "right: suggestion=\"right-click\" message=317 entryWords=2 ruleId=2566"}},
      {RightRows(), {"a/10 is/24 right/43 ./48", "right", 19,
          "is: suggestion=\"correct\" message=324 entryWords=2 ruleId=3319"}},
      {RightRows(), {"it/66 right/43 ./48", "right", -1, ""}},
      {LeftRows(), {"if/70 left/43 ,/47 ./48", "left", 0, "left: message=313 ruleId=5683"}},
      {LeftRows(), {"a/64 days/11 left/43 ./48", "left", 4,
          "days: suggestion=\"days to\" message=305 entryWords=2 ruleId=5783"}},
      {LeftRows(), {"is/24 left/43 unattended/31 ./48", "left", 11,
       "left: suggestion=\"without an operator\" message=313 entryWords=2 ruleId=4674"}},
      {LeftRows(), {"is/24 left/43 here/52 ./48", "left", -1, ""}},
  };
  RunTableCases(kRowCases);
  // Rows 8 and 9 repeat the first gate of "right"; the place preposition of
  // row 18 is taken by the rows shared with "left".
  // "left in" is taken by the rows shared with "right".
}

}  // namespace
