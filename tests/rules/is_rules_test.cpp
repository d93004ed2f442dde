// The rules of "am", "is", "are", "was" and "were" inside a sentence.
#include <gtest/gtest.h>

#include "rules/main/be_have_parts.h"
#include "rules/main/is_tables.h"
#include "tests/rules/table_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void Six(SentenceStateRec& s) { s.sentenceWordCount = 6; }
void Five(SentenceStateRec& s) { s.sentenceWordCount = 5; }

// The rows before and after the passive, and the rows picked by the first letter of the next word.
TEST(IsRules, Tables) {
  const auto pre = IsBeforePassiveRows(), post = IsAfterPassiveRows();
  const auto L = [](char c) { return IsLetterRows(c); };
  const TableCase kCases[] = {
      {pre, {"it/66 is/24 often/50 opening/23 ./48", "is", 0, "is: message=335 entryWords=3 ruleId=5624"}},
      {pre, {"then/73 these/76 is/24 x/40 ./48", "is", 1, "is: message=303 ruleId=1569"}},
      {pre, {"these/76 is/24 x/40 ./48", "is", -1, ""}},  // second word: no agreement test
      {pre, {"it/66 is/24 having/25 b/10 ./48", "is", 7, nullptr}},
      {pre, {"they/66 are/25 running/23 ./48", "are", 9,
             "are: suggestion=\"operates/operate/in operation\" message=335 entryWords=2 ruleId=4562"}},
      // Only an -ing form is a gerund, not any word in "ng".
      {pre, {"it/66 is/24 long/30 ./48", "is", -1, ""}},
      {pre, {"it/66 is/24 included/22 in/75 b/10 ./48", "is", 12, "included: message=304 ruleId=6644"}},
      {pre, {"it/66 was/24 emptied/31 ./48", "was", 15,
             "was: suggestion=\"is empty\" message=300 entryWords=2 ruleId=7813"}},
      // The advice, with its closing bracket, and the finding go on the size word.
      {post, {"it/66 is/24 large/30 ./48", "is", 3,
              "large: suggestion=\"(Give range or Ref.)\" message=305 ruleId=61270"}},
      {post, {"it/66 is/24 easily/50 moved/22 ./48", "is", 4, "is: message=302 entryWords=2 ruleId=5816"}},
      {post, {"a/40 not/29 is/24{sub=1} to/68{msg=301} x/40 ./48", "is", 6,
              "not: message=313 entryWords=3 ruleId=5812\nis: subClass=0\nto: message=0"}},
      {post, {"a/40 b/40 is/24 to/68 do/20 x/40 y/40 ./48", "is", 8,
              "is: suggestion=\"do\" message=313 entryWords=3 ruleId=5821", Long}},
      {post, {"a/40 b/40 is/24 to/68 do/20 x/40 ./48", "is", -1, ""}},  // too near the end
      {post, {"it/66 is/24 to/68 not/29 go/20 x/40 ./48", "is", 13,
              "is: suggestion=\"do not\" message=335 entryWords=3 ruleId=4742", Long}},
      {post, {"a/40 was/24 is/24 to/68 be/25 x/40 ./48", "is", 9,
              "was: suggestion=\"will be\" message=335 entryWords=2 ruleId=6911"}},
      {L('b'), {"it/66 Is/24 by/65 no/77 means/11 ./48", "Is", 1,
                "Is: suggestion=\"Is not\" message=302 entryWords=3 ruleId=6583"}},
      {L('b'), {"it/66 was/24 back/50 of/67 b/10 ./48", "was", 3,
                "was: suggestion=\"was at the rear\" message=302 entryWords=2 ruleId=6884"}},
      {L('f'), {"it/66 IS/24 familiar/30 with/74 b/10 ./48", "IS", 3,
                "IS: suggestion=\"IS known\" message=300 entryWords=3 ruleId=7984"}},
      {L('c'), {"it/66 is/24 capable/30 of/67 b/10 ./48", "is", 4,
                "is: suggestion=\"can\" message=335 entryWords=3 ruleId=7581"}},
      {L('e'), {"it/66 is/24 equipped/22 with/74 b/10 ./48", "is", 0,
                "is: suggestion=\"has/have\" wordClass=20 message=335 entryWords=3 ruleId=6583"}},
      // Each form takes the verb of its own number.
      {L('i'), {"they/66 were/25 in/75 contact/10 with/74 b/10 ./48", "were", 2,
                "were: suggestion=\"touch\" message=300 entryWords=4 ruleId=7582"}},
      {L('i'), {"it/66 was/24 in/75 contact/10 with/74 b/10 ./48", "was", 3,
                "was: suggestion=\"touches\" message=300 entryWords=4 ruleId=7582"}},
      {L('n'), {"it/66 was/24 no/77 longer/34 b/10 ./48", "was", 5,
                "was: suggestion=\"is not more than/(Give Measure)\" message=302 entryWords=3 ruleId=6111"}},
      // "not" is of class 29 in the dictionaries: the rows of class 29 above take these first.
      {L('n'), {"it/66 was/24 not/52 to/68 be/25 moved/22 ./48", "was", 7,
                "was: suggestion=\"is not/must not\" message=330 entryWords=4 ruleId=8884"}},
      {L('n'), {"it/66 is/24 not/29 high/30 ./48", "is", 12, "high: message=305 ruleId=6170"}},
      {L('n'), {"it/66 Was/24 not/29 present/30 ./48", "Was", 11,
                "Was: suggestion=\"Was not found\" message=301 entryWords=3 ruleId=6884"}},
      {L('p'), {"a/40 it/66 is/24 powered/22 off/61 b/10 c/40 ./48", "is", 1,
                "is: suggestion=\"electrical power is removed\" message=300 entryWords=3 ruleId=7588", Long}},
      {L('s'), {"it/66 Is/24 so/71 b/10 ./48", "Is", 3, "Is: suggestion=\"Is\" message=302 entryWords=2 ruleId=6111"}},
      {L('s'), {"it/66 is/24 set/22 ./48", "is", 2, "set: wordClass=31"}},
      // The verb after "to not" is a base form: "do not" goes before its own text.
      {L('t'), {"it/66 is/24 to/68 not/29 bring/20 ./48", "is", 0,
                "is: suggestion=\"do not bring\" message=335 entryWords=3 ruleId=4342"}},
      {L('t'), {"it/66 is/24{sub=1} to/68 not/29 bring/20 ./48", "is", -1, ""}},
      {L('u'), {"it/66 is/24 used/22 to/68 b/10 ./48", "is", 1, "is: suggestion=\"use/(Rephrase)\" entryWords=3"}},
  };
  RunTableCases(kCases);
  EXPECT_EQ(L('m').data(), L('d').data());
  EXPECT_EQ(L('w').data(), L('u').data());
  EXPECT_TRUE(L('x').empty());
}

TEST(IsRules, Body) {
  static const BodyCase kCases[] = {
      // The number of the form, for the later words of the sentence.
      {"they/66 were/25 x/40 ./48", "were", "", "were", nullptr, "subjectNumber=1 lastVerbClass=22"},
      {"it/66 is/24 go/20 ./48", "is", "is: message=313 ruleId=4612", "is"},
      // Agreement: "is" after a plural subject; "are" and "were" never, their entry makes the number plural.
      {"then/73 valves/11 is/24 x/40 ./48", "is", "is: message=303 ruleId=1569", "is"},
      // The passive measure: four words and more, three words; not measured near the end.
      {"it/66 is/24 often/50 been/27 cleaned/31 in/75 oil/16 ./48", "is",
       "is: message=330 entryWords=4 ruleId=4642\noften: wordClass=40\nbeen: wordClass=40\ncleaned: wordClass=40",
       "cleaned", Long},
      {"it/66 is/24 being/25 not/29 running/23 a/40 ./48", "is",
       "is: message=330 entryWords=3 ruleId=4641\nbeing: wordClass=40\nnot: wordClass=40", "not", Six},
      {"it/66 is/24 being/25 not/29 running/23 a/40 ./48", "is", "", "is", Five},
      {"it/66 is/24 also/50 moved/22 ./48", "is", "is: message=302 entryWords=2 ruleId=5816\nalso: wordClass=40",
       "also"},
      {"it/66 is/24", "is", "", "is"},
  };
  RunBodyCases(ApplyIsRules, kCases);
}

}  // namespace
