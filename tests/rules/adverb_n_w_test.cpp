// The adverb chains of the letters n to w, row by row, with the measure
// words after "too"/"very" and the comparatives before "than" at their edges.
#include <gtest/gtest.h>

#include <string>

#include "rules/function_words/adverb_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using adverb::ChainRows;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }

TEST(AdverbChainsNW, Rows) {
  const auto C = [](const char* chain) { return ChainRows(chain); };
  const TableCase kCases[] = {
      {C("normally"), {"It/24 is/24 normally/52 closed/22", "normally", 0,
                       "normally: suggestion=\"normally-closed\" message=317 entryWords=2 ruleId=2630"}},
      {C("normally"), {"x/40 normally/52 y/40", "normally", 1,
                       "normally: suggestion=\"correctly/(Give range)\" message=324 ruleId=4835"}},
      {C("now"), {"x/40 now/52 to/68", "now", 0, "now: message=333 ruleId=1237"}},
      {C("now"), {"x/40 must/28 now/52 have/25{msg=302}", "now", 1,
               "must: message=335 entryWords=3 ruleId=1237\nhave: message=0"}},
      {C("now"), {"x/40 now/52 have/25", "now", -1, ""}},
      {C("past"), {"x/40 past/52 year/10", "past", 0,
                   "past: suggestion=\"(Give year or year range)\" message=305 ruleId=5129"}},
      {C("past"), {"is/24 past/52 x/40", "past", 3, "past: message=300 ruleId=5129"}},
      {C("past"), {"x/40 past/52 y/40", "past", -1, ""}},
      {C("quietly"), {"x/40 quietly/52 y/40", "quietly", 0,
                      "quietly: suggestion=\"(Give decibel measure)\" message=305 ruleId=5170"}},
      // A dropped "the" or an article after "over" ends the body at its gate.
      {C("over"), {"x/40 over/52{mark=1} y/40", "over", 0, "over: message=302 ruleId=2936"}},
      {C("over"), {"x/40 over/52 heating/23", "over", 4, nullptr, LongSentence}},
      {C("over"), {"x/40 over/52 heating/23", "over", 18, nullptr}},
      {C("over"), {"x/40 running/23 over/52 y/40", "over", 11,
                   "running: suggestion=\"(Rephrase)\" message=305 entryWords=2 ruleId=2246"}},
      {C("over"), {"x/40 over/52 5/49", "over", 15, "over: suggestion=\"more than\" message=305 ruleId=2237"}},
      // Only an "and" of another class than 63 reaches the row of "and above".
      {C("over"), {"x/40 over/52 and/40 above/73", "over", 19, nullptr, LongSentence}},
      {C("over"), {"x/40 over/52 and/63 above/73", "over", -1, nullptr, LongSentence}},
      {C("over"), {"go/20 x/40 over/52 and/63 y/40", "over", 20, "over: message=315 ruleId=3236"}},
      {C("single"), {"x/40 single/52{msg=325 sub=325} y/40", "single", 0,
                     "single: subClass=0 message=321 ruleId=5487"}},
      {C("single"), {"x/40 single/52{msg=325} y/40{split=4}", "single", 1, "single: message=0"}},
      // The article of *in such a manner* ends the body at its gate.
      {C("such"), {"x/40 such/52 as/54", "such", 3,
                   "such: suggestion=\"for example\" message=331 entryWords=2 ruleId=3247"}},
      {C("such"), {"x/40 such/52{sug=these} as/54", "such", 3,
                   "such: suggestion=\"these/for example\" message=331 entryWords=2 ruleId=3247"}},
      {C("such"), {"x/40 how/52 such/52 y/40", "such", 4,
                   "how: suggestion=\"like/for example\" message=331 entryWords=2 ruleId=3247"}},
      {C("such"), {"x/40 such/52 y/40", "such", 7, "such: message=321 ruleId=1237"}},
      {C("still"), {"x/40 is/24 still/52 y/40", "still", 2,
                    "is: suggestion=\"continues to .../continue to ...\" message=302 entryWords=2 ruleId=1240"}},
      // "being" is class 25 in the dictionary, which row 5 takes first.
      {C("still"), {"x/40 still/52 being/40", "still", 6,
                    "still: suggestion=\"continues to/continue to\" message=302 entryWords=2 ruleId=1240"}},
      {C("still"), {"x/40 still/52 y/10", "still", -1, ""}},
      // Row 0 takes the comma first.
      {C("than"), {"x/40 than/52 ./48", "than", 0, "than: message=321 ruleId=7148"}},
      {C("than"), {"a/40 b/40 different/30 than/52 y/40", "than", 2,
                   "different: suggestion=\"different from\" message=305 entryWords=2 ruleId=7948"}},
      {C("than"), {"b/40 different/30 than/52 y/40", "than", -1, ""}},
      {C("than"), {"x/40 than/52 that/69", "than", 12, nullptr}},
      {C("too"), {"x/40 very/52 useful/30", "very", 1,
               "very: suggestion=\"applicable/serviceable\" message=324 entryWords=2 ruleId=1835"}},
      {C("too"), {"x/40 too/52 remove/20", "too", 3, "too: suggestion=\"to\" message=311 ruleId=5932"}},
      {C("too"), {"x/40 too/52 tight/30", "too", 4,
               "too: suggestion=\"(Give torque value or range)\" message=305 entryWords=2 ruleId=1336"}},
      {C("too"), {"x/40 very/52 farther/34", "very", -1, nullptr}},
      {C("too"), {"x/40 too/52 similar/30 to/68", "too", 6,
               "too: suggestion=\"equivalent\" message=313 entryWords=3 ruleId=1235"}},
      {C("too"), {"x/40 too/52 y/40", "too", 8, "too: message=304 ruleId=6188"}},
      {C("thus"), {"x/40 thus/52 is/24", "thus", 0, "thus: message=302 entryWords=2 ruleId=6948"}},
      {C("thus"), {"x/40 thus/52 y/40", "thus", 1, "thus: message=304 ruleId=3948"}},
      {C("together"), {"x/40 together/52 ,/47", "together", 0, "together: message=333 ruleId=3342"}},
      {C("together"), {"x/40 added/22 together/52 y/40", "together", 1,
                       "added: suggestion=\"add\" message=324 entryWords=2 ruleId=2343"}},
      {C("together"), {"a/40 b/40 goes/21 together/52 z/40", "together", 5, "together: message=304 ruleId=3343"}},
      {C("together"), {"b/40 goes/21 together/52 z/40", "together", -1, ""}},
      {C("well"), {"x/40 well/52 known/31", "well", 0, "well: message=313 entryWords=2 ruleId=1170"}},
      {C("well"), {"x/40 well/52{mark=1} y/40", "well", 1, nullptr}},
      {C("well"), {"x/40 well/52 y/40", "well", -1, ""}},
      {C("what"), {"x/40 what/52", "what", 2, "what: message=313 ruleId=1170"}},
      {C("what"), {"a/40 b/40 what/52 is/24", "what", 3, "what: message=320 entryWords=2 ruleId=170"}},
      {C("what"), {"b/40 what/52 is/24", "what", -1, nullptr}},
      {C("what"), {"x/40 of/67 what/52 y/40", "what", 4,
                   "of: suggestion=\"for which\" message=331 entryWords=2 ruleId=6170"}},
      {C("where"), {"x/40 where/52 is/24", "where", 0, "where: suggestion=\"were\" message=311 ruleId=4154"}},
      {C("where"), {"a/40 valve/10 where/52 pump/10 y/40", "where", 1, nullptr}},
      {C("where"), {"a/40 b/40 tell/20 where/52 y/40", "where", 4,
                    "tell: suggestion=\"find/know/show\" message=324 entryWords=2 ruleId=4154"}},
  };
  RunTableCases(kCases);
}

// A long earlier suggestion and "for example" are cut at the bound of 84.
TEST(AdverbChainsNW, SuchAsIsBounded) {
  const std::string earlier(80, 'e');
  const std::string text = "x/40 such/52{sug=" + earlier + "} as/54";
  auto words = BuildWords(text.c_str());
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "such"), .head = words->head(), .state = state};
  ApplyFirstMatch(c, ChainRows("such"));
  EXPECT_EQ(c.word->suggestion.str(), (earlier + "/for example").substr(0, 83));
}

}  // namespace
