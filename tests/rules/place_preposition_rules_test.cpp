// The rules of the place prepositions (class 75): the class head, the
// sentence start, "at" with its tables, "along", "within" and "without".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/place_preposition_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

using namespace place;

TEST(PlaceHead, Gates) {
  RunRowCases(kHead, {
      {"x/10 at/75 two/49", "at", 0, ""},
      {"x/10 at/75{mark=1} y/10", "at", 2, "at: message=320 ruleId=8334"},
      {"x/10 at/75 y/10", "at", -1, ""},
  });
}

TEST(PlaceTables, SentenceStart) {
  RunRowCases(kTableA, {
      {"Near/75 case/10 of/67 fire/10", "Near", 0, "Near: suggestion=\"if there is\" message=331 entryWords=3 ruleId=6912"},
      {"At/75 line/10{token=9} y/10", "At", 2, "At: suggestion=\"(Rephrase)\" message=324 entryWords=2 ruleId=7829"},
      {"In/75 accordance/10 with/74", "In", 4,
       "In: suggestion=\" According to/Refer to\" message=324 entryWords=3 ruleId=7212"},
      {"In/75{msg=301} this/76 case/10", "In", 5, "In: suggestion=\"For example\" message=324 entryWords=3 ruleId=7512"},
      {"At/75 this/76 point/10", "At", 7, "At: suggestion=\"now/when\" message=331 entryWords=3 ruleId=3437"},
      {"At/75 night/10 ,/47", "At", -1, ""},
  });
}

TEST(PlaceTables, AtPhrases) {
  RunRowCases(kTableB, {
      {"x/10 at/75 all/38 times/11", "at", 0, "at: suggestion=\"always/(Give a time ref.)\" entryWords=3"},
      {"x/10 at/75 back/10{mark=1}", "at", 3, "at: written=\"at the \" suggestion=\"at the rear\" message=302 entryWords=2 ruleId=1897"},
      {"x/10 AT/75 moment/10{mark=1}", "AT", 4, "AT: written=\"AT THE \" suggestion=\"during\" message=302 entryWords=2 ruleId=1897"},
      {"x/10 at/75{msg=301} one/49 time/10", "at", 6, "at: suggestion=\"when/always\" message=331 entryWords=3 ruleId=1497"},
      {"x/10 at/75 one/49 time/10{mark=1}", "at", 12, "at: suggestion=\"when/(Give time ref.)\" message=331 entryWords=3 ruleId=4437"},
      {"x/10 at/75 TIME/10{mark=1} of/67", "at", 7,
       "at: suggestion=\"during/when\" message=331 entryWords=3 ruleId=2437\nTIME: written=\"THE TIME\""},
      {"x/10 at/75 y/10", "at", -1, ""},
  });
}

// Rows that the STE dictionary turns off fall through to the later tables.
TEST(PlaceTables, SteDictionaryTurnsRowsOff) {
  for (const char* text : {"x/10 at/75 this/76 stage/10", "x/10 at/75 time/10{mark=1} of/67"}) {
    SCOPED_TRACE(text);
    auto words = BuildWords(text);
    SentenceStateRec state;
    RuleContext c{.word = FindWord(*words, "at"), .head = words->head(), .state = state, .steDictionary = 1};
    EXPECT_EQ(FirstMatch(c, kTableB), -1);
    c.steDictionary = 0;
    EXPECT_NE(FirstMatch(c, kTableB), -1);
  }
}

TEST(PlaceTables, WordBeforeAt) {
  RunRowCases(kTableC, {
      {"x/10 y/10 always/52 at/75 z/10", "at", 0, KeptFinding("always", "stay at/stays at/is at", 313, 2, 3296)},
      {"x/10 y/10 always/52{mark=1} at/75 z/10", "at", -1, ""},
      {"x/10 y/10 kept/22 at/75 z/10", "at", 6, KeptFinding("kept", "stay at/is at/are at", 313, 2, 3296)},
      {"x/10 y/10 works/21 at/75 z/10", "at", 9, KeptFinding("works", "(Rephrase for clarity)", 313, 2, 3296)},
      // Only from the third word of the sentence on.
      {"kept/22 at/75 z/10", "at", -1, ""},
  });
}

TEST(PlaceTables, AtRemainingRowsAndWordList) {
  // "at time of" before "of" (class 67) ends at the row of "time"/"top";
  // "every" and "present" are taken by the word list or end unmarked.
  RunRowCases(kTableD, {
      {"x/10 at/75 or/63 near/75", "at", 0, "at: suggestion=\"near\" message=321 entryWords=3 ruleId=6815"},
      {"x/10 at/75 top/10 of/67", "at", 3, "at: suggestion=\"position/during/sequence/(Rephrase)\" message=313 entryWords=3 ruleId=1596"},
      {"x/10 at/75 random/30", "at", 5, ""},
      {"x/10 at/75 least/38 twice/52", "at", 8, "at: suggestion=\"two or more times\" message=313 entryWords=3 ruleId=1496"},
      {"x/10 at/75 most/38 once/52", "at", 9, "at: suggestion=\"not more than one time\" message=313 entryWords=3 ruleId=1496"},
      {"x/10 at/75 most/38 twice/52", "at", 10, "at: suggestion=\"not more than two times\" message=313 entryWords=3 ruleId=1496"},
      {"x/10 at/75 most/38 y/10", "at", 11, "at: message=302 entryWords=2 ruleId=1596"},
      {"x/10 at/75 fault/10 of/67", "at", 12, ""},
      {"x/10 at/75 top/10", "at", 25, "at: message=324 entryWords=2 ruleId=5296"},
      {"x/10 at/75 pump/10", "at", -1, ""},
  });
}

TEST(PlaceBody, PathsAndResumeWords) {
  RunBodyCases(ApplyPlacePrepositionRules, {
      {"At/75 night/10 the/64 lamp/10 is/24 on/75 ./48", "At", "At: message=318 ruleId=2334", "At"},
      {"At/75 night/10 ,/47 stop/20 ./48", "At", "", "At"},
      {"Near/75 night/10 ,/47 stop/20 ./48", "Near", "Near: message=331 ruleId=2496", "Near"},
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
       "without: suggestion=\"without aid/help (vb)/help you\" message=324 entryWords=2 ruleId=3825", "help"},
  });
}

}  // namespace
