// The rules of "for" and "by" (class 65).
#include <gtest/gtest.h>

#include "rules/function_words/for_by_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace for_by;

void LongSentence(SentenceStateRec& s) { s.sentenceWordCount = 10; }
void ShortSentence(SentenceStateRec& s) { s.sentenceWordCount = 5; }
void PluralSubject(SentenceStateRec& s) {
  s.sentenceWordCount = 10;
  s.subjectNumber = 1;
}

TEST(ForByRules, Tables) {
  static const TableCase kCases[] = {
      {kHead, {"use/20 for/65 two/49 hours/11", "for", 0, ""}},
      {kHead, {"x/10 for/65{pos=-1} ./48", "for", 7, "for: message=331 ruleId=4317"}},
      {kHead, {"x/10 per/65 hour/10", "per", 9, ""}},
      // Not a gate: ':' after "for", another class-65 word opening a sentence.
      {kHead, {"x/10 for/65 :/42", "for", -1, ""}},
      {kForFirst,
       {"used/22{code=V0****} for/65 ./48", "for", 2, "for: suggestion=\"To ... (verb)\" message=331 ruleId=4679"}},
      {kForFirst, {"x/10 for/65 cleaning/40 y/10", "for", 6, "cleaning: wordClass=23 message=338 ruleId=4679"}},
      // The gerund comes before the word list.
      {kForFirst, {"x/10 for/65 installing/23 y/10", "for", 6, "installing: message=338 ruleId=4679"}},
      {kForFirst, {"x/10 for/65 ring/10", "for", -1, ""}},
      {kBeforeFor, {"it/66 accounts/21 for/65 x/10", "for", 0,
                    "accounts: suggestion=\"(contain)/(contains)\" message=331 entryWords=2 ruleId=2779"}},
      {kBeforeFor, {"the/64 check/10 for/65{msg=325} x/10", "for", 2,
        "check: suggestion=\"examine ... for/make sure\" message=331 entryWords=2 ruleId=2779\nfor: message=0"}},
      {kBeforeFor, {"it/66 is/24 signed/22 for/65 x/10", "for", -1, ""}},
      {kAfterFor, {"x/10 for/65 up/61 to/68 ten/49", "for", 1,
                   "for: suggestion=\"to a maximum of/until\" message=323 entryWords=3 ruleId=1779"}},
      {kAfterFor, {"x/10 for/65 on/75 ./48", "for", 7,
                   "on: suggestion=\"(to ON position or to OFF position)\" message=323 ruleId=1779 verbForm=X"}},
      {kAfterFor, {"x/10 for/65 pump/10", "for", -1, ""}},
      // The words in "-ing" have had their gerund finding already.
      {kForWords, {"x/10 for/65 signs/11", "for", 13,
                   "for: suggestion=\"for an indication of\" message=313 entryWords=2 ruleId=1674"}},
      {kForWords, {"x/10 for/65 access/10{mark=1}", "for", -1, ""}},
      // ':' ended the chain at its start
      {kForRest, {"x/10 for/65 worn/30{code=AAG***} parts/11", "for", 0, "for: message=338 entryWords=2 ruleId=5978"}},
      {kForRest, {"x/10 for/65 worn/30 parts/11", "for", -1, ""}},
      // Class 78 and numbers after "for" and "signs" end the chain before.
      {kForTail, {"see/20 x/10 for/65 more/30 details/11 about/73 the/64 pump/10", "for", 3,
                  "for: suggestion=\"for more information\" message=313 entryWords=3 ruleId=1778", LongSentence}},
      {kForTail, {"see/20 x/10 for/65 more/30 details/11 about/73", "for", -1, "", ShortSentence}},
      {kForTail, {"x/10 for/65 as/54 long/30 as/54 y/10", "for", 5,
                  "for: suggestion=\"(Give time measurement)\" message=305 entryWords=4 ruleId=1778"}},
      {kForTail,
       {"x/10 for/65 never/77", "for", 7, "for: suggestion=\"there is no/there are no\" message=334 ruleId=1678"}},
      {kForTail, {"x/10 for/65 sure/30{mark=1}", "for", -1, ""}},
      {kByFirst, {"divided/22 by/65 x/10", "by", 0, ""}},
      {kByFirst, {"x/10 by/65 Acme/40{sub=325 msg=325}", "by", 5, "Acme: wordClass=39 subClass=0 message=0"}},
      {kByFirst, {"turn/20 step/10 by/65 step/10 ./48", "by", 8, ""}},
      {kByFirst, {"x/10 by/65 pump/10", "by", -1, ""}},
      {kBeforeBy, {"x/10 by/65 you/78", "by", 0, ""}},
      {kBeforeBy, {"it/66 is/24 backed/40 by/65 x/10", "by", 3,
                   "backed: suggestion=\"has ..\" message=313 entryWords=2 ruleId=3313"}},
      {kBeforeBy, {"no/77 need/10 by/65 x/10", "by", 10, "need: message=313 entryWords=2 ruleId=3313"}},
      {kBeforeBy, {"x/10 by/65 y/10", "by", -1, ""}},
      {kAfterBy, {"x/10 by/65 means/11 of/67 y/10", "by", 0,
                  "by: suggestion=\"with/by/through\" message=313 entryWords=3 ruleId=3313"}},
      {kAfterBy, {"x/10 by/65 use/10", "by", -1, ""}},
      {kByWords, {"x/10 by/65 allowing/40 y/10", "by", 0,
                  "by: suggestion=\"let (STE)\" message=338 entryWords=2 ruleId=2315"}},
      {kByWords, {"x/10 by/65 being/40 y/10", "by", 1,
                  "by: suggestion=\"when you/(Rephrase)\" message=324 entryWords=2 ruleId=2314"}},
      {kByWords, {"x/10 by/65 handle/10", "by", -1, ""}},
  };
  RunTableCases(kCases);
}

// Each chain through the body: the resume word past covered words, the
// writes of the look-ahead steps, the chain of a word opening its sentence.
TEST(ForByBody, ChainsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"x/10 for/65 a/64 time/10 ./48", "for",
       "for: message=304 entryWords=3 ruleId=1779\na: wordClass=40\ntime: wordClass=40", "time"},
      // A short -ing verb: the infinitive from its base form.
      {"x/10 for/65 sing/23{plural=0} y/10", "for",
       "for: suggestion=\"to s\" message=338 entryWords=2 ruleId=2156\nsing: suggestion=\"s\" wordClass=40", "sing",
       PluralSubject, "subjectNumber=0"},
      {"x/10 for/65 sing/23{plural=_} y/10", "for", "", "for", PluralSubject, "subjectNumber=0"},
      {"x/10 by/65 hand/10 ./48", "by",
       "by: suggestion=\"manually\" message=324 entryWords=2 ruleId=2314\nhand: wordClass=40", "hand", nullptr,
       "scratchResult=-1"},
      {"x/10 by/65 jan/10 2020/49", "by", "", "by", nullptr, "scratchResult=99"},
      {"turn/20 step/10 by/65 step/10 y/10", "by",
       "step: suggestion=\"step-by-step\" message=317 entryWords=3 ruleId=3312", "by"},
      // A past participle before "by" ends the chain before its table.
      {"it/66 is/24 marked/22 by/65 x/10", "by", "", "by"},
      {"By/65 turning/23 the/64 valve/10 ./48", "By",
       "By: suggestion=\"(Use infin. verb on list)\" message=338 entryWords=2 ruleId=4556\nturning: wordClass=40",
       "turning", ShortSentence},
      {"By/65 x/10 ./48", "By", "", "By"},
      {"By/65 Acme/10{sub=325 msg=325} the/64 x/10 ./48", "By",
       "By: message=331 ruleId=4556\nAcme: wordClass=39 subClass=0 message=0", "By", ShortSentence},
      {"Per/65 the/64 x/10", "Per", "Per: message=302 ruleId=166", "Per"},
      {"By/65 the/64 end/10 of/67 day/10 ./48", "By", "By: message=318 ruleId=1766", "By", ShortSentence},
      {"For/65 cleaning/23 the/64 pump/10 use/20 water/16 ./48", "For",
       "For: suggestion=\"to ... Verb.\" message=331 ruleId=2156", "For"},
      {"For/65 now/52 ,/47 stop/20 the/64 pump/10", "For",
       "For: message=304 entryWords=2 ruleId=1779\nnow: wordClass=40", "now"},
      {"For/65 sing/23 stop/20 ./48", "For", "For: suggestion=\"To\" message=331 ruleId=4586", "For"},
      {"For/65 safety/10 stop/20 the/64 pump/10 ./48", "For", "For: message=318 ruleId=1666", "For"},
      {"For/65 safety/10 ,/47 stop/20 the/64 pump/10 ./48", "For", "", "For", nullptr, "scratchResult=-1"},
  };
  RunBodyCases(ApplyForByRules, kCases);
}

}  // namespace
