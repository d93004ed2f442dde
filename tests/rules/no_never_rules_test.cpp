// The rules of "no" and "never" (class 77): signs in capitals, prohibitions
// written as commands, and the capitals of "do not" after "never".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/no_never_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace no_never;

TEST(NoNeverRules, No) {
  RunRowCases(kNo, {
      {"NO/77 SMOKING/23", "NO", 0, ""},
      {"No/77 SMOKING/23", "No", 6,
       "No: suggestion=\" DO NOT SMOKE IN THIS AREA\" message=307 entryWords=2 ruleId=5118"},
      {"x/20 no/77 turn/20", "no", 1, "no: suggestion=\"(There are/is no xxx)\" message=324 entryWords=2 ruleId=5118"},
      {"x/20 part/10 no/77 12/49", "no", 2, ""},
      {"No/77 reach/23", "No", 5,
       "No: suggestion=\" DO NOT REACH INTO THIS AREA\" message=307 entryWords=2 ruleId=5118"},
      {"No/77 smoking/23", "No", 6,
       "No: suggestion=\" DO NOT SMOKE IN THIS AREA\" message=307 entryWords=2 ruleId=5118"},
      {"No/77 stopping/23", "No", 7,
       "No: suggestion=\" DO NOT STOP IN THIS AREA\" message=307 entryWords=2 ruleId=5118"},
      // Other -ing words, and "reaching": no finding and no advice.
      {"No/77 welding/23", "No", 8, ""},
      {"No/77 reaching/23", "No", 8, ""},
      {"No/77 smoking/10", "No", -1, ""},
      {"x/20 no/77 cause/10 of/67", "no", 9, "no: message=321 entryWords=3 ruleId=5518"},
      {"No/77 returns/11", "No", 10, ""},
      {"x/20 no/77 signs/11 of/67", "no", 11,
       "no: suggestion=\"no indications/(Rephrase)\" message=324 entryWords=3 ruleId=5518"},
  });
}

TEST(NoNeverRules, Never) {
  RunRowCases(kNever, {
      // The capitals of "do not" follow those of "never".
      {"NEVER/77{case=2} do/20", "NEVER", 0, "NEVER: suggestion=\" DO NOT\" message=334 entryWords=2 ruleId=4115"},
      {"you/78 never/77 do/20", "never", 2, "never: suggestion=\" do not\" message=334 entryWords=2 ruleId=4115"},
      {"NEVER/77{case=2} x/40", "NEVER", 3, "NEVER: suggestion=\" DO NOT\" wordClass=20 message=301 ruleId=4118"},
      {"Never/77 x/40", "Never", 4, "Never: suggestion=\" Do not\" wordClass=20 message=301 ruleId=4118"},
      {"x/10 never/77 left/43", "never", 6, "never: suggestion=\"did not/was not\" message=334 entryWords=2 ruleId=4015"},
      {"x/10 not/29 never/77 y/40", "never", 8, "not: suggestion=\"do not\" message=334 entryWords=2 ruleId=4015"},
      {"x/10 never/77 be/28 y/40", "never", 10, "never: suggestion=\"can not\" message=307 entryWords=3 ruleId=6801"},
      {"x/10 never/77 be/25 y/40", "never", 15, "never: suggestion=\"do not/not\" message=334 ruleId=1728"},
      {"x/10 never/77 less/34", "never", 14,
       "never: suggestion=\"but not less than/but not more than\" message=334 entryWords=2 ruleId=801"},
      {"x/10 never/77 ./48", "never", 15, "never: suggestion=\"do not/not\" message=334 ruleId=1728"},
  });
}

TEST(NoNeverRules, Body) {
  RunBodyCases(ApplyNoNeverRules, {
      {"NO/77 SMOKING/23 ./48", "NO", "SMOKING: wordClass=40", "SMOKING"},
      {"No/77 smoking/23 ./48", "No",
       "No: suggestion=\" DO NOT SMOKE IN THIS AREA\" message=307 entryWords=2 ruleId=5118\nsmoking: wordClass=40",
       "smoking"},
      {"No/77 returns/11 ./48", "No", "", "returns"},
      {"Never/77 do/20 that/69 ./48", "Never",
       "Never: suggestion=\" Do not\" message=334 entryWords=2 ruleId=4115\ndo: wordClass=40", "do"},
      {"x/10 never/77 stop/20 ./48", "never",
       "never: suggestion=\"do not/does not\" wordClass=20 message=300 ruleId=1729", "never"},
      {"x/10 nevermore/77 ./48", "nevermore", "", "nevermore"},
  });
}

}  // namespace
