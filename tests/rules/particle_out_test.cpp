// The rules of the particle "out".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_tables.h"
#include "tests/rules/particle_case_lists.h"

namespace {

using namespace particle;

void TwoWords(SentenceStateRec& s) { s.sentenceWordCount = 2; }
void ThreeWords(SentenceStateRec& s) { s.sentenceWordCount = 3; }

TEST(OutRules, OpeningAndPhrases) {
  static const RowCase kOpening[] = {
      {"out/61 y/10", "out", 0, "out: message=331 ruleId=7318", TwoWords},
      {"OUT/61 y/10 z/10", "OUT", 0, "OUT: message=331 ruleId=7318", ThreeWords},
      {"out/61 (/41", "out", 1, "out: message=323 ruleId=3465 verbForm=X"},
      {"OUT/61 ./48", "OUT", 1, "OUT: message=323 ruleId=3465 verbForm=X"},
      {"OUT/61 y/10", "OUT", -1, "", TwoWords},
  };
  RunRowCases(kOutOpening, kOpening);
  static const RowCase kPhrases[] = {
      {"x/10 out/61 from/67 under/60", "out", 0, "out: suggestion=\"... from below\" message=302 entryWords=3 ruleId=5656"},
      {"x/10 out/61 from/67 y/10", "out", 1, "out: suggestion=\"from\" message=304 entryWords=2 ruleId=3465"},
      {"x/10 run/20 out/61 of/67 y/10", "out", 2, "run: suggestion=\"decrease/go/(Rephrase)\" message=302 entryWords=3 ruleId=5656"},
      {"x/10 going/23 out/61 of/67 y/10", "out", 2, nullptr},
      {"x/10 ran/22 out/61 of/67 y/10", "out", -1, ""},
  };
  RunRowCases(kOutPhrases, kPhrases);
}

TEST(OutRules, VerbTable) {
  std::deque<std::string> texts;
  auto cases = VerbCases(
      texts, "out/61",
      {{"age/10", 0},       {"averaged/22", 1},  {"bail/20", 2},      {"back/10", 2},      {"blank/30", 3},
       {"bleeds/21", 4},    {"blocked/22", 4},   {"blow/20", 4},      {"bottomed/22", 5},  {"broken/22", 6},
       {"burned/22", 7},    {"carried/22", 8},   {"cleaned/22", 9},   {"comes/21", 10},    {"coming/23", 10},
       {"check/20", 11},    {"cut/20", 11},      {"drained/22", 12},  {"drills/21", 13},   {"dries/21", 13},
       {"dropped/22", 14},  {"dry/20", 15},      {"dumped/22", 16},   {"even/30", 17},     {"facing/23", 18},
       {"falls/21", 19},    {"fanned/22", 20},   {"figure/20", 21},   {"fill/20", 22},     {"filtered/22", 23},
       {"flows/21", 24},    {"flush/20", 25},    {"forced/22", 26},   {"give/20", 27},     {"gray/30", 28},
       {"goes/21", 29},     {"grind/20", 29},    {"hand/10", 30},     {"iron/10", 31},     {"just/50", 32},
       {"laid/22", 33},     {"lays/21", 34},     {"leads/21", 35},    {"leaked/22", 36},   {"level/30", 37},
       {"lift/20", 38},     {"light/10", 39},    {"logged/22", 39},   {"lock/20", 40},     {"makes/21", 41},
       {"mark/20", 42},     {"moving/23", 42},   {"phase/10", 43},    {"points/21", 44},   {"polish/20", 44},
       {"press/20", 45},    {"printed/22", 46},  {"pulls/21", 47},    {"pushed/22", 48},   {"pump/20", 48},
       {"reached/22", 50},  {"reads/21", 50},    {"results/21", 51},  {"round/30", 52},    {"rolled/22", 53},
       {"ruling/23", 53},   {"runs/21", 54},     {"rinsed/22", 54},   {"scoop/20", 55},    {"seeps/21", 56},
       {"sent/22", 57},     {"single/30", 57},   {"shifted/22", 58},  {"shutting/23", 58}, {"signs/21", 59},
       {"slid/22", 60},     {"smooth/30", 61},   {"sprayed/22", 62},  {"springs/21", 63},  {"squirts/21", 64},
       {"stood/22", 65},    {"stands/21", 65},   {"started/22", 66},  {"straight/30", 67}, {"sucked/22", 68},
       {"switch/20", 69},   {"take/20", 70},     {"timing/23", 71},   {"turned/22", 72},   {"watch/20", 73},
       {"way/10", 73},      {"zoom/20", 74},
       // Whole words, near misses, a word of two with a blank, "put" before no comma.
       {"presses/21", -1},  {"brokenly/50", -1}, {"zoomed/22", -1},   {"dryer/10", -1},    {"pay/20", -1},
       {"push_button/10", -1}, {"put/20", -1},   {"xyz/10", -1}});
  cases.push_back({"x/10 put/20 out/61 ,/47", "out", 49,
                   "put: suggestion=\"remove/push/drain\" message=315 entryWords=2 ruleId=7656"});
  cases.push_back({"x/10 take/20{msg=325} out/61 y/10", "out", 70,
                   "take: suggestion=\"remove/removes\" message=315 entryWords=2 ruleId=7656"});
  // No advice: the verb keeps its own.
  cases.push_back({"x/10 checked/22{sug=check} out/61 y/10", "out", 11, "checked: message=315 entryWords=2 ruleId=7656"});
  RunRowCases(kOutVerbs, cases);
}

TEST(OutRules, OutOfAndTheSentenceEnd) {
  static const RowCase kEnd[] = {
      {"x/10 out/61 ./48", "out", 0, "out: message=331 ruleId=7318"},
      {"x/10 out/61 ,/47", "out", 0, nullptr},
      {"x/10 out/61 <b>/41", "out", 1, "out: message=331 ruleId=7318"},
      {"x/10 out/61 y/10", "out", -1, ""},
  };
  RunRowCases(kOutBeforeEnd, kEnd);
  static const RowCase kOf[] = {
      {"x/10 out/61 of/67 range/10", "out", 0, "out: suggestion=\"(Give range or limits)\" message=305 entryWords=3 ruleId=5656"},
      {"x/10 out/61 of/67 limits/11", "out", 0, nullptr},
      {"x/10 out/61 of/67 coverage/10", "out", 0, nullptr},
      {"x/10 out/61 of/67 balance/10", "out", 1, "out: suggestion=\"not balanced\" message=331 entryWords=3 ruleId=3465"},
      {"x/10 out/61 of/67 control/10", "out", 2, nullptr},
      {"x/10 out/61 of/67 alignment/10", "out", 3, nullptr},
      {"x/10 out/61 of/67 level/10", "out", 4, nullptr},
      {"x/10 out/61 of/67 round/30", "out", 5, "out: suggestion=\"not correct shape/damaged\" message=331 entryWords=3 ruleId=3465"},
      {"x/10 out/61 of/67 place/10", "out", 6, nullptr},
      {"x/10 out/61 of/67 service/10", "out", 7, "out: suggestion=\"not in operation\" message=331 entryWords=3 ruleId=3465"},
      {"x/10 out/61 of/67 shape/10", "out", 8, nullptr},
      {"x/10 out/61 of/67 view/10", "out", 9, nullptr},
      {"x/10 out/61{split=4} of/67 y/10", "out", 10, "out: message=317 ruleId=3465"},
      {"x/10 out/61 of/67 way/10", "out", 11, "out: suggestion=\"away from\" message=302 entryWords=3 ruleId=5656"},
      {"x/10 out/61{token=9} of/67 way/10", "out", -1, ""},
      {"x/10 out/61 of/67 y/10", "out", -1, ""},
  };
  RunRowCases(kOutOf, kOf);
  static const RowCase kParen[] = {
      {"x/10 OUT/61 (/41", "OUT", 0, "OUT: suggestion=\"is in the OFF position/is not illuminated\" message=323 ruleId=2607 verbForm=X"},
      {"x/10 out/61{mark=1} (/41", "out", 0, nullptr},
      {"x/10 out/61 (/41", "out", -1, ""},
  };
  RunRowCases(kOutParen, kParen);
}

TEST(OutRules, RemainingRows) {
  static const RowCase kCases[] = {
      {"x/10 out/61 through/60 y/10", "out", 0, "out: suggestion=\"through\" message=302 entryWords=2 ruleId=1502"},
      {"x/10 out/61 to/68 y/10", "out", 1, "out: suggestion=\"from ... to\" message=302 entryWords=2 ruleId=1502"},
      {"x/10 out/61 ports/11", "out", 2, "out: suggestion=\"output ports\" message=314 entryWords=2 ruleId=1502"},
      {"x/10 out/61 port/10", "out", 3, "out: suggestion=\"output port\" message=314 entryWords=2 ruleId=1502"},
      {"a/10 b/10 cut/20{split=4} out/61{split=4} y/10", "out", 4, "out: message=317 ruleId=3464"},
      {"a/10 b/10 5/49{split=4} out/61{split=4} y/10", "out", 5, ""},
      {"a/10 b/10 cut/20{split=4} out/61{split=4} -/40", "out", 5, ""},
      {"a/10 go/20 b/10 out/61 c/10{mark=1}", "out", 6, "out: message=331 ruleId=4818"},
      {"a/10 b/10 c/10{token=9} out/61 d/10{mark=1}", "out", 6, "out: message=331 ruleId=4818"},
      {"a/10 it/66 is/24 out/61 y/10", "out", 7, "out: message=331 ruleId=2609"},
      {"a/10 they/66 are/25 out/61 y/10", "out", 8, "out: message=331 ruleId=2609"},
      {"x/10 out/61 around/73 y/10", "out", 9, "out: message=300 entryWords=2 ruleId=2434"},
      {"x/10 out/61 through/60{mark=1} y/10", "out", 9, nullptr},
      {"x/10 reading/23 out/61 y/10", "out", 10, "reading: message=338 entryWords=2 ruleId=3646"},
      // An ordinary word two back that is no verb; "out" after "the"; the start of the sentence.
      {"a/10 b/10 c/10 out/61 d/10{mark=1}", "out", -1, ""},
      {"a/10 it/66 is/24 out/61{mark=1} y/10", "out", -1, ""},
      {"x/10 out/61{pos=0} to/68 y/10", "out", -1, ""},
  };
  RunRowCases(kOutRest, kCases);
}

TEST(OutBody, StepsAndResumeWords) {
  static const BodyCase kCases[] = {
      // "out of the way": the finding on "way"; the full stop after it is left alone.
      {"move/20 cart/10{mark=1} out/61 of/67 way/10{mark=1} ./48", "out",
       "out: suggestion=\"out of the way\" entryWords=3\nof: wordClass=40\n"
       "way: suggestion=\"away from\" wordClass=40 message=324 ruleId=3894", "way"},
      {"MOVE/20 IT/66 OUT/61 OF/67 WAY/10{mark=1} ./48", "OUT",
       "OUT: suggestion=\"OUT OF THE WAY\" entryWords=3\nOF: wordClass=40\n"
       "WAY: suggestion=\"away from\" wordClass=40 message=324 ruleId=3894", "WAY"},
      // An ordinary word after it keeps no findings; its text stays.
      {"x/10 out/61 of/67 way/10{mark=1} before/70{msg=331 sug=now} you/78", "out",
       "out: suggestion=\"out of the way\" entryWords=3\nof: wordClass=40\n"
       "way: suggestion=\"away from\" wordClass=40 message=324 ruleId=3894\nbefore: suggestion=\"\" message=0 verbForm=q",
       "way"},
      {"x/10 out/61 of/67 way/10{mark=1}", "out",
       "out: suggestion=\"out of the way\" entryWords=3\nof: wordClass=40\n"
       "way: suggestion=\"away from\" wordClass=40 message=324 ruleId=3894", "way"},
      {"x/10 out/61 of/67 the/64 way/10", "out", "", "out"},
      {"Out/61 of/67 y/10 ./48", "Out", "Out: message=331 ruleId=7318", "Out"},
      {"x/10 run/20 out/61 of/67 fuel/10", "out",
       "run: suggestion=\"decrease/go/(Rephrase)\" message=302 entryWords=3 ruleId=5656", "out"},
      {"x/10 run/20 out/61{msg=331} y/10", "out",
       "run: suggestion=\"stop/distance(n)/use all ...\" message=315 entryWords=2 ruleId=7656\nout: message=0", "out"},
      {"x/10 value/10 is/24 out/61 of/67 range/10 ./48", "out",
       "out: suggestion=\"(Give range or limits)\" message=305 entryWords=3 ruleId=5656\nof: wordClass=40\n"
       "range: wordClass=40", "range"},
      // "the" read into the word after "of": the rules of "out of" are skipped.
      {"x/10 value/10 is/24 out/61 of/67 range/10{mark=1} ./48", "out", "out: message=331 ruleId=2609", "out"},
      {"x/10 OUT/61 (/41 y/10", "OUT",
       "OUT: suggestion=\"is in the OFF position/is not illuminated\" message=323 ruleId=2607 verbForm=X", "OUT"},
      {"x/10 out/61 to/68 y/10", "out",
       "out: suggestion=\"from ... to\" message=302 entryWords=2 ruleId=1502\nto: wordClass=40", "to"},
      {"x/10 out/61 through/60{mark=1} y/10", "out", "out: message=300 entryWords=2 ruleId=2434", "through"},
      {"x/10 put/20 out/61 ,/47 y/10", "out",
       "put: suggestion=\"remove/push/drain\" message=315 entryWords=2 ruleId=7656", "out"},
      {"x/10 put/20 out/61 y/10", "out", "", "out"},
      {"x/10 y/10 out/61 ./48", "out", "out: message=331 ruleId=7318", "out"},
  };
  RunBodyCases(ApplyParticleRules, kCases);
}

}  // namespace
