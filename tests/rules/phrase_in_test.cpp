#include <gtest/gtest.h>

#include <string>

#include "rules/phrases/phrase_rules.h"
#include "tests/support/word_list_fixture.h"

namespace {

// Runs the "in" rules on "Stop in <n1> <n2> <n3> x" and returns the result.
struct InCase {
  InCase(const char* n1, int c1, const char* n2 = "x", int c2 = 40, const char* n3 = "y", int c3 = 40)
      : words({{"Stop", 20}, {"in", 60}, {n1, c1}, {n2, c2}, {n3, c3}, {"z", 40}}) {
    result = CheckInPhrase(words["in"]);
  }
  const WordRec& in() { return *words["in"]; }
  TestWords words;
  int result = 0;
};

TEST(CheckInPhrase, InAccordanceWithCoversThreeWords) {
  TestWords words({{"Do", 20}, {"in", 60}, {"accordance", 10, nullptr, "msg=301 sub=301"},
                   {"with", 60, nullptr, "msg=331"}, {"it", 66}});
  EXPECT_EQ(CheckInPhrase(words["in"]), 1);
  EXPECT_EQ(words.Changes(),
            "in: suggestion=\"according to/refer to/with/for\" message=324 entryWords=3 ruleId=3918\n"
            "accordance: wordClass=40 subClass=0 message=0\n"
            "with: wordClass=40 message=0");
  // The stem row still takes "accord" and "agreement".
  InCase accord("accord", 10, "with", 60);
  EXPECT_EQ(accord.in().suggestion, "according to/refer to/as shown/agree");
  InCase agree("agreement", 10, "to", 68);
  EXPECT_EQ(agree.in().ruleId, 3918);
}

TEST(CheckInPhrase, CoveredWordsGiveTheRuleId) {
  InCase use("use", 10);
  EXPECT_EQ(use.result, 1);
  EXPECT_EQ(use.words.Changes(),
            "in: suggestion=\"in operation/in service/operates\" message=324 ruleId=3916");
  InCase total("total", 10);
  EXPECT_EQ(total.words.Changes(), "in: message=324 entryWords=2 ruleId=3917\ntotal: wordClass=40");
  InCase service("service", 10);
  EXPECT_EQ(service.result, 0);
  EXPECT_EQ(service.words.Changes(), "");
  InCase both("both", 38, "directions", 11);
  EXPECT_EQ(both.result, 0);
  InCase bothCases("both", 38, "cases", 11);
  EXPECT_EQ(bothCases.in().suggestion, "for each ...");
}

TEST(CheckInPhrase, RowsInTheirOrder) {
  InCase order("order", 10);
  EXPECT_EQ(order.in().suggestion, "in a sequence/in a position");
  EXPECT_EQ(order.in().entryWords, 1);
  InCase orderTo("order", 10, "to", 68);
  EXPECT_EQ(orderTo.in().suggestion, "to");
  EXPECT_EQ(orderTo.in().entryWords, 3);
  InCase orderToo("order", 10, "too", 50);
  EXPECT_EQ(orderToo.in().suggestion, "to");
  InCase thisOrder("this", 66, "order", 10);
  EXPECT_EQ(thisOrder.in().suggestion, "in this sequence/in these steps");
  InCase regards("regards", 10, "to", 68);
  EXPECT_EQ(regards.in().suggestion, "about/(Rephrase)");
  InCase regard("regard", 10, "to", 68);
  EXPECT_EQ(regard.in().suggestion, "from/for/(Rephrase)");
  InCase regard2("regard", 10, "x", 40);
  EXPECT_EQ(regard2.result, 0);
  InCase such("such", 37, "a", 64, "way", 10);
  EXPECT_EQ(such.in().suggestion, "for example");
  InCase writing("writing", 23);
  EXPECT_EQ(writing.in().suggestion, "written instructions");
  InCase question("question", 10);  // a row of the 'p' letters
  EXPECT_EQ(question.in().ruleId, 3917);
  InCase kind("kind", 10);
  EXPECT_EQ(kind.in().ruleId, 3917);
  InCase noCase("no", 40, "cases", 11);
  EXPECT_EQ(noCase.in().suggestion, "can not/do not/(Rephrase)");
  InCase noOther("no", 40, "other", 38);
  EXPECT_EQ(noOther.in().suggestion, "");
  EXPECT_EQ(noOther.in().entryWords, 3);
}

TEST(CheckInPhrase, ArticlesAllAndAny) {
  InCase all("all", 38, "positions", 11);
  EXPECT_EQ(all.in().suggestion, "(Rephrase)");
  InCase any("any", 37, "case", 10);
  EXPECT_EQ(any.in().suggestion, "(Rephrase)");
  InCase aWay("a", 64, "way", 10);
  EXPECT_EQ(aWay.in().suggestion, "(Rephrase)");
  InCase aCase("a", 64, "case", 10);
  EXPECT_EQ(aCase.in().suggestion, "according to/refer to/as shown/agree");
  InCase anEffort("an", 64, "effort", 10);
  EXPECT_EQ(anEffort.in().ruleId, 3918);
  EXPECT_EQ(anEffort.in().suggestion, "");
  InCase emergency("an", 64, "emergency", 10);
  EXPECT_EQ(emergency.in().suggestion, "during an emergency/if there is an emergency");
  InCase manner("a", 64, "manner", 10);
  EXPECT_EQ(manner.in().suggestion, "(Rephrase for clarity)");
}

TEST(CheckInPhrase, ExampleWritesOnlyTheSuggestion) {
  InCase example("this", 66, "example", 10);
  EXPECT_EQ(example.result, 1);
  EXPECT_EQ(example.words.Changes(), "in: suggestion=\"for example\"");
}

TEST(CheckInPhrase, Guards) {
  InCase adjective("general", 30);
  EXPECT_EQ(adjective.result, 1);
  TestWords a({{"Stop", 20}, {"in", 60}, {"general", 30, "AF****"}});
  EXPECT_EQ(CheckInPhrase(a["in"]), 0);
  TestWords marked({{"Stop", 20}, {"in", 60, nullptr, "mark=1"}, {"use", 10}});
  EXPECT_EQ(CheckInPhrase(marked["in"]), 0);
  TestWords split({{"Stop", 20}, {"in", 60, nullptr, "split=4"}, {"use", 10}});
  EXPECT_EQ(CheckInPhrase(split["in"]), 0);
  for (int cls : {45, 76, 78}) {
    TestWords words({{"Stop", 20}, {"in", 60}, {"use", cls}});
    EXPECT_EQ(CheckInPhrase(words["in"]), 0) << cls;
  }
  TestWords end({{"Stop", 20}, {"in", 60}});
  EXPECT_EQ(CheckInPhrase(end["in"]), 0);
  TestWords bare({{"in", 60}}, false);
  EXPECT_EQ(CheckInPhrase(bare["in"]), 0);
  EXPECT_EQ(CheckInPhrase(nullptr), 0);
  // A phrase at the very end covers no more than the words there are.
  TestWords phrase({{"Stop", 20}, {"in", 60}, {"order", 10}, {"to", 68}});
  EXPECT_EQ(CheckInPhrase(phrase["in"]), 1);
  EXPECT_EQ(phrase.Changes(),
            "in: suggestion=\"to\" message=324 entryWords=3 ruleId=3918\norder: wordClass=40\n"
            "to: wordClass=40");
}

}  // namespace
