// The rules of the class-60 prepositions and relative words (with the chains
// of "which" and "over") and of the place prepositions (class 75).
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/place_preposition_tables.h"
#include "rules/function_words/preposition_tables.h"
#include "rules/function_words/preposition_which_over.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace preposition;
using namespace place;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }
void SubjectAndVerb(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.lastVerbClass = 20;
}

TEST(PrepositionRules, Rows) {
  static const TableCase kCases[] = {
      {preposition::kHead, {"x/10 into/60 ./48", "into", 1, ""}},
      {preposition::kHead, {"x/10 into/60 y/10", "into", -1, ""}},
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
      {kInto, {"it/66 will/28 come/20 into/60 contact/10 with/74 y/10", "into", 3,
       "come: suggestion=\"touch/touches\" message=300 entryWords=3 ruleId=1389"}},
      {kInto, {"it/66 will/28 come/20 into/60 place/10{mark=1}", "into", -1, ""}},
      {kInto, {"it/66 plugs/21{sug=x} into/60 y/10", "into", 7,
          "plugs: suggestion=\"\" message=324 entryWords=2 ruleId=3489"}},
      {kIts, {"go/20 into/60 its/60 y/61", "its", 7, "its: message=304 ruleId=2379"}},
      {kIts, {"x/10 its/60 y/61", "its", -1, ""}},
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
      {kWhich, {"x/10 which/60 means/21", "which", 0, KeptFinding("which",
          "that is an indication/(Rephrase)", 302, 2, 5971)}},
      {kWhich, {"x/10 Which/60 is/24", "Which", 1, "Which: suggestion=\", Which\" message=318 ruleId=5192"}},
      {kWhich, {"it/66 is/24 in/75{msg=331} which/60{msg=302} y/10", "which", 3, "in: message=0\nwhich: message=0"}},
      {kWhich, {"x/10 under/60 which/60 y/10", "which", 9, KeptFinding("under",
          "at which/in which/which", 331, 2, 3245)}},
      // "driver" is a whole word: "drivers" is any noun.
      {kWhich, {"the/64 drivers/11 which/60 y/10", "which", 28, KeptFinding("which", ", which", 318, 1, 5192)}},
      {kWhich, {"not/29 yet/52 which/60 y/10", "which", 24, "yet: message=304 ruleId=1327"}},
      {kWhich, {"it/66 opens/21 which/60 y/10", "which", -1, ""}},
      {kOver, {"x/10 over/60 one/49", "over", 0, "over: message=305 ruleId=6236"}},
      {kOver, {"x/10 over/60 five/49", "over", -1, ""}},
      {kOver, {"the/64 position/10{msg=325} over/60 y/10", "over", 4, "position: message=0"}},
      {kOver, {"the/64 priority/10 over/60 y/10", "over", 6, KeptFinding("priority",
          "(Give reference)", 324, 2, 7865)}},
      {kOver, {"x/10 over/60 pump/10 y/10", "over", 45,
       "over: written=\"over?pump\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "pump: suggestion=\"the pump\" message=326 ruleId=2356"}},
      // "Previous word of class 31, or next word of class 70" needs the third word or later.
      {kOver, {"a/10 b/10 fixed/31 over/60 y/50", "over", 47, "over: message=324 ruleId=4237"}},
      {kOver, {"a/10 remove/20{code=V0****} over/60 to/68", "over", 55,
          "remove: message=315 entryWords=2 ruleId=1236"}},
      // A verb in a letter that has its own duration words is none.
      {kOver, {"x/10 over/60 turn/20", "over", -1, ""}},
      {kOver, {"it/66 hard/21 over/60 y/50", "over", 18, KeptFinding("hard",
          "fully/(Give Ref. Position)", 305, 2, 2256)}},
      {kOver, {"it/66 starts/21 over/60 y/50", "over", 25, KeptFinding("starts",
          "start again/starts again", 305, 2, 2256)}},
      {kOver, {"x/10 over/60 shooting/40", "over", 33, KeptFinding("over",
          "a measurement of more than", 305, 2, 3245)}},
      {kOver, {"x/10 over/60 overshoot/40", "over", -1, ""}},  // "shoot" must begin the word
      {kOver, {"x/10 over/60 torque/40", "over", 38, KeptFinding("over", "a torque value of more than", 305, 2, 3245)}},
      {kOver, {"a/10 b/10 we/78 over/60 y/50", "over", 46, "we: message=302 entryWords=2 ruleId=5428"}},
      {kOver, {"a/10 b/10 c/10 over/60 here/52", "over", 62, "over: message=324 entryWords=2 ruleId=1236"}},
      {place::kHead, {"x/10 at/75 two/49", "at", 0, ""}},
      {place::kHead, {"x/10 at/75{mark=1} y/10", "at", 2, "at: message=320 ruleId=8334"}},
      {place::kHead, {"x/10 at/75 y/10", "at", -1, ""}},
      {kTableA, {"Near/75 case/10 of/67 fire/10", "Near", 0,
          "Near: suggestion=\"if there is\" message=331 entryWords=3 ruleId=6912"}},
      {kTableA, {"At/75 line/10{token=9} y/10", "At", 2,
          "At: suggestion=\"(Rephrase)\" message=324 entryWords=2 ruleId=7829"}},
      {kTableA, {"In/75 accordance/10 with/74", "In", 4,
       "In: suggestion=\"Refer to\" message=324 entryWords=3 ruleId=7212"}},
      {kTableA, {"In/75{msg=301} this/76 case/10", "In", 5,
          "In: suggestion=\"For example\" message=324 entryWords=3 ruleId=7512"}},
      {kTableA, {"At/75 this/76 point/10", "At", 7,
          "At: suggestion=\"now/when\" message=331 entryWords=3 ruleId=3437"}},
      {kTableA, {"At/75 night/10 ,/47", "At", -1, ""}},
      // The STE dictionary turns these rows off.
      {kTableB, {"x/10 at/75 this/76 stage/10", "at", -1, "", nullptr, 1}},
      {kTableB, {"x/10 at/75 this/76 stage/10", "at", 2, nullptr}},
      {kTableB, {"x/10 at/75 time/10{mark=1} of/67", "at", -1, "", nullptr, 1}},
      {kTableB, {"x/10 at/75 all/38 times/11", "at", 0, "at: suggestion=\"always/(Give a time ref.)\" entryWords=3"}},
      {kTableB, {"x/10 at/75 back/10{mark=1}", "at", 3,
          "at: written=\"at the \" suggestion=\"at the rear\" message=302 entryWords=2 ruleId=1897"}},
      {kTableB, {"x/10 AT/75 moment/10{mark=1}", "AT", 4,
          "AT: written=\"AT THE \" suggestion=\"during\" message=302 entryWords=2 ruleId=1897"}},
      {kTableB, {"x/10 at/75{msg=301} one/49 time/10", "at", 6,
          "at: suggestion=\"when/always\" message=331 entryWords=3 ruleId=1497"}},
      {kTableB, {"x/10 at/75 one/49 time/10{mark=1}", "at", 12,
          "at: suggestion=\"when/(Give time ref.)\" message=331 entryWords=3 ruleId=4437"}},
      {kTableB, {"x/10 at/75 TIME/10{mark=1} of/67", "at", 7,
       "at: suggestion=\"during/when\" message=331 entryWords=3 ruleId=2437\nTIME: written=\"THE TIME\""}},
      {kTableB, {"x/10 at/75 y/10", "at", -1, ""}},
      {kTableC, {"x/10 y/10 always/52 at/75 z/10", "at", 0, KeptFinding("always",
          "stay at/stays at/is at", 313, 2, 3296)}},
      {kTableC, {"x/10 y/10 always/52{mark=1} at/75 z/10", "at", -1, ""}},
      {kTableC, {"x/10 y/10 works/21 at/75 z/10", "at", 11, KeptFinding("works",
          "(Rephrase for clarity)", 313, 2, 3296)}},
      // "is kept at": the finding holds the "is" that "is at" replaces.
      {kTableC, {"x/10 tank/10 was/24 kept/22 at/75 z/10", "at", 6, KeptFinding("was",
          "stay at/is at/are at", 313, 3, 3296)}},
      {kTableC, {"x/10 tank/10 kept/22 at/75 z/10", "at", 8, KeptFinding("kept",
          "stay at/is at/are at", 313, 2, 3296)}},
      // A finding holds the "be": "kept at" keeps its marker, and "is at" is "at" after the "is".
      {kTableC, {"x/10 It/66{msg=302 entry=2} is/24 kept/22 at/75 z/10", "at", 7,
          KeptFinding("kept", "at", 313, 2, 3296)}},
      {kTableC, {"x/10 tank/10 were/25{msg=303} held/22 at/75 z/10", "at", 7,
          KeptFinding("held", "at", 313, 2, 3296)}},
      {kTableC, {"x/10 tank/10 is/24{msg=330 entry=2} kept/22 at/75 z/10", "at", 6, KeptFinding("is",
          "stay at/is at/are at", 313, 3, 3296)}},
      // Only from the third word of the sentence on.
      {kTableC, {"kept/22 at/75 z/10", "at", -1, ""}},
      {kTableD, {"x/10 at/75 or/63 near/75", "at", 0, "at: suggestion=\"near\" message=321 entryWords=3 ruleId=6815"}},
      {kTableD, {"x/10 at/75 top/10 of/67", "at", 3,
          "at: suggestion=\"position/during/sequence/(Rephrase)\" message=313 entryWords=3 ruleId=1596"}},
      {kTableD, {"x/10 at/75 least/38 twice/52", "at", 8,
          "at: suggestion=\"two or more times\" message=313 entryWords=3 ruleId=1496"}},
      {kTableD, {"x/10 at/75 most/38 once/52", "at", 9,
          "at: suggestion=\"not more than one time\" message=313 entryWords=3 ruleId=1496"}},
      {kTableD, {"x/10 at/75 most/38 twice/52", "at", 10,
          "at: suggestion=\"not more than two times\" message=313 entryWords=3 ruleId=1496"}},
      {kTableD, {"x/10 at/75 fault/10 of/67", "at", 12, ""}},
      {kTableD, {"x/10 at/75 top/10", "at", 25, "at: message=324 entryWords=2 ruleId=5296"}},
      {kTableD, {"x/10 at/75 pump/10", "at", -1, ""}},
      // "at time of" before "of" (class 67) ends at the row of "time"/"top";
      // "every" and "present" are taken by the word list or end unmarked.
  };
  RunTableCases(kCases);
}

// The class head, the opening steps and each chain through the body; the
// resume word past covered words and the article steps.
TEST(PrepositionBody, ChainsAndResumeWords) {
  const std::string underFirst = "under: suggestion=\"below/in/(less than)\" message=331 tokenKind=9 ruleId=4236";
  const std::string underUse =
      "under: suggestion=\"below/in/(less than)\" message=324 entryWords=2 tokenKind=9 ruleId=1224\nuse: wordClass=40";
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
       ",: suggestion=\",\" message=318 ruleId=1491\nunder: suggestion=\"below/in/(less than)\" tokenKind=9 ruleId=4236",
       "under"},
      {"it/66 is/24 listed/22 under/60 y/20", "under", listed.c_str(), "under"},
      // The article step writes "the" before the noun through the engine's
      // article function, the two words joined.
      {"pump/10 between/60 valve/10 and/63 y/10", "between",
       "between: written=\"between?valve\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "valve: suggestion=\"the valve\" message=326 ruleId=2356", "between?valve"},
      // Through the class-60 body: the class head, and the resume words.
      {"the/64 valve/10 which/60 no/77 y/10", "which",
       "which: suggestion=\"that there are no/that there is no\" message=331 entryWords=2 ruleId=6912", "no"},
      {"x/10 which/60 means/21 y/10", "which",
       "which: suggestion=\"that is an indication/(Rephrase)\" message=302 entryWords=2 ruleId=5971\n"
       "means: wordClass=40", "means"},
      {"x/10 which/60 ./48", "which", "", "which"},
      {"x/10 over/60 temperature/10 y/10", "over",
       "over: suggestion=\"a temperature of more than\" message=305 entryWords=2 ruleId=3245\n"
       "temperature: wordClass=40", "temperature"},
      {"it/66 turns/21{msg=302} over/60{msg=331} y/50", "over",
       "turns: suggestion=\"turn/turns\" message=305 entryWords=2 ruleId=2256\nover: message=0", "over"},
  });
}

// Rows that the STE dictionary turns off fall through to the later tables.
TEST(PlaceBody, PathsAndResumeWords) {
  RunBodyCases(ApplyPlacePrepositionRules, {
      {"At/75 night/10 the/64 lamp/10 is/24 on/75 ./48", "At", "At: message=318 ruleId=2334", "At"},
      {"At/75 night/10 ,/47 stop/20 ./48", "At", "", "At"},
      {"In/75 pressure/10 ,/47 stop/20 ./48", "In", "", "pressure"},
      {"In/75 use/10 ,/47 stop/20 ./48", "In",
       "In: suggestion=\"in operation/in service/operates\" message=324 ruleId=3916", "In"},
      {"x/10 at/75 any/38 time/10", "at", "", "any"},
      {"x/10 at/75 stop/10 once/52", "at",
       "at: suggestion=\"at the STOP position\" message=323 entryWords=2 ruleId=5496\nstop: wordClass=40", "stop"},
      {"x/10 at/75 least/38 once/52 ./48", "at",
       "at: suggestion=\"one or more times\" message=313 entryWords=3 ruleId=1496\nleast: wordClass=40\nonce: wordClass=40",
       "once"},
      // "along"
      {"x/10 along/75 with/74{code=D**3**} y/10", "along",
       "along: suggestion=\"with/and\" message=324 entryWords=2 ruleId=4234\nwith: wordClass=40", "with"},
      {"x/10 y/10 set/20 along/75 edge/10{code=NMS3**}", "along",
       "set: suggestion=\"put on\" message=324 entryWords=2 ruleId=7612", "along"},
      {"x/10 y/10 z/10 along/75 edge/10{code=NMS3**} of/67 y/10", "along",
       "along: written=\"along?edge\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "edge: suggestion=\"the edge\" message=326 ruleId=2356", "edge"},
      {"x/10 y/10 z/10 along/75 edge/10 of/67 y/10", "along",
       "along: written=\"along?edge\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "edge: suggestion=\"the edge\" message=326 ruleId=2356", "along?edge"},
      // "within"
      {"x/10 within/75 ./48", "within", "within: message=331 ruleId=7679", "within"},
      // "without"
      {"x/10 without/75 being/25 y/10", "without", "without: message=334 entryWords=2 ruleId=7679\nbeing: wordClass=40",
       "being"},
      {"x/10 without/75 removing/23 y/10", "without", "removing: message=338 ruleId=8679", "removing"},
      {"x/10 only/52 without/75 y/10", "without", "only: message=304 ruleId=3825", "without"},
      {"x/10 without/75 help/10", "without",
       "without: suggestion=\"help (vb)/help you\" message=324 entryWords=2 ruleId=3825", "help"},
  });
}

}  // namespace
