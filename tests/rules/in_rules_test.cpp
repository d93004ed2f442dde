// The rules of "in" inside a sentence (class 75).
#include <gtest/gtest.h>

#include "rules/function_words/in_tables.h"
#include "rules/function_words/place_preposition_tables.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace in_rules;

TEST(InTables, Rows) {
  static const TableCase kCases[] = {
      {kHead, {"x/10 plug/10{split=4} in/75{split=4 sep=-} to/68", "in", 0, ""}},
      {kHead, {"it/66 is/24 in/75 y/10", "in", 1, ""}},
      {kHead, {"x/10 in/75 <ref>/41", "in", 2, ""}},
      {kHead, {"x/10 in/75{split=4} line/10{split=4}", "in", 4, "in: message=317 ruleId=1441"}},
      {kHead, {"x/10 in/75{split=4} line/10", "in", -1, ""}},
      {kWordBefore, {"x/10 breathing/23 in/75 y/10", "in", 0,
                     "breathing: suggestion=\"breath/(Rephrase)\" message=324 entryWords=2 ruleId=7112"}},
      {kWordBefore, {"x/10 outlines/21 in/75 y/10", "in", -1, ""}},
      {kWordBefore, {"x/10 results/21 in/75 y/10", "in", 4,
                     "results: suggestion=\"can cause\" message=324 entryWords=2 ruleId=7112"}},
      {kAfterArticle, {"x/10 in/75 event/10{mark=1} of/67", "in", 0,
                       "in: written=\"in the\" suggestion=\"if/when\" message=301 entryWords=3 ruleId=7992"}},
      {kAfterArticle, {"x/10 in/75{sug=for} CASE/10{mark=1} that/69", "in", 0,
                       "in: written=\"in THE\" suggestion=\"for/if/when\" message=301 entryWords=3 ruleId=7992"}},
      {kAfterArticle, {"x/10 in/75 event/10{mark=1} y/10", "in", 1, ""}},
      {kAfterArticle, {"x/10 in/75 event/10 of/67", "in", -1, ""}},
      {kPhrases, {"x/10 in/75 whole/30 or/63 in/75 part/10", "in", 1, "in: message=304 entryWords=4 ruleId=1912"}},
      {kPhrases, {"x/10 in/75 whole/30 or/63 in/75 y/10", "in", -1, ""}},
      {kPhrases, {"x/10 in/75 accordance/10 with/74", "in", 2,
                  "in: suggestion=\"(as given in)/(refer to)\" message=301 entryWords=3 ruleId=6912"}},
      {kPhrases, {"x/10 in/75 engine/10 maintenance/10", "in", 7,
                  "in: suggestion=\"for/during/(Rephrase)\" message=331 ruleId=6912"}},
      {kPhrases, {"x/10 in/75 orders/11 to/68", "in", 8, "in: suggestion=\"to\" message=335 entryWords=3 ruleId=6912"}},
      {kNextWord, {"x/10 y/10 in/75 service/10", "in", 0,
                   "in: suggestion=\"in operation/(Rephrase)\" message=331 entryWords=2 ruleId=2824"}},
      {kNextWord, {"x/10 y/10 in/75 series/10", "in", 1, "in: message=331 entryWords=2 ruleId=2814"}},
      {kNextWord, {"x/10 in/75 depth/10", "in", -1, ""}},
      {kVerbBefore,
       {"x/10 y/10 always/52 in/75 y/10", "in", 0, "always: suggestion=\"in\" message=331 entryWords=2 ruleId=2814"}},
      {kVerbBefore, {"x/10 y/10 bottoms/21 in/75 y/10", "in", 7,
                     "bottoms: suggestion=\"reaches the bottom of\" message=331 entryWords=2 ruleId=2814"}},
      {kVerbBefore, {"x/10 y/10 keep/20 in/75 contact/10", "in", 32,
                     "keep: suggestion=\"touch/stay in contact\" message=331 entryWords=3 ruleId=2814"}},
      {kVerbBefore, {"x/10 y/10 keeps/21 in/75 mind/10", "in", 33,
                     "keeps: suggestion=\"know/see\" message=331 entryWords=3 ruleId=2814"}},
      {kVerbBefore, {"x/10 y/10 lodged/22 in/75 y/10", "in", 36, "lodged: message=331 entryWords=2 ruleId=2814"}},
      {kVerbBefore, {"x/10 y/10 shifted/22 in/75 y/10", "in", 52,
                     "shifted: suggestion=\"change position/move\" message=331 entryWords=2 ruleId=2814"}},
      {kVerbBefore, {"x/10 y/10 still/52 in/75 y/10", "in", 53,
                     "still: suggestion=\"is in/are in\" message=331 entryWords=2 ruleId=2814"}},
      {kVerbBefore, {"x/10 y/10 which/69 in/75 y/10", "in", 58,
                     "which: suggestion=\"when ...\" message=331 entryWords=2 ruleId=2814"}},
      // "kept" and "keep" only before their words; nothing on the second word.
      {kVerbBefore, {"x/10 y/10 kept/22 in/75 store/10", "in", -1, ""}},
      {kVerbBefore, {"checked/22 in/75 y/10", "in", -1, ""}},
      {kTail, {"x/10 in/75 <ref>/41", "in", 0, "in: message=331 ruleId=7318"}},
      {kTail, {"x/10 in/75 Acme/39", "in", 2, ""}},
      {kTail, {"x/10 in/75 Acme/10{msg=325}", "in", 3, ""}},
      {kTail, {"x/10 in/75 ACME/10{msg=325}", "in", -1, ""}},
  };
  RunTableCases(kCases);
}

void PluralSubject(SentenceStateRec& s) { s.subjectNumber = 1; }

TEST(InBody, PathsAndResumeWords) {
  static const BodyCase kCases[] = {
      {"x/10 in/75 such/38 a/64 way/10 that/69 y/10", "in",
       "in: message=304 entryWords=4 ruleId=1912\nsuch: wordClass=40\na: wordClass=40\nway: wordClass=40", "way"},
      {"x/10 in/75 between/60 y/10", "in", "between: message=304 ruleId=7912", "between"},
      // "kept in place" is what the advice replaces: the three words, and the
      // walk goes on after them.
      {"x/10 y/10 kept/22 in/75 place/10 ./48", "in",
       "kept: suggestion=\"(held in position)/(stays in position)\" message=331 entryWords=3 ruleId=2814", "place"},
      // "in" + an -ing verb: the base form, when it can be built.
      {"x/10 in/75 sing/23{plural=0} y/10", "in",
       "in: suggestion=\"s/to s\" message=338 entryWords=2 ruleId=7389\nsing: suggestion=\"s\" wordClass=40", "sing",
       PluralSubject, "subjectNumber=0"},
      {"x/10 in/75 sing/23{plural=_} y/10", "in", "in: message=338 entryWords=2 ruleId=7389\nsing: wordClass=40", "sing",
       PluralSubject, "subjectNumber=0"},
      // The second word of a sentence skips the words before and after "in".
      // "in place": the two words its advice replaces.
      {"kept/22 in/75 place/10 y/10 ./48", "in",
       "in: suggestion=\"(in position)/(Give position ref.)\" message=324 entryWords=2 ruleId=3917\nplace: wordClass=40",
       "in"},
      {"x/10 in/75 ,/47 y/10", "in", ",: message=318 ruleId=4782", ","},
      {"x/10 in/75 pump/10", "in", "", "in"},
  };
  RunBodyCases(ApplyInRules, kCases);
}

}  // namespace
