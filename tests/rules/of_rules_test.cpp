// The rules of "of", "from", "their" and "some", class 67.
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/of_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace of_rules;

TEST(OfRules, Rows) {
  static const TableCase kCases[] = {
      {kGates, {"x/10 of/67 y/10{mark=1}", "of", 3, ""}},
      {kGates, {"x/10 their/67 not/29", "their", 5,
          "their: suggestion=\"they are/(Rephrase)\" message=312 ruleId=2683"}},
      // Only "their" reads as "they are".
      {kGates, {"x/10 of/67 not/29", "of", -1, ""}},
      {kGates, {"x/10 some/67 not/29", "some", -1, ""}},
      // "Some" and "Their" open a sentence without a preposition finding.
      {kGates, {"Some/67 valves/11", "Some", -1, ""}},
      {kGates, {"it/66 is/24 of/67 ?/48", "of", 13, "of: message=320 ruleId=5878"}},
      {kGates, {"x/10 of/67 it/66", "of", 15, "it: message=320 ruleId=3677"}},
      {kSome, {"a/10 not/29 some/67 y/10", "some", 2, "not: message=320 entryWords=2 ruleId=1878"}},
      {kSome, {"a/10 not/29{token=9} some/67 y/10", "some", -1, ""}},
      {kSome, {"x/10 some/67 ;/42", "some", 3, ";: message=337 ruleId=180"}},
      {kTheir, {"x/10 their/67 own/30", "their", 2,
          "their: suggestion=\"their/(Delete)\" message=320 entryWords=2 ruleId=1678"}},
      {kTheir, {"x/10 their/67 pumps/11", "their", 3, "pumps: markFlag=1"}},
      {kTheir, {"x/10 their/67 red/30", "their", -1, ""}},
      {kFromFirst, {"x/10 from/67 every/38", "from", 0, ""}},
      {kFromFirst, {"x/10 from/67 y/10", "from", -1, ""}},
      {kFromPhrases, {"x/10 from/67 its/60 own/30", "from", 1, KeptFinding("from", "from ...", 313, 3, 1862)}},
      {kFromPhrases, {"x/10 from/67 below/52", "from", 9, KeptFinding("from",
          "from a position below the ...", 302, 2, 4757)}},
      {kFromPhrases, {"x/10 from/67 y/10", "from", -1, ""}},
      {kBeforeFrom, {"the/64 as/10 from/67 y/10", "from", 0, KeptFinding("as", "from/(Rephrase)", 324, 2, 2877)}},
      {kBeforeFrom, {"the/64 farther/10 from/67 y/10", "from", 8, KeptFinding("farther",
          "at a distance of/(Give distance)", 324, 2, 2877)}},
      {kBeforeFrom, {"the/64 way/10 from/67 y/10", "from", 16, KeptFinding("way", "(Rephrase)", 324, 2, 2877)}},
      {kBeforeFrom, {"the/64 signs/10 from/67 y/10", "from", -1, ""}},
      {kFromRest, {"x/10 from/67 turning/23", "from", 1, "turning: message=338 ruleId=4678"}},
      {kFromRest, {"a/10 b/10 from/67 under/60", "from", 7, KeptFinding("from", "from below", 313, 2, 2876)}},
      {kFromRest, {"x/10 from/67 under/60", "from", -1, ""}},
      {kOfFirst, {"x/10 of/67 times/11", "of", 0, ""}},
      {kOfFirst, {"x/10 of/67 y/10", "of", -1, ""}},
      // With the core dictionary the period is covered, without a finding.
      {kOfPhrases, {"the/64 period/10 of/67 time/10", "of", 1, "period: entryWords=3", nullptr, 1}},
      {kOfPhrases, {"the/64 period/10 of/67 time/10", "of", 2, KeptFinding("period",
          "(Give time ref.)", 305, 3, 7658)}},
      {kOfPhrases, {"x/10 of/67 being/25", "of", 9, KeptFinding("x", nullptr, 338, 3, 7658)}},
      {kOfPhrases, {"x/10 of/67 y/10", "of", -1, ""}},
      {kBeforeOf, {"the/64 ahead/10 of/67 water/10", "of", 0, KeptFinding("ahead", "before", 324, 2, 5671)}},
      // A drop of something is a quantity, not a distance.
      {kBeforeOf, {"the/64 drop/10 of/67 water/10", "of", 21, KeptFinding("drop", "(Give quantity)", 324, 2, 5671)}},
      {kBeforeOf, {"the/64 drop/10 of/67 oil/16", "of", -1, ""}},
      {kBeforeOf, {"the/64 must/10 of/67 water/10", "of", 30, KeptFinding("must", "must have", 324, 2, 5671)}},
      {kBeforeOf, {"the/64 much/10 of/67 water/10", "of", 31, KeptFinding("much", "(Give quantity)", 324, 2, 5671)}},
      {kBeforeOf, {"the/64 void/10 of/67 water/10", "of", 40, KeptFinding("void",
          "without/does not have/do not have", 324, 2, 5671)}},
      {kOfInside, {"x/10 of/67 turning/23", "of", 0, "of: message=338 entryWords=2 ruleId=3678"}},
      {kOfInside, {"the/64 type/10 of/67 y/10", "of", 8, ""}},
      {kOfInside, {"x/10 of/67 y/10", "of", -1, ""}},
      {kOfClosing, {"x/10 of/67 up/61 to/68", "of", 0,
          "of: suggestion=\"to a maximum of\" message=313 entryWords=3 ruleId=3679"}},
      {kOfClosing, {"by/65 means/10 of/67 y/10", "of", -1, ""}},
  };
  RunTableCases(kCases);
}

// Through the body: the gates, the order of the chains and the resume words.
TEST(OfBody, ChainsAndResumeWords) {
  RunBodyCases(ApplyOfRules, {
      {"Some/67 valves/11 are/25 open/30 ./48", "Some", "", "Some"},
      {"From/67 valves/11 y/10", "From", "From: message=331 ruleId=2683", "From"},
      {"x/10 their/67 are/25 y/10", "their", "their: suggestion=\"there\" message=301 ruleId=2783", "their"},
      {"the/64 kinds/11 of/67 valves/11", "of",
       "kinds: suggestion=\"types of\" message=324 entryWords=2 ruleId=5671", "of"},
      // "by means of" goes on from "of".
      {"a/10 by/65 means/10 of/67 y/10", "of",
       "by: suggestion=\"by/method\" message=324 entryWords=3 ruleId=1378\nmeans: wordClass=40\nof: wordClass=40",
       "of"},
      {"x/10 of/67 each/37 y/10", "of", "each: wordClass=40", "each"},
      // At a negative position only the closing rows apply.
      {"x/10 of/67{pos=-1} interest/10 y/10", "of",
       "of: message=313 entryWords=2 ruleId=3679\ninterest: wordClass=40", "interest"},
      {"x/10 of/67 interest/10 y/10", "of", "of: message=304 entryWords=2 ruleId=7778\ninterest: wordClass=40",
       "interest"},
      {"it/66 is/24 run/20{msg=302} from/67{msg=331} y/10", "from",
       "run: suggestion=\"operated by/operated with\" message=324 entryWords=2 ruleId=2877\nfrom: message=0", "from"},
      // The words before "from" are tried from the third word on.
      {"x/10 from/67 not/29 y/10", "from", "from: message=334 entryWords=2 ruleId=2875\nnot: wordClass=40", "not"},
      {"x/10 from/67 valves/19 y/50", "from",
       "from: written=\"from?valves\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "valves: suggestion=\"the valves\" message=326 ruleId=2356", "from?valves"},
  });
}

}  // namespace
