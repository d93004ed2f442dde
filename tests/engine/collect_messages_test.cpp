#include "engine/collect_messages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/message_list.h"
#include "tests/support/word_list_fixture.h"

namespace {

class CollectMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override { MessageList.Clear(); }
  void TearDown() override { MessageList.Clear(); }
  // "kind|searchKey|category|marker|rule|word" of every record.
  static std::string Records() {
    std::ostringstream out;
    for (const MessageRec& r : MessageList.records)
      out << r.kind.view() << '|' << r.searchKey << '|' << r.category << '|' << r.markerNumber << '|'
          << r.ruleId << '|' << r.word << '\n';
    return out.str();
  }
};

// The stored letters name one kind each, so the marking reads back the kind
// the collection chose.
TEST(FindingKindLetters, ReadBackAsTheirKind) {
  for (const auto& row : kFindingKindLetters) {
    EXPECT_EQ(KindOfLetters(KindLetters(row.kind)), row.kind) << row.letters;
    EXPECT_EQ(KindLetters(row.kind), row.letters);
  }
  EXPECT_EQ(KindOfLetters("X"), FindingKind::None);
  EXPECT_EQ(KindOfLetters("WW"), FindingKind::None);
}

TEST_F(CollectMessagesTest, EmptyListAndSentinelOnly) {
  EXPECT_EQ(CollectMessages(nullptr), 0);
  TestWords words;
  EXPECT_EQ(CollectMessages(words.head()), 0);
  EXPECT_TRUE(MessageList.Empty());
}

TEST_F(CollectMessagesTest, FindingKeptInTheSecondMessage) {
  TestWords words({{"Use", 20}, {"fix", 20, nullptr, "msg2=301 rule=4444 pos=1"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  EXPECT_EQ(Records(), "W|fix:| 0|1|1|4444|fix\n");
  EXPECT_EQ(words["fix"]->message2, 0);
  EXPECT_EQ(words["fix"]->message, 301);
}

TEST_F(CollectMessagesTest, TwoWordFinding) {
  TestWords words({{"Go", 20}, {"in", 60, nullptr, "msg=331 entry=2 sug=to sentlen=12 rule=9"},
                   {"order", 10, nullptr, "msg=301"}, {"now", 50}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  EXPECT_EQ(Records(), "W|in.order:|12!to|31|1|9|in order\n");
  EXPECT_EQ(words["order"]->message, 0);
}

// An article the tokenizer set aside between the covered words stands in
// the search as any three letters between blanks.
TEST_F(CollectMessagesTest, CoveredWordsAcrossASetAsideArticle) {
  // The rules' mark of the article does not count: "b" has one and no article
  // before it.
  TestWords words({{"Go", 20}, {"it", 60, nullptr, "msg=322 entry=2 rule=9"}, {"Remove", 20, nullptr, "aside=1"},
                   {".", 48}, {"Go", 20}, {"in", 60, nullptr, "msg=322 entry=4 rule=9"}, {"a", 10, nullptr, "aside=1"},
                   {"b", 10, nullptr, "mark=1"}, {"c", 10, nullptr, "aside=1"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 2);
  EXPECT_EQ(Records(), "W|it.....Remove:| 0|22|1|9|it Remove\nW|in.....a.b.....c:| 0|22|1|9|in a b c\n");
}

TEST_F(CollectMessagesTest, TwoWordCorrectionYieldsNoRecord) {
  TestWords words({{"Go", 20}, {"in", 60, nullptr, "msg=331 entry=2 sug=to tag=<AR>"},
                   {"order", 10, nullptr, "msg=301"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 0);
}

TEST_F(CollectMessagesTest, OneWordCorrections) {
  TestWords words({{"Use", 20}, {"a", 64, nullptr, "msg=311 sug=an tag=<AR>"}, {"hour", 10},
                   {"a", 64, nullptr, "msg=326 tag=<##>"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 2);
  EXPECT_EQ(MessageList.records[0].searchKey, "a:|00!an");
  EXPECT_EQ(MessageList.records[0].kind, "A");
  EXPECT_EQ(MessageList.records[0].suggestion, "an");
  EXPECT_EQ(MessageList.records[0].altWord, "a");
  EXPECT_EQ(MessageList.records[1].searchKey, "a:|00|");
}

TEST_F(CollectMessagesTest, ArticleFindingLeavesTheNextWordItsOwnFinding) {
  TestWords words({{"Check", 20, nullptr, "msg=300 rule=3614"},
                   {"valve", 10, nullptr, "msg=311 tag=<AR> sug=the_valve rule=4768"},
                   {"blorf", 40, nullptr, "msg=325 rule=325"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 3);
  EXPECT_EQ(MessageList.records[1].searchKey, "valve:|00!the valve");
  EXPECT_EQ(MessageList.records[2].searchKey, "blorf:| 0");
  EXPECT_EQ(MessageList.records[2].category, 25);
}

TEST_F(CollectMessagesTest, MeasurementLeavesTheNextWordItsOwnFinding) {
  TestWords words({{"Use", 20}, {"12", 49, nullptr, "msg=305 sug=12_inch entry=2"},
                   {"blorf", 40, nullptr, "msg=325"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 2);
  EXPECT_EQ(Records(),
            "A|12.:|00!12 inch|5|1|0|12.\n"
            "W|blorf:| 0|25|2|0|blorf\n");
}

TEST_F(CollectMessagesTest, SentenceLength) {
  TestWords words({{"Remove", 20, nullptr, "msg=328 sentlen=25 rule=7655"}, {"it", 66},
                   {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  EXPECT_EQ(Records(), "W|Remove:| 0|28|25|7655|Remove\n");
}

TEST_F(CollectMessagesTest, ColonAndCommaFindings) {
  TestWords words({{"Parts", 11}, {":", 48, nullptr, "msg=337"}, {"a", 64}, {".", 48},
                   {"Then", 50}, {",", 47, nullptr, "msg=318 tag=<,ab>"}, {"go", 20}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 2);
  EXPECT_EQ(MessageList.records[0].searchKey, "::| 0!(Check use of colons)/(Use a bulleted list)");
  EXPECT_EQ(MessageList.records[1].kind, "C");
  EXPECT_EQ(MessageList.records[1].category, 18);
  EXPECT_EQ(MessageList.records[1].searchKey, ",.ab:| 0!");
}

TEST_F(CollectMessagesTest, CategoryIsTakenWhenTheWordIsSelected) {
  TestWords words({{"Use", 20}, {"well-known", 30, nullptr, "msg=301 extra=H"}, {".", 48}});
  CollectMessages(words.head());
  ASSERT_EQ(MessageList.Count(), 1u);
  EXPECT_EQ(MessageList.records[0].category, 1);
  EXPECT_EQ(words["well-known"]->message, 317);
}

TEST_F(CollectMessagesTest, ContractionsAndPossessives) {
  TestWords words({{"don?t", 20, nullptr, "msg=310 extra=4 sug=do_not"},
                   {"open", 20}, {"John", 10, nullptr, "msg=310 split=2"}, {"box", 10},
                   {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 2);
  EXPECT_EQ(MessageList.records[0].kind, "D");  // "S" gives way to the plain one-word form
  EXPECT_EQ(MessageList.records[0].searchKey, "don?t:| 0!Do not");
  EXPECT_EQ(MessageList.records[1].kind, "Z");
  EXPECT_EQ(MessageList.records[1].word, "John..'s");
  EXPECT_EQ(MessageList.records[1].altWord, "John");
  EXPECT_EQ(MessageList.records[1].markMode, 1);
  EXPECT_EQ(MessageList.records[1].searchKey, "John..:| 0");
}

TEST_F(CollectMessagesTest, NotInDictionaryWithAndWithoutSuggestion) {
  TestWords words({{"Use", 20}, {"blorf", 40, nullptr, "msg=325 sug=blurf rule=325"},
                   {"Zorb", 40, nullptr, "msg=325 rule=325"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 2);
  EXPECT_EQ(Records(),
            "D|blorf:| 0!blurf|25|1|325|blorf\n"
            "W|Zorb:| 0|25|2|325|Zorb\n");
}

TEST_F(CollectMessagesTest, SemicolonFinding) {
  TestWords words({{"Stop", 20}, {";", 42, nullptr, "msg=337"}, {"then", 50}, {"go", 20},
                   {";", 42, nullptr, "msg=337"}, {"1", 49}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  EXPECT_EQ(MessageList.records[0].kind, "V");
  EXPECT_EQ(MessageList.records[0].searchKey, ". th:|00|");
}

// Covered words that markup divides in the document: the search looks for
// the words before the markup, which stand together.
TEST_F(CollectMessagesTest, CoveredWordsDividedByMarkup) {
  const struct {
    int covers;
    int markupBefore;  // index of the word after the markup
    const char* key;
  } cases[] = {
      {2, 1, "is:| 0!shows how"},
      {3, 2, "is.how:| 0!shows how"},
      {3, 0, "is.how.stable:| 0!shows how"},  // markup before the finding's own word
      {4, 3, "is.how.stable:| 0!shows how"},
  };
  for (const auto& k : cases) {
    std::string spec = "msg=321 sug=shows_how entry=" + std::to_string(k.covers);
    TestWords words({{"is", 24, nullptr, spec.c_str()}, {"how", 52}, {"stable", 30}, {"now", 52}});
    WordRec* r = words.head();
    for (int i = 0; i < k.markupBefore; ++i) r = r->next;
    r->markupBefore = true;
    EXPECT_EQ(CollectMessages(words.head()), 1);
    EXPECT_EQ(MessageList.records[0].searchKey, k.key) << k.covers << " " << k.markupBefore;
    MessageList.Clear();
  }
}

// The article set aside before the next word stays in the semicolon's
// search when the rules took the word's article mark away.
TEST_F(CollectMessagesTest, SemicolonBeforeASetAsideArticle) {
  TestWords words({{"Stop", 20}, {";", 42, nullptr, "msg=337"}, {"va&lowbar;lve", 40, nullptr, "aside=1"},
                   {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  EXPECT_EQ(MessageList.records[0].searchKey, ". ... va:|00|");
}

TEST_F(CollectMessagesTest, FourWordsAtTheEndOfAListWithoutSentinel) {
  TestWords words({{"a", 40, nullptr, "msg=330 entry=4 sug=x"}, {"b", 40}}, false);
  EXPECT_EQ(CollectMessages(words.head()), 1);
  EXPECT_EQ(MessageList.records[0].word, "a b  ");
  // The search holds the words there are, and no blanks for the missing.
  EXPECT_EQ(MessageList.records[0].searchKey, "a.b:| 0!x");
  TestWords three({{"a", 40, nullptr, "msg=330 entry=3"}}, false);
  MessageList.Clear();
  EXPECT_EQ(CollectMessages(three.head()), 1);
}

TEST_F(CollectMessagesTest, SeparatorsInsideTheWordAreEscaped) {
  TestWords words({{"Use", 20}, {"a:b!c", 40, nullptr, "msg=325 sug=x!y:z"}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  const std::string& key = MessageList.records[0].searchKey;
  EXPECT_EQ(key, "a\\:b\\!c:| 0!x\\!y\\:z");
  SearchKeyParts parts = ParseSearchKey(key);
  EXPECT_EQ(parts.text, "a:b!c");
  EXPECT_EQ(parts.number, " 0");
  EXPECT_EQ(parts.advice, "x!y:z");
  EXPECT_FALSE(parts.colonFinding);
}

TEST_F(CollectMessagesTest, LongWordsLeaveRoomForTheSeparator) {
  std::string longWord(83, 'x');
  std::string flags = "msg=330 entry=4 sug=advice";
  TestWords words({{longWord.c_str(), 40, nullptr, flags.c_str()}, {longWord.c_str(), 40},
                   {longWord.c_str(), 40}, {longWord.c_str(), 40}, {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  const std::string& key = MessageList.records[0].searchKey;
  EXPECT_LE(key.size(), kSearchKeyMax);
  SearchKeyParts parts = ParseSearchKey(key);
  EXPECT_TRUE(parts.hasSeparator);
  EXPECT_EQ(parts.number, " 0");
}

TEST_F(CollectMessagesTest, ExpandContraction) {
  TestWords words({{"won?t", 20}, {"they?", 66}, {"it", 66, nullptr, "sug=keep"},
                   {"she'll", 66}});
  for (const char* s : {"won?t", "they?", "it", "she'll"}) ExpandContraction(words[s]);
  EXPECT_EQ(words["won?t"]->suggestion, "will not");
  EXPECT_EQ(words["they?"]->suggestion, "they had/they did");
  EXPECT_EQ(words["it"]->suggestion, "keep");
  EXPECT_EQ(words["she'll"]->suggestion, "person");
}

// A word with two blanks after it keeps them in the search of a two-word finding.
TEST_F(CollectMessagesTest, DoubleBlankBetweenTheWordsOfAFinding) {
  TestWords words({{"Go", 20}, {"in", 60, nullptr, "msg=331 entry=2 tag=<DS> sug=to"}, {"order", 10},
                   {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 1);
  EXPECT_EQ(Records(), "W|in..order:| 0!to|31|1|0|in..order\n");
}

TEST_F(CollectMessagesTest, MarksOfTheRulesThatShapeTheSearch) {
  TestWords words({{"Use", 20}, {"the", 64}, {"it", 66, nullptr, "msg=310 tag=<ES>"}, {".", 48},
                   {"Press", 20}, {"ENTER", 40, nullptr, "msg=323 tag=<**> entry=2 sug=START"}, {".", 48},
                   {"Use", 20}, {"x", 40, nullptr, "msg=309 tag=<_b>"}, {"b", 40}, {".", 48},
                   {"Use", 20}, {"ab", 40, nullptr, "msg=309 tag=<+c>"}, {"cd", 40}, {".", 48},
                   {"Use", 20}, {"higher", 34, nullptr, "msg=302 tag=<+t> sug=more"}, {"than", 40}, {".", 48},
                   {"Use", 20}, {"ab", 40, nullptr, "msg=309 tag=<+(>8 sug=abc"}, {"(x)", 40}, {".", 48},
                   {"Use", 20}, {"the", 64}, {"Abc", 10, nullptr, "msg=316 verb=R sug=ABC"}, {".", 48},
                   {"Use", 20}, {"5", 49, nullptr, "msg=308 tag=<5m> sug=5_mm"}, {"m", 17, nullptr, "msg=325"},
                   {".", 48},
                   {"Push", 20}, {"start", 10, nullptr, "msg=323 sep=U tag=<xy> sug=<uicontrol>START</uicontrol>"},
                   {".", 48}});
  EXPECT_EQ(CollectMessages(words.head()), 9);
  EXPECT_EQ(Records(),
            // "<ES>": the word as its own advice, three dots after it.
            "A|it...:|00!it|10|2|0|it\n"
            // A tag word: one word, marked as found, shown with its advice.
            "D|ENTER:| 0!START|23|1|0|ENTER\n"
            // "< b>": the start of the next word joins the search.
            "D|x.b:| 0|9|1|0|x\n"
            // "<+c>": the same for a word before a line break.
            "D|ab.c:| 0|9|1|0|ab\n"
            // The finding's word is the word, without the letter the search
            // takes from the next one; with advice as without.
            "D|higher.t:| 0!more|2|1|0|higher\n"
            "J|ab.(:| 0!abc|9|1|0|ab (\n"
            "D|Abc:| 0!ABC|16|2|0|Abc\n"
            // A number with its unit mark covers the unit; the mark keeps the
            // advice out.
            "W|5.m:| 0|8|1|0|5.m\n"
            // A label marked for the interface keeps its markup advice.
            "W|start:| 0!<uicontrol>START</uicontrol>|23|1|0|start\n");
  EXPECT_EQ(MessageList.records[1].markMode, 1);
  EXPECT_EQ(MessageList.records[1].altWord, "ENTER");
  EXPECT_EQ(MessageList.records[2].subKind, "SP");
}

TEST(SearchKeyTest, ReadingKeysBack) {
  SearchKeyParts p = ParseSearchKey("in.order:|12!to");
  EXPECT_TRUE(p.hasSeparator);
  EXPECT_FALSE(p.colonFirst);
  EXPECT_EQ(p.text, "in.order");
  EXPECT_EQ(p.number, "12");
  EXPECT_EQ(p.advice, "to");
  p = ParseSearchKey("a:|00|");
  EXPECT_EQ(p.text, "a");
  EXPECT_EQ(p.number, "00");
  EXPECT_EQ(p.advice, "");
  p = ParseSearchKey("::| 0!(Check use of colons)/(Use a bulleted list)");
  EXPECT_TRUE(p.colonFinding);
  EXPECT_EQ(p.text, ":");
  EXPECT_EQ(p.advice, "(Check use of colons)/(Use a bulleted list)");
  p = ParseSearchKey(",.ab:| 0!");
  EXPECT_EQ(p.text, ",.ab");
  EXPECT_EQ(p.advice, "");
  p = ParseSearchKey("no separator");
  EXPECT_FALSE(p.hasSeparator);
  p = ParseSearchKey(":| 0");
  EXPECT_TRUE(p.colonFirst);
  EXPECT_FALSE(p.colonFinding);
  p = ParseSearchKey("o\\?clock:| 0!(Time style hh:mm)/xx degrees");
  EXPECT_EQ(p.text, "o\\?clock");  // only ':', '!' and '\' are escapes
  EXPECT_EQ(p.advice, "(Time style hh:mm)/xx degrees");
}

TEST(SearchKeyTest, EscapingNeverCutsAPair) {
  std::string key = "ab";
  EXPECT_FALSE(AppendKeyText(key, ":", 3));
  EXPECT_EQ(key, "ab");
  EXPECT_TRUE(AppendKeyText(key, "\\", 4));
  EXPECT_EQ(key, "ab\\\\");
}

}  // namespace
