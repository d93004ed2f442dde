#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"
#include "tests/support/word_list_fixture.h"

namespace {

TEST(CheckNegativePhrase, Guards) {
  for (int cls : {37, 38, 39, 45, 48, 64, 76, 78}) {
    TestWords words({{"Use", 20}, {"no", 77}, {"need", cls}});
    CheckNegativePhrase(words["no"]);
    EXPECT_EQ(words.Changes(), "") << cls;
  }
  TestWords written({{"No", 77}, {"running", 23}});
  CheckNegativePhrase(written["No"]);
  EXPECT_EQ(written.Changes(), "");
  TestWords caps({{"Use", 20}, {"NO", 77}, {"key", 10}});
  CheckNegativePhrase(caps["NO"]);
  EXPECT_EQ(caps.Changes(), "");
  TestWords marked({{"Use", 20}, {"no", 77}, {"need", 10, nullptr, "mark=1"}});
  CheckNegativePhrase(marked["no"]);
  EXPECT_EQ(marked.Changes(), "");
  TestWords end({{"Use", 20}, {"no", 77}});
  CheckNegativePhrase(end["no"]);
  EXPECT_EQ(end.Changes(), "");
  CheckNegativePhrase(nullptr);
}

TEST(CheckNegativePhrase, AcceptedPhrases) {
  for (const char* n1 : {"smoking", "person", "one", "power", "load", "more", "pressure",
                         "responsibility", "action", "fault"}) {
    TestWords words({{"Use", 20}, {"no", 77, nullptr, "msg=334 sub=334"}, {n1, 10}});
    CheckNegativePhrase(words["no"]);
    EXPECT_EQ(words.Changes(), "no: wordClass=40 subClass=0 message=0") << n1;
  }
}

// Each table in the order the rule tries them: limits, warning signs, the
// verb before "no", the words after it.
TEST(CheckNegativePhrase, Rows) {
  {
    static const RowCase kCases[] = {
        {"Use/20 no/77 more/40 than/40 ./48", "no", 0,
         "no: suggestion=\"maximum\" message=305 entryWords=3 ruleId=4318"},
        {"Use/20 no/77 less/40 than/40 ./48", "no", 1,
         "no: suggestion=\"minimum\" message=305 entryWords=3 ruleId=8014"},
    };
    RunRowCases(NoLimitRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Use/20 no/77 pushing/40 ./48", "no", 0,
         "no: suggestion=\"Do Not Push\" message=307 entryWords=2 ruleId=2125"},
        {"Use/20 no/77 running/40 ./48", "no", 1,
         "no: suggestion=\"Do Not Run\" message=307 entryWords=2 ruleId=2125"},
        {"Use/20 no/77 reaching/40 ./48", "no", 2,
         "no: suggestion=\"Do Not reach into ...\" message=307 entryWords=2 ruleId=2125"},
        {"Use/20 no/77 stepping/40 ./48", "no", 3,
         "no: suggestion=\"Do Not Step\" message=307 entryWords=2 ruleId=2125"},
        {"Use/20 no/77 entry/40 ./48", "no", 4,
         "no: suggestion=\"(Use no + infinitive)\" message=307 entryWords=2 ruleId=2125"},
        {"Use/20 no/77 pressing/23 ./48", "no", 0, nullptr},
    };
    RunRowCases(NoSignRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 has/40 no/77 zz/40 ./48", "no", 0,
         "has: suggestion=\"does not have\" message=334 entryWords=2 ruleId=8011"},
        {"It/66 have/40 no/77 zz/40 ./48", "no", 1,
         "have: suggestion=\"do not have\" message=334 entryWords=2 ruleId=8011"},
    };
    RunRowCases(HasNoRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"It/66 no/77 longer/34 works/21 ./48", "no", 0,
         "no: suggestion=\"not now/(Rephrase)\" message=334 entryWords=2 ruleId=4018"},
        {"Use/20 no/77 later/40 than/40 ./48", "no", 1, nullptr},
        {"Use/20 no/77 sooner/40 ./48", "no", 2, nullptr},
        {"Use/20 no/77 need/40 ./48", "no", 3, nullptr},
        {"Find/20 no/77 signs/11 of/67 wear/10 ./48", "no", 4,
         "no: suggestion=\"no indication of\" message=324 entryWords=3 ruleId=4018"},
        {"Use/20 no/77 effect/40 ./48", "no", 5, nullptr},
        {"Use/20 no/77 problem/40 ./48", "no", 6, nullptr},
        {"Use/20 no/77 purpose/40 ./48", "no", 7, nullptr},
        {"Use/20 no/77 possibility/40 ./48", "no", 8, nullptr},
        {"Use/20 no/77 charge/40 ./48", "no", 9, nullptr},
        {"Use/20 no/77 such/40 ./48", "no", 10, nullptr},
        {"Use/20 no/77 other/40 ./48", "no", 11, nullptr},
        {"Use/20 no/77 doubt/40 ./48", "no", 12, nullptr},
        {"Use/20 no/77 matter/40 ./48", "no", 13, nullptr},
        {"Use/20 no/77 way/40 ./48", "no", 14, nullptr},
        {"Use/20 no/77 not/40 ./48", "no", 15, nullptr},
        {"Use/20 no/77 none/40 ./48", "no", 16, nullptr},
        {"Use/20 no/77 no/40 ./48", "no", 17, nullptr},
        {"Use/20 no/77 -/40 ./48", "no", 18, nullptr},
        {"Use/20 no/77 un/40 ./48", "no", 19, nullptr},
        {"Use/20 no/77 oil/16 ./48", "no", -1, ""},
    };
    RunRowCases(NoPhraseRows(), kCases);
  }
}

// A warning sign covers the word after "no".
TEST(CheckNegativePhrase, SignCoversTheNextWord) {
  TestWords words({{"Use", 20}, {"no", 77}, {"running", 23}, {"x", 40}});
  CheckNegativePhrase(words["no"]);
  EXPECT_EQ(words.Changes(),
            "no: suggestion=\"Do Not Run\" message=307 entryWords=2 ruleId=2125\nrunning: wordClass=40");
}

TEST(CheckNegativePhrase, WordsBefore) {
  TestWords there({{"If", 70}, {"there", 50}, {"is", 24}, {"no", 77}, {"oil", 16}});
  CheckNegativePhrase(there["no"]);
  EXPECT_EQ(there.Changes(), "no: suggestion=\"If there is no/If there are no\" message=334 ruleId=6145");
  TestWords first({{"There", 50}, {"is", 24}, {"no", 77}, {"oil", 16}});
  CheckNegativePhrase(first["no"]);
  EXPECT_EQ(first.Changes(), "no: message=334 ruleId=4928");
  TestWords are({{"They", 66}, {"are", 25}, {"no", 77}, {"use", 16}});
  CheckNegativePhrase(are["no"]);
  EXPECT_EQ(are["are"]->suggestion, "are not");
  EXPECT_EQ(are["are"]->ruleId, 4012);
  TestWords with({{"Use", 20}, {"with", 60}, {"no", 77}, {"oil", 16}});
  CheckNegativePhrase(with["no"]);
  EXPECT_EQ(with["with"]->suggestion, "without");
  EXPECT_EQ(with["with"]->message, 304);
}

}  // namespace
