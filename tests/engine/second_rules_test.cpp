#include "engine/second_rules.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

TEST(SecondRulesTest, NounUsedAsVerbAtTheStartOfASentence) {
  TestWords words({{"Check", 10, "NMS**", "sub=12"}, {"a", 64}, {"valve", 10}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "Check: suggestion=\"Make a check\" wordClass=20 subClass=0 message=300 ruleId=3469");
}

TEST(SecondRulesTest, NounUsedAsVerbInMidSentence) {
  TestWords words({{"Do", 20}, {"a", 64}, {"check", 10, "NMS**", "sub=12 msg=301"}, {"valve", 10},
                   {"and", 63}, {"check", 10, "NMS**", "sub=12 mark=1"}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "check: subClass=0 message=0\n"
            "check: subClass=0");
}

TEST(SecondRulesTest, NounUsedAsVerbAfterAModal) {
  TestWords words({{"You", 66}, {"can", 28}, {"switch", 10, "NMS**", "sub=12"},
                   {"valves", 11}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "switch: suggestion=\"Push/Put/Move\" wordClass=20 subClass=0 message=322 "
            "ruleId=3568");
}

TEST(SecondRulesTest, GerundAtTheStartOfASentence) {
  TestWords words({{"Testing", 10, "NMS**", "sub=12"}, {"the", 64}, {"unit", 10}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words["Testing"]->message, 338);
  EXPECT_EQ(words["Testing"]->ruleId, 1386);
  EXPECT_EQ(words["Testing"]->wordClass, 23);
}

TEST(SecondRulesTest, LhSideIsOneFindingOnTwoWords) {
  TestWords words({{"Open", 20}, {"LH", 10}, {"side", 10, "NMS**", "sub=75"}, {"panel", 10},
                   {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "LH: suggestion=\"left side (LH)\" message=309 entryWords=2 ruleId=6253\n"
            "side: subClass=0");
}

TEST(SecondRulesTest, HeightWantsOfOrFor) {
  TestWords words({{"The", 64}, {"valve", 10}, {"height", 10, "NMS**", "sub=75"}, {"is", 24},
                   {"low", 30}, {"Set", 20}, {"height", 10, "NMS**", "sub=75"}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "height: suggestion=\"height of/height for\" subClass=0 message=302 ruleId=2533\n"
            "height: subClass=0");
}

TEST(SecondRulesTest, UiLabelKeepsItsWrittenForm) {
  TestWords words({{"Push", 20}, {"start", 10}, {"button", 10, "NMS**", "sub=11"}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "start: suggestion=\"<uicontrol>START</uicontrol>\" message=323 ruleId=3235 "
            "separatorFlag=U");
}

TEST(SecondRulesTest, TypeOfOrFor) {
  TestWords words({{"The", 64}, {"type", 10, "NMS**", "sub=14"}, {"of", 67}, {"pump", 10},
                   {"type", 10, "NMS**", "sub=14"}, {"valve", 10}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "type: subClass=0\n"
            "type: suggestion=\"type of/type for\" subClass=0 message=324 ruleId=4288");
}

TEST(SecondRulesTest, TypeAtTheStartOfASentence) {
  TestWords words({{"Type", 10, "NMS**", "sub=14"}, {"a", 64}, {"code", 10}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words["Type"]->suggestion, " enter");
  EXPECT_EQ(words["Type"]->message, 300);
}

TEST(SecondRulesTest, PressureBeforeAVerbWantsOfOrFor) {
  TestWords words({{"Oil", 10}, {"pressure", 10, "NMS**", "sub=14"}, {"increases", 21, "V1**"},
                   {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words["pressure"]->suggestion, "pressure of/pressure for");
  EXPECT_EQ(words["pressure"]->message, 313);
  EXPECT_EQ(words["pressure"]->ruleId, 2552);
}

TEST(SecondRulesTest, NamesAndAbbreviationsInCapitals) {
  TestWords words({{"Use", 20}, {"ab.cd", 10, nullptr, "sub=2"}, {"boeing", 10, nullptr, "sub=1"},
                   {"and", 63}, {"AC", 10, nullptr, "sub=2 msg=301"}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(),
            "ab.cd: suggestion=\"AB CD\" tag=\"<AR>\" subClass=0 message=311 ruleId=2332\n"
            "boeing: suggestion=\"Boeing\" tag=\"<AR>\" subClass=0 message=311 ruleId=1252\n"
            "AC: subClass=0 message=0");
}

TEST(SecondRulesTest, TitleCaseOfDottedNames) {
  TestWords words({{"See", 20}, {"u.s. air force", 10, nullptr, "sub=4"},
                   {"dept. of the navy", 10, nullptr, "sub=80"}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words["u.s. air force"]->suggestion, "U.s. air Force");  // short words stay
  EXPECT_EQ(words["u.s. air force"]->message, 311);
  EXPECT_EQ(words["u.s. air force"]->ruleId, 2334);
  EXPECT_EQ(words["dept. of the navy"]->suggestion, "Dept. of the Navy");
  EXPECT_EQ(words["dept. of the navy"]->message, 316);
  EXPECT_EQ(words["dept. of the navy"]->classCode, "D****");
}

TEST(SecondRulesTest, WhoBeforeAThatClause) {
  TestWords words({{"Ask", 20}, {"who", 11, nullptr, "sub=56"}, {"the", 64}, {"man", 10},
                   {"that", 69}, {"is", 24}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words["who"]->suggestion, "whom");
  EXPECT_EQ(words["that"]->message, 332);
  EXPECT_EQ(words["that"]->ruleId, 245);
}

TEST(SecondRulesTest, MissingReference) {
  TestWords words({{"See", 20}, {"above", 50, nullptr, "sub=52"}, {".", 48}, {"See", 20},
                   {"above", 50, nullptr, "sub=52"}, {"figure", 10}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Find("above", 0)->message, 320);
  EXPECT_EQ(words.Find("above", 0)->ruleId, 2661);
  EXPECT_EQ(words.Find("above", 1)->message, 0);
}

TEST(SecondRulesTest, HyphenAndSlashBetweenWords) {
  TestWords words({{"A", 64}, {"cross section", 10, nullptr, "sub=59"},
                   {"input output", 10, nullptr, "sub=61"}, {"on-off", 10, nullptr, "sub=59 msg=317"},
                   {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words["cross section"]->suggestion, "cross-section");
  EXPECT_EQ(words["cross section"]->message, 317);
  EXPECT_EQ(words["input output"]->suggestion, "input/output");
  EXPECT_EQ(words["input output"]->message, 337);
  EXPECT_EQ(words["on-off"]->message, 0);
}

TEST(SecondRulesTest, PassedOverWords) {
  TestWords words({{"Open", 20, nullptr, "sub=12 msg=328"}, {"it", 66, nullptr, "sub=301"},
                   {"now", 50, nullptr, "sub=15"}, {".", 48}});
  ApplySecondRules(words.head());
  EXPECT_EQ(words.Changes(), "now: subClass=0");
}

TEST(SecondRulesTest, SuggestApprovedVerb) {
  TestWords words({{"It", 66}, {"displays", 21, nullptr, ""}, {"grease", 10}, {"valves", 11},
                   {".", 48}});
  SuggestApprovedVerb(words["displays"]);
  EXPECT_EQ(words["displays"]->suggestion, "shows");
  EXPECT_EQ(words["displays"]->tag, "<AR>");
  EXPECT_EQ(words["displays"]->wordClass, 20);
  SuggestApprovedVerb(words["grease"]);
  EXPECT_EQ(words["grease"]->suggestion, "apply grease");
  SuggestApprovedVerb(words["valves"]);  // no approved verb: unchanged
  EXPECT_EQ(words["valves"]->wordClass, 11);
  EXPECT_TRUE(words["valves"]->suggestion.empty());
}

TEST(SecondRulesTest, NullHeadAndWordsWithoutNeighbours) {
  EXPECT_EQ(ApplySecondRules(nullptr), 0);
  TestWords words({{"check", 10, nullptr, "sub=12 pos=4"}}, false);
  ApplySecondRules(words.head());
  EXPECT_EQ(words["check"]->message, 0);
  TestWords side({{"side", 10, nullptr, "sub=75 pos=2"}}, false);
  ApplySecondRules(side.head());
}

}  // namespace
