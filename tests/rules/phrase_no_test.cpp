#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
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

TEST(CheckNegativePhrase, ProductLiability) {
  const char* cases[][2] = {{"pushing", "Do Not Push"},        {"pressing", "Do Not Push"},
                            {"running", "Do Not Run"},         {"reaching", "Do Not reach into ..."},
                            {"stepping", "Do Not Step"},       {"entry", "(Use no + infinitive)"}};
  for (auto& c : cases) {
    TestWords words({{"Use", 20}, {"no", 77}, {c[0], 23}, {"x", 40}});
    CheckNegativePhrase(words["no"]);
    EXPECT_EQ(words.Changes(), std::string("no: suggestion=\"") + c[1] +
                                   "\" message=307 entryWords=2 ruleId=2125\n" + c[0] +
                                   ": wordClass=40")
        << c[0];
  }
}

TEST(CheckNegativePhrase, ComparativesAndPhrases) {
  TestWords more({{"Use", 20}, {"no", 77}, {"more", 34}, {"than", 60}, {"5", 49}});
  CheckNegativePhrase(more["no"]);
  EXPECT_EQ(more["no"]->suggestion, "maximum");
  EXPECT_EQ(more["no"]->ruleId, 4318);
  TestWords less({{"Use", 20}, {"no", 77}, {"less", 34}, {"than", 60}, {"5", 49}});
  CheckNegativePhrase(less["no"]);
  EXPECT_EQ(less["no"]->suggestion, "minimum");
  TestWords longer({{"It", 66}, {"no", 77}, {"longer", 34}, {"works", 21}});
  CheckNegativePhrase(longer["no"]);
  EXPECT_EQ(longer["no"]->message, 334);
  TestWords sign({{"Find", 20}, {"no", 77}, {"signs", 11}, {"of", 67}, {"wear", 10}});
  CheckNegativePhrase(sign["no"]);
  EXPECT_EQ(sign["no"]->suggestion, "no indication of");
  EXPECT_EQ(sign["no"]->entryWords, 3);
}

TEST(CheckNegativePhrase, WordsBefore) {
  TestWords there({{"If", 70}, {"there", 50}, {"is", 24}, {"no", 77}, {"oil", 16}});
  CheckNegativePhrase(there["no"]);
  EXPECT_EQ(there.Changes(), "no: suggestion=\"If there is no/If there are no\" message=334 ruleId=6145");
  TestWords first({{"There", 50}, {"is", 24}, {"no", 77}, {"oil", 16}});
  CheckNegativePhrase(first["no"]);
  EXPECT_EQ(first.Changes(), "no: message=334 ruleId=4928");
  TestWords has({{"It", 66}, {"has", 24}, {"no", 77}, {"oil", 16}});
  CheckNegativePhrase(has["no"]);
  EXPECT_EQ(has.Changes(), "has: suggestion=\"does not have\" message=334 entryWords=2 ruleId=8011");
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
