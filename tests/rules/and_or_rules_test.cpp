// The rules of "and", "or" and "&": the shared steps with the two scans for
// a repeated conjunction, the rows of "or" and of "and", and what they tell
// the agreement check.
#include <gtest/gtest.h>

#include "rules/function_words/and_or_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

void SubjectSeen(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.subjectNumber = 0;
}

TEST(AndOrRules, TablesRowByRow) {
  using namespace and_or;
  static const TableCase kCases[] = {
      {kCommaAfter, {"Fit/20 pump/10 and/63 ,,/47 valve/10", "and", 0, ",,: message=318 ruleId=2201"}},
      {kBeforeRepeat, {"Fit/20 x/40 and/63 and/63 y/10", "and#2", 0, ""}},
      {kBeforeRepeat, {"Fit/20 x/10 and/63 and/63 y/10", "and#2", 1, nullptr}},
      {kBeforeRepeat, {"Fit/20 and/63 and/63 y/10", "and#2", -1, nullptr}},
      {kOr, {"Fit/20 it/66 grease/20 or/63 oil/16{sub=12}", "or", 0, "oil: subClass=0 message=300 ruleId=7579"}},
      {kOr, {"Fit/20 it/66 5/49 or/63 bigger/34", "or", 5, "bigger: wordClass=40"}},
      {kOr, {"Fit/20 it/66 x/10 or/63 lower/10", "or", 10, nullptr}},
      // *whether or not*: only where "not" is not read as the negation.
      {kOr, {"See/20 whether/70 or/63 not/40", "or", 18,
             "whether: suggestion=\"if/when\" message=334 entryWords=3 ruleId=1579"}},
      // A be form whose letter is one of the openers' letters is not a clause.
      {kAnd, {"Fit/20 x/10 and/63 was/24", "and", -1, nullptr}},
      {kAnd, {"Fit/20 x/10 and/63 ),/40", "and", 9, "),: message=318 ruleId=1579"}},
      {kAnd, {"Fit/20 x/10 and/63 :x/40", "and", 11, "and: message=302 ruleId=1578"}},
      {kAnd, {"Fit/20 x/20 and/63 :x/10", "and", 10, ":x: wordClass=40"}},
  };
  RunTableCases(kCases);
}

TEST(AndOrRules, SharedStepsAndState) {
  static const BodyCase kCases[] = {
      // The first word of a sentence.
      {"And/63 then/50 stop/20 ./48", "And", "", "And", SubjectSeen, ""},
      // One clause: the second "and" is the repeat.
      {"Fit/20 pump/10 and/63 valve/10 and/63 seal/10 ./48", "and",
       "and: suggestion=\"(Repeated word -and-)\" message=302 ruleId=3604", "and", SubjectSeen, "skipAgreement=1"},
      // A verb opens a second clause: no repeat, but the same conjunction
      // within six words is still one to rephrase.
      {"Remove/20{code=V0****} bolts/11 and/63 install/20{code=V0****} nuts/11 and/63 washers/11 ./48", "and",
       "and: message=321 ruleId=7679", "and", SubjectSeen, "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
      // "of" ends the first scan; the second one finds the "and".
      {"Fit/20 pump/10 and/63 cover/10 of/67 valve/10 and/63 seal/10 ./48", "and",
       "and: message=321 ruleId=7679", "and", SubjectSeen, "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
      {"Fit/20 pump/10 and/63 and/63 valve/10 ./48", "and#2", "and: message=318 ruleId=3202", "and#2"},
      {"Set/20 10/49 and/63 up/61 ./48", "and",
       "and: suggestion=\"(Give numeric range)\" message=305 entryWords=2 ruleId=6113\nup: wordClass=40", "up"},
      // "&" before "even" is "and", as "and" is.
      {"Fit/20 pump/10 &/63 even/30 valve/10 ./48", "&",
       "&: suggestion=\"and\" message=302 entryWords=2 ruleId=6577\neven: wordClass=40", "even"},
      // At the end of the text the end record is a neutral word: no finding.
      {"Fit/20 pump/10 and/63", "and", "", "and"},
      {"Fit/20 pump/10 &/63 valve/10 ./48", "&", "&: suggestion=\"and\" message=337 ruleId=2357", "&",
       SubjectSeen, "skipAgreement=1"},
      // "or" forgets the subject and leaves the agreement check on.
      {"Set/20 20/49 or/63 more/34 than/60 30/49 ./48", "or",
       "or: suggestion=\"(Give a range or Ref. number)\" message=320 entryWords=2 ruleId=7579", "more",
       SubjectSeen, "subjectSeen=-1 subjectNumber=-1"},
      {"Use/20 grade/10 B/10 or/63 higher/34 ./48", "or",
       "or: suggestion=\"or more than\" message=305 entryWords=2 ruleId=1609\nhigher: wordClass=40", "higher"},
      {"Stop/20 it/66 or/63 than/60 here/50 ./48", "or", "or: message=302 ruleId=1605", "or"},
      // "from" is of class 67, after which "or" has no finding.
      {"Stop/20 it/66 or/63 from/67 here/50 ./48", "or", "", "or"},
      // "and" forgets the subject and tells the agreement check to accept.
      {"Fit/20 pump/10 and/63 so/71 forth/50 ./48", "and",
       "and: message=304 entryWords=3 ruleId=7604\nso: wordClass=40\nforth: wordClass=40", "forth", SubjectSeen,
       "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
      {"Fit/20 pump/10 and/63 valve/10 ./48", "and", "", "and", SubjectSeen,
       "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
  };
  RunBodyCases(ApplyAndOrRules, kCases);
}

}  // namespace
