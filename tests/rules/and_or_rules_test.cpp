// The rules of "and", "or" and "&": the shared steps with the two scans for
// a repeated conjunction, the rows of "or" and of "and", and what they tell
// the agreement check.
#include <gtest/gtest.h>

#include "rules/function_words/and_or_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/row_probes.h"
#include "tests/rules/rule_cases.h"

namespace {

void SubjectSeen(SentenceStateRec& s) {
  s.subjectSeen = 1;
  s.subjectNumber = 0;
}

TEST(AndOrRules, SharedStepsAndState) {
  static const BodyCase kCases[] = {
      // The first word of a sentence, or a one-character token after it.
      {"And/63 then/50 stop/20 ./48", "And", "", "And", SubjectSeen, ""},
      {"Fit/20 pump/10 and/63 )/44 ./48", "and", "", "and", SubjectSeen, "skipAgreement=1"},
      // One clause: the second "and" is the repeat.
      {"Fit/20 pump/10 and/63 valve/10 and/63 seal/10 ./48", "and",
       "and: suggestion=\"(Repeated word -and-)\" message=302 ruleId=3604", "and", SubjectSeen,
       "skipAgreement=1"},
      // A verb opens a second clause: no repeat, but the same conjunction
      // within six words is still one to rephrase.
      {"Remove/20{code=V0****} bolts/11 and/63 install/20{code=V0****} nuts/11 and/63 washers/11 ./48", "and",
       "and: message=321 ruleId=7679", "and", SubjectSeen, "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
      // "of" ends the first scan; the second one finds the "and".
      {"Fit/20 pump/10 and/63 cover/10 of/67 valve/10 and/63 seal/10 ./48", "and",
       "and: message=321 ruleId=7679", "and", SubjectSeen, "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
      // A comma ends the second scan too.
      {"Fit/20 pump/10 and/63 cover/10 of/67 valve/10 ,/47 and/63 seal/10 ./48", "and", "", "and"},
      {"Fit/20 pump/10 and/63 and/63 valve/10 ./48", "and#2", "and: message=318 ruleId=3202", "and#2"},
      {"Fit/20 x/10 and/63 equal/30 to/68 y/10 ./48", "and",
       "and: entryWords=3\nequal: wordClass=40\nto: wordClass=40", "to"},
      {"Set/20 10/49 and/63 up/61 ./48", "and",
       "and: suggestion=\"(Give numeric range)\" message=305 entryWords=2 ruleId=6113\nup: wordClass=40", "up"},
      {"Set/20 10/49 and/63 more/34 ./48", "and",
       "and: suggestion=\"(.. add than plus number)\" message=320 entryWords=2 ruleId=6213\nmore: wordClass=40",
       "more"},
      {"Fit/20 pump/10 ,/47 and/63 valve/10 ./48", "and", "", "and", SubjectSeen, "skipAgreement=1"},
      {"Fit/20 pump/10 and/63 all/38 other/38 parts/11 ./48", "and",
       "and: suggestion=\"other/or other\" message=302 entryWords=3 ruleId=1577\nall: wordClass=40\n"
       "other: wordClass=40", "other"},
      // "&" before "even" is "and", as "and" is.
      {"Fit/20 pump/10 &/63 even/30 valve/10 ./48", "&",
       "&: suggestion=\"and\" message=302 entryWords=2 ruleId=6577\neven: wordClass=40", "even"},
      {"Fit/20 pump/10 or/63 even/30 valve/10 ./48", "or",
       "or: suggestion=\"or\" message=302 entryWords=2 ruleId=6577\neven: wordClass=40", "even"},
      // At the end of the text the end record is a neutral word: no finding.
      {"Fit/20 pump/10 and/63", "and", "", "and"},
      {"Fit/20 pump/10 &/63 valve/10 ./48", "&", "&: suggestion=\"and\" message=337 ruleId=2357", "&",
       SubjectSeen, "skipAgreement=1"},
  };
  RunBodyCases(ApplyAndOrRules, kCases);
}

TEST(AndOrRules, OrAndAndRows) {
  static const BodyCase kCases[] = {
      // "or" forgets the subject and leaves the agreement check on.
      {"Set/20 20/49 or/63 more/34 than/60 30/49 ./48", "or",
       "or: suggestion=\"(Give a range or Ref. number)\" message=320 entryWords=2 ruleId=7579", "more",
       SubjectSeen, "subjectSeen=-1 subjectNumber=-1"},
      {"Use/20 grade/10 B/10 or/63 higher/34 ./48", "or",
       "or: suggestion=\"or more than\" message=305 entryWords=2 ruleId=1609\nhigher: wordClass=40", "higher"},
      {"Use/20 grade/10 B/10 or/63 lower/34 than/60 C/10 ./48", "or",
       "or: suggestion=\"or less\" message=327 entryWords=2 ruleId=2579\nlower: wordClass=40", "lower"},
      {"Use/20 grade/10 B/10 or/63 lower/10 than/60 C/10 ./48", "or",
       "or: suggestion=\"(Give time reference)\" message=305 entryWords=2 ruleId=1609\nlower: wordClass=40",
       "lower"},
      {"Use/20 grade/10 B/10 or/63 lower/10{mark=1} than/60 C/10 ./48", "or",
       "or: suggestion=\"or less\" message=327 entryWords=2 ruleId=2579\nlower: wordClass=40", "lower"},
      {"Stop/20 it/66 or/63 than/60 here/50 ./48", "or", "or: message=302 ruleId=1605", "or"},
      // "from" is of class 67, after which "or" has no finding.
      {"Stop/20 it/66 or/63 from/67 here/50 ./48", "or", "", "or"},
      {"Stop/20 it/66 or/63 you/66 fall/20 ./48", "or",
       "or: suggestion=\"(Rephrase)\" message=302 entryWords=2 ruleId=1614\nyou: wordClass=40", "you"},
      // "and" forgets the subject and tells the agreement check to accept.
      {"Fit/20 pump/10 and/63 so/71 forth/50 ./48", "and",
       "and: message=304 entryWords=3 ruleId=7604\nso: wordClass=40\nforth: wordClass=40", "forth", SubjectSeen,
       "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
      {"Fit/20 pump/10 and/63 then/73 stop/20 ./48", "and",
       "and: suggestion=\", then\" message=302 entryWords=2 ruleId=2604\nthen: wordClass=40", "then"},
      {"Fit/20 pump/10 and/63 not/29 valve/10 ./48", "and",
       "and: message=321 entryWords=2 ruleId=16012\nnot: wordClass=40", "not"},
      {"Fit/20 pump/10 and/63 valve/10 ./48", "and", "", "and", SubjectSeen,
       "subjectSeen=-1 subjectNumber=-1 skipAgreement=1"},
  };
  RunBodyCases(ApplyAndOrRules, kCases);
}

TEST(AndOrRules, TablesRowByRow) {
  using namespace and_or;
  static const RowCase kComma[] = {
      {"Fit/20 pump/10 and/63 ,,/47 valve/10", "and", 0, ",,: message=318 ruleId=2201"},
  };
  RunRowCases(kCommaAfter, kComma);

  static const RowCase kBefore[] = {
      {"Fit/20 x/40 and/63 and/63 y/10", "and#2", 0, ""},
      {"Fit/20 x/10 and/63 and/63 y/10", "and#2", 1, nullptr},
      {"Fit/20 and/63 and/63 y/10", "and#2", -1, nullptr},
      {"Fit/20 x/10 and/63 equal/30 to/68", "and", 2, nullptr},
      {"Fit/20 x/10 and/63 later/50 on/61", "and", 3, nullptr},
      {"Fit/20 x/10 and/63 less/34", "and", 4, nullptr},
      {"Fit/20 x/10 and/63 less/34 than/60", "and", -1, nullptr},
      {"Fit/20 5/49 and/63 6/49", "and", 5, nullptr},
      {"Fit/20 x/10 ,/47 and/63 y/10", "and", 6, nullptr},
      {"Fit/20{code=V0****} and/63 y/20{code=V0****}", "and", 7, nullptr},
      {"Fit/20 x/10 and/63 y/50", "and", 8, nullptr},
  };
  RunRowCases(kBeforeRepeat, kBefore);

  static const RowCase kSharedCases[] = {
      {"Fit/20 x/10 or/63 all/38 other/38", "or", 0, nullptr},
      {"Fit/20 x/10 or/63 even/30", "or", 1, nullptr},
      {"Fit/20 x/10 and/63 even/30", "and", 2, nullptr},
      {"Fit/20 x/10 and/63 ?!/48", "and", 3, nullptr},
      {"Fit/20 x/10 and/63 @x/40", "and", 4, nullptr},
      {"Fit/20 x/10 +/63 y/10", "+", 5, nullptr},
      {"Fit/20 x/10 or/63 of/67", "or", 6, nullptr},
  };
  RunRowCases(kShared, kSharedCases);

  std::vector<RowCase> orCases{
      {"Fit/20 it/66 grease/20 or/63 oil/16{sub=12}", "or", 0, "oil: subClass=0 message=300 ruleId=7579"},
      {"Fit/20 it/66 5/49 or/63 less/34", "or", 1, nullptr},
      {"Fit/20 it/66 x/10 or/63 not/29", "or", 2, nullptr},
      {"Fit/20 it/66 x/10 or/63 fit/20{code=V0****}", "or", 3, nullptr},
      {"Fit/20 it/66 x/10 or/63 <b>/40", "or", 3, nullptr},
      {"Fit/20 it/66 x/10 or/63 equivalent/10", "or", 4, nullptr},
      {"Fit/20 it/66 5/49 or/63 bigger/34", "or", 5, "bigger: wordClass=40"},
      {"Fit/20 it/66 5/49 or/63 x/10", "or", 6, nullptr},
      // *whether or not*: only where "not" is not read as the negation.
      {"See/20 whether/70 or/63 not/40", "or", 18,
       "whether: suggestion=\"if/when\" message=334 entryWords=3 ruleId=1579"},
      {"Fit/20 it/66 x/10 or/63 more/34 than/60", "or", 19, nullptr},
      {"Fit/20 it/66 x/10 or/63 lower/34 than/60", "or", 20, nullptr},
      {"Fit/20 it/66 x/10 or/63 lower/34 fit/20", "or", 21, nullptr},
      {"Fit/20 it/66 x/10 or/63 lower/34 x/10", "or", 22, nullptr},
      {"Fit/20 it/66 x/10 or/63 no/77", "or", 23, nullptr},
      {"Fit/20 it/66 x/10 or/63 you/66", "or", 24, nullptr},
      {"Fit/20 it/66 x/10 or/63 to/68 can/28", "or", 25, nullptr},
      {"Fit/20 it/66 x/10 or/63 as/54", "or", 26, nullptr},
      {"Fit/20 it/66 x/10 or/63 is/24 to/68", "or", 27, nullptr},
      {"Fit/20 it/66 x/10 or/63 than/60", "or", 28, nullptr},
  };
  AddRowProbes(orCases, kOr, 7, 17, {.pattern = "Use/20 it/66 x/10 or/63 {n1} x/40 ./48", .at = "or"});
  RunRowCases(kOr, orCases);

  static const RowCase kAndCases[] = {
      {"Fit/20 x/10 and/63 so/71 forth/50", "and", 0, nullptr},
      {"Fit/20 x/10 and/63 no/77", "and", 1, nullptr},
      {"Fit/20 x/10 and/63 so/71", "and", 2, nullptr},
      {"Fit/20 x/10 and/63 then/73", "and", 3, nullptr},
      {"Fit/20 x/10 and/63 with/74", "and", 4, nullptr},
      {"Fit/20 x/10 and/63 is/24", "and", 5, nullptr},
      // A be form whose letter is one of the openers' letters is not a clause.
      {"Fit/20 x/10 and/63 was/24", "and", -1, nullptr},
      {"Fit/20 x/10 and/63 not/29", "and", 6, nullptr},
      {"Fit/20 x/10 and/63 also/50", "and", 4, nullptr},
      {"Fit/20 x/10 and/63 alsoo/50", "and", 7, nullptr},
      {"Fit/20 and/63 x/10", "and", 8, nullptr},
      {"Fit/20 x/10 and/63 ),/40", "and", 9, "),: message=318 ruleId=1579"},
      {"Fit/20 x/10 and/63 :x/40", "and", 11, "and: message=302 ruleId=1578"},
      {"Fit/20 x/20 and/63 :x/10", "and", 10, ":x: wordClass=40"},
  };
  RunRowCases(kAnd, kAndCases);
}

}  // namespace
