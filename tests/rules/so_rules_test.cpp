// The rules of "so" (class 71).
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/so_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(SoRules, EveryStep) {
  RunRowCases(so_rules::kSo, {
      {"So/71 y/10 ./48", "So", 0, "So: message=302 ruleId=2201"},
      {"x/10 so/71 that/69 y/10", "so", 2, ""},
      {"x/10 so/71 valve/10{mark=1}", "so", 6, "so: suggestion=\"so that/(Delete)\" message=331 ruleId=7154"},
      // *so as* without "to" takes the degree list.
      {"x/10 so/71 as/54 well/50", "so", 13, "so: suggestion=\"to\" message=313 entryWords=2 ruleId=3201"},
      // *so many* takes the degree list, never the size words.
      {"x/10 so/71 many/37", "so", 25, "so: suggestion=\"so that you must\" message=313 entryWords=2 ruleId=3201"},
      // "you" is a stem, "they" a whole word.
      {"x/10 so/71 your/78", "so", 32, "so: suggestion=\"so that you\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 theyre/40", "so", 40, "so: message=302 ruleId=2022"},
      {"x/10 so/71 y/10", "so", 40, "so: message=302 ruleId=2022"},
  });
}

TEST(SoRules, Body) {
  RunBodyCases(ApplySoRules, {
      {"x/10 so/71 that/69 y/10", "so", "", "that"},
      {"x/10 so/71 as/54 to/68 y/10", "so", "so: message=321 entryWords=3 ruleId=3201\nas: wordClass=40\nto: wordClass=40",
       "to"},
      {"x/10 so/71 ,/47 y/10", "so", "so: suggestion=\"until/so that\" message=335 ruleId=7022", ","},
  });
}

}  // namespace
