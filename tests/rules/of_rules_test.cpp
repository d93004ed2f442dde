// The rules of "of", "from", "their" and "some", class 67.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/of_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace of_rules;

// A word before "from" or "of" and the advice it gets.
struct Before {
  const char* word;
  int row;
  const char* advice;  // null: none
};

// Cases of a list of words before "of" or "from", in the text "the <word>
// <function word> <next>".
std::vector<RowCase> BeforeCases(std::span<const Before> words, const char* at, const char* next, int rule,
                                 std::deque<std::string>& keep) {
  std::vector<RowCase> cases;
  for (const Before& b : words) {
    const char* text = keep.emplace_back(std::string("the/64 ") + b.word + "/10 " + at + "/67 " + next).c_str();
    const char* changes =
        b.row < 0 ? "" : keep.emplace_back(Finding(b.word, b.advice, 324, 2, rule)).c_str();
    cases.push_back({text, at, b.row, changes});
  }
  return cases;
}

TEST(OfRules, Gates) {
  static const RowCase kCases[] = {
      {"x/10 of/67 the/64", "of", 0, ""},
      {"x/10 of/67 <b>/10", "of", 1, ""},
      {"x/10 of/67 y/10{split=6}", "of", 2, ""},
      {"x/10 of/67 y/10{mark=1}", "of", 3, ""},
      {"Of/67 ./48", "Of", 4, ""},
      {"x/10 their/67 not/29", "their", 5, "their: suggestion=\"they are/(Rephrase)\" message=312 ruleId=2683"},
      // Only "their" reads as "they are".
      {"x/10 of/67 not/29", "of", -1, ""},
      {"x/10 some/67 not/29", "some", -1, ""},
      {"x/10 of/67 ./48", "of", 6, "of: message=331 ruleId=2683"},
      {"x/10 from/67 ,/47", "from", 6, "from: message=331 ruleId=2683"},
      {"x/10 of/67 and/63", "of", 7, "of: message=331 ruleId=2683"},
      {"x/10 of/67 @@END/41", "of", 8, "of: message=331 ruleId=2683"},
      {"x/10 of/67{split=6} y/10", "of", 9, "of: message=331 ruleId=2683"},
      {"Of/67 valves/11", "Of", 10, "Of: message=331 ruleId=2683"},
      {"From/67 valves/11", "From", 10, "From: message=331 ruleId=2683"},
      // "Some" and "Their" open a sentence without a preposition finding.
      {"Some/67 valves/11", "Some", -1, ""},
      {"Their/67 valves/11", "Their", -1, ""},
      {"the/64 pump/10 of/67 ?/48", "of", 11, ""},
      {"the/64 pump/10 of/67 @x/41", "of", 12, ""},
      {"it/66 is/24 of/67 ?/48", "of", 13, "of: message=320 ruleId=5878"},
      {"it/66 is/24 of/67 @x/41", "of", 14, "of: message=320 ruleId=5878"},
      {"x/10 of/67 it/66", "of", 15, "it: message=320 ruleId=3677"},
      {"x/10 of/67 y/10", "of", -1, ""},
  };
  RunRowCases(kGates, kCases);
}

TEST(OfRules, SomeAndTheir) {
  static const RowCase kSomeCases[] = {
      {"x/10 some/67 can/28", "some", 0, "some: message=320 ruleId=3978"},
      {"x/10 some/67 period/10", "some", 1,
       "some: suggestion=\"(Give range or measure)\" message=302 entryWords=2 ruleId=4978"},
      {"a/10 not/29 some/67 y/10", "some", 2, "not: message=320 entryWords=2 ruleId=1878"},
      {"a/10 not/29{token=9} some/67 y/10", "some", -1, ""},
      {"x/10 some/67 ;/42", "some", 3, ";: message=337 ruleId=180"},
      {"x/10 some/67 y/10", "some", -1, ""},
  };
  RunRowCases(kSome, kSomeCases);
  static const RowCase kTheirCases[] = {
      {"Their/67 valves/11", "Their", 0, ""},
      {"x/10 their/67 are/25", "their", 1, "their: suggestion=\"there\" message=301 ruleId=2783"},
      {"x/10 their/67 own/30", "their", 2, "their: suggestion=\"their/(Delete)\" message=320 entryWords=2 ruleId=1678"},
      {"x/10 their/67 pumps/11", "their", 3, "pumps: markFlag=1"},
      {"x/10 their/67 red/30", "their", -1, ""},
  };
  RunRowCases(kTheir, kTheirCases);
}

TEST(OfRules, From) {
  static const RowCase kFirstCases[] = {
      {"x/10 from/67 every/38", "from", 0, ""},
      {"x/10 from/67 y/10", "from", -1, ""},
  };
  RunRowCases(kFromFirst, kFirstCases);
  static const std::string k[] = {
      Finding("from", "from ...", 313, 3, 1862),                          // 0
      Finding("from", nullptr, 330, 3, 2875),                             // 1
      Finding("from", nullptr, 334, 2, 2875),                             // 2
      Finding("from", nullptr, 330, 2, 2875),                             // 3
      Finding("from", "from the two", 302, 2, 4757),                      // 4
      Finding("from", "from one of the two", 302, 2, 4757),               // 5
      Finding("from", "from a position above the ...", 302, 2, 4757),     // 6
      Finding("from", "from a position below the ...", 302, 2, 4757),     // 7
      Finding("from", "from operation/after servicing", 313, 2, 2876),    // 8
      Finding("from", "from below", 313, 2, 2876),                        // 9
  };
  const RowCase phraseCases[] = {
      {"x/10 from/67 inside/75", "from", 0, "inside: message=302 ruleId=5678"},
      {"x/10 from/67 its/60 own/30", "from", 1, k[0].c_str()},
      {"x/10 from/67 turning/23", "from", 2, "turning: message=338 ruleId=1470"},
      {"x/10 from/67 being/25 tested/22", "from", 3, k[1].c_str()},
      {"x/10 from/67 not/29 y/10", "from", 4, k[2].c_str()},
      {"x/10 from/67 being/25 y/10", "from", 5, k[3].c_str()},
      {"x/10 from/67 both/52", "from", 6, k[4].c_str()},
      {"x/10 from/67 either/52", "from", 7, k[5].c_str()},
      {"x/10 from/67 above/73", "from", 8, k[6].c_str()},
      {"x/10 from/67 below/52", "from", 9, k[7].c_str()},
      {"x/10 from/67 y/10", "from", -1, ""},
  };
  RunRowCases(kFromPhrases, phraseCases);
  static const Before kBefore[] = {
      {"as", 0, "from/(Rephrase)"},          {"bled", 1, "assistance from/(Rephrase)"},
      {"backing", 1, "assistance from/(Rephrase)"}, {"cleaned", 2, "away from"},
      {"coming", 2, "away from"},            {"differ", 3, "different from"},
      {"drops", 4, "fall/decrease from"},    {"downstream", 5, "at a distance from/from"},
      {"either", 6, "one of the two"},       {"freed", 7, "no.../without/(Rephrase)"},
      {"farther", 8, "at a distance of/(Give distance)"},
      {"gets", 9, nullptr},                  {"gone", 9, nullptr},
      {"out", 10, "from/from the/from a"},   {"powered", 11, "get power from/power is supplied from"},
      {"runs", 12, "operated by/operated with"}, {"regardless", 13, "(Rephrase)"},
      {"results", 14, "result/can cause"},   {"stems", 15, "indication/visible/not visible"},
      {"sign", 15, "indication/visible/not visible"}, {"way", 16, "(Rephrase)"},
      {"differs", -1, nullptr},              {"signs", -1, nullptr},
  };
  static std::deque<std::string> keep;
  RunRowCases(kBeforeFrom, BeforeCases(kBefore, "from", "y/10", 2877, keep));
  const RowCase restCases[] = {
      {"x/10 from/67 turning/23{sug=turn}", "from", 0, ""},
      {"x/10 from/67 turning/23", "from", 1, "turning: message=338 ruleId=4678"},
      {"x/10 from/67 one/49 of/67", "from", 2, ""},
      {"x/10 from/67 one/49 pump/10", "from", 3, ""},
      {"x/10 from/67 one/49 y/50", "from", 4, "one: message=320 ruleId=6278"},
      {"x/10 from/67 which/69", "from", 5, ""},
      {"a/10 b/10 from/67 service/10", "from", 6, k[8].c_str()},
      {"a/10 b/10 from/67 under/60", "from", 7, k[9].c_str()},
      {"x/10 from/67 under/60", "from", -1, ""},
      {"a/10 b/10{token=9} from/67 under/60", "from", -1, ""},
  };
  RunRowCases(kFromRest, restCases);
}

TEST(OfRules, OfPhrasesAndTheWordsBefore) {
  static const RowCase kFirstCases[] = {
      {"x/10 of/67 times/11", "of", 0, ""},
      {"x/10 of/67 y/10", "of", -1, ""},
  };
  RunRowCases(kOfFirst, kFirstCases);
  static const std::string k[] = {
      Finding("period", "(Give time ref.)", 305, 3, 7658),         // 0
      Finding("kind", "type of/each of the", 313, 2, 5658),        // 1
      Finding("x", "that can measure", 338, 3, 7658),              // 2
      Finding("x", "that can move", 338, 3, 7658),                 // 3
      Finding("x", "that can turn", 338, 3, 7658),                 // 4
      Finding("x", nullptr, 338, 3, 7658),                         // 5
  };
  const RowCase phraseCases[] = {
      {"x/10 of/67 to/68", "of", 0, ""},
      {"the/64 period/10 of/67 time/10", "of", 2, k[0].c_str()},
      {"the/64 length/10 of/67 time/10", "of", 2, "length: suggestion=\"(Give time ref.)\" message=305 entryWords=3 ruleId=7658"},
      {"the/64 number/10 of/67 pumps/10", "of", 3, "pumps: message=303 ruleId=7658"},
      {"x/10 of/67 interest/10", "of", 4, "of: message=304 entryWords=2 ruleId=7778"},
      {"the/64 kind/10 of/67 y/10", "of", 5, k[1].c_str()},
      {"the/64 each/37 of/67 y/10", "of", 5, "each: suggestion=\"type of/each of the\" message=313 entryWords=2 ruleId=5658"},
      {"x/10 of/67 measuring/23", "of", 6, k[2].c_str()},
      {"x/10 of/67 moving/23", "of", 7, k[3].c_str()},
      {"x/10 of/67 turning/23", "of", 8, k[4].c_str()},
      {"x/10 of/67 being/25", "of", 9, k[5].c_str()},
      {"x/10 of/67 y/10", "of", -1, ""},
  };
  // The period with the core dictionary: covered, without a finding.
  RunRowCases(kOfPhrases, phraseCases);
  struct SteCase {
    const char* text;
    int row;
    const char* changes;
  };
  static const SteCase kSteCases[] = {
      {"the/64 period/10 of/67 time/10", 1, "period: entryWords=3"},
      {"the/64 duration/10 of/67 time/10", 2,
       "duration: suggestion=\"(Give time ref.)\" message=305 entryWords=3 ruleId=7658"},
  };
  for (const SteCase& k : kSteCases) {
    SCOPED_TRACE(k.text);
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    RuleContext c{.word = FindWord(*words, "of"), .head = words->head(), .state = state, .steDictionary = 1};
    ASSERT_EQ(FirstMatch(c, kOfPhrases), k.row);
    ApplyRow(c, kOfPhrases[static_cast<std::size_t>(k.row)]);
    EXPECT_EQ(words->Changes(), k.changes);
  }

  static const Before kBefore[] = {
      {"ahead", 0, "before"},
      {"addition", 1, "add (v)/(Rephrase)"},
      {"affect", 2, "know about/know"},
      {"amount", 3, "quantity of/(Give value)"},
      {"aims", 4, "action of/result of/(Rephrase)"},
      {"abundance", 5, "(Give quantity)"},
      {"better", 6, "start(n)/source/start(v)"},
      {"couple", 7, "(Give measurement)"},
      {"consists", 8, "(Rephrase)"},
      {"check", 9, "make a test for"},
      {"chances", 10, nullptr},
      {"composed", 11, "two"},
      {"capable", 12, "can"},
      {"clear", 13, "away from/at a distance"},
      {"evidence", 14, "indication of"},
      {"effect", 15, "cause/cause of"},
      {"empty", 16, "without/(Rephrase)"},
      {"event", 17, "(Rephrase)"},
      {"few", 18, "does not have/(Give quantity)"},
      {"film", 19, "layer of"},
      {"downstream", 20, "at a distance from"},
      {"drop", 21, "(Give quantity)"},
      {"hazard", 22, "risk of"},
      {"instruction", 23, "about"},
      {"independant", 24, "does not depend on/operates independently"},
      {"kinds", 25, "types of"},
      {"kindly", 26, "type of"},
      {"lack", 27, "(Rephrase)"},
      {"lots", 28, "not enough of"},
      {"measure", 29, "measurement of"},
      {"must", 30, "must have"},
      {"much", 31, "(Give quantity)"},
      {"needs", 32, "requirements for/(Rephrase)"},
      {"outside", 33, "from/other than/external side of/outer side"},
      {"purpose", 34, "(Rephrase)"},
      {"piece", 35, "part of"},
      {"signs", 36, "indications of"},
      {"signal", 37, "indication of"},
      {"sorts", 38, "type of"},
      {"true", 39, "monitor/track(n)"},
      {"void", 40, "without/does not have/do not have"},
      {"measures", -1, nullptr},
  };
  static std::deque<std::string> keep;
  std::vector<RowCase> cases = BeforeCases(kBefore, "of", "water/10", 5671, keep);
  // A drop of oil is no distance either, and has no finding.
  cases.push_back({"the/64 drop/10 of/67 oil/16", "of", -1, ""});
  RunRowCases(kBeforeOf, cases);
}

TEST(OfRules, OfInsideAndClosing) {
  static const RowCase kInsideCases[] = {
      {"x/10 of/67 turning/23", "of", 0, "of: message=338 entryWords=2 ruleId=3678"},
      {"x/10 of/67 turning/23{sub=302}", "of", 1, "turning: subClass=0 message=300 ruleId=3678"},
      {"x/10 of/67 use/10", "of", 3, "of: message=313 entryWords=2 ruleId=5977"},
      {"the/64 point/10 of/67 y/10", "of", 4, ""},
      {"the/64 point/10 of/67 red/30", "of", -1, ""},
      {"x/10{extra=8} of/67 y/10", "of", 5, ""},
      {"x/10{extra=5} of/67 y/10", "of", 5, ""},
      {"two/49 of/67 y/10", "of", 6, ""},
      {")/44 of/67 y/10", "of", 7, ""},
      {"the/64 type/10 of/67 y/10", "of", 8, ""},
      {"x/10 of/67 y/10", "of", -1, ""},
  };
  // "or" is a conjunction, which the gates take first.
  RunRowCases(kOfInside, kInsideCases);
  static const RowCase kClosingCases[] = {
      {"x/10 of/67 up/61 to/68", "of", 0,
       "of: suggestion=\"to a maximum of\" message=313 entryWords=3 ruleId=3679"},
      {"a/10 b/10 fixed/31 of/67 red/30", "of", 2, "of: message=331 ruleId=1578"},
      {"a/10 by/65 means/10 of/67 y/10", "of", 3,
       "by: suggestion=\"by/method\" message=324 entryWords=3 ruleId=1378"},
      {"by/65 means/10 of/67 y/10", "of", -1, ""},
      {"x/10 of/67 dollars/11", "of", 4, ""},
      {"x/10 of/67 doubt/10", "of", 5, "of: message=313 entryWords=2 ruleId=3679"},
      {"x/10 of/67 similar/30", "of", 6,
       "of: suggestion=\"of the type\" message=313 entryWords=2 ruleId=3679"},
      {"x/10 of/67 y/10", "of", -1, ""},
  };
  // "this" is a demonstrative, which the gates take first.
  RunRowCases(kOfClosing, kClosingCases);
}

// Through the body: the gates, the order of the chains and the resume words.
TEST(OfBody, ChainsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"Some/67 valves/11 are/25 open/30 ./48", "Some", "", "Some"},
      {"From/67 valves/11 y/10", "From", "From: message=331 ruleId=2683", "From"},
      {"x/10 of/67 not/29 y/10", "of", "", "of"},
      {"x/10 their/67 not/29 y/10", "their", "their: suggestion=\"they are/(Rephrase)\" message=312 ruleId=2683",
       "their"},
      {"x/10 their/67 are/25 y/10", "their", "their: suggestion=\"there\" message=301 ruleId=2783", "their"},
      {"the/64 kinds/11 of/67 valves/11", "of",
       "kinds: suggestion=\"types of\" message=324 entryWords=2 ruleId=5671", "of"},
      {"the/64 kind/10 of/67 valve/10", "of",
       "kind: suggestion=\"type of/each of the\" message=313 entryWords=2 ruleId=5658", "of"},
      {"a/10 by/65 means/10 of/67 y/10", "of",
       "by: suggestion=\"by/method\" message=324 entryWords=3 ruleId=1378\nmeans: wordClass=40\nof: wordClass=40",
       "of"},
      {"x/10 of/67 dollars/11 y/10", "of", "", "dollars"},
      {"x/10 of/67 each/37 y/10", "of", "each: wordClass=40", "each"},
      // At a negative position only the closing rows apply.
      {"x/10 of/67{pos=-1} interest/10 y/10", "of",
       "of: message=313 entryWords=2 ruleId=3679\ninterest: wordClass=40", "interest"},
      {"x/10 of/67 interest/10 y/10", "of", "of: message=304 entryWords=2 ruleId=7778\ninterest: wordClass=40",
       "interest"},
      {"x/10 from/67 which/69 y/10", "from", "", "which"},
      {"it/66 is/24 run/20{msg=302} from/67{msg=331} y/10", "from",
       "run: suggestion=\"operated by/operated with\" message=324 entryWords=2 ruleId=2877\nfrom: message=0",
       "from"},
      // The words before "from" are tried from the third word on.
      {"run/20 from/67 y/10", "from", "", "from"},
      {"x/10 from/67 not/29 y/10", "from", "from: message=334 entryWords=2 ruleId=2875\nnot: wordClass=40", "not"},
      {"x/10 from/67 valves/19 y/50", "from",
       "from: written=\"from?valves\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "valves: suggestion=\"the valves\" message=326 ruleId=2356",
       "from?valves"},
      {"x/10 their/67 pumps/11 y/10", "their", "pumps: markFlag=1", "their"},
      {"x/10 of/67 it/66 y/10", "of", "it: message=320 ruleId=3677", "it"},
  };
  RunBodyCases(ApplyOfRules, kCases);
}

}  // namespace
