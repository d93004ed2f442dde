// The rules of "but", "because" and "so" (class 62).
#include <gtest/gtest.h>

#include "rules/function_words/but_because_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace but_because;

TEST(ButBecauseRules, Tables) {
  static const TableCase kCases[] = {
      {kBecause, {"Because/62 it/66 is/24 hot/30 ./48", "Because", 0, "Because: message=302 ruleId=1522"}},
      {kBecause, {"it/66 stops/21 because/62 ./48", "because", 2, "because: message=331 ruleId=1522"}},
      {kBecause, {"it/66 stops/21 because/62 it/66 is/24 hot/30", "because", -1, ""}},
      {kSo, {"So/62 it/66 stops/21 ./48", "So", 0, "So: message=302 ruleId=1522"}},
      {kSo, {"it/66 stops/21 so/62 ./48", "so", 1, "so: message=331 ruleId=1522"}},
      {kSo, {"it/66 is/24 even/50 so/62 we/78 stop/20", "so", 3,
             "even: suggestion=\"because/(Rephrase)\" message=331 entryWords=2 ruleId=6154"}},
      {kSo, {"stop/20 so/62 we/78 can/28 go/20", "so", 4,
             "so: suggestion=\"so that\" message=331 entryWords=2 ruleId=3154"}},
      {kSo, {"stop/20 so/62 ;/42 go/20", "so", 5, "so: message=312 ruleId=3154"}},
      {kBut, {"But/62 it/66 stops/21 ./48", "But", 0, "But: message=302 ruleId=3234"}},
      {kBut, {"it/66 stops/21 but/62 ./48", "but", 1, "but: message=331 ruleId=1522"}},
      {kBut,
       {"it/66 is/24 ready/30 but/62 it/66 stops/21", "but", 3, "but: suggestion=\", but\" message=318 ruleId=1652"}},
      // The comma coded as a verb moves after the word before it; a comma
      // is never advised doubled.
      {kBut, {"it/66 is/24 ready/30 ,/47{code=V0****} but/62 it/66 stops/21", "but", 4,
              ",: suggestion=\",\" message=318 entryWords=2 ruleId=1452"}},
      {kBut, {"it/66 is/24 ready/30 x/47{code=V0****} but/62 it/66 stops/21", "but", 4,
              "x: suggestion=\"x,\" message=318 entryWords=2 ruleId=1452"}},
      {kBut, {"x/10 ,/47 but/62 can/28 be/25 used/22", "but", 6, "but: message=302 entryWords=3 ruleId=2151"}},
      // "not" is of class 29: "but not limited" ends here.
      {kBut, {"x/10 ,/47 but/62 not/29 limited/30 to/68", "but", 7, ""}},
      {kBut, {"x/10 ,/47 but/62 the/64 valve/10", "but", -1, ""}},
  };
  RunTableCases(kCases);
}

// The chain of each word, the resume word past the covered words, and the
// end of the clause after "so".
TEST(ButBecauseBody, ChainsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"stop/20 because/62 of/67 heat/10 ./48", "because", "", "of"},
      {"it/66 stops/21 because/62 when/70 hot/30", "because",
       "because: message=302 entryWords=2 ruleId=3154\nwhen: wordClass=40", "when"},
      {"stop/20 so/62 it/66 goes/21", "so", "so: message=312 entryWords=2 ruleId=3154\nit: wordClass=40", "it"},
      // A sentence end after "so" keeps its class: it is not covered.
      {"it/66 stops/21 so/62 ./48 Go/20", "so", "so: message=331 ruleId=1522", "so"},
      {"it/66 stops/21 so/62", "so", "so: message=331 ruleId=1522", "so"},
      {"x/10 ,/47 but/62 no/77 oil/16", "but", "no: suggestion=\"not\" message=301 ruleId=1543", "no"},
      {"x/10 ,/47 but/62 is/24 having/25 y/10", "but",
       "but: suggestion=\"but has/but have\" message=302 entryWords=3 ruleId=7154\nis: wordClass=40\n"
       "having: wordClass=40", "having"},
      // A class-62 word other than the three has no rules.
      {"x/10 yet/62 if/70", "yet", "", "yet"},
  };
  RunBodyCases(ApplyButBecauseRules, kCases);
}

}  // namespace
