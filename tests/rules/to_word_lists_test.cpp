// The word lists round "to": membership and the advice their letters choose.
#include <gtest/gtest.h>

#include <string>

#include "rules/function_words/to_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace to_rules;

TEST(ToWordLists, BeforeToLetterRules) {
  struct Case {
    const char* word;
    const char* advice;  // null: none
  };
  static const Case kCases[] = {
      {"able", "can"}, {"ahead", "obey/(Rephrase)"}, {"check", "make a check/inspect/examine"}, {"closer", "near/(Give distance)"},
      {"failed", "do not"}, {"prior", "before"}, {"right", "(Rephrase)"}, {"second", "second/next"}, {"ties", "(Give time measure)"},
      {"fallen", "(Give Measurement)"}, {"get", "go to/goes to/(Rephrase)"}, {"ideal", "must/(Rephrase)"},
      {"over", nullptr}, {"payment", "send payment"}, {"proceed", "continue to/go to"}, {"peculiar", nullptr},
      {"stomp", "show/indicate"}, {"wish", "want/(Rephrase)"}, {"zero", nullptr},
  };
  for (const Case& k : kCases) {
    const char* got = BeforeToAdvice(k.word);
    EXPECT_EQ(std::string(got ? got : "(none)"), std::string(k.advice ? k.advice : "(none)")) << k.word;
  }
}

TEST(ToWordLists, AfterToLetterRules) {
  struct Case {
    const char* word;
    const char* advice;
  };
  static const Case kCases[] = {
      {"date", "(Give Date Ref.)"}, {"email", "to send an email"}, {"for", "continue"},
      {"pdf", "(Give the standard name)"}, {"type", "to enter"}, {"ground", "to the ground terminal"}, {"light", "illuminate"},
      {"level", "to make level"}, {"mail", "to send an email"}, {"spring", "to move/to return"}, {"such", "for maintenance"}, {"another", nullptr}, {"and", nullptr},
  };
  for (const Case& k : kCases) {
    const char* got = AfterToAdvice(k.word);
    EXPECT_EQ(std::string(got ? got : "(none)"), std::string(k.advice ? k.advice : "(none)")) << k.word;
  }
}

TEST(ToWordLists, Membership) {
  RunRowCases(kBeforeList, {
      {"x/10 peculiar/30 to/68 y/10", "to", 0, "peculiar: message=301 entryWords=2 ruleId=3449"},
      {"x/10 check/20 to/68 see/20", "to", 0,
       "check: suggestion=\"make a check/inspect/examine\" message=301 entryWords=2 ruleId=3449"},
      {"x/10 check/20 to/68 go/20", "to", -1, ""},
      {"x/10 down/61 to/68 y/10", "to", 0, "down: suggestion=\"decrease to\" message=301 entryWords=2 ruleId=3449"},
      {"x/10 appearing/23 to/68 y/10", "to", 0,
       "appearing: suggestion=\"visible/can/(Rephrase)\" message=301 entryWords=2 ruleId=3449"},
      // Only inside a sentence.
      {"x/10{pos=-1} able/30{pos=-1} to/68{pos=-1} y/10", "to", -1, ""},
  });
  RunRowCases(kAfterList, {
      {"x/10 to/68 date/10 pump/10", "to", 0, ""},
      {"x/10 to/68 date/10 go/20", "to", 1, "to: suggestion=\"(Give Date Ref.)\" message=302 entryWords=2 ruleId=2182"},
      {"x/10 to/68 another/37 go/20", "to", 1, "to: message=302 entryWords=2 ruleId=2182"},
      {"x/10 to/68 dates/11 go/20", "to", -1, ""},
  });
}

}  // namespace
