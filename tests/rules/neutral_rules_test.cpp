// The rules of neutral tokens and units (class 40), step by step.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/neutral_rows.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(NeutralRules, Per) {
  RunRowCases(PerRows(), {
      {"use/20 per/40 10/49 ./48", "per", 0, ""},
      {"do/20 it/66 per/40 the/64 manual/10 ./48", "per", 6,
       "per: suggestion=\"for/for each/refer to\" message=301 ruleId=3196"},
  });
}

TEST(NeutralRules, StepsInsideTheSentence) {
  RunBodyCases(ApplyNeutralRules, {
      // "per" covers the next word.
      {"do/20 it/66 per/40 day/10 ./48", "per",
       "per: suggestion=\"each day\" message=324 entryWords=2 ruleId=3196\nday: wordClass=40", "day"},
      // Degree letters after a number.
      {"set/20 20/49 C/40 deg/40 ./48", "C",
       "20: suggestion=\"20&deg;C\" tag=\"<AR>\" message=311 entryWords=3 ruleId=7669", "C"},
      {"set/20 it/66 C/40 deg/40 ./48", "C", "it: wordClass=1\nC: classCode=\"N****\" wordClass=10", "C"},
      // A slash between two nouns.
      {"valve/10 //40{msg=0} pump/10 ./48", "/", "/: suggestion=\"valve\" tag=\"<*/*>\" message=337 ruleId=3496", "/"},
      // "DC" before two nouns; otherwise nothing.
      {"use/20 DC/40 motor/10 power/10 ./48", "DC",
       "DC: suggestion=\"DC-motor\" tag=\"<AR>\" message=311 entryWords=2 ruleId=7669", "motor"},
      {"use/20 AC/40 motor/10 now/50 ./48", "AC", "", "AC"},
      // Temperatures written as one token.
      {"at/60 25C/40 now/50 ./48", "25C", "25C: suggestion=\"25&deg;C\" tag=\"<AR>\" message=311 ruleId=7669", "25C"},
      // Stops.
      {"set/20 x/40 5/49 ./48", "x", ""},
      // A callout between brackets.
      {"see/20 (/40 #4/40 )/42 ./48", "#4",
       "#4: suggestion=\"(Callout - (99) or circles)\" message=308 ruleId=3196\n): wordClass=40", ")"},
      {"see/20 x/40{verb=Q} now/50 ./48", "x", "x: tag=\"<AR>\""},
      {"see/20 #4/40 now/50 ./48", "#4", "#4: suggestion=\"(No. 4)\" tag=\"<AR>\" message=311 ruleId=3149"},
      // Any other token inside a sentence stands as a noun.
      {"the/64 xyz/40 opens/21 ./48", "xyz", "the: wordClass=1\nxyz: classCode=\"N****\" wordClass=10"},
      {"@/40 the/64 end/10 ./48", "@", "@: suggestion=\"at\" tag=\"<AR>\" message=311 ruleId=3198"},
      {"(#4)/40 do/20 it/66 ./48", "(#4)", "(#4): suggestion=\"(No. 4)\" tag=\"<AR>\""},
      {"(#1a)/40 do/20 it/66 ./48", "(#1a)", ""},
      {"abc(d)/40 do/20 ./48", "abc(d)", "abc(d): message=337 ruleId=3196"},
      {"+/-/40 do/20 ./48", "+/-", "+/-: suggestion=\"(Use plus minus symbol)\" message=308 ruleId=1152"},
      // The advice reads "(Use decimals for sizes)".
      {"1/4/40 do/20 it/66 ./48", "1/4", "do: suggestion=\"(Use decimals for sizes)\" message=308 ruleId=7865", "do"},
      {"if_necessary/40 ./48", "if necessary", "if necessary: message=318 ruleId=6334"},
      {"if_necessary/40{pos=-1} ./48", "if necessary",
       "if necessary: suggestion=\"(Move to main clause.)\" message=302 ruleId=7865"},
      {"<ref>/40{sub=3} do/20 ./48", "<ref>", "<ref>: wordClass=10 subClass=0"},
      {"a\\b\\c/40 do/20 ./48", "a\\b\\c", "a\\b\\c: message=337 ruleId=1152"},
      {"X/40 axis/10 ./48", "X", "", "X"},  // a noun after the token stops first
      {"Y/40 axis/40 ./48", "Y", "Y: suggestion=\"Y-axis\" message=317 entryWords=2 ruleId=1152", "axis"},
  });
}

}  // namespace
