// The rules of the personal pronouns (class 66): each pronoun's chain, the
// backward scan of "it" for a subject and its stops, the resume words.
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/pronoun_tables.h"
#include "tests/rules/table_cases.h"

namespace {

const char* const kNoFind = "it: suggestion=\"(Insert a sing. subject)\" message=320 ruleId=8174";

using namespace pronoun;

void NoSubjectYet(SentenceStateRec& s) {
  s.subjectNumber = -1;
  s.clauseState = 5;
}

TEST(PronounRules, ItFirstRows) {
  static const TableCase kRowCases[] = {
      {kItFirst, {"Remove/20 it/66 ./48", "it", 0, "it: suggestion=\"(Insert noun subject)\" message=320 ruleId=1274"}},
      {kItFirst, {"It/66 is/24 necessary/30 to/68 close/20", "It", 1,
       "It: suggestion=\"make sure that/you must/(Rephrase)\" message=302 entryWords=4 ruleId=7174"}},
      {kItFirst, {"It/66 is/24 easy/30 to/68", "It", -1, ""}},
      {kItNext, {"so/71 it/66 have/25", "it", 1, "have: suggestion=\"has\" message=303 ruleId=2274"}},
      {kItNext, {"so/71 it/66 turn/20", "it", 4,
          "it: suggestion=\"(Insert noun object)\" tag=\"<*->\" message=320 ruleId=1274"}},
      {kItNext, {"so/71 it/66 x/40", "it", 10, "it: suggestion=\"(Insert a noun subj.)\" message=320 ruleId=1274"}},
      // A comma too late in the sentence: no row.
      {kItNext, {"a/64 b/10 c/20 d/10 e/10 f/10 g/10 h/10 ,/47 it/66 x/40", "it", -1, ""}},
      {kItAfterScan, {"x/10 it/66 is/24 possible/30", "it", 0,
          "it: suggestion=\"(Rephrase)/... can\" message=302 entryWords=3 ruleId=5174"}},
      {kItAfterScan, {"x/10 it/66{extra=R} x/40", "it", 8,
          "it: suggestion=\"it is\" message=310 ruleId=3274 extraFlag=0"}},
      {kItAfterScan, {"turn/20{code=V0****} it/66{msg=313} on/75{msg=331}", "it", 9,
       "turn: message=313 entryWords=3 ruleId=4275\nit: message=0\non: message=0"}},
      {kItAfterScan, {"turn/20{code=V0**** token=9} it/66 on/75", "it", -1, ""}},
      {kItAfterScan, {"x/10 go/20 through/60{msg=331} it/66 x/40", "it", 10,
          "through: message=313 entryWords=2 ruleId=2175"}},
      {kItAfterScan, {"x/10 it/66 out/61", "it", 14, "it: message=313 entryWords=2 ruleId=1834"}},
      {kTheyThem, {"x/10 they/66 have/25", "they", 0, ""}},
      {kTheyThem, {"a/20 b/64 c/10 them/66 to/68", "them", 6,
          "them: suggestion=\"(Insert a Noun Object)\" message=320 ruleId=1839"}},
      {kTheyThem, {"Them/66 x/40", "Them", 9, "Them: suggestion=\"(Insert pl. noun subj.)\" message=320 ruleId=1274"}},
      {kTheyThem, {"x/20 them/66 off/61", "them", 13,
          "them: suggestion=\"(Insert a Noun subject)\" message=320 ruleId=3270"}},
      {kTheyThem, {"x/20 them/66 x/40", "them", -1, ""}},
      // "to them" two words into the sentence is not read as an object.
      {kTheyThem, {"a/20 them/66 to/68", "them", -1, ""}},
      {kOtherWords, {"the/64 valve/10 I/66 x/40", "I", 0, ""}},
      {kOtherWords, {"I/66 am/25 x/40", "I", 1,
          "I: suggestion=\"(Do not use this pronoun)\" message=312 entryWords=2 ruleId=1835"}},
      {kOtherWords, {"x/20 I/66 turn/20", "I", 2,
          "I: suggestion=\"(Do not use this pronoun)\" message=312 ruleId=1835"}},
      {kOtherWords, {"x/20 i/66 turn/20", "i", -1, ""}},
      {kOtherWords, {"x/20 our/66 pump/10", "our", 4,
          "our: suggestion=\"(Give company name.)\" message=312 ruleId=6888"}},
      {kOtherWords, {"I/66 am/66", "am", 6, "am: suggestion=\"(Give company name.)\" message=312 ruleId=6778"}},
  };
  RunTableCases(kRowCases);
}

TEST(PronounRules, Body) {
  RunBodyCases(ApplyPronounRules, {
      // Every pronoun before "had": the walk passes over "had".
      {"x/10 it/66{sub=5} had/25 ./48", "it", "it: subClass=0", "had", NoSubjectYet, ""},
      {"He/66 turns/21 x/10", "He",
       "He: suggestion=\"the person/the operator/the technician\" wordClass=10 message=301 ruleId=1834", "He",
       NoSubjectYet, "subjectNumber=0 clauseState=1"},
      {"she/66 turn/20 x/10", "she",
       "she: suggestion=\"the person/the operator/the technician\" wordClass=10 message=301 ruleId=1834\n"
       "turn: message=335 ruleId=1835", "turn"},
      // "It is" opening the sentence: the walk goes on after the word after "is".
      {"It/66 is/24 open/30 ./48", "It",
       "It: suggestion=\"(Insert a noun subj.)\" message=302 entryWords=2 ruleId=7174\nis: wordClass=40", "open",
       NoSubjectYet, "subjectNumber=0 clauseState=1"},
      {"It/66 is/24{msg=333}", "It",
       "It: suggestion=\"(Insert a noun subj.)\" message=302 entryWords=2 ruleId=7174\nis: wordClass=40 message=0", "@@END"},
      {"so/71 it/66 up/61 x/10", "it",
       "it: suggestion=\"(Use a noun subject.)\" tag=\"<*->\" message=320 ruleId=1274\nup: wordClass=40", "up"},
      {"them/66 x/40", "them", "them: suggestion=\"(Insert pl. noun subj.)\" message=320 ruleId=1274", "them",
       NoSubjectYet, "subjectNumber=1"},
      {"x/20 I/66 am/66", "am", "", "am", NoSubjectYet, "subjectNumber=1"},
      {"x/20 ours/66 ./48", "ours", "", "ours"},
      // "it" far into a sentence looks back over its clause for a singular noun.
      // Found: a noun of class 10, 16, 17, 18 or 45 within seven words.
      {"Close/20 the/64 valve/10 slowly/50 so/71 it/66 stops/21 ./48", "it", "", "it", NoSubjectYet,
       "subjectNumber=0 clauseState=99 scratchIndex=2"},
      {"Close/20 the/64 valve/10 a/50 b/50 c/50 d/50 e/50 f/50 it/66 stops/21 ./48", "it", "", "it", nullptr,
       "clauseState=99 scratchIndex=6"},
      // The seventh word back is the last one read.
      {"Close/20 the/64 valve/10 a/50 b/50 c/50 d/50 e/50 f/50 g/50 it/66 stops/21 ./48", "it", kNoFind, "it", nullptr,
       "scratchIndex=7"},
      // A find lets the later rows run.
      {"Close/20 the/64 valve/10 slowly/50 so/71 it/66 ./48", "it", "it: message=320 ruleId=7174", "it", nullptr,
       "clauseState=99 scratchIndex=2"},
      // Each word between the noun and "it" stops the scan.
      {"Close/20 the/64 valve/10 and/63 so/71 it/66 stops/21 ./48", "it", kNoFind, "it", nullptr, "scratchIndex=1"},
      {"Close/20 the/64 valve/10 ,/47 so/71 it/66 stops/21 ./48", "it", kNoFind, "it", nullptr, "scratchIndex=1"},
      {"Close/20 the/64 valve/10 turn/20 so/71 it/66 stops/21 ./48", "it", kNoFind, "it", nullptr, "scratchIndex=1"},
      // The sentence start, then the first record of the text.
      {"Valve/10 a/50 b/50 c/50 so/71 it/66 stops/21 ./48", "it", kNoFind, "it", nullptr, "scratchIndex=4"},
      {"a/50{pos=5} b/50{pos=6} c/50{pos=7} d/50{pos=8} e/50{pos=9} it/66{pos=10} stops/21", "it", kNoFind, "it",
       nullptr, "scratchIndex=4"},
  });
}

}  // namespace
