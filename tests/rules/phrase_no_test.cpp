// The "no" phrase rules through CheckNegativePhrase, and the order of its tables.
#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(CheckNegativePhrase, GuardsAcceptedPhrasesAndWordsAround) {
  static const struct {
    const char* text;
    const char* at;
    const char* changes;
  } kCases[] = {
      {"Use/20 no/77 need/37", "no", ""},
      {"Use/20 no/77 need/48", "no", ""},
      {"Use/20 no/77 need/78", "no", ""},
      {"No/77 running/23", "No", ""},
      {"Use/20 NO/77 key/10", "NO", ""},
      {"Use/20 no/77 need/10{mark=1}", "no", ""},
      {"Use/20 no/77", "no", ""},
      // Accepted phrases: "no" becomes plain.
      {"Use/20 no/77{msg=334 sub=334} smoking/10", "no", "no: wordClass=40 subClass=0 message=0"},
      {"Use/20 no/77{msg=334 sub=334} fault/10", "no", "no: wordClass=40 subClass=0 message=0"},
      // "no more ... than" before the accepted "no more".
      {"Use/20 no/77 more/40 than/40 ./48", "no", "no: suggestion=\"maximum\" message=305 entryWords=3 ruleId=4318"},
      // A warning sign covers the word after "no".
      {"Use/20 no/77 running/23 x/40", "no",
       "no: suggestion=\"Do Not Run\" message=307 entryWords=2 ruleId=2125\nrunning: wordClass=40"},
      // The words before.
      {"If/70 there/50 is/24 no/77 oil/16", "no", "no: suggestion=\"If there is no/If there are no\" message=334 ruleId=6145"},
      {"There/50 is/24 no/77 oil/16", "no", "no: message=334 ruleId=4928"},
      {"They/66 are/25 no/77 use/16", "no", "are: suggestion=\"are not\" message=301 entryWords=2 ruleId=4012"},
      {"Use/20 with/60 no/77 oil/16", "no", "with: suggestion=\"without\" message=304 entryWords=2 ruleId=7012"},
  };
  for (const auto& k : kCases) {
    SCOPED_TRACE(k.text);
    auto words = BuildWords(k.text);
    CheckNegativePhrase(FindWord(*words, k.at));
    EXPECT_EQ(words->Changes(), k.changes);
  }
  CheckNegativePhrase(nullptr);
}

// Each table in the order the rule tries them: limits, warning signs, the
// verb before "no", the words after it.
TEST(CheckNegativePhrase, Rows) {
  RunRowCases(NoLimitRows(), {
      {"Use/20 no/77 more/40 than/40 ./48", "no", 0, "no: suggestion=\"maximum\" message=305 entryWords=3 ruleId=4318"},
      {"Use/20 no/77 less/40 than/40 ./48", "no", 1, "no: suggestion=\"minimum\" message=305 entryWords=3 ruleId=8014"},
  });
  RunRowCases(NoSignRows(), {
      {"Use/20 no/77 pushing/40 ./48", "no", 0, "no: suggestion=\"Do Not Push\" message=307 entryWords=2 ruleId=2125"},
      {"Use/20 no/77 pressing/23 ./48", "no", 0, nullptr},
      {"Use/20 no/77 entry/40 ./48", "no", 4,
       "no: suggestion=\"(Use no + infinitive)\" message=307 entryWords=2 ruleId=2125"},
  });
  RunRowCases(HasNoRows(), {
      {"It/66 has/40 no/77 zz/40 ./48", "no", 0, "has: suggestion=\"does not have\" message=334 entryWords=2 ruleId=8011"},
      {"It/66 have/40 no/77 zz/40 ./48", "no", 1, "have: suggestion=\"do not have\" message=334 entryWords=2 ruleId=8011"},
  });
  RunRowCases(NoPhraseRows(), {
      {"It/66 no/77 longer/34 works/21 ./48", "no", 0,
       "no: suggestion=\"not now/(Rephrase)\" message=334 entryWords=2 ruleId=4018"},
      {"Find/20 no/77 signs/11 of/67 wear/10 ./48", "no", 4,
       "no: suggestion=\"no indication of\" message=324 entryWords=3 ruleId=4018"},
      {"Use/20 no/77 un/40 ./48", "no", 19, nullptr},
      {"Use/20 no/77 oil/16 ./48", "no", -1, ""},
  });
}

}  // namespace
