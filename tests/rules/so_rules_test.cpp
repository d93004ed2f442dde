// The rules of "so" (class 71).
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/so_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(SoRules, EveryStep) {
  static const RowCase kCases[] = {
      {"So/71 y/10 ./48", "So", 0, "So: message=302 ruleId=2201"},
      {"Thus/71 y/10 ./48", "Thus", 0, "Thus: message=302 ruleId=2201"},
      {"x/10 thus/71 y/10", "thus", 1, ""},
      {"x/10 so/71 that/69 y/10", "so", 2, ""},
      {"x/10 so/71 can/28 y/10", "so", 3, "so: message=321 entryWords=2 ruleId=4201"},
      {"x/10 so/71 y/40{code=V0****}", "so", 4, "so: message=304 ruleId=4201"},
      {"x/10 doing/23 so/71 y/10", "so", 5, "doing: message=321 entryWords=2 ruleId=4155"},
      {"x/10 so/71 valve/10{mark=1}", "so", 6, "so: suggestion=\"so that/(Delete)\" message=331 ruleId=7154"},
      {"x/10 so/71 an/64 y/10", "so", 7, "so: suggestion=\"so that/(Delete)\" message=331 ruleId=7154"},
      {"x/10 so/71 ./48", "so", 8, "so: message=321 ruleId=4021"},
      {"x/10 so/71 as/54 not/29 to/68", "so", 9, "so: message=321 entryWords=4 ruleId=3201"},
      {"x/10 so/71 it/66 is/24 necessary/30", "so", 10, "so: message=304 entryWords=4 ruleId=3201"},
      {"x/10 so/71 as/54 to/68", "so", 11, "so: message=321 entryWords=3 ruleId=3201"},
      {"x/10 so/71 that/40 y/10", "so", 12, ""},
      // *so as* without "to" takes the degree list.
      {"x/10 so/71 as/54 well/50", "so", 13, "so: suggestion=\"to\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 behind/60", "so", 14, "so: suggestion=\"(Give time Ref.)\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 called/22", "so", 15, "so: suggestion=\"(Give name)\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 certain/30", "so", 16, "so: suggestion=\"for some\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 evenly/50", "so", 17, "so: suggestion=\"so that\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 far/30", "so", 18, "so: suggestion=\"(Give time ref.)\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 forth/50", "so", 19, "so: suggestion=\"(Give time ref.)/for\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 how/40", "so", 20, "so: suggestion=\"(Give method or procedure)\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 if/70", "so", 21, "so: suggestion=\"if/when\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 long/30", "so", 22, "so: suggestion=\"(Rephrase)\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 under/60", "so", 23, "so: suggestion=\"so that the xxx\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 lightly/50", "so", 24, "so: suggestion=\"(Give weight ref.)\" message=313 entryWords=2 ruleId=3201"},
      // *so many* takes the degree list, never the size words.
      {"x/10 so/71 many/37", "so", 25, "so: suggestion=\"so that you must\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 may/40", "so", 26, "so: suggestion=\"so that you can\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 much/37", "so", 27, "so: suggestion=\"more than/(Give measure)\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 never/77", "so", 28, "so: suggestion=\"do not xxx\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 severely/50", "so", 29, "so: suggestion=\"(Give Measure)\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 sure/30", "so", 30, "so: suggestion=\"make sure that\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 when/70", "so", 31, "so: suggestion=\"when/if\" message=313 entryWords=2 ruleId=3201"},
      // "you" is a stem, "they" a whole word.
      {"x/10 so/71 your/78", "so", 32, "so: suggestion=\"so that you\" message=313 entryWords=2 ruleId=3201"},
      {"x/10 so/71 theyre/40", "so", 40, "so: message=302 ruleId=2022"},
      {"x/10 so/71 low/30", "so", 33, "so: suggestion=\"when\" message=305 entryWords=2 ruleId=3201"},
      {"x/10 so/71 fast/30", "so", 34, "so: message=305 entryWords=2 ruleId=3201"},
      {"x/10 so/71 until/70", "so", 35, "so: message=302 entryWords=2 ruleId=3201"},
      {"x/10 so/71 like/54", "so", 36, "so: message=324 entryWords=2 ruleId=2022"},
      {"x/10 so/71 is/24", "so", 37, "so: message=302 entryWords=2 ruleId=2024"},
      {"x/10 so/71 hot/30", "so", 38, "so: message=313 ruleId=2021"},
      {"x/10 so/71 ,/47 y/10", "so", 39, "so: suggestion=\"until/so that\" message=335 ruleId=7022"},
      {"x/10 so/71 y/10", "so", 40, "so: message=302 ruleId=2022"},
  };
  RunRowCases(so_rules::kSo, kCases);
}

TEST(SoRules, Body) {
  static const BodyCase kCases[] = {
      {"x/10 so/71 that/69 y/10", "so", "", "that"},
      {"x/10 so/71 as/54 to/68 y/10", "so", "so: message=321 entryWords=3 ruleId=3201\nas: wordClass=40\nto: wordClass=40",
       "to"},
      {"x/10 so/71 ,/47 y/10", "so", "so: suggestion=\"until/so that\" message=335 ruleId=7022", ","},
  };
  RunBodyCases(ApplySoRules, kCases);
}

}  // namespace
