// The adverb chains of the letters n to w, row by row, with the measure
// words after "too"/"very" and the comparatives before "than" at their edges.
#include <gtest/gtest.h>

#include <string>

#include "rules/function_words/adverb_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using adverb::ChainRows;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }

TEST(AdverbChainsN, NormallyNowPastQuietly) {
  static const RowCase kNormally[] = {
      {"It/24 is/24 normally/52 closed/22", "normally", 0,
       "normally: suggestion=\"normally-closed\" message=317 entryWords=2 ruleId=2630"},
      {"x/40 normally/52 y/40", "normally", 1, "normally: suggestion=\"correctly/(Give range)\" message=324 ruleId=4835"},
  };
  RunRowCases(ChainRows("normally"), kNormally);
  static const RowCase kNow[] = {
      {"x/40 now/52 to/68", "now", 0, "now: message=333 ruleId=1237"},
      {"x/40 must/28 now/52 have/25{msg=302}", "now", 1, "must: message=335 entryWords=3 ruleId=1237\nhave: message=0"},
      {"x/40 now/52 have/25", "now", -1, ""},
  };
  RunRowCases(ChainRows("now"), kNow);
  static const RowCase kPast[] = {
      {"x/40 past/52 year/10", "past", 0, "past: suggestion=\"(Give year or year range)\" message=305 ruleId=5129"},
      {"is/24 past/52 x/40", "past", 3, "past: message=300 ruleId=5129"},
      {"x/40 past/52 y/40", "past", -1, ""},
  };
  RunRowCases(ChainRows("past"), kPast);
  static const RowCase kQuietly[] = {
      {"x/40 quietly/52 y/40", "quietly", 0, "quietly: suggestion=\"(Give decibel measure)\" message=305 ruleId=5170"},
  };
  RunRowCases(ChainRows("quietly"), kQuietly);
}

TEST(AdverbChainsO, Over) {
  static const RowCase kCases[] = {
      {"x/40 over/52{mark=1} y/40", "over", 0, "over: message=302 ruleId=2936"},
      {"x/40 over/52 heating/23", "over", 4, nullptr, LongSentence},
      {"x/40 over/52 heating/23", "over", 18, nullptr},
      {"x/40 running/23 over/52 y/40", "over", 11, "running: suggestion=\"(Rephrase)\" message=305 entryWords=2 ruleId=2246"},
      {"x/40 over/52 5/49", "over", 15, "over: suggestion=\"more than\" message=305 ruleId=2237"},
      // Only an "and" of another class than 63 reaches the row of "and above".
      {"x/40 over/52 and/40 above/73", "over", 19, nullptr, LongSentence},
      {"x/40 over/52 and/63 above/73", "over", -1, nullptr, LongSentence},
      {"go/20 x/40 over/52 and/63 y/40", "over", 20, "over: message=315 ruleId=3236"},
  };
  // A dropped "the" or an article after "over" ends the body at its gate.
  RunRowCases(ChainRows("over"), kCases);
}

TEST(AdverbChainsS, SingleSuchStill) {
  static const RowCase kSingle[] = {
      {"x/40 single/52{msg=325 sub=325} y/40", "single", 0, "single: subClass=0 message=321 ruleId=5487"},
      {"x/40 single/52{msg=325} y/40{split=4}", "single", 1, "single: message=0"},
  };
  RunRowCases(ChainRows("single"), kSingle);
  static const RowCase kSuch[] = {
      {"x/40 such/52 as/54", "such", 3, "such: suggestion=\"for example\" message=331 entryWords=2 ruleId=3247"},
      {"x/40 such/52{sug=these} as/54", "such", 3,
       "such: suggestion=\"these/for example\" message=331 entryWords=2 ruleId=3247"},
      {"x/40 how/52 such/52 y/40", "such", 4, "how: suggestion=\"like/for example\" message=331 entryWords=2 ruleId=3247"},
      {"x/40 such/52 valves/11", "such", 6, "such: suggestion=\"these/(Delete)\" message=313 entryWords=2 ruleId=1248"},
      {"x/40 such/52 y/40", "such", 7, "such: message=321 ruleId=1237"},
  };
  // The article of *in such a manner* ends the body at its gate.
  RunRowCases(ChainRows("such"), kSuch);
  static const RowCase kStill[] = {
      {"x/40 is/24 still/52 y/40", "still", 2,
       "is: suggestion=\"continues to .../continue to ...\" message=302 entryWords=2 ruleId=1240"},
      // "being" is class 25 in the dictionary, which row 5 takes first.
      {"x/40 still/52 being/40", "still", 6,
       "still: suggestion=\"continues to/continue to\" message=302 entryWords=2 ruleId=1240"},
      {"x/40 still/52 in/75", "still", 8, "still: message=302 entryWords=2 ruleId=4240"},
      {"x/40 still/52 y/10", "still", -1, ""},
  };
  RunRowCases(ChainRows("still"), kStill);
}

// A long earlier suggestion and "for example" are cut at the bound of 84.
TEST(AdverbChainsS, SuchAsIsBounded) {
  const std::string earlier(80, 'e');
  const std::string text = "x/40 such/52{sug=" + earlier + "} as/54";
  auto words = BuildWords(text.c_str());
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "such"), .head = words->head(), .state = state};
  ApplyFirstMatch(c, ChainRows("such"));
  EXPECT_EQ(c.word->suggestion.str(), (earlier + "/for example").substr(0, 83));
}

TEST(AdverbChainsT, Than) {
  static const RowCase kCases[] = {
      {"x/40 than/52 ./48", "than", 0, "than: message=321 ruleId=7148"},
      {"a/40 b/40 different/30 than/52 y/40", "than", 2,
       "different: suggestion=\"different from\" message=305 entryWords=2 ruleId=7948"},
      {"b/40 different/30 than/52 y/40", "than", -1, ""},
      {"a/40 b/40 weaker/34 than/52 y/40", "than", 9, "weaker: suggestion=\"less than/not strong\" message=305 entryWords=2 ruleId=7948"},
      {"x/40 than/52 that/69", "than", 12, nullptr},
  };
  // Row 0 takes the comma first.
  RunRowCases(ChainRows("than"), kCases);
}

TEST(AdverbChainsT, TooVeryThusTogether) {
  static const RowCase kTooVery[] = {
      {"x/40 very/52 useful/30", "very", 1,
       "very: suggestion=\"applicable/serviceable\" message=324 entryWords=2 ruleId=1835"},
      {"x/40 too/52 remove/20", "too", 3, "too: suggestion=\"to\" message=311 ruleId=5932"},
      {"x/40 too/52 tight/30", "too", 4, "too: suggestion=\"(Give torque value or range)\" message=305 entryWords=2 ruleId=1336"},
      // The measure words: a stem and near misses.
      {"x/40 too/52 close/30", "too", 5, "too: suggestion=\"(Give range or measure)\" message=305 entryWords=2 ruleId=1336"},
      {"x/40 very/52 farther/34", "very", -1, nullptr},
      {"x/40 too/52 similar/30 to/68", "too", 6,
       "too: suggestion=\"equivalent\" message=313 entryWords=3 ruleId=1235"},
      {"x/40 too/52 y/40", "too", 8, "too: message=304 ruleId=6188"},
  };
  RunRowCases(ChainRows("too"), kTooVery);
  static const RowCase kThus[] = {
      {"x/40 thus/52 is/24", "thus", 0, "thus: message=302 entryWords=2 ruleId=6948"},
      {"x/40 thus/52 y/40", "thus", 1, "thus: message=304 ruleId=3948"},
  };
  RunRowCases(ChainRows("thus"), kThus);
  static const RowCase kTogether[] = {
      {"x/40 together/52 ,/47", "together", 0, "together: message=333 ruleId=3342"},
      {"x/40 added/22 together/52 y/40", "together", 1,
       "added: suggestion=\"add\" message=324 entryWords=2 ruleId=2343"},
      {"a/40 b/40 goes/21 together/52 z/40", "together", 5, "together: message=304 ruleId=3343"},
      {"b/40 goes/21 together/52 z/40", "together", -1, ""},
      {"x/40 fitted/31 together/52 z/40", "together", 7, "together: message=333 ruleId=2342"},
  };
  RunRowCases(ChainRows("together"), kTogether);
}

TEST(AdverbChainsW, WellWhatWhere) {
  static const RowCase kWell[] = {
      {"x/40 well/52 known/31", "well", 0, "well: message=313 entryWords=2 ruleId=1170"},
      {"x/40 well/52{mark=1} y/40", "well", 1, nullptr},
      {"x/40 well/52 y/40", "well", -1, ""},
  };
  RunRowCases(ChainRows("well"), kWell);
  static const RowCase kWhat[] = {
      {"x/40 what/52", "what", 2, "what: message=313 ruleId=1170"},
      {"a/40 b/40 what/52 is/24", "what", 3, "what: message=320 entryWords=2 ruleId=170"},
      {"b/40 what/52 is/24", "what", -1, nullptr},
      {"x/40 of/67 what/52 y/40", "what", 4, "of: suggestion=\"for which\" message=331 entryWords=2 ruleId=6170"},
  };
  RunRowCases(ChainRows("what"), kWhat);
  static const RowCase kWhere[] = {
      {"x/40 where/52 is/24", "where", 0, "where: suggestion=\"were\" message=311 ruleId=4154"},
      {"a/40 valve/10 where/52 pump/10 y/40", "where", 1, nullptr},
      {"valve/10 where/52 pump/10 y/40", "where", -1, nullptr},
      {"a/40 b/40 tell/20 where/52 y/40", "where", 4,
       "tell: suggestion=\"find/know/show\" message=324 entryWords=2 ruleId=4154"},
      {"b/40 way/10 where/52 y/40", "where", -1, ""},
  };
  RunRowCases(ChainRows("where"), kWhere);
}

}  // namespace
