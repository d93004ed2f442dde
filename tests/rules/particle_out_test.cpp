// The rules of the particle "out".
#include <gtest/gtest.h>

#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_tables.h"
#include "tests/rules/particle_case_lists.h"

namespace {

using namespace particle;

void TwoWords(SentenceStateRec& s) { s.sentenceWordCount = 2; }

TEST(OutRules, Tables) {
  RunRowCases(kOutOpening, {
      {"out/61 y/10", "out", 0, "out: message=331 ruleId=7318", TwoWords},
      {"OUT/61 ./48", "OUT", 1, "OUT: message=323 ruleId=3465 verbForm=X"},
      {"OUT/61 y/10", "OUT", -1, "", TwoWords},
  });
  RunRowCases(kOutPhrases, {
      {"x/10 out/61 from/67 under/60", "out", 0, "out: suggestion=\"... from below\" message=302 entryWords=3 ruleId=5656"},
      {"x/10 run/20 out/61 of/67 y/10", "out", 2, "run: suggestion=\"decrease/go/(Rephrase)\" message=302 entryWords=3 ruleId=5656"},
      {"x/10 ran/22 out/61 of/67 y/10", "out", -1, ""},
  });
  std::deque<std::string> texts;
  auto verbs = VerbCases(texts, "out/61", {{"age/10", 0}, {"broken/22", 6}, {"zoom/20", 74}, {"brokenly/50", -1},
                                           {"push_button/10", -1}, {"put/20", -1}});
  verbs.push_back({"x/10 put/20 out/61 ,/47", "out", 49, "put: suggestion=\"remove/push/drain\" message=315 entryWords=2 ruleId=7656"});
  // No advice: the verb keeps its own.
  verbs.push_back({"x/10 checked/22{sug=check} out/61 y/10", "out", 11, "checked: message=315 entryWords=2 ruleId=7656"});
  RunRowCases(kOutVerbs, verbs);
  RunRowCases(kOutBeforeEnd, {
      {"x/10 out/61 <b>/41", "out", 1, "out: message=331 ruleId=7318"},
      {"x/10 out/61 y/10", "out", -1, ""},
  });
  RunRowCases(kOutOf, {
      {"x/10 out/61 of/67 limits/11", "out", 0, "out: suggestion=\"(Give range or limits)\" message=305 entryWords=3 ruleId=5656"},
      {"x/10 out/61 of/67 service/10", "out", 7, "out: suggestion=\"not in operation\" message=331 entryWords=3 ruleId=3465"},
      {"x/10 out/61 of/67 way/10", "out", 11, "out: suggestion=\"away from\" message=302 entryWords=3 ruleId=5656"},
      {"x/10 out/61{token=9} of/67 way/10", "out", -1, ""},
  });
  RunRowCases(kOutParen, {
      {"x/10 out/61{mark=1} (/41", "out", 0,
       "out: suggestion=\"is in the OFF position/is not illuminated\" message=323 ruleId=2607 verbForm=X"},
      {"x/10 out/61 (/41", "out", -1, ""},
  });
  RunRowCases(kOutRest, {
      {"x/10 out/61 through/60 y/10", "out", 0, "out: suggestion=\"through\" message=302 entryWords=2 ruleId=1502"},
      {"a/10 b/10 cut/20{split=4} out/61{split=4} y/10", "out", 4, "out: message=317 ruleId=3464"},
      // "The previous word's class is not 0" reads its token kind.
      {"a/10 b/10 c/10{token=9} out/61 d/10{mark=1}", "out", 6, "out: message=331 ruleId=4818"},
      {"a/10 b/10 c/10 out/61 d/10{mark=1}", "out", -1, ""},
      {"a/10 they/66 are/25 out/61 y/10", "out", 8, "out: message=331 ruleId=2609"},
      {"x/10 out/61 ports/11", "out", 2, "out: suggestion=\"output ports\" message=314 entryWords=2 ruleId=1502"},
      {"x/10 out/61{pos=0} to/68 y/10", "out", -1, ""},
  });
}

TEST(OutBody, StepsAndResumeWords) {
  RunBodyCases(ApplyParticleRules, {
      // "out of the way": the finding on "way"; the full stop after it is left alone.
      {"move/20 cart/10{mark=1} out/61 of/67 way/10{mark=1} ./48", "out",
       "out: suggestion=\"out of the way\" entryWords=3\nof: wordClass=40\n"
       "way: suggestion=\"away from\" wordClass=40 message=324 ruleId=3894", "way"},
      // An ordinary word after it keeps no findings; its text stays.
      {"x/10 out/61 of/67 way/10{mark=1} before/70{msg=331 sug=now} you/78", "out",
       "out: suggestion=\"out of the way\" entryWords=3\nof: wordClass=40\n"
       "way: suggestion=\"away from\" wordClass=40 message=324 ruleId=3894\nbefore: suggestion=\"\" message=0 verbForm=q",
       "way"},
      {"x/10 run/20 out/61{msg=331} y/10", "out",
       "run: suggestion=\"stop/distance(n)/use all ...\" message=315 entryWords=2 ruleId=7656\nout: message=0", "out"},
      {"x/10 value/10 is/24 out/61 of/67 range/10 ./48", "out",
       "out: suggestion=\"(Give range or limits)\" message=305 entryWords=3 ruleId=5656\nof: wordClass=40\n"
       "range: wordClass=40", "range"},
      // "the" read into the word after "of": the rules of "out of" are skipped.
      {"x/10 value/10 is/24 out/61 of/67 range/10{mark=1} ./48", "out", "out: message=331 ruleId=2609", "out"},
      {"x/10 put/20 out/61 y/10", "out", "", "out"},
  });
}

}  // namespace
