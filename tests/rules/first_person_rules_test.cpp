// The rules of the first- and second-person pronouns (class 78), with the
// subject state they leave for the agreement check.
#include <gtest/gtest.h>

#include "rules/function_words/first_person_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace first_person;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }
void SubjectSeen(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.subjectNumber = 1;
  s.skipAgreement = 1;
}

TEST(FirstPersonRules, Tables) {
  static const TableCase kCases[] = {
      // The rows for a next word beginning with ',' or ']' come after the rows
      // that end the call on such a word.
      {kI, {"I/78 ,/47", "I", 0, ""}},
      {kI, {"Class/10 I/78 ]/42", "I", 1, ""}},
      {kI, {"I/78 are/25", "I", 2, "are: suggestion=\"am\" message=303 ruleId=4118"}},
      {kI, {"I/78 am/25 able/30 to/68", "I", -1, ""}},
      {first_person::kWe, {"x/20 we/78 x/40", "we", 0,
        "we: suggestion=\"manufacturer/(Company name or agency)\" wordClass=11 message=312 ruleId=23519"}},
      {first_person::kUs, {"x/10 call/20{msg=330} us/78 ./48", "us", 1,
                           "call: suggestion=\"contact/call (name)\" message=300 entryWords=2 ruleId=2117"}},
      {first_person::kUs, {"x/10 tell/20{token=9} us/78 ./48", "us", 3,
                           "us: suggestion=\"manufacturer/(Company name)\" message=312 ruleId=23519"}},
      {kHisHer, {"x/20 his/78 excellency/10{sub=80 msg=325}", "his", 0,
                 "his: wordClass=39\nexcellency: wordClass=39 subClass=0 message=0"}},
      {kHisHer, {"x/20 HIS/78 pump/10", "HIS", 2, "HIS: message=312 ruleId=5181"}},
      {kHisHer, {"x/20 his/78 way/10", "his", 3, "his: message=313 entryWords=2 ruleId=5181"}},
      // The and/or word would have to be a noun.
      {kHisHer, {"x/20 his/78 and/10 her/78 y/10 z/10 ./48", "his", 4,
                 "his: message=326 entryWords=3 ruleId=2281", LongSentence}},
      {kHisHer, {"x/20 his/78 and/63 her/78 y/10 z/10 ./48", "his", 5, "his: message=312 ruleId=3519", LongSentence}},
      {kYou, {"You/78 must/28", "You", 0, ""}},
      {kYou, {"You/78 red/30{code=A*****}", "You", 1, "red: message=302 ruleId=4118"}},
      {kYou, {"x/20 you/78 is/24", "you", 6, "is: suggestion=\"are\" message=303 ruleId=4118"}},
      {kYou, {"x/10 you/78 ./48", "you", 10, "you: message=302 ruleId=4118"}},
      // A modal after "you" ends the call before the row of "that you could not".
      {kYou, {"x/10 that/69 you/78 could/28 not/29", "you", 3, ""}},
      {kYou, {"x/10 without/60 you/78 y/10", "you", 19, "without: message=313 entryWords=2 ruleId=2719"}},
      {kYou, {"x/10 turn/20 you/78 ./48", "you", -1, ""}},
      // "allow you to" as "enable you to": the marker holds the "to" that "let you" replaces.
      {kYou, {"x/10 allows/21 you/78 to/68 y/20", "you", 16,
              "allows: suggestion=\"let you/lets you\" message=313 entryWords=3 ruleId=5117"}},
  };
  RunTableCases(kCases);
}

TEST(FirstPersonRules, Body) {
  static const BodyCase kCases[] = {
      // The head: a first subject of the sentence.
      {"Remove/20 my/78 pump/10 ./48", "my", "my: message=312 ruleId=1788", "my", nullptr, "subjectSeen=1"},
      {"Remove/20 me/78{sub=80} ./48", "me", "me: subClass=0 message=312 ruleId=1788", "me", SubjectSeen, "skipAgreement=0"},
      {"I/78 are/25 ./48", "I", "are: suggestion=\"am\" message=303 ruleId=4118", "are", SubjectSeen, "subjectNumber=0"},
      {"We/78 turn/20 ./48", "We",
       "We: suggestion=\"manufacturer/(Company name or agency)\" wordClass=11 message=312 ruleId=23519", "We",
       SubjectSeen, "subjectNumber=0 skipAgreement=0"},
      {"x/10 us/78 law/10 ./48", "us", "", "us", SubjectSeen, "subjectNumber=2 skipAgreement=0"},
      {"x/20 his/78 pump/10 ./48", "his", "his: wordClass=38 message=312 ruleId=3519", "his", SubjectSeen,
       "skipAgreement=0"},
      {"x/10 you/78 wish/20 to/68 stop/20 ./48", "you",
       "you: message=304 entryWords=3 ruleId=3217\nwish: wordClass=40\nto: wordClass=40", "to", SubjectSeen,
       "subjectNumber=0"},
      {"x/10 lets/21 you/78 know/20 ./48", "you",
       "lets: suggestion=\"shows you/show you\" message=313 entryWords=3 ruleId=5117", "."},
      {"x/10 facing/23 you/78{msg=312} y/10 ./48", "you",
       "facing: suggestion=\"toward you\" message=313 entryWords=2 ruleId=2117\nyou: message=0", "you"},
      {"You/78 pump/10 ./48", "You", "pump: message=302 ruleId=4118", "pump"},
      {"x/10 thou/78 ./48", "thou", "", "thou"},
  };
  RunBodyCases(ApplyFirstPersonRules, kCases);
}

}  // namespace
