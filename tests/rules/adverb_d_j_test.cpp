// The adverb chains of the letters d to j, row by row.
#include <gtest/gtest.h>

#include <string>

#include "rules/function_words/adverb_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using adverb::ChainRows;

TEST(AdverbChainsDJ, Rows) {
  const auto C = [](const char* chain) { return ChainRows(chain); };
  const TableCase kCases[] = {
      {C("double"), {"x/40 Double/52 Wall/10 thickness/10", "Double", 0,
                     "Double: suggestion=\"Double-Wall\" message=317 entryWords=2 ruleId=8234"}},
      {C("double"), {"x/40 double/52 check/20", "double", 1,
                     "double: suggestion=\"two/(Rephrase)\" message=324 ruleId=6654"}},
      {C("double"), {"x/40 double/52 wall/10{mark=1} thickness/10", "double", 1, nullptr}},
      {C("directly"), {"x/40 directly/52 above/73", "directly", 0, "directly: message=304 ruleId=6654"}},
      {C("directly"), {"x/40 directly/52 to/68", "directly", -1, ""}},
      {C("either"), {"x/40 either/52 be/25", "either", 0, "either: message=302 entryWords=2 ruleId=2238"}},
      {C("either"), {"x/40 either/52 side/10", "either", 1,
                     "either: suggestion=\"one side or both sides\" message=324 entryWords=2 ruleId=3238"}},
      {C("either"), {"x/40 either/52 valve/10", "either", 3,
                     "either: suggestion=\"one... of the ...\" message=333 ruleId=3238"}},
      // The shared chain of "forward" and "backward": each word is told its own direction.
      {C("forward"), {"x/40 forward/52 ,/47", "forward", 0, ""}},
      {C("forward"), {"x/40 backward/52 facing/23", "backward", 1,
                      "backward: suggestion=\"toward the rear\" message=301 entryWords=2 ruleId=2949"}},
      {C("forward"), {"in/75 backward/52 x/40", "backward", 4,
                      "backward: suggestion=\"the BACKWARD position\" message=323 ruleId=5959 verbForm=X"}},
      {C("forward"), {"in/75 forward/52 x/40", "forward", 5,
                      "forward: suggestion=\"the FORWARD position\" message=323 ruleId=5959 verbForm=X"}},
      {C("forward"), {"can/28 forward/52 x/40", "forward", 6, "forward: suggestion=\"send\" message=300 ruleId=5949"}},
      {C("forward"), {"switch/10 backward/52 y/30", "backward", 13,
                      "backward: suggestion=\"switch in the BACKWARD position\" message=323 ruleId=4949 verbForm=X"}},
      {C("forward"), {"it/66 forward/52{msg=325 sub=325} y/30", "forward", 15,
                      "forward: subClass=0 message=300 ruleId=4949"}},
      {C("forward"), {"x/40 forward/52 y/30", "forward", 17, "forward: message=333 ruleId=1342"}},
      {C("fully"), {"x/40 fully/52 extended/22", "fully", 0, ""}},
      {C("fully"), {"x/40 fully/52 open/30 valve/10", "fully", 1, "fully: message=317 entryWords=2 ruleId=5153"}},
      {C("fully"), {"x/40 fully/52 free/30", "fully", 3, "fully: message=304 ruleId=6153"}},
      {C("fully"), {"x/40 fully/52 filled/22", "fully", 8,
                    "fully: suggestion=\"(Give a level or indicator)\" message=305 entryWords=2 ruleId=6153"}},
      {C("fully"), {"x/40 fully/52 grease/20", "fully", 9,
                    "fully: suggestion=\"apply a thin layer of grease\" message=305 entryWords=2 ruleId=6153"}},
      {C("fully"), {"x/40 fully/52 filled/22{mark=1}", "fully", -1, ""}},
      {C("first"), {"x/40 first/52 with/74", "first", 0, "first: message=333 ruleId=5153"}},
      {C("first"), {"x/40 without/75 first/52{msg=333 sub=333} y/40", "first", 2,
                    "without: message=302 entryWords=2 ruleId=1321\nfirst: subClass=0 message=0"}},
      {C("first"), {"x/40 first/52{mark=1} y/30", "first", 3, ""}},
      {C("first"), {"do/20{code=V0****} first/52 y/30", "first", 7, ""}},
      {C("first"), {"x/40 first/52 y/30", "first", 8, "first: message=333 ruleId=3176"}},
      {C("how"), {"x/40 how/52{mark=1} y/40", "how", 0, "how: message=302 ruleId=5153"}},
      {C("how"), {"x/40 how/52 many/38 valves/10", "how", 2, "valves: suggestion=\"(Check for plural)\""}},
      {C("how"), {"x/40 how/52 much/38", "how", 4,
               "how: suggestion=\"(Give a quantity)\" message=305 entryWords=2 ruleId=3232"}},
      {C("how"), {"x/40 just/52 how/52 y/40", "how", 10, "just: message=313 entryWords=2 ruleId=3232"}},
      {C("how"), {"a/40 b/40 is/24 how/52 y/40", "how", 11,
               "is: suggestion=\"shows how\" message=321 entryWords=2 ruleId=5153"}},
      {C("how"), {"a/40 is/24 how/52 y/40", "how", -1, ""}},
      // Row 1 holds only with the approved dictionary (see AdverbFrame.SteDictionary).
      {C("just"), {"x/40 just/52 inside/75", "just", 0, nullptr}},
      {C("just"), {"x/40 just/52 that/69", "just", 2, "just: message=304 ruleId=7958"}},
      {C("just"), {"x/40 just/52 like/60", "just", 5,
                   "just: suggestion=\"like/equivalent\" message=313 entryWords=2 ruleId=3232"}},
      {C("just"), {"x/40 just/52 y/40", "just", -1, ""}},
  };
  RunTableCases(kCases);
}

// A joined suggestion that does not fit is cut at its bound.
TEST(AdverbChainsDJ, LongCompoundIsCut) {
  const std::string wall(70, 'w');
  const std::string text = "x/40 double/52 " + wall + "/10 thickness/10";
  auto words = BuildWords(text.c_str());
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "double"), .head = words->head(), .state = state};
  ApplyFirstMatch(c, ChainRows("double"));
  EXPECT_EQ(c.word->suggestion.str(), ("double-" + wall).substr(0, 79));
}

}  // namespace
