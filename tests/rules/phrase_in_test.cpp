#include <gtest/gtest.h>

#include <string>

#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"
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
}

// Every row of the table is reached; a row that a stem row or an earlier
// phrase would shadow is reached by a word the earlier rows do not take.
TEST(CheckInPhrase, Rows) {
  static const RowCase kCases[] = {
      {"Stop/20 in/60 this/40 example/40 ./48", "in", 0,
       "in: suggestion=\"for example\""},
      {"Stop/20 in/60 this/66 order/10 ./48", "in", 1,
       "in: suggestion=\"in this sequence/in these steps\" message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 terms/40 of/67 ./48", "in", 2, nullptr},
      {"Stop/20 in/60 this/40 case/40 ./48", "in", 3, nullptr},
      {"Stop/20 in/60 these/40 limits/40 ./48", "in", 4, nullptr},
      {"Stop/20 in/60 this/40 way/40 ./48", "in", 5, nullptr},
      {"Stop/20 in/60 touch/40 with/40 ./48", "in", 6, nullptr},
      {"Stop/20 in/60 total/40 ./48", "in", 7,
       "in: message=324 entryWords=2 ruleId=3917"},
      {"Stop/20 in/60 use/40 ./48", "in", 8,
       "in: suggestion=\"in operation/in service/operates\" message=324 ruleId=3916"},
      {"Stop/20 in/60 unison/40 ./48", "in", 9, nullptr},
      {"Stop/20 in/60 view/40 of/67 ./48", "in", 10, nullptr},
      {"Stop/20 in/60 view/40 ./48", "in", 11, nullptr},
      {"Stop/20 in/60 which/40 some/40 ./48", "in", 12, nullptr},
      {"Stop/20 in/60 writing/23 ./48", "in", 13,
       "in: suggestion=\"written instructions\" message=324 entryWords=2 ruleId=3917"},
      {"Stop/20 in/60 which/40 case/40 ./48", "in", 14, nullptr},
      {"Stop/20 in/60 whole/40 ./48", "in", 15, nullptr},
      {"Stop/20 in/60 such/40 case/40 ./48", "in", 16, nullptr},
      {"Stop/20 in/60 such/40 a/64 way/40 ./48", "in", 17, nullptr},
      {"Stop/20 in/60 spite/40 of/67 ./48", "in", 18, nullptr},
      {"Stop/20 in/60 some/40 cases/40 ./48", "in", 19, nullptr},
      {"Stop/20 in/60 sight/40 ./48", "in", 20, nullptr},
      {"Stop/20 in/60 need/40 of/67 ./48", "in", 21, nullptr},
      {"Stop/20 in/60 no/40 case/40 ./48", "in", 22, nullptr},
      {"Stop/20 in/60 no/40 other/38 ./48", "in", 23,
       "in: message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 nature/40 ./48", "in", 24, nullptr},
      {"Stop/20 in/60 response/40 to/68 ./48", "in", 25, nullptr},
      {"Stop/20 in/60 reverse/40 order/40 ./48", "in", 26, nullptr},
      {"Stop/20 in/60 regards/40 to/68 ./48", "in", 27, nullptr},
      {"Stop/20 in/60 reverse/40 ./48", "in", 28, nullptr},
      {"Stop/20 in/60 preparation/40 to/68 ./48", "in", 29, nullptr},
      {"Stop/20 in/60 place/40 of/40 ./48", "in", 30, nullptr},
      {"Stop/20 in/60 process/40 of/40 ./48", "in", 31, nullptr},
      {"Stop/20 in/60 possession/40 of/40 ./48", "in", 32, nullptr},
      {"Stop/20 in/60 plain/40 view/40 ./48", "in", 33, nullptr},
      {"Stop/20 in/60 phase/40 ./48", "in", 34, nullptr},
      {"Stop/20 in/60 progress/40 ./48", "in", 35, nullptr},
      {"Stop/20 in/60 parallel/40 ./48", "in", 36, nullptr},
      {"Stop/20 in/60 place/40 ./48", "in", 37, nullptr},
      {"Stop/20 in/60 or/40 around/40 ./48", "in", 38, nullptr},
      {"Stop/20 in/60 order/40 for/40 ./48", "in", 39,
       "in: suggestion=\"to\" message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 order/40 into/68 ./48", "in", 40, nullptr},
      {"Stop/20 in/60 other/40 words/40 ./48", "in", 41, nullptr},
      {"Stop/20 in/60 opposition/40 to/68 ./48", "in", 42, nullptr},
      {"Stop/20 in/60 order/40 ./48", "in", 43,
       "in: suggestion=\"in a sequence/in a position\" message=324 ruleId=3916"},
      {"Stop/20 in/60 most/40 cases/40 ./48", "in", 44, nullptr},
      {"Stop/20 in/60 more/40 detail/40 ./48", "in", 45, nullptr},
      {"Stop/20 in/60 motion/40 ./48", "in", 46, nullptr},
      {"Stop/20 in/60 many/40 ./48", "in", 47, nullptr},
      {"Stop/20 in/60 mind/40 ./48", "in", 48, nullptr},
      {"Stop/20 in/60 lieu/40 of/40 ./48", "in", 49, nullptr},
      {"Stop/20 in/60 light/40 of/40 ./48", "in", 50, nullptr},
      {"Stop/20 in/60 later/40 ./48", "in", 51, nullptr},
      {"Stop/20 in/60 line/40 ./48", "in", 52, nullptr},
      {"Stop/20 in/60 general/40 ./48", "in", 53, nullptr},
      {"Stop/20 in/60 favor/40 of/67 ./48", "in", 54, nullptr},
      {"Stop/20 in/60 form/40 ./48", "in", 55, nullptr},
      {"Stop/20 in/60 fact/40 ./48", "in", 56, nullptr},
      {"Stop/20 in/60 flight/40 ./48", "in", 57, nullptr},
      {"Stop/20 in/60 accordance/40 with/40 ./48", "in", 58, nullptr},
      {"Stop/20 in/60 accord/40 with/40 ./48", "in", 59, nullptr},
      {"Stop/20 in/60 agreement/10 into/68 ./48", "in", 60, nullptr},
      {"Stop/20 in/60 and/40 out/40 ./48", "in", 61, nullptr},
      {"Stop/20 in/60 additi/40 to/68 ./48", "in", 62, nullptr},
      {"Stop/20 in/60 an/40 emergency/40 ./48", "in", 63, nullptr},
      {"Stop/20 in/60 all/40 ./48", "in", 64, nullptr},
      {"Stop/20 in/60 a/40 way/40 ./48", "in", 65, nullptr},
      {"Stop/20 in/60 a/40 case/40 ./48", "in", 66, nullptr},
      {"Stop/20 in/60 an/64 effort/10 ./48", "in", 67,
       "in: message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 a/40 effort/40 ./48", "in", 68, nullptr},
      {"Stop/20 in/60 a/64 manner/40 ./48", "in", 69, nullptr},
      {"Stop/20 in/60 addition/40 ./48", "in", 70, nullptr},
      {"Stop/20 in/60 advance/40 ./48", "in", 71, nullptr},
      {"Stop/20 in/60 back/40 of/67 ./48", "in", 72, nullptr},
      {"Stop/20 in/60 both/40 cases/40 ./48", "in", 73, nullptr},
      {"Stop/20 in/60 contrast/40 to/68 ./48", "in", 74, nullptr},
      {"Stop/20 in/60 case/40 of/40 ./48", "in", 75, nullptr},
      {"Stop/20 in/60 contact/40 with/40 ./48", "in", 76, nullptr},
      {"Stop/20 in/60 conflict/40 with/40 ./48", "in", 77, nullptr},
      {"Stop/20 in/60 connection/40 with/40 ./48", "in", 78, nullptr},
      {"Stop/20 in/60 cooperation/40 with/40 ./48", "in", 79, nullptr},
      {"Stop/20 in/60 combination/40 with/40 ./48", "in", 80, nullptr},
      {"Stop/20 in/60 conclusion/40 ./48", "in", 81, nullptr},
      {"Stop/20 in/60 doing/40 so/40 ./48", "in", 82, nullptr},
      {"Stop/20 in/60 due/40 time/40 ./48", "in", 83, nullptr},
      {"Stop/20 in/60 detail/40 ./48", "in", 84, nullptr},
      {"Stop/20 in/60 event/40 that/40 ./48", "in", 85, nullptr},
      {"Stop/20 in/60 event/40 of/67 ./48", "in", 86, nullptr},
      {"Stop/20 in/60 essence/40 ./48", "in", 87, nullptr},
      // Stems and the rows before them.
      {"Stop/20 in/60 accord/10 with/60 ./48", "in", 59, "in: suggestion=\"according to/refer to/as shown/agree\" message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 agreement/10 to/68 ./48", "in", 59, nullptr},
      {"Stop/20 in/60 regard/10 to/68 ./48", "in", 25, nullptr},
      {"Stop/20 in/60 regard/10 x/40 ./48", "in", -1, ""},
      {"Stop/20 in/60 order/10 too/50 ./48", "in", 39, nullptr},
      {"Stop/20 in/60 question/10 ./48", "in", 34, nullptr},
      {"Stop/20 in/60 kind/10 ./48", "in", 53, nullptr},
      {"Stop/20 in/60 no/40 cases/11 ./48", "in", 22, nullptr},
      {"Stop/20 in/60 any/37 case/10 ./48", "in", 64, nullptr},
      {"Stop/20 in/60 a/64 effort/10 ./48", "in", 68, nullptr},
      {"Stop/20 in/60 service/10 ./48", "in", -1, ""},
      {"Stop/20 in/60 both/38 directions/11 ./48", "in", -1, ""},
  };
  RunRowCases(InPhraseRows(), kCases);
}

TEST(CheckInPhrase, Guards) {
  InCase adjective("general", 30);
  EXPECT_EQ(adjective.result, 1);
  // A row that writes advice alone still counts as a finding.
  EXPECT_EQ(InCase("this", 66, "example", 10).result, 1);
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
