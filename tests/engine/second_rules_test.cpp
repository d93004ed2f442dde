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

// Runs the pass over `words` and answers what it changed.
std::string Apply(TestWords& words) {
  ApplySecondRules(words.head());
  return words.Changes();
}

TEST(SecondRulesRows, InitialCapitalAndCapitalAbbreviationGuards) {
  TestWords written({{"Use", 20}, {"Boeing", 10, nullptr, "sub=1 msg=311"},
                     {"nasa", 10, nullptr, "sub=1"}, {"at&t", 10, nullptr, "sub=1"}, {".", 48}});
  EXPECT_EQ(Apply(written),
            "Boeing: subClass=0 message=0\n"
            "nasa: suggestion=\" Nasa\" tag=\"<AR>\" subClass=0 message=311 ruleId=1252");
  TestWords guards({{"Set", 20}, {"ab", 10, nullptr, "sub=2 msg=301"}, {"=", 40},
                    {"a/b", 10, nullptr, "sub=2"}, {".", 48}});
  EXPECT_EQ(Apply(guards), "ab: subClass=0 message=0");
}

TEST(SecondRulesRows, NamesAsTheDictionaryWritesThem) {
  TestWords words({{"A", 64}, {"Cross section", 10, nullptr, "sub=3 msg=301"},
                   {"NASA site", 10, nullptr, "sub=3 msg=301"}, {"valve", 10, nullptr, "sub=3 msg=301"},
                   {".", 48}});
  EXPECT_EQ(Apply(words),
            "Cross section: suggestion=\"Cross section\" tag=\"<AR>\" subClass=0 message=311 "
            "ruleId=2333 caseFlag=0\n"
            "NASA site: subClass=0 message=0\n"
            "valve: subClass=0 message=0");
}

TEST(SecondRulesRows, DottedNamesWhoseWordsWantCapitals) {
  TestWords words({{"See", 20}, {"ab.c and more", 10, nullptr, "sub=5 msg=326"},
                   {"u.s. navy", 10, nullptr, "sub=5"}, {"valve", 10, nullptr, "sub=5 msg=301"},
                   {"a.b", 10, nullptr, "sub=5"}, {"x.y Z", 10, nullptr, "sub=5"},
                   {"p.q", 10, nullptr, "sub=5 split=4 msg=326"}, {".", 48}});
  EXPECT_EQ(Apply(words),
            // The first word goes into capitals when its second letter is small;
            // "and" before another word stays small.
            "ab.c and more: suggestion=\"AB.C and More\" tag=\"<AR>\" subClass=0 message=311 "
            "ruleId=2336\n"
            "u.s. navy: suggestion=\"u.s. Navy\" tag=\"<AR>\" subClass=0 message=311 ruleId=2336\n"
            "valve: subClass=0 message=0");
  // Nothing to change: the suggestion is emptied, the codes stay.
  TestWords done({{"See", 20}, {"X.Y Z", 10, nullptr, "sub=5 sug=old"}, {".", 48}});
  EXPECT_EQ(Apply(done), "X.Y Z: suggestion=\"\"");
}

TEST(SecondRulesRows, MarksClearsAndPronouns) {
  TestWords words({{"Then", 50}, {"x", 10, nullptr, "sub=6 msg=301"}, {"y", 10, nullptr, "sub=6 sep=T msg=301"},
                   {"z", 10, nullptr, "sub=8 msg=301"}, {"one", 10, nullptr, "sub=7 msg=301"},
                   {"opens", 21}, {"w", 10, nullptr, "sub=9 msg=301"}, {"v", 10, nullptr, "sub=81 msg2=5"},
                   {"u", 10, nullptr, "sub=38 msg=301 sug=t"}, {".", 48},
                   {"One", 10, nullptr, "sub=7 msg=301"}, {"opens", 21}, {".", 48}});
  EXPECT_EQ(Apply(words),
            "x: subClass=0 message=0 separatorFlag=T\n"
            "z: subClass=0 message=0 separatorFlag=R\n"
            "one: subClass=0 message=312 ruleId=235\n"
            "w: subClass=0 message=0\n"
            "v: subClass=0 message2=0\n"
            "u: suggestion=\"\" subClass=0 message=0\n"
            "One: subClass=0 message=0");
}

TEST(SecondRulesRows, SuggestionCaseAndDictionarySpelling) {
  TestWords words({{"NOTE", 10, nullptr, "sub=16 sug=see_below"}, {"Note", 10, nullptr, "sub=16 sug=see_below"},
                   {"colour", 10, nullptr, "sub=17 msg=301 tag=<x> sug=color"},
                   {"Gray", 10, nullptr, "sub=17 sug=Gray"}, {".", 48}});
  EXPECT_EQ(Apply(words),
            "NOTE: suggestion=\"SEE BELOW\" tag=\"<AR>\"\n"
            "Note: suggestion=\"See below\" tag=\"<AR>\"\n"
            "colour: tag=\"<AR>\" subClass=0 message=311 ruleId=2334\n"
            "Gray: subClass=0 caseFlag=0");
}

TEST(SecondRulesRows, ReferenceWords) {
  // The third letter tells the two kinds: "for" ('r') and "same" ('m').
  TestWords forRef({{"Look", 20}, {"for", 65, nullptr, "sub=18"}, {"above", 30, "A***"}, {".", 48}});
  EXPECT_EQ(Apply(forRef), "for: suggestion=\"Give reference.\" subClass=0 message=324 ruleId=4418");
  TestWords line({{"Look", 20}, {"for", 65, nullptr, "sub=18 msg=301"}, {"line", 10}, {".", 48}});
  EXPECT_EQ(Apply(line), "for: subClass=0 message=0");
  TestWords verb({{"Look", 20}, {"for", 65, nullptr, "sub=18 msg=301"}, {"it", 20, "V1**"}, {".", 48}});
  EXPECT_EQ(Apply(verb), "");
  TestWords same({{"Use", 20}, {"same", 30, nullptr, "sub=18"}, {"valve", 10, "NMS**"}, {".", 48}});
  EXPECT_EQ(Apply(same),
            "same: suggestion=\"same/standard/(Electrical connection)\" subClass=0 message=324 "
            "ruleId=4418");
  TestWords marked({{"Use", 20}, {"same", 30, nullptr, "sub=18 mark=1 msg=301"}, {"valve", 10, "NMS**"},
                    {".", 48}});
  EXPECT_EQ(Apply(marked), "same: subClass=0 message=0");
}

TEST(SecondRulesRows, WordThatClearsTheFindingBeforeIt) {
  TestWords words({{"Use", 20}, {"a", 64, nullptr, "msg=311 msg2=5"},
                   {"said", 10, nullptr, "sub=19 msg=326 sug=that"}, {".", 48}});
  EXPECT_EQ(Apply(words),
            "a: message=0 message2=0\n"
            "said: suggestion=\"\" subClass=0 message=0");
}

TEST(SecondRulesRows, GerundMeaningAndLabelRows) {
  TestWords gerund({{"Testing", 23, nullptr, "sub=52"}, {".", 48}});
  EXPECT_EQ(Apply(gerund), "Testing: subClass=0 message=338 ruleId=7243");

  TestWords meaning({{"It", 66}, {"is", 24}, {"fine", 30, nullptr, "sub=53"}, {"valves", 11}, {".", 48}});
  EXPECT_EQ(Apply(meaning), "fine: subClass=0 message=324 ruleId=3661");
  TestWords noMeaning({{"It", 66}, {"is", 24}, {"fine", 30, nullptr, "sub=53"}, {"now", 50}, {".", 48}});
  EXPECT_EQ(Apply(noMeaning), "");

  TestWords label({{"Push", 20}, {"Start", 10, nullptr, "sub=54"}, {"now", 50}, {".", 48}});
  EXPECT_EQ(Apply(label), "Start: subClass=0 message=323 ruleId=246");
  for (const char* control : {"button", "keypad", "mode", "selector"}) {
    TestWords words({{"Push", 20}, {"Start", 10, nullptr, "sub=54"}, {control, 10}, {".", 48}});
    EXPECT_EQ(Apply(words), "") << control;
  }
  TestWords small({{"Push", 20}, {"start", 10, nullptr, "sub=54"}, {"now", 50}, {".", 48}});
  EXPECT_EQ(Apply(small), "");

  TestWords noun({{"The", 64}, {"open", 30, nullptr, "sub=60"}, {"is", 24}, {".", 48}});
  EXPECT_EQ(Apply(noun), "open: subClass=0 message=322 ruleId=247");
  TestWords notNoun({{"The", 64}, {"open", 30, nullptr, "sub=60"}, {"valve", 10}, {".", 48}});
  EXPECT_EQ(Apply(notNoun), "");
}

TEST(SecondRulesRows, NextWordBecomesNeutral) {
  TestWords words({{"Use", 20}, {"it", 66, nullptr, "sub=69"}, {"blorf", 10, nullptr, "msg=325 msg2=325"},
                   {".", 48}});
  EXPECT_EQ(Apply(words), "blorf: wordClass=40 message=0 message2=0");
  TestWords last({{"it", 66, nullptr, "sub=69"}}, false);
  EXPECT_EQ(Apply(last), "");
}

TEST(SecondRulesRows, NounsThatNeedOfOrFor) {
  TestWords words({{"Measure", 20}, {"oil", 10}, {"level", 10, nullptr, "sub=72 entry=2"}, {"now", 50},
                   {".", 48}});
  EXPECT_EQ(Apply(words),
            "level: suggestion=\"level of/level for\" subClass=0 message=326 entryWords=1 ruleId=2539");
  // After a preposition, a next word that begins with "of" gets "for".
  TestWords after({{"Set", 20}, {"to", 75}, {"level", 10, nullptr, "sub=72"}, {"offset", 10}, {".", 48}});
  EXPECT_EQ(Apply(after), "offset: suggestion=\"for\" message=331 ruleId=7257");
  // Left alone: too early in the sentence, before "of", before the end, after a verb.
  // (Each list replaces the one before it.)
  TestWords early({{"Oil", 10}, {"level", 10, nullptr, "sub=72"}, {"now", 50}, {".", 48}});
  EXPECT_EQ(Apply(early), "");
  TestWords of({{"Measure", 20}, {"oil", 10}, {"level", 10, nullptr, "sub=72"}, {"of", 67}, {".", 48}});
  EXPECT_EQ(Apply(of), "");
  TestWords end({{"Measure", 20}, {"oil", 10}, {"level", 10, nullptr, "sub=72"}, {".", 48}});
  EXPECT_EQ(Apply(end), "");
  TestWords verb({{"Then", 50}, {"measure", 20}, {"level", 10, nullptr, "sub=72"}, {"now", 50}, {".", 48}});
  EXPECT_EQ(Apply(verb), "");
}

}  // namespace
