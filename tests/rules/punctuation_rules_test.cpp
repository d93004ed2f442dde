// The small classes of the main rules: 42, 44, 45, 47 and 48.
#include <gtest/gtest.h>

#include <string>

#include "rules/main/class_bodies.h"
#include "rules/main/label_words.h"
#include "tests/rules/rule_cases.h"

namespace {

void AgreementSkipped(SentenceStateRec& s) { s.skipAgreement = 1; }
void LongCount(SentenceStateRec& s) { s.sentenceWordCount = 9; }
void ShortCount(SentenceStateRec& s) { s.sentenceWordCount = 3; }
void InSentence(SentenceStateRec& s) {
  s.skipAgreement = 1;
  s.sentenceKind = 10;
  s.sentenceWordCount = 9;
  s.subjectNumber = 1;
  s.lastVerbClass = 21;
  s.subjectSeen = 1;
}

TEST(SmallClasses, Bodies) {
  RunBodyCases(ApplyPunctuationRules, {
      // A slash anywhere but after a neutral token.
      {"//42 valve/10 ./48", "/", "/: message=337 ruleId=2407", "/", AgreementSkipped, "skipAgreement=0"},
      {"valve/10 //42 pump/10 ./48", "/", "/: message=337 ruleId=2407"},
      {"xyz/40 //42 pump/10 ./48", "/", ""},
      // A semicolon inside a sentence.
      {"open/20 ;/42 close/20 ./48", ";", ";: message=337 ruleId=3397 splitKind=7"},
      // Colons that end at once.
      {"Note/10 :/42 do/20 ./48", ":", ""},
      {"do/20 this/76 :/42 Open/20 ./48", ":", "", nullptr, ShortCount},
      {"a/64 :/42 valve/10 ./48", ":", "valve: separatorFlag=2", nullptr, LongCount},
      // Colons that become neutral, or end a clause before "and".
      {"do/20 these/76 :/42 5/49 ./48", ":", ":: wordClass=40", nullptr, LongCount},
      {"do/20 these/76 :/42 and/63 stop/20 ./48", ":", ":: wordClass=48 sentenceLength=2", nullptr, LongCount,
       "sentenceWordCount=4 scratchIndex=24"},
      // After a label word the colon's own codes are cleared.
      {"do/20 as/54 follow/20 :/42{sub=17} open/20 the/64 valve/10 ./48", ":",
       ":: wordClass=40 subClass=0 sentenceLength=3", nullptr, LongCount, "sentenceWordCount=5 scratchIndex=99"},
      {"do/20 as/54 tell/20 :/42{sub=17} open/20 the/64 valve/10 ./48", ":", ":: wordClass=40 sentenceLength=3",
       nullptr, LongCount, "sentenceWordCount=5 scratchIndex=24"},
      // An opening mark is only reclassed.
      {":/42 valve/10 ./48", ":", ":: wordClass=40"},
  });
  RunBodyCases(ApplyInchRules, {
      {"5/49 in/75 x/44 long/30 ./48", "x", "x: suggestion=\"inch\" tag=\"<AR>\" message=311 ruleId=1304"},
      {"5/49 inside/75 x/44 ./48", "x", ""},
  });
  RunBodyCases(ApplyShortFormRules, {
      {"max/45 pressure/10 ./48", "max", "max: suggestion=\"maximum\" tag=\"<AR>\" wordClass=30 message=311 ruleId=7669",
       "max", nullptr, "subjectSeen=0"},
      // The long form keeps the short form's capitals.
      {"the/64 MIN./45 ./48", "MIN.", "MIN.: suggestion=\"MINIMUM\" tag=\"<AR>\" wordClass=30 message=311 ruleId=7669"},
      // After a number the short form is its unit: nothing to spell out.
      {"wait/20 10/40 min/45 at/75 ./48", "min", ""},
      {"use/20 5/49 max./45 bolts/11 ./48", "max.", ""},
      {"lbs/45 valve/10 ./48", "lbs", "", nullptr, nullptr, "subjectSeen=0 subjectNumber=1"},
      {"max/min/45 pressure/10 ./48", "max/min",
       "max/min: written=\"/\" tag=\"/m\" message=337 length=1 ruleId=6764 splitKind=6"},
      {"max/min/45{verb=b} pressure/10 ./48", "max/min", ""},
      {"hi/45{split=4} temperature/30 ./48", "hi", "temperature: message=317 ruleId=1942"},
  });
  RunBodyCases(ApplyCommaRules, {
      {"valve/10 ,/47{rule=1234} and/63 pump/10 ./48", ",", ",: message=337 entryWords=2 ruleId=4747", "and",
       AgreementSkipped, "skipAgreement=0"},
      {"it/66 is/24 ,/47 open/30 ./48", ",", ",: message=337 entryWords=2 ruleId=4747", "open"},
      {"valve/10 ,/47{verb=q} and/63 pump/10 ./48", ",", ",: entryWords=2", "and"},  // locked
      {"valve/10 ,/47 pump/10 ./48", ",", "", ","},
  });
  RunBodyCases(ApplySentenceEndRules, {
      {"Open/20 it/66 ./48 Close/20 the/64 drain/10 now/50 ./48", ".", ".: sentenceLength=4 verbForm=* extraFlag=NUL",
       ".", InSentence, "subjectSeen=-1 subjectNumber=-1 sentenceKind=0 sentenceWordCount=6 lastVerbClass=-1 skipAgreement=0"},
      {"Open/20 it/66 ./48", ".", ".: verbForm=* extraFlag=NUL", ".", InSentence,
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=0 sentenceWordCount=1 lastVerbClass=-1 skipAgreement=0"},
      // A block's full stop after the mark that ended its last sentence
      // counts the sentence after it; one that opens the text does not.
      {"Is/24 it/66 on/50 ?/48 ./48 We/66 know/20 what/60 ./48", ".", ".: sentenceLength=3 verbForm=* extraFlag=NUL",
       ".", InSentence, "subjectSeen=-1 subjectNumber=-1 sentenceKind=0 sentenceWordCount=5 lastVerbClass=-1 skipAgreement=0"},
      {"./48 We/66 go/20 ./48", ".", ".: verbForm=* extraFlag=NUL", ".", InSentence,
       "subjectSeen=-1 subjectNumber=-1 sentenceKind=0 sentenceWordCount=1 lastVerbClass=-1 skipAgreement=0"},
  });
}

TEST(LabelWords, ListAndSearchIndex) {
  EXPECT_EQ(LabelWords.Count(), 24);
  SentenceStateRec s;
  for (const char* label : {"warning", "as follows", "contact", "tel"}) {
    WordRec w = LoneWord(label);
    EXPECT_TRUE(IsLabelWord(w, s)) << label;
    EXPECT_EQ(s.scratchIndex, 99);
  }
  for (const char* other : {"warn", "notes:", "follows"}) {
    WordRec w = LoneWord(other);
    EXPECT_FALSE(IsLabelWord(w, s)) << other;
    EXPECT_EQ(s.scratchIndex, 24);
  }
}

}  // namespace
