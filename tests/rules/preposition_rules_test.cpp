// The rules of the class-60 prepositions and relative words.
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/preposition_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace preposition;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }
void SubjectAndVerb(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.lastVerbClass = 20;
}

// The finding every "under" gets before its table.
const std::string kUnderFirst = "suggestion=\"below/in/less than\" message=331 tokenKind=9 ruleId=4236";

TEST(PrepositionRules, HeadAcrossAgainstSince) {
  static const RowCase kHeadCases[] = {
      {"x/10 into/60 <ref>/41", "into", 0, ""},
      {"x/10 into/60 @x/41", "into", 0, ""},
      {"x/10 into/60 ./48", "into", 1, ""},
      {"x/10 into/60 y/10", "into", -1, ""},
  };
  RunRowCases(kHead, kHeadCases);
  static const RowCase kAcrossCases[] = {
      {"x/10 across/60 from/67 y/10", "across", 0,
       "across: suggestion=\"opposite to/opposite\" message=324 entryWords=2 ruleId=5235"},
      {"it/66 comes/21 across/60 y/10", "across", 1, "comes: message=324 entryWords=2 ruleId=7234"},
      {"it/66 is/24 used/22{msg=325} across/60 y/10", "across", 1, "used: message=324 entryWords=2 ruleId=7234"},
      {"it/66 comes/21{token=9} across/60 y/10", "across", -1, ""},
      {"x/10 across/60 its/60 y/10", "across", 2, "its: message=304 ruleId=3379"},
      {"x/10 across/60 y/10", "across", -1, ""},
  };
  RunRowCases(kAcross, kAcrossCases);
  static const RowCase kAgainstCases[] = {
      {"x/10 against/60 y/10", "against", 0, ""},
      {"a/10 b/10 c/10{token=9} against/60 y/10", "against", 0, ""},
      {"a/10 b/10 compare/20 against/60 y/10", "against", 1,
       "compare: suggestion=\"compared to\" message=324 entryWords=2 ruleId=3434"},
      {"a/10 b/10 cautioned/22 against/60 y/10", "against", 2,
       "cautioned: suggestion=\"(Rephrase)\" message=324 entryWords=2 ruleId=3434"},
      {"a/10 b/10 flat/30 against/60 y/10", "against", 3,
       "flat: suggestion=\"against/touch/touches\" message=324 entryWords=2 ruleId=3434"},
      {"a/10 b/10 protection/10 against/60 y/10", "against", 4,
       "protection: suggestion=\"protection from\" message=324 entryWords=2 ruleId=3434"},
      {"a/10 b/10 runs/21 against/60 y/10", "against", 5,
       "runs: suggestion=\"(Rephrase for clarity)\" message=324 entryWords=2 ruleId=3434"},
      {"a/10 b/10 works/21 against/60 y/10", "against", 6,
       "works: suggestion=\"push/cause/apply pressure to ...\" message=324 entryWords=2 ruleId=3434"},
      {"a/10 b/10 c/10 against/60 y/10", "against", -1, ""},
  };
  RunRowCases(kAgainst, kAgainstCases);
  static const RowCase kSinceCases[] = {
      {"x/10 since/60 last/30 y/10", "since", 0, ""},
      {"x/10 since/60 other/38 y/10", "since", 1, "since: message=313 entryWords=2 ruleId=4316"},
      {"x/10 since/60 y/10", "since", 2,
       "since: suggestion=\"because/time between/after/(Rephrase)\" message=324 ruleId=1316"},
  };
  RunRowCases(kSince, kSinceCases);
}

TEST(PrepositionRules, IntoAndIts) {
  static const RowCase kIntoCases[] = {
      {"x/10 into/60 :/42", "into", 0, "into: message=324 ruleId=3245"},
      {"x/10 into/60 position/10", "into", 1, ""},
      {"Into/60 y/10", "Into", 2, ""},
      {"it/66 will/28 come/20 into/60 contact/10 with/74 y/10", "into", 3,
       "come: suggestion=\"touch/touches\" message=300 entryWords=3 ruleId=1389"},
      {"it/66 will/28 come/20 into/60 place/10", "into", 4,
       "come: suggestion=\"into position\" message=300 entryWords=3 ruleId=1389"},
      {"it/66 will/28 come/20 into/60 place/10{mark=1}", "into", -1, ""},
      {"x/10 into/60 contact/10 with/74 y/10", "into", 5,
       "into: suggestion=\"connect/touch\" message=324 entryWords=2 ruleId=3382"},
      {"x/10 into/60 service/10", "into", 6, "into: suggestion=\"into operation/operate\" message=324 entryWords=2 ruleId=3382"},
      {"it/66 plugs/21{sug=x} into/60 y/10", "into", 7, "plugs: suggestion=\"\" message=324 entryWords=2 ruleId=3489"},
      {"it/66 is/24 broken/22 into/60 y/10", "into", 7, "broken: message=324 entryWords=2 ruleId=3489"},
      {"x/10 into/60 y/10", "into", -1, ""},
  };
  RunRowCases(kInto, kIntoCases);
  static const RowCase kItsCases[] = {
      {"x/10 its/60 use/20", "its", 0, ""},
      {"x/10 its/60 own/30", "its", 1, "its: suggestion=\"its\" message=312 entryWords=2 ruleId=1379"},
      {"x/10 its/60 pump/10", "its", 2, ""},
      {"x/10 its/60 red/30", "its", 3, ""},
      {"x/10 its/60 ABC/41", "its", 4, ""},
      {"x/10 its/60 turn/20", "its", 5, "its: message=312 ruleId=2379"},
      {"x/10 its/60 time/50", "its", 6, "its: message=313 entryWords=2 ruleId=2379"},
      {"go/20 into/60 its/60 y/61", "its", 7, "its: message=304 ruleId=2379"},
      {"x/10 its/60 y/61", "its", -1, ""},
  };
  // A noun of class 18 ended the chain at the noun classes.
  RunRowCases(kIts, kItsCases);
}

TEST(PrepositionRules, ThroughUntilWhatWho) {
  auto verb = [](const char* word, const char* suggestion) {
    return std::string(word) + ": suggestion=\"" + suggestion + "\" message=300 entryWords=2 ruleId=5233";
  };
  static const std::string k[] = {
      verb("exits", "moves through/goes through"),  verb("passes", "moves through/goes through"),
      verb("pass", "move through/go through"),      verb("available", "available from"),
      verb("cycles", "move/complete the cycle/go through a cycle"),
      verb("done", "completed by/complete"),        verb("power", "electrical power from"),
      verb("runs", "complete an operation/do"),     verb("travels", "go through/goes through/move through/flow"),
      verb("toggle", "scroll/select/make a selection/move through"),
      verb("works", "do"),
  };
  const RowCase throughCases[] = {
      {"it/66 exits/21 through/60 y/10", "through", 0, k[0].c_str()},
      {"it/66 passes/21 through/60 y/10", "through", 0, k[1].c_str()},
      // "pass" ends in "s" but is no -s form.
      {"to/68 pass/20 through/60 y/10", "through", 1, k[2].c_str()},
      {"is/24 available/30 through/60 y/10", "through", 2, k[3].c_str()},
      {"it/66 cycles/21 through/60 y/10", "through", 3, k[4].c_str()},
      {"is/24 done/22 through/60 y/10", "through", 4, k[5].c_str()},
      {"the/64 power/10 through/60 y/10", "through", 5, k[6].c_str()},
      {"it/66 runs/21 through/60 y/10", "through", 6, k[7].c_str()},
      {"it/66 travels/21 through/60 y/10", "through", 7, k[8].c_str()},
      {"to/68 toggle/20 through/60 y/10", "through", 8, k[9].c_str()},
      {"it/66 works/21 through/60 y/10", "through", 9, k[10].c_str()},
      {"it/66 flows/21 through/60 y/10", "through", -1, ""},
  };
  RunRowCases(kThroughVerb, throughCases);
  static const RowCase kUntilCases[] = {
      {"x/10 until/60 no/77 y/10", "until", 0,
       "until: suggestion=\"(Rephrase)\" message=304 entryWords=2 ruleId=5236"},
      {"x/10 until/60 y/10", "until", -1, ""},
  };
  RunRowCases(kUntil, kUntilCases);
  static const RowCase kWhatCases[] = {
      {"x/10 what/60{mark=1} y/10", "what", 0, "what: message=313 ruleId=1170"},
      {"a/10 b/10 what/60 if/70", "what", 1, "what: message=313 entryWords=2 ruleId=8788"},
      {"a/10 what/60 if/70", "what", -1, ""},
      {"it/66 do/20 what/60 y/10", "what", 2, "do: message=321 entryWords=2 ruleId=2345"},
      {"x/10 what/60 to/68 do/28", "what", 3, "what: message=321 entryWords=3 ruleId=2356"},
      {"x/10 what/60 y/10", "what", -1, ""},
  };
  RunRowCases(kWhat, kWhatCases);
  static const RowCase kWhoCases[] = {
      {"a/10 xyz/40 who/60 lives/21", "who", 0, "xyz: wordClass=10"},
      {"a/10 xyz/12{msg=325} who/60 can/28", "who", 1, "xyz: wordClass=10 message=0"},
      {"a/10 b/12 who/60 can/28", "who", 1, ""},
      {"a/10 b/10 who/60{split=2} c/10", "who", 2, ""},
      {"a/10 Smith/15 who/60 c/10", "who", 3, ""},
      {"the/64 technicians/40 who/60 c/10", "who", 4, "technicians: wordClass=10"},
      {"the/64 operators/11 who/60 c/10", "who", 4, ""},
      {"the/64 techs/40 who/60 c/10", "who", -1, ""},
      {"x/10 its/60 who/60 c/10", "who", 5, "its: message=304 ruleId=3379"},
      {"x/10 who/60 need/20 y/10", "who", 6, "who: suggestion=\"to help\" message=312 ruleId=4472"},
      {"x/10 who/60 y/10", "who", -1, ""},
  };
  RunRowCases(kWho, kWhoCases);
}

TEST(PrepositionRules, Under) {
  auto row = [](const char* suggestion, int code, int covers, int rule) {
    std::string s = "under:";
    if (suggestion) s += std::string(" suggestion=\"") + suggestion + "\"";
    s += " message=" + std::to_string(code);
    if (covers > 1) s += " entryWords=" + std::to_string(covers);
    return s + " ruleId=" + std::to_string(rule);
  };
  static const std::string k[] = {
      row("do not/(Rephrase)", 304, 3, 5236),                    // 0
      row("less than/(Give limit)", 324, 1, 5236),               // 1
      row("(Rephrase)", 324, 2, 3245),                           // 2
      row("age less than/(Give age range)", 324, 2, 3245),       // 3
      row("(Use a better phrase.)", 324, 2, 3245),               // 4
      row("has a temperature of less than", 324, 2, 3245),       // 5
      row("has a measurement of less than", 324, 2, 3245),       // 6
      row("has a time of less than", 324, 2, 3245),              // 7
      row("has a torque value of less than", 324, 2, 3245),      // 8
      row("in which/(Rephrase)", 302, 2, 3245),                  // 9
      row("for/(Rephrase)", 332, 2, 5236),                       // 10
      row(nullptr, 331, 1, 4157),                                // 11
      row(nullptr, 324, 1, 3245),                                // 12
      row("around", 313, 3, 4236),                               // 13
      row("for", 324, 2, 1224),                                  // 14
      row("controlled by", 324, 2, 1224),                        // 15
      row("(Rephrase)", 324, 2, 1224),                           // 16
      row("pressure applied", 324, 2, 1224),                     // 17
      row("do not", 324, 2, 1224),                               // 18
      row("load applied", 324, 2, 1224),                         // 19
      row("repairs applied", 324, 2, 1224),                      // 20
      row("stress applied", 324, 2, 1224),                       // 21
      row("tension applied to", 324, 2, 1224),                   // 22
      row("in the test/for the test", 324, 2, 1224),             // 23
      row("moves/controls", 324, 2, 1224),                       // 24
      row(nullptr, 324, 2, 1224),                                // 25
  };
  auto before = [](const char* word, const char* suggestion) {
    return std::string(word) + ": suggestion=\"" + suggestion + "\" message=324 entryWords=2 ruleId=5384";
  };
  static const std::string b[] = {
      before("dries", "is dry/dry/(Rephrase)"), before("gets", "go below"),
      before("just", "(Give Measurement)"),     before("listed", "shown below/shown in ..."),
      before("priority", "(Rephrase)"),         before("run", "operate/go"),
      before("work", "(Give Measurement)"),
  };
  const RowCase cases[] = {
      {"x/10 under/60 no/77 circumstances/11", "under", 0, k[0].c_str()},
      {"x/10 under/60 any/38 condition/10", "under", 0, k[0].c_str()},
      {"x/10 under/60 high/30 y/10", "under", 1, k[1].c_str()},
      {"x/10 under/60 high/30{mark=1} y/10", "under", 39, ""},
      {"x/10 under/60 5/17", "under", 2, k[1].c_str()},
      {"x/10 under/60 five/49", "under", 3, k[1].c_str()},
      {"x/10 under/60 additional/30", "under", 4, k[2].c_str()},
      {"x/10 under/60 age/10", "under", 5, k[3].c_str()},
      {"x/10 under/60 covers/11", "under", 6, k[4].c_str()},
      {"x/10 under/60 heat/10", "under", 7, k[5].c_str()},
      {"x/10 under/60 shooting/23", "under", 8, k[6].c_str()},
      {"x/10 under/60 time/10", "under", 9, k[7].c_str()},
      {"x/10 under/60 torque/10", "under", 10, k[8].c_str()},
      {"x/10 under/60 which/69", "under", 11, k[9].c_str()},
      {"x/10 under/60 who/69", "under", 12, k[10].c_str()},
      {"x/10 under/60 ,/47", "under", 13, k[11].c_str()},
      {"it/66 dries/21 under/60 y/10", "under", 14, b[0].c_str()},
      {"it/66 gets/21 under/60 y/10", "under", 15, b[1].c_str()},
      {"is/24 just/52 under/60 y/10", "under", 16, b[2].c_str()},
      {"is/24 listed/22 under/60 y/10", "under", 17, b[3].c_str()},
      {"the/64 priority/10 under/60 y/10", "under", 18, b[4].c_str()},
      {"to/68 run/20 under/60 y/10", "under", 19, b[5].c_str()},
      {"to/68 work/20 under/60 y/10", "under", 20, b[6].c_str()},
      {"x/10 under/60 :/42", "under", 21, k[12].c_str()},
      {"x/10 under/60 max/45", "under", 22, k[12].c_str()},
      // The comma is advised as itself, never doubled.
      {"a/10 b/10 ,/47 under/60 y/20", "under", 23, ",: suggestion=\",\" message=318 ruleId=1491"},
      {"a/10 ,/47 under/60 y/20", "under", -1, ""},
      {"x/10 under/60 pump/10 ./48", "under", 24, ""},
      {"x/10 under/60 and/63 over/60", "under", 25, k[13].c_str()},
      {"x/10 under/60 both/52", "under", 27, k[14].c_str()},
      {"x/10 under/60 control/20", "under", 28, k[15].c_str()},
      {"x/10 under/60 consideration/40", "under", 29, k[16].c_str()},
      {"x/10 under/60 load/20", "under", 30, k[17].c_str()},
      {"x/10 under/60 no/77 load/20", "under", 31, k[18].c_str()},
      {"x/10 under/60 pressure/40", "under", 32, k[19].c_str()},
      {"x/10 under/60 repair/20", "under", 33, k[20].c_str()},
      {"x/10 under/60 stress/40", "under", 34, k[21].c_str()},
      {"x/10 under/60 tension/40", "under", 35, k[22].c_str()},
      {"x/10 under/60 test/20", "under", 36, k[23].c_str()},
      {"x/10 under/60 way/40", "under", 37, k[24].c_str()},
      {"x/10 under/60 section/40", "under", 38, k[25].c_str()},
      {"x/10 under/60 use/20", "under", 38, k[25].c_str()},
      {"x/10 under/60 each/37", "under", 40, ""},
      {"x/10 under/60 its/60", "under", 41, "its: message=304 ruleId=3379"},
      {"x/10 under/60 go/20", "under", -1, ""},
  };
  // "age" has its measurement row first.
  RunRowCases(kUnder, cases);
}

// The class head, the opening steps and each chain through the body; the
// resume word past covered words and the article steps.
TEST(PrepositionBody, ChainsAndResumeWords) {
  const std::string underFirst = "under: " + kUnderFirst;
  const std::string underUse =
      "under: suggestion=\"below/in/less than\" message=324 entryWords=2 tokenKind=9 ruleId=1224\nuse: wordClass=40";
  const std::string listed =
      "listed: suggestion=\"shown below/shown in ...\" message=324 entryWords=2 ruleId=5384\n" + underFirst;
  const BodyCase cases[] = {
      {"x/10 into/60 ./48", "into", "", "into"},
      {"Under/60 the/64 cover/10 ./48", "Under", "Under: message=331 ruleId=4934", "Under"},
      {"Between/60 x/10 ./48", "Between", "", "Between"},
      {"Under/60 the/64 x/10 ,/47 y/10 z/10 ./48", "Under", "Under: message=331 ruleId=4934", "Under", LongSentence},
      {"Since/60 it/66 is/24 hot/30 ,/47 stop/20 ./48", "Since", "Since: message=331 ruleId=4934", "Since",
       LongSentence, "scratchResult=1"},
      {"Between/60 a/10 ,/47 b/10 ./48", "Between", "", "Between", LongSentence, "scratchResult=1"},
      {"Since/60 it/66 is/24 hot/30 stop/20 ./48", "Since", "Since: message=318 ruleId=1348", "Since", LongSentence,
       "scratchResult=-1"},
      // "over" and "which" where their chains find nothing, and any
      // class-60 word without a chain.
      {"x/10 over/60 y/50", "over", "", "over"},
      {"x/10 which/60 stops/21", "which", "", "which"},
      {"x/10 upon/60 y/10", "upon", "", "upon"},
      {"x/10 across/60 from/67 y/10", "across",
       "across: suggestion=\"opposite to/opposite\" message=324 entryWords=2 ruleId=5235\nfrom: wordClass=40", "from"},
      {"it/66 comes/21{msg=325} across/60{msg=325} y/10", "across",
       "comes: message=324 entryWords=2 ruleId=7234\nacross: message=0", "across"},
      {"x/10 against/60 y/10", "against", "", "against", SubjectAndVerb, "subjectSeen=-1 lastVerbClass=-1"},
      {"go/20 between/60 valve/10 ./48", "between", "", "between", SubjectAndVerb, "subjectSeen=-1 lastVerbClass=-1"},
      {"it/66 will/28 come/20 into/60 contact/10 ./48", "into",
       "come: suggestion=\"touch/touches\" message=300 entryWords=3 ruleId=1389", "contact"},
      {"x/10 into/60 ,/47", "into", "into: message=331 ruleId=5157", "into"},
      {"it/66 plugs/21 into/60{msg=325} y/10", "into", "plugs: message=324 entryWords=2 ruleId=3489\ninto: message=0",
       "into"},
      {"x/10 its/60 own/30 y/10", "its", "its: suggestion=\"its\" message=312 entryWords=2 ruleId=1379\nown: wordClass=40",
       "own"},
      {"x/10 its/60 use/20 y/10", "its", "", "use"},
      {"x/10 since/60 y/10", "since", "since: suggestion=\"because/time between/after/(Rephrase)\" message=324 ruleId=1316",
       "since"},
      {"a/10 b/10 through/60{split=4} c/10", "through", "through: message=317 ruleId=4934", "through"},
      {"a/10 falls/21 through/60 y/10", "through", "", "through"},
      {"it/66 flows/21 through/60 what/60", "through", "through: message=331 entryWords=2 ruleId=5234\nwhat: wordClass=40",
       "what"},
      {"x/10 runs/21{token=9} through/60 y/10", "through", "", "through"},
      {"it/66 will/28 pass/20 through/60{msg=325} y/20", "through",
       "pass: suggestion=\"move through/go through\" message=300 entryWords=2 ruleId=5233\nthrough: message=0", "through"},
      {"x/10 until/60 no/77 y/10", "until", "until: suggestion=\"(Rephrase)\" message=304 entryWords=2 ruleId=5236",
       "until"},
      {"x/10 until/60{mark=1} pump/10 y/10", "until", "", "until"},
      {"x/10 what/60 to/68 do/28 y/10", "what", "what: message=321 entryWords=3 ruleId=2356\nto: wordClass=40\ndo: wordClass=40",
       "do"},
      {"a/10 xyz/40 who/60{msg=325} lives/21", "who", "xyz: wordClass=10\nwho: message=0", "who"},
      {"x/10 who/60 help/20 y/10 z/10", "who", "who: suggestion=\"to help\" message=312 ruleId=4472", "y"},
      // "under": the finding it always gets, kept or replaced.
      {"x/10 under/60 pump/10 ./48", "under", underFirst.c_str(), "pump"},
      {"x/10 under/60 two/49{mark=1}", "under",
       "under: suggestion=\"less than\" message=331 tokenKind=9 ruleId=4236", "under"},
      {"x/10 under/60 temperature/10 y/10", "under",
       "under: suggestion=\"less than/(Give limit)\" message=324 tokenKind=9 ruleId=5236", "under"},
      {"x/10 under/60 heat/10 y/10", "under",
       "under: suggestion=\"has a temperature of less than\" message=324 entryWords=2 tokenKind=9 ruleId=3245\n"
       "heat: wordClass=40",
       "heat"},
      {"x/10 under/60 use/20 ./48", "under", underUse.c_str(), "use"},
      {"a/10 b/10 ,/47 under/60 y/20", "under",
       ",: suggestion=\",\" message=318 ruleId=1491\nunder: suggestion=\"below/in/less than\" tokenKind=9 ruleId=4236",
       "under"},
      {"it/66 is/24 listed/22 under/60 y/20", "under", listed.c_str(), "under"},
  };
  RunBodyCases(ApplyPrepositionRules, cases);
}

// The article steps write through the engine's article function: "the"
// before the noun, and the two words joined.
TEST(PrepositionBody, ArticleForTheNextNoun) {
  const std::string joined =
      ": written=\"%s?valve\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\nvalve: suggestion=\"the valve\" "
      "message=326 ruleId=2356";
  auto expect = [&](const char* word) {
    std::string s = std::string(word) + joined;
    s.replace(s.find("%s"), 2, word);
    return s;
  };
  const std::string between = expect("between"), into = expect("into"), until = expect("until"),
                    through = expect("through");
  const BodyCase cases[] = {
      {"pump/10 between/60 valve/10 and/63 y/10", "between", between.c_str(), "between?valve"},
      {"look/20 into/60 valve/10 y/10", "into", into.c_str(), "into?valve"},
      {"go/20 until/60 valve/10 y/10", "until", until.c_str(), "until?valve"},
      {"a/10 pipe/10 through/60 valve/10 y/10", "through", through.c_str(), "through?valve"},
  };
  RunBodyCases(ApplyPrepositionRules, cases);
}

}  // namespace
