#include "engine/neighbour_tests.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

int NoArticle(const char* word, const char* next, int nextClass = 10, const char* flags = "") {
  TestWords words({{"Use", 20}, {word, 30}, {next, nextClass, nullptr, flags}, {".", 48}});
  return NextNounTakesNoArticle(words[word]);
}

TEST(NextNounTakesNoArticle, UncountableAndLabelNouns) {
  EXPECT_EQ(NoArticle("clean", "water"), 99);
  EXPECT_EQ(NoArticle("clean", "buttons"), 99);  // stem "button"
  EXPECT_EQ(NoArticle("clean", "gasket"), 99);   // stem "gas"
  EXPECT_EQ(NoArticle("clean", "valve"), -1);
  EXPECT_EQ(NoArticle("clean", "waters"), -1);
  // A word ending in 's' drops the next word's last letter first.
  EXPECT_EQ(NoArticle("its", "waters"), 99);
  EXPECT_EQ(NoArticle("its", "water"), -1);
  // Multi-word entries are cut at their first blank.
  EXPECT_EQ(NoArticle("clean", "heat shield"), 99);
}

TEST(NextNounTakesNoArticle, ClassesFlagsAndMarkup) {
  EXPECT_EQ(NoArticle("clean", "Boeing", 15), 99);
  EXPECT_EQ(NoArticle("clean", "oil", 16), 99);
  EXPECT_EQ(NoArticle("clean", "tube", 10, "split=4"), 99);
  // A tag takes no article only after the third word.
  EXPECT_EQ(NoArticle("clean", "<ph>", 10), -1);
  TestWords words({{"a", 20}, {"b", 20}, {"c", 20}, {"d", 30}, {"<ph>", 10}});
  EXPECT_EQ(NextNounTakesNoArticle(words["d"]), 99);
  TestWords last({{"a", 20}}, false);
  EXPECT_EQ(NextNounTakesNoArticle(last.head()), -1);
  EXPECT_EQ(NextNounTakesNoArticle(nullptr), -1);
}

TEST(NeighbourTests, ControlNounsAndIndicators) {
  TestWords words({{"the", 64}, {"windows", 10}, {"press", 20}, {"keyboard", 10}, {"set", 20},
                   {"relays", 11}, {"red light", 10}, {"panel", 10}, {"lit", 31}});
  EXPECT_EQ(NextIsControlNoun(words["the"]), -1);       // "window" is exact
  EXPECT_EQ(NextIsControlNoun(words["press"]), 1);      // stem "key"
  EXPECT_EQ(NextIsControlNoun(words["set"]), -1);       // "relay" is exact
  EXPECT_EQ(NextIsControlNoun(words["windows"]), -1);
  EXPECT_EQ(NextIsControlNoun(words["lit"]), -1);       // the sentinel
  EXPECT_EQ(IsIndicatorWord(words["red light"]), 1);
  EXPECT_EQ(IsIndicatorWord(words["panel"]), 1);
  EXPECT_EQ(IsIndicatorWord(words["lit"]), -1);
  EXPECT_EQ(IsIndicatorWord(nullptr), -1);
  TestWords tail({{"press", 20}}, false);
  EXPECT_EQ(NextIsControlNoun(tail.head()), -1);
}

TEST(NextIsMonth, NamesAndAbbreviationsOfThreeOrMoreLetters) {
  struct Case {
    const char* next;
    const char* after;
    int answer;
  } cases[] = {
      {"jan", "2020", 99},       {"January", "2020", 99},  {"sept", "2020", 99},
      {"dec", ".", 99},          {"12", "mar", 99},        {"12", "may", 99},
      {"j", "2020", -1},         {"ja", "2020", -1},       {"a", "valve", -1},
      {"no", "means", -1},       {"d", "x", -1},           {"ma", "x", -1},
      {"janx", "x", -1},         {"12", "ma", -1},         {"12", "hours", -1},
      {"jane", "x", -1},
  };
  for (const Case& k : cases) {
    TestWords words({{"by", 65}, {k.next, 40}, {k.after, 40}});
    EXPECT_EQ(NextIsMonth(words["by"]), k.answer) << k.next << ' ' << k.after;
  }
  TestWords end({{"by", 65}});
  EXPECT_EQ(NextIsMonth(end.head()), -1);  // the sentinel follows
  TestWords cut({{"on", 60}, {"12", 49}}, false);
  EXPECT_EQ(NextIsMonth(cut.head()), -1);  // the number is the last record
}

TEST(ScanAheadForClass47, CommaBeforeTheSentenceEnds) {
  TestWords words({{"If", 70}, {"hot", 30}, {",", 47}, {"stop", 20}, {".", 48}, {"Then", 50},
                   {"go", 20}, {".", 48}});
  EXPECT_EQ(ScanAheadForClass47(words["If"]), 1);
  EXPECT_EQ(ScanAheadForClass47(words["stop"]), -1);
  EXPECT_EQ(ScanAheadForClass47(words["Then"]), -1);
  TestWords atEnd({{"If", 70}, {"hot", 30}, {",", 47}});
  EXPECT_EQ(ScanAheadForClass47(atEnd["If"]), -1);  // the sentinel follows the comma
  TestWords bare({{"If", 70}, {"hot", 30}}, false);
  EXPECT_EQ(ScanAheadForClass47(bare["If"]), -1);
}

TEST(QuestionMarks, FindAndMark) {
  {
    TestWords words({{"Is", 25}, {"it", 66}, {"hot", 30}, {"?", 48}});
    EXPECT_EQ(FindQuestionMark(words["Is"]), 1);
    EXPECT_EQ(words.Changes(), "?: wordClass=40");
  }
  {
    TestWords words({{"Is", 25}, {"it", 66}, {".", 48}, {"hot", 30, nullptr, "pos=1"}, {"?", 48}});
    EXPECT_EQ(FindQuestionMark(words["Is"]), -1);
    EXPECT_EQ(MarkQuestionMark(words["Is"]), -1);
  }
  {
    // A '?' written for an apostrophe is not a question mark.
    TestWords words({{"Do", 28}, {"not", 29}, {"can?t", 28}, {";", 42}, {"?", 48}});
    EXPECT_EQ(FindQuestionMark(words["Do"]), -1);
    EXPECT_EQ(MarkQuestionMark(words["Do"]), -1);
  }
  {
    TestWords words({{"Why", 50}, {",", 47}, {"x", 40}, {"?", 48}});
    EXPECT_EQ(MarkQuestionMark(words["Why"]), 1);
    EXPECT_EQ(words.Changes(), "?: extraFlag=*");
  }
  {
    TestWords words({{"Why", 50}, {"x", 40}}, false);
    EXPECT_EQ(MarkQuestionMark(words["Why"]), -1);
    EXPECT_EQ(FindQuestionMark(words["Why"]), -1);
  }
}

}  // namespace
