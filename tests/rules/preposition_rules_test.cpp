// The rules of the class-60 prepositions and relative words.
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/preposition_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace preposition;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }
void SubjectAndVerb(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.lastVerbClass = 20;
}

TEST(PrepositionRules, HeadAcrossAgainstSinceUntil) {
  static const TableCase kCases[] = {
      {kHead, {"x/10 into/60 ./48", "into", 1, ""}},
      {kHead, {"x/10 into/60 y/10", "into", -1, ""}},
      {kAcross, {"it/66 comes/21 across/60 y/10", "across", 1, "comes: message=324 entryWords=2 ruleId=7234"}},
      {kAcross, {"it/66 comes/21{token=9} across/60 y/10", "across", -1, ""}},
      {kAgainst, {"a/10 b/10 compare/20 against/60 y/10", "against", 1,
       "compare: suggestion=\"compared to\" message=324 entryWords=2 ruleId=3434"}},
      {kAgainst, {"a/10 b/10 runs/21 against/60 y/10", "against", 5,
       "runs: suggestion=\"(Rephrase for clarity)\" message=324 entryWords=2 ruleId=3434"}},
      {kAgainst, {"a/10 b/10 c/10 against/60 y/10", "against", -1, ""}},
      {kSince, {"x/10 since/60 y/10", "since", 2,
       "since: suggestion=\"because/time between/after/(Rephrase)\" message=324 ruleId=1316"}},
      {kUntil, {"x/10 until/60 no/77 y/10", "until", 0, KeptFinding("until", "(Rephrase)", 304, 2, 5236)}},
      {kUntil, {"x/10 until/60 y/10", "until", -1, ""}},
  };
  RunTableCases(kCases);
}

TEST(PrepositionRules, IntoAndIts) {
  static const TableCase kCases[] = {
      {kInto, {"it/66 will/28 come/20 into/60 contact/10 with/74 y/10", "into", 3,
       "come: suggestion=\"touch/touches\" message=300 entryWords=3 ruleId=1389"}},
      {kInto, {"it/66 will/28 come/20 into/60 place/10{mark=1}", "into", -1, ""}},
      {kInto, {"it/66 plugs/21{sug=x} into/60 y/10", "into", 7,
          "plugs: suggestion=\"\" message=324 entryWords=2 ruleId=3489"}},
      {kIts, {"go/20 into/60 its/60 y/61", "its", 7, "its: message=304 ruleId=2379"}},
      {kIts, {"x/10 its/60 y/61", "its", -1, ""}},
  };
  RunTableCases(kCases);
}

TEST(PrepositionRules, ThroughWhatWho) {
  static const TableCase kCases[] = {
      {kThroughVerb, {"it/66 exits/21 through/60 y/10", "through", 0, KeptFinding("exits",
          "moves through/goes through", 300, 2, 5233)}},
      // "pass" ends in "s" but is no -s form.
      {kThroughVerb, {"to/68 pass/20 through/60 y/10", "through", 1, KeptFinding("pass",
          "move through/go through", 300, 2, 5233)}},
      {kThroughVerb, {"it/66 works/21 through/60 y/10", "through", 9, KeptFinding("works", "do", 300, 2, 5233)}},
      {kThroughVerb, {"it/66 flows/21 through/60 y/10", "through", -1, ""}},
      {kWhat, {"a/10 b/10 what/60 if/70", "what", 1, "what: message=313 entryWords=2 ruleId=8788"}},
      {kWhat, {"x/10 what/60 y/10", "what", -1, ""}},
      {kWho, {"a/10 xyz/12{msg=325} who/60 can/28", "who", 1, "xyz: wordClass=10 message=0"}},
      {kWho, {"x/10 who/60 y/10", "who", -1, ""}},
  };
  RunTableCases(kCases);
}

TEST(PrepositionRules, Under) {
  static const TableCase kCases[] = {
      {kUnder, {"x/10 under/60 no/77 circumstances/11", "under", 0, KeptFinding("under",
          "do not/(Rephrase)", 304, 3, 5236)}},
      {kUnder, {"x/10 under/60 high/30 y/10", "under", 1, KeptFinding("under",
          "less than/(Give limit)", 324, 1, 5236)}},
      {kUnder, {"x/10 under/60 covers/11", "under", 6, KeptFinding("under", "(Use a better phrase.)", 324, 2, 3245)}},
      {kUnder, {"it/66 dries/21 under/60 y/10", "under", 14, KeptFinding("dries",
          "is dry/dry/(Rephrase)", 324, 2, 5384)}},
      {kUnder, {"is/24 just/52 under/60 y/10", "under", 16, KeptFinding("just", "(Give Measurement)", 324, 2, 5384)}},
      // The comma is advised as itself, never doubled.
      {kUnder, {"a/10 b/10 ,/47 under/60 y/20", "under", 23, ",: suggestion=\",\" message=318 ruleId=1491"}},
      {kUnder, {"a/10 ,/47 under/60 y/20", "under", -1, ""}},
      {kUnder, {"x/10 under/60 stress/40", "under", 34, KeptFinding("under", "stress applied", 324, 2, 1224)}},
      // "section" keeps the advice "under" got first.
      {kUnder, {"x/10 under/60 section/40", "under", 38, KeptFinding("under", nullptr, 324, 2, 1224)}},
  };
  RunTableCases(kCases);
}

// The class head, the opening steps and each chain through the body; the
// resume word past covered words and the article steps.
TEST(PrepositionBody, ChainsAndResumeWords) {
  const std::string underFirst = "under: suggestion=\"below/in/less than\" message=331 tokenKind=9 ruleId=4236";
  const std::string underUse =
      "under: suggestion=\"below/in/less than\" message=324 entryWords=2 tokenKind=9 ruleId=1224\nuse: wordClass=40";
  const std::string listed =
      "listed: suggestion=\"shown below/shown in ...\" message=324 entryWords=2 ruleId=5384\n" + underFirst;
  RunBodyCases(ApplyPrepositionRules, {
      {"Under/60 the/64 cover/10 ./48", "Under", "Under: message=331 ruleId=4934", "Under"},
      {"Since/60 it/66 is/24 hot/30 ,/47 stop/20 ./48", "Since", "Since: message=331 ruleId=4934", "Since",
       LongSentence, "scratchResult=1"},
      {"x/10 across/60 from/67 y/10", "across",
       "across: suggestion=\"opposite to/opposite\" message=324 entryWords=2 ruleId=5235\nfrom: wordClass=40", "from"},
      {"x/10 against/60 y/10", "against", "", "against", SubjectAndVerb, "subjectSeen=-1 lastVerbClass=-1"},
      {"it/66 will/28 come/20 into/60 contact/10 ./48", "into",
       "come: suggestion=\"touch/touches\" message=300 entryWords=3 ruleId=1389", "contact"},
      {"x/10 its/60 own/30 y/10", "its", "its: suggestion=\"its\" message=312 entryWords=2 ruleId=1379\nown: wordClass=40",
       "own"},
      {"a/10 b/10 through/60{split=4} c/10", "through", "through: message=317 ruleId=4934", "through"},
      {"it/66 flows/21 through/60 what/60", "through", "through: message=331 entryWords=2 ruleId=5234\nwhat: wordClass=40",
       "what"},
      {"x/10 what/60 to/68 do/28 y/10", "what", "what: message=321 entryWords=3 ruleId=2356\nto: wordClass=40\ndo: wordClass=40",
       "do"},
      {"x/10 who/60 help/20 y/10 z/10", "who", "who: suggestion=\"to help\" message=312 ruleId=4472", "y"},
      // "under": the finding it always gets, kept or replaced.
      {"x/10 under/60 pump/10 ./48", "under", underFirst.c_str(), "pump"},
      {"x/10 under/60 heat/10 y/10", "under",
       "under: suggestion=\"has a temperature of less than\" message=324 entryWords=2 tokenKind=9 ruleId=3245\n"
       "heat: wordClass=40", "heat"},
      {"x/10 under/60 use/20 ./48", "under", underUse.c_str(), "use"},
      {"a/10 b/10 ,/47 under/60 y/20", "under",
       ",: suggestion=\",\" message=318 ruleId=1491\nunder: suggestion=\"below/in/less than\" tokenKind=9 ruleId=4236",
       "under"},
      {"it/66 is/24 listed/22 under/60 y/20", "under", listed.c_str(), "under"},
      // The article step writes "the" before the noun through the engine's
      // article function, the two words joined.
      {"pump/10 between/60 valve/10 and/63 y/10", "between",
       "between: written=\"between?valve\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "valve: suggestion=\"the valve\" message=326 ruleId=2356", "between?valve"},
  });
}

}  // namespace
