// The adverb chains, row by row, by letter (l, a, b, d to j, n to w): each
// case names the chain it runs on. The measure words after "too"/"very" and
// the comparatives before "than" are at their edges.
#include <gtest/gtest.h>

#include <string>

#include "rules/function_words/adverb_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using adverb::ChainRows;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }

TEST(AdverbChains, Rows) {
  const auto C = [](const char* chain) { return ChainRows(chain); };
  const TableCase kCases[] = {
      {C("lightly"), {"Apply/20 oil/16 lightly/52 grease/20", "lightly", 0,
                      "lightly: suggestion=\"apply a thin layer of grease\" message=305 "
                      "entryWords=2 ruleId=1241"}},
      {C("lightly"), {"Then/52 you/78 x/40 lightly/52 apply/20", "lightly", 1, "lightly: message=302 ruleId=7968"}},
      {C("lightly"), {"You/78 lightly/52 apply/20", "lightly", -1, ""}},
      {C("later"), {"Keep/20 it/66 later/52 use/20", "later", 0,
                    "later: suggestion=\"(Rephrase)\" message=313 entryWords=2 ruleId=1241"}},
      {C("later"), {"Do/20 it/66 and/63 later/52 ./48", "later", 1,
                    "later: suggestion=\"higher/(Rephrase)\" message=324 ruleId=1241"}},
      {C("later"), {"Do/20 it/66 then/73 later/52 ,/47", "later", 2, "later: message=302 ruleId=7968"}},
      // The second or third word of the sentence.
      {C("later"), {"Do/20 later/52 ,/47", "later", -1, ""}},
      {C("away"), {"Cut/20 away/52 metal/16", "away", 1,
                   "Cut: suggestion=\"remove/cut/removal\" message=315 entryWords=2 ruleId=1845"}},
      {C("away"), {"x/40 falls/21 away/52 y/40", "away", 2,
                   "falls: suggestion=\"fall from/falls from\" message=315 entryWords=2 ruleId=1845"}},
      {C("away"), {"Move/20 it/66 away/52 now/52", "away", 7,
                   "away: suggestion=\"away from\" message=331 ruleId=1845"}},
      {C("alone"), {"A/40 stand/20 alone/52 unit/10", "alone", 0,
                    "stand: suggestion=\"one/(Give Model)\" message=313 entryWords=2 ruleId=7258"}},
      {C("alone"), {"Use/20 it/66 alone/52", "alone", 1, "alone: message=313 ruleId=7648"}},
      {C("always"), {"Do/20 it/66 always/52 ./48", "always", 0, "always: message=333 ruleId=7958"}},
      {C("always"), {"It/66 always/52 works/21", "always", -1, ""}},
      {C("again"), {"Do/20 it/66 again/52 start/20", "again", 0, "again: message=302 entryWords=2 ruleId=1232"}},
      {C("again"), {"It/66 started/22 again/52 x/40", "again", 3,
                    "started: suggestion=\"(started again)\" message=300 ruleId=7232"}},
      // A special token of class 20 is no verb to cover.
      {C("again"), {"Do/20 it/66 again/52 start/20{token=9}", "again", -1, ""}},
      {C("already"), {"It/66 not/29 already/52", "already", 0, ""}},
      {C("already"), {"It/66 is/24 already/52", "already", 1, "already: message=302 ruleId=4255"}},
      {C("apart"), {"Keep/20 apart/52 by/65 5/49", "apart", 0, "apart: message=302 ruleId=7648"}},
      {C("apart"), {"Keep/20 apart/52 ./48", "apart", -1, ""}},
      {C("approximately"), {"It/66 weighs/21 approximately/52 5/49", "approximately", 1,
                            "weighs: suggestion=\"(Give a weight range)\" message=300 ruleId=4255"}},
      {C("approximately"), {"It/66 is/24 approximately/52 5/49", "approximately", -1, ""}},
      {C("also"), {"It/66 also/52 ,/47", "also", 0, "also: message=302 ruleId=4255"}},
      {C("also"), {"It/66 only/52 if/70", "only", 4, "only: message=302 entryWords=2 ruleId=4153"}},
      {C("also"), {"You/78 also/52 need/20 to/68", "also", 8,
                   "also: suggestion=\"must\" message=335 entryWords=3 ruleId=5153"}},
      {C("also"), {"It/66 also/52 ./48", "also", 13, "also: message=302 ruleId=6255"}},
      {C("also"), {"Valve/10 also/52 ./48", "also", -1, nullptr}},
      // The particles "off", "down", "up" and "out" end the body at its gate.
      {C("back"), {"Remove/20 back/52{mark=1} cover/10", "back", 5, "back: wordClass=10"}},
      {C("back"), {"x/40 back/52{sub=325} of/67", "back", 6, "back: wordClass=10 subClass=0"}},
      // The verb before "back", by its letters.
      {C("back"), {"x/40 came/22 back/52 y/40", "back", 30,
                   "came: suggestion=\"return/go to\" message=315 entryWords=2 ruleId=4938"}},
      {C("back"), {"x/40 fall/20 back/52 y/40", "back", 37,
                   "fall: suggestion=\"fall/fell/fallen\" message=315 entryWords=2 ruleId=4938"}},
      // A special token before "back" is no verb.
      {C("back"), {"x/40 push/20{token=9} back/52 y/40", "back", -1, nullptr}},
      {C("back"), {"x/40 back/52 if/70", "back", 40,
                   "back: suggestion=\"(Rephrase)\" message=324 entryWords=2 ruleId=9845"}},
      {C("back"), {"x/40 back/52 inside/75", "back", 6, nullptr}},
      {C("back"), {"x/40 back/52 inside/40", "back", 41,
                   "back: suggestion=\"into/move to\" message=324 entryWords=2 ruleId=9845"}},
      {C("back"), {"x/40 get/20 back/52 to/68{msg=331}", "back", 50,
                   "get: suggestion=\"go to\" message=313 entryWords=3 ruleId=4664\nto: message=0"}},
      {C("back"), {"x/40 put/20 back/52 in/60 position/10", "back", 52,
                "put: suggestion=\"in the correct position\" message=313 entryWords=4 ruleId=4664\nin: wordClass=40\n"
                   "position: wordClass=40"}},
      {C("back"), {"x/40 back/52 to/68", "back", 54, "back: message=304 ruleId=1948"}},
      {C("back"), {"x/40 back/52 y/40", "back", -1, ""}},
      {C("both"), {"Clean/20 BOTH/52 sides/11", "BOTH", 0, "BOTH: suggestion=\"THE TWO\" message=301 ruleId=2885"}},
      {C("both"), {"Clean/20 both/52 x/40", "both", 2, "both: suggestion=\"(for)/the two\" message=327 ruleId=2896"}},
      {C("both"), {"x/40 in/75 both/52 cases/11{code=NMP***}", "both", 3,
                   "in: suggestion=\"in each/the two\" message=331 entryWords=2 ruleId=5894"}},
      {C("both"), {"x/40 both/52 valves/11{code=NMP***}", "both", 7,
                   "both: suggestion=\"(for)/the two\" message=331 ruleId=5894"}},
      // Class 45 after the word ends the body at its gate.
      {C("below"), {"x/40 Below/52 50/49", "Below", 0,
                    "Below: suggestion=\"Less than\" tag=\"<AR>\" message=311 ruleId=1767"}},
      {C("below"), {"x/40 drops/21 below/52 y/40", "below", 6,
                    "drops: suggestion=\"less than\" message=324 entryWords=2 ruleId=4257"}},
      {C("below"), {"x/40 below/52 :/42", "below", 8, "below: message=324 ruleId=3245"}},
      // A measured word before "below", from the third word on.
      {C("below"), {"It/66 is/24 lowered/22 below/52 y/40", "below", 10,
                    "lowered: suggestion=\"(Give Range or distance)\" message=324 entryWords=2 ruleId=1246"}},
      {C("below"), {"x/40 y/40 stays/21 below/52 stop/20", "below", 13, nullptr}},
      {C("below"), {"temperature/10 below/52 z/40", "below", -1, nullptr}},
      {C("below"), {"x/40 below/52 fit/20", "below", 25, "fit: message=322 ruleId=4234"}},
      {C("double"), {"x/40 Double/52 Wall/10 thickness/10", "Double", 0,
                     "Double: suggestion=\"Double-Wall\" message=317 entryWords=2 ruleId=8234"}},
      {C("double"), {"x/40 double/52 check/20", "double", 1,
                     "double: suggestion=\"two/(Rephrase)\" message=324 ruleId=6654"}},
      {C("double"), {"x/40 double/52 wall/10{mark=1} thickness/10", "double", 1, nullptr}},
      {C("directly"), {"x/40 directly/52 above/73", "directly", 0, "directly: message=304 ruleId=6654"}},
      {C("directly"), {"x/40 directly/52 to/68", "directly", -1, ""}},
      {C("either"), {"x/40 either/52 be/25", "either", 0, "either: message=302 entryWords=2 ruleId=2238"}},
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
      {C("fully"), {"x/40 fully/52 filled/22{mark=1}", "fully", -1, ""}},
      {C("first"), {"x/40 first/52 with/74", "first", 0, "first: message=333 ruleId=5153"}},
      {C("first"), {"x/40 without/75 first/52{msg=333 sub=333} y/40", "first", 2,
                    "without: message=302 entryWords=2 ruleId=1321\nfirst: subClass=0 message=0"}},
      {C("first"), {"x/40 first/52{mark=1} y/30", "first", 3, ""}},
      {C("first"), {"do/20{code=V0****} first/52 y/30", "first", 7, ""}},
      {C("first"), {"x/40 first/52 y/30", "first", 8, "first: message=333 ruleId=3176"}},
      {C("how"), {"x/40 how/52{mark=1} y/40", "how", 0, "how: message=302 ruleId=5153"}},
      {C("how"), {"x/40 how/52 many/38 valves/10", "how", 2, "valves: suggestion=\"(Check for plural)\""}},
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
      {C("over"), {"a/40 b/40 you/78 over/52 y/40", "over", 13, "you: message=302 entryWords=2 ruleId=5428",
                   LongSentence}},
      {C("over"), {"a/40 go/20{code=V0****} over/52 to/68", "over", 14, "go: message=315 entryWords=2 ruleId=1236"}},
      {C("over"), {"x/40 over/52 5/49", "over", 15, "over: suggestion=\"more than\" message=305 ruleId=2237"}},
      {C("over"), {"a/40 b/40 c/40 over/52 there/52", "over", 17, nullptr}},
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
      {C("too"), {"x/40 too/52 y/40", "too", 8, "too: message=304 ruleId=6188"}},
      {C("thus"), {"x/40 thus/52 is/24", "thus", 0, "thus: message=302 entryWords=2 ruleId=6948"}},
      {C("thus"), {"x/40 thus/52 y/40", "thus", 1, "thus: message=304 ruleId=3948"}},
      {C("together"), {"x/40 together/52 ,/47", "together", 0, "together: message=333 ruleId=3342"}},
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
      {C("where"), {"x/40 where/52 it/66 runs/21{code=V0****}", "where", 3, "it: message=320 ruleId=4154"}},
      {C("where"), {"a/40 b/40 tell/20 where/52 y/40", "where", 4,
                    "tell: suggestion=\"find/know/show\" message=324 entryWords=2 ruleId=4154"}},
  };
  RunTableCases(kCases);
}

// A joined suggestion that does not fit is cut at its bound: "double-" and
// a long compound at 80, an earlier suggestion and "/for example" at 84.
TEST(AdverbChains, LongSuggestionsAreCut) {
  const std::string wall(70, 'w'), earlier(80, 'e');
  const struct {
    std::string text;
    const char* at;
    std::string want;
  } kCases[] = {
      {"x/40 double/52 " + wall + "/10 thickness/10", "double", ("double-" + wall).substr(0, 79)},
      {"x/40 such/52{sug=" + earlier + "} as/54", "such", (earlier + "/for example").substr(0, 83)},
  };
  for (const auto& k : kCases) {
    auto words = BuildWords(k.text.c_str());
    SentenceStateRec state;
    RuleContext c{.word = FindWord(*words, k.at), .head = words->head(), .state = state};
    ApplyFirstMatch(c, ChainRows(k.at));
    EXPECT_EQ(c.word->suggestion.str(), k.want) << k.at;
  }
}

}  // namespace
