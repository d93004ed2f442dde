#include "engine/message_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

TEST(MessageClassNames, CodesMapToTheirNames) {
  EXPECT_STREQ(MessageClassName(Msg::WrongVerb), "WRONG VERB");
  EXPECT_STREQ(MessageClassName(Msg::NotInDictionary), "NOT-IN-DICTIONARY");
  EXPECT_STREQ(MessageClassName(Msg::SentenceLength), "SENTENCE LENGTH");
  EXPECT_STREQ(MessageClassName(Msg::Gerund), "GERUND");
  EXPECT_EQ(MessageClassName(299), nullptr);
  EXPECT_EQ(MessageClassName(339), nullptr);
  EXPECT_STREQ(MessageClassNames[39], "(NOT USED)");
  EXPECT_EQ(std::string(MessageClassNames[40]), std::string(7, ' '));
  for (int i = 0; i < kMessageClassCount; ++i) EXPECT_NE(MessageClassNames[i], nullptr) << i;
}

// Each case: a word's text and fields before, the message and rule set, and
// the fields after.
TEST(SetWordMessage, Cases) {
  const struct {
    const char* text;
    int message, message2, subClass, ruleId;
    char verbForm;
    int set, rule;
    int afterMessage, afterMessage2, afterSubClass, afterRuleId;
  } cases[] = {
      // Replaces the message and clears the second message and the subclass.
      {"valve", Msg::WrongChoice, 330, 12, 0, ' ', Msg::Awkward, 4711, 302, 0, 0, 4711},
      // Out of range or 0: clears the fields, sets the rule id, sets no code.
      {"valve", 301, 0, 5, 0, ' ', 339, 1234, 0, 0, 0, 1234},
      {"valve", 0, 0, 0, 0, ' ', 0, 26031, 0, 0, 0, 26031},
      // The sentence length keeps the earlier message as the second one;
      // without a message, the second keeps what it held.
      {"open", Msg::PassiveVoice, 0, 7, 0, ' ', Msg::SentenceLength, 7655, 328, 330, 7, 7655},
      {"open", 0, 315, 0, 0, ' ', Msg::SentenceLength, 7655, 328, 315, 0, 7655},
      // ... and is refused on numbers, references and markup.
      {"12", Msg::Style, 0, 0, 0, ' ', Msg::SentenceLength, 7655, Msg::Style, 0, 0, 7655},
      {"go!", Msg::Style, 0, 0, 0, ' ', Msg::SentenceLength, 7655, Msg::Style, 0, 0, 7655},
      // A locked word keeps its rule id.
      {"valve", Msg::Style, 0, 3, 99, 'q', Msg::WrongVerb, 1000, 0, 0, 0, 99},
      {"valve", Msg::Style, 0, 0, 99, 'q', Msg::SentenceLength, 7655, Msg::Style, 0, 0, 99},
  };
  for (const auto& c : cases) {
    WordRec w = LoneWord(c.text);
    w.message = c.message;
    w.message2 = c.message2;
    w.subClass = c.subClass;
    w.ruleId = c.ruleId;
    w.verbForm = c.verbForm;
    SetWordMessage(&w, c.set, c.rule);
    EXPECT_EQ(std::vector<int>({w.message, w.message2, w.subClass, w.ruleId}),
              std::vector<int>({c.afterMessage, c.afterMessage2, c.afterSubClass, c.afterRuleId}))
        << c.text << " " << c.set;
  }
  SetWordMessage(nullptr, Msg::Style, 1);  // no record, no crash
}

}  // namespace
