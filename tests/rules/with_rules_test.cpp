// The rules of "with", class 74.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/with_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace with_rules;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void ShortSentence(SentenceStateRec& s) { s.sentenceWordCount = 3; }

// The texts a generated case table points into.
struct Texts {
  std::deque<std::string> kept;
  const char* Keep(std::string s) { return kept.emplace_back(std::move(s)).c_str(); }
};

TEST(WithRules, FixedPairsBeforeWith) {
  struct Pair {
    const char* word;
    const char* advice;  // null: the word keeps its own
  };
  static const Pair kPairs[] = {
      {"also", nullptr},
      {"aligns", "align to/aligns to"},
      {"associated", "related to/for"},
      {"assists", "help to"},
      {"away", "with/away from"},
      {"changes", "change by/changes by/(Rephrase)"},
      {"completed", "includes/(Rephrase)"},
      {"communicate", "tell/communications to/(Rephrase)"},
      {"combined", "includes/together/with"},
      {"continues", "continue to/continues to"},
      {"concerned", "problem/information/indication"},
      {"closely", "with/(Rephrase)"},
      {"coped", "control/(Rephrase)"},
      {"current", "(Give Date)"},
      {"corresponding", "same/related to/for"},
      {"designed", "include/(Rephrase)"},
      {"downstream", "from .../at a distance from/(Rephrase)"},
      {"equipped", "that have/that has/include/install"},
      {"either", "with/by"},
      {"end", "align/at a level"},
      {"familiar", "have/has/included"},
      {"fix", "installed/attached/set"},
      {"go", "go to/join"},
      {"helps", "control/controls/give ..."},
      {"issues", "problem with"},
      {"interfaces", "connect/to"},
      {"lined", "has a lining"},
      {"listed", "shown for"},
      {"moisten", "make moist with"},
      {"match", "align to/compare"},
      {"mated", nullptr},
      {"perpendicular", "vertical to"},
      {"person", "persons that have"},
      {"related", "related to"},
      {"stop", "stops at/stop at/stop"},
      {"started", "starts from/starts/start at"},
      {"square", "aligned to"},
      {"stuck", "does not move"},
      {"stock", "has items"},
      {"separately", "move from ... to"},
      {"signed", "(Rephrase for meaning)"},
      {"these", "(Rephrase)"},
      {"wet", "apply ... to/not dry"},
      {"working", "do work with"},
  };
  static Texts t;
  std::vector<RowCase> cases = {
      {"a/10 the/64 pump/10 with/74 y/10", "with", 0, ""},
      {"a/10 this/76 pump/10 with/74 y/10", "with", 0, ""},
      {"a/10 b/10 pump/10{mark=1} with/74 y/10", "with", 1, ""},
      {"a/10 b/10 pump/10 with/74 y/10", "with", -1, ""},
      // A whole word, not a stem: "persons" and "fixed" form no pair.
      {"a/10 b/10 persons/11 with/74 y/10", "with", -1, ""},
      {"a/10 b/10 fixed/22 with/74 y/10", "with", -1, ""},
  };
  std::size_t row = 2;
  for (const Pair& p : kPairs) {
    const std::string advice = p.advice ? std::string(" suggestion=\"") + p.advice + "\"" : "";
    const char* text = t.Keep(std::string("a/10 b/10 ") + p.word + "/30 with/74 y/10");
    const char* changes = t.Keep(std::string(p.word) + ":" + advice + " message=324 entryWords=2 ruleId=6735");
    cases.push_back({text, "with", static_cast<int>(row++), changes});
  }
  cases.push_back({"a/10 b/10 even/52 with/74 y/10", "with", 21,
                   "even: suggestion=\"align/at a level\" message=324 entryWords=2 ruleId=6735"});
  cases.push_back({"a/10 b/10 fitted/22 with/74 y/10", "with", 23,
                   "fitted: suggestion=\"installed/attached/set\" message=324 entryWords=2 ruleId=6735"});
  // "mate" and "also" keep the advice they had.
  cases.push_back({"a/10 b/10 mates/21{sug=fit} with/74 y/10", "with", 32, "mates: message=324 entryWords=2 ruleId=6735"});
  RunRowCases(kPair, cases);
}

TEST(WithRules, GatesOnTheNextWord) {
  static const RowCase kCases[] = {
      {"x/10 with/74 y/10{mark=1}", "with", 0, ""},
      {"x/10 with/74 y/40", "with", 1, ""},
      {"x/10 with/74 up/61", "with", 1, ""},
      {"x/10 with/74 y/10{code=A*****}", "with", 2, ""},
      {"x/10 with/74 five/49", "with", 3, ""},
      {"x/10 with/74 a/64", "with", 3, ""},
      {"x/10 with/74 oil/10", "with", 4, ""},
      {"x/10 with/74 y/10 [/41", "with", 5, ""},
      {"x/10 with/74 y/10{code=.*****}", "with", 6, ""},
      {"x/10 with/74 max/45", "with", 7, ""},
      {"x/10 with/74 <b>/10", "with", 8, ""},
      {"x/10 with/74 all/38", "with", 9, ""},
      {"x/10 with/74 y/10{token=9}", "with", 10, ""},
      {"x/10 with/74 you/78", "with", 11, ""},
      {"x/10 with/74 y/10", "with", -1, ""},
  };
  RunRowCases(kNextGates, kCases);
}

TEST(WithRules, RowsAtEveryPosition) {
  static const RowCase kCases[] = {
      {"it/66 flush/30 with/74 y/10", "with", 0, "flush: suggestion=\"align to\" message=331 entryWords=2 ruleId=6825"},
      {"x/10 with/74 only/52", "with", 1, "with: message=302 entryWords=2 ruleId=7825"},
      {"x/10 with/74 respect/10", "with", 1, "with: message=302 entryWords=2 ruleId=7825"},
      {"x/10 with/74{len=1} :/42", "with", 2, "with: message=320 length=4 ruleId=4728"},
      {"x/10 with/74 ./48", "with", 3, "with: message=320 ruleId=4728"},
      {"x/10 with/74 as/54 much/38", "with", 4, "with: message=321 entryWords=3 ruleId=6756"},
      {"it/66 is/24 with/74 y/10", "with", 5, "is: message=313 entryWords=2 ruleId=3726"},
      {"it/66 is/24{token=9} with/74 y/10", "with", -1, ""},
      {"x/10 with/74 using/23", "with", 6, "with: message=338 entryWords=2 ruleId=4825"},
      {"x/10 with/74 using/23{split=4}", "with", -1, ""},
      {"x/10 with/74 using/23{sub=1}", "with", -1, ""},
      {"x/10 with/74 it/66", "with", 7, "with: message=320 entryWords=2 ruleId=5627"},
      {"x/10 this/76 with/74 y/10", "with", 8, "this: message=320 ruleId=5627"},
      {"x/10 with/74 y/10", "with", -1, ""},
  };
  RunRowCases(kFirstRows, kCases);
}

TEST(WithRules, RowsFromTheFourthWord) {
  static const RowCase kCases[] = {
      {"a/10 b/10 c/10 with/74 one/10 another/37", "with", 0,
       "with: suggestion=\"with each ...\" message=324 entryWords=3 ruleId=3725"},
      {"a/10 b/10 c/10 with/74 no/77 failures/11", "with", 1,
       "with: suggestion=\"does not have failures\" message=324 entryWords=3 ruleId=3725"},
      {"a/10 b/10 only/52 with/74 y/10", "with", 2, "only: message=304 ruleId=3725"},
      {"a/10 b/10 c/10 with/74 several/38", "with", 3,
       "with: suggestion=\"that have xxx/(Give a range)\" message=305 entryWords=2 ruleId=5725"},
      {"a/10 b/10 c/10 with/74 help/10 from/67", "with", 4,
       "with: suggestion=\"and/(Rephrase)\" message=302 entryWords=3 ruleId=3725"},
      {"a/10 b/10 c/10 with/74 regard/10 to/68", "with", 5,
       "with: suggestion=\"with reference to/refer to/and\" message=302 entryWords=3 ruleId=3725"},
      {"a/10 b/10 c/10 with/74 over/60", "with", 7,
       "with: suggestion=\"for more than\" message=324 entryWords=2 ruleId=4725"},
      {"a/10 b/10 c/10 with/74 under/60", "with", 8,
       "with: suggestion=\"for less than\" message=324 entryWords=2 ruleId=4725"},
      {"a/10 b/10 c/10 with/74 even/52", "with", 9, "with: message=324 entryWords=2 ruleId=4725"},
      {"a/10 b/10 c/10 with/74 growing/23", "with", 10,
       "with: suggestion=\"for\" message=331 entryWords=2 ruleId=6825"},
      {"a/10 b/10 c/10 with/74 y/10", "with", -1, ""},
  };
  // "together" is a fixed pair from the fourth word on; the pair step ends
  // the treatment first.
  RunRowCases(kLaterRows, kCases);
}

TEST(WithRules, ClosingRows) {
  static const RowCase kCases[] = {
      {"x/10 with/74 more/10", "with", 0, "with: message=324 entryWords=2 ruleId=2725"},
      {"x/10 with/74 one/10 another/37", "with", 1,
       "with: suggestion=\"with each ...\" message=324 entryWords=3 ruleId=3725", LongSentence},
      // Without room for three more words.
      {"x/10 with/74 one/10 another/37", "with", 16, "", ShortSentence},
      {"the/64 type/10 with/74 y/10", "with", 2,
       "type: suggestion=\"type to/type for\" message=313 entryWords=2 ruleId=4786", LongSentence},
      {"x/10 with/74 no/77", "with", 3, ""},
      {"a/10 b/10 with/74 no/77{len=3}", "with", 18, ""},
      {"x/10 with/74 caution/10", "with", 4, "with: suggestion=\"be careful\" message=324 entryWords=2 ruleId=5726"},
      {"x/10 with/74 instructions/11", "with", 5,
       "with: suggestion=\"instructions for\" message=324 entryWords=2 ruleId=5726"},
      {"is/24 Compared/22 with/74 y/10", "with", 6,
       "Compared: suggestion=\"Compared to\" message=324 entryWords=2 ruleId=1232"},
      {"a/10 b/10 c/10 makes/21{msg=302} it/10{msg=325} with/74{msg=331} y/10", "with", 7,
       "makes: suggestion=\"use/uses\" message=324 entryWords=3 ruleId=5635\nit: message=0\nwith: message=0"},
      {"a/10 b/10 c/10 one/49 with/74 y/10", "with", 9, "one: message=320 entryWords=2 ruleId=3064"},
      {"a/10 b/10 c/10 two/49 with/74 y/10", "with", 10, "two: message=320 entryWords=2 ruleId=3064"},
      {"a/10 b/10 c/10 2/49 with/74 y/10", "with", 18, ""},
      {"x/10 with/74 that/69 case/10", "with", 11,
       "with: suggestion=\"for\" message=304 entryWords=3 ruleId=2871", LongSentence},
      {"x/10 with/74 that/69", "with", 12, "", LongSentence},
      {"a/10 b/10 c/10 higher/34 with/74 y/10", "with", 13,
       "higher: suggestion=\"higher than\" message=324 entryWords=2 ruleId=7625"},
      {"a/10 b/10 use/20 with/74 it/30", "with", 14, ""},
      {"a/10 b/10 use/20 with/74 if/70", "with", 15, "with: message=324 ruleId=20611"},
      {"x/10 with/74 y/10", "with", 16, ""},
      {"a/10 b/10 is/24 with/74 if/70", "with", 17, "with: message=313 entryWords=2 ruleId=2063"},
      {"a/10 b/10 with/74 y/10", "with", 18, ""},
      {"a/10 b/10 with/74 using/23{sub=2}", "with", 19, "using: subClass=0 message=313 ruleId=2063"},
      // The gerund message is cleared again: the rule id alone stays.
      {"a/10 b/10 with/74 using/23{mark=2}", "with", 20, "using: ruleId=2063"},
      // Only an -ing word split off a compound reaches the last row.
      {"a/10 b/10 with/74 Using/23{split=4}", "with", 21,
       "Using: suggestion=\"the Using\" message=338 ruleId=2063"},
  };
  // "complete" is a fixed pair from the fourth word on.
  RunRowCases(kLastRows, kCases);
}

TEST(WithBody, StepsAndResumeWords) {
  static const BodyCase kCases[] = {
      // Opening a sentence of four or more words, whatever follows.
      {"With/74 a/64 pump/10 y/10 ./48", "With", "With: suggestion=\"When/(Rephrase)\" message=324 ruleId=1340",
       "With", LongSentence},
      {"With/74 a/64 pump/10", "With", "", "With", ShortSentence},
      // The pair finding leaves "with" as it was and covers nothing.
      {"the/64 unit/10 is/24 equipped/22 with/74 a/64 pump/10", "with",
       "equipped: suggestion=\"that have/that has/include/install\" message=324 entryWords=2 ruleId=6735", "with"},
      // At the second or third word there is no pair: the rows on the next
      // word decide.
      {"it/66 equipped/22 with/74 caution/10", "with",
       "with: suggestion=\"be careful\" message=324 entryWords=2 ruleId=5726\ncaution: wordClass=40", "caution"},
      {"a/10 b/10 c/10 with/74 grease/16", "with", "", "with"},
      // Another word of the class has no rows.
      {"a/10 b/10 c/10 amid/74 caution/10", "amid", "", "amid"},
      {"x/10 with/74 as/54 much/38 y/10", "with",
       "with: message=321 entryWords=3 ruleId=6756\nas: wordClass=40\nmuch: wordClass=40", "much"},
      {"a/10 b/10 c/10 d/10 makes/21 it/10 with/74 y/10", "with",
       "makes: suggestion=\"use/uses\" message=324 entryWords=3 ruleId=5635", "with"},
      {"a/10 b/10 with/74 using/23{split=4}", "with",
       "using: suggestion=\"the using\" wordClass=40 message=338 ruleId=2063", "using"},
      {"a/10 b/10 with/74 no/77 y/10", "with", "", "no"},
      {"a/10 b/10 the/64 together/52 with/74 y/10", "with", "", "with"},
  };
  RunBodyCases(ApplyWithRules, kCases);
}

}  // namespace
