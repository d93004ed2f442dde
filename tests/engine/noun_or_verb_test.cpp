#include "engine/noun_or_verb.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

// A word the dictionary flagged WRONG CHOICE.
constexpr const char* k301 = "sub=301 msg=301 msg2=301 rule=4321";
constexpr const char* kCode = "NMS**";

TEST(NounOrVerbTest, FirstWordBeforeAClassOfTwentyOrMoreIsAVerb) {
  TestWords words({{"Torque", 20, kCode, k301}, {"tight", 30}, {".", 48}});
  CheckNounOrVerb(words["Torque"]);
  EXPECT_EQ(words.Changes(), "Torque: classCode=\"V0**\" subClass=300 message=300");
}

TEST(NounOrVerbTest, FirstWordBeforeANounStaysANounWithItsMessage) {
  TestWords words({{"Torque", 20, kCode, k301}, {"bolts", 11}, {".", 48}});
  CheckNounOrVerb(words["Torque"]);
  EXPECT_EQ(words.Changes(), "Torque: wordClass=10 message2=0");
}

TEST(NounOrVerbTest, FirstWordBeforeANeutralTokenIsANounWithoutMessage) {
  TestWords words({{"Torque", 20, kCode, k301}, {"X1", 40}, {".", 48}});
  CheckNounOrVerb(words["Torque"]);
  EXPECT_EQ(words.Changes(), "Torque: wordClass=10 subClass=0 message=0 message2=0");
}

TEST(NounOrVerbTest, VerbFormInMidSentenceBecomesNeutral) {
  TestWords words({{"It", 66}, {"torques", 21, kCode, k301}, {"updates", 21, kCode, k301}});
  CheckNounOrVerb(words["torques"]);
  EXPECT_EQ(words["torques"]->wordClass, 40);
  EXPECT_EQ(words["torques"]->message, 301);
  CheckNounOrVerb(words["updates"]);
  EXPECT_EQ(words["updates"]->wordClass, 10);
  EXPECT_EQ(words["updates"]->message, 0);
}

TEST(NounOrVerbTest, NgEndingMakesAnAdjectiveThatKeepsItsMessage) {
  TestWords words({{"A", 64}, {"sparing", 35, kCode, k301}, {"use", 20}});
  CheckNounOrVerb(words["sparing"]);
  EXPECT_EQ(words.Changes(), "sparing: wordClass=30");
}

TEST(NounOrVerbTest, ContractionMarkGivesAbbreviation) {
  TestWords words({{"It", 66}, {"xyz", 35, kCode, "sub=301 msg=301 extra=4"}, {"now", 50}});
  CheckNounOrVerb(words["xyz"]);
  EXPECT_EQ(words.Changes(), "xyz: wordClass=45 subClass=0 message=309 ruleId=3942");
}

TEST(NounOrVerbTest, NounMarkAndSplitWords) {
  TestWords words({{"Use", 20}, {"locks", 20, kCode, "sub=301 msg=301 sug=lock(n)"},
                   {"seat", 20, kCode, "sub=301 msg=301 split=4"}, {"now", 50}});
  CheckNounOrVerb(words["locks"]);
  CheckNounOrVerb(words["seat"]);  // the next word is no noun or modal: unchanged
  EXPECT_EQ(words.Changes(), "locks: wordClass=11 subClass=0 message=0");
}

TEST(NounOrVerbTest, CodeThreeWithSuggestionConfirms) {
  TestWords words({{"Use", 20}, {"valve", 10, "NMS3*", "sub=301 sug=tap"}, {"now", 50}});
  CheckNounOrVerb(words["valve"]);
  EXPECT_EQ(words.Changes(), "valve: message=301 message2=301");
}

TEST(NounOrVerbTest, CodeThreeInMidSentenceIsANoun) {
  TestWords words({{"Use", 20}, {"valve", 20, "NMS3*", "sub=301 msg=301"}, {"now", 50}});
  CheckNounOrVerb(words["valve"]);
  EXPECT_EQ(words.Changes(), "valve: classCode=\"N**\" wordClass=10 message2=301");
}

TEST(NounOrVerbTest, NeverAndAWordWithoutNeighbours) {
  TestWords words({{"It", 66}, {"never", 45, kCode, k301}, {"fails", 21}});
  CheckNounOrVerb(words["never"]);
  EXPECT_EQ(words.Changes(),
            "never: classCode=\"SN**\" wordClass=29 subClass=0 message=0 message2=0");
  TestWords lone({{"torque", 20, kCode, "sub=301 msg=301 pos=3"}}, false);
  CheckNounOrVerb(lone["torque"]);
  CheckNounOrVerb(nullptr);
}


TEST(NounOrVerbTest, LaterWordsMadeNounsByTheirNeighbours) {
  TestWords words({{"It", 66}, {"well-fit", 10, nullptr, "sub=301 msg=301 msg2=301"}, {"valve", 10},
                   {"Use", 20}, {"open", 30, nullptr, "sub=301 msg=301 msg2=301 sug=x"}, {"valve", 10},
                   {"It", 66}, {"guard", 18, nullptr, "sub=301 msg=301 msg2=301"}, {"the", 64},
                   {"It", 66}, {"lock nut", 18, nullptr, "sub=301 msg=301 msg2=301"}, {"the", 64}});
  for (const char* w : {"well-fit", "open", "guard", "lock nut"}) CheckNounOrVerb(words[w]);
  EXPECT_EQ(words.Changes(),
            "well-fit: subClass=0 message=0 message2=0\n"
            "open: suggestion=\"\" classCode=\"NMS**\" wordClass=10 subClass=0 message=0 message2=0\n"
            "guard: classCode=\"NMS*\" wordClass=10 subClass=0 message=0 message2=0");
}

}  // namespace
