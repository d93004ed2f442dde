#include "engine/message_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

WordRec Word(const char* text, int message = 0) {
  WordRec w;
  w.text = text;
  w.written = text;
  w.message = message;
  return w;
}

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

TEST(SetWordMessage, ReplacesAndClears) {
  WordRec w = Word("valve", Msg::WrongChoice);
  w.subClass = 12;
  w.message2 = 330;
  SetWordMessage(&w, Msg::Awkward, 4711);
  EXPECT_EQ(w.message, 302);
  EXPECT_EQ(w.message2, 0);
  EXPECT_EQ(w.subClass, 0);
  EXPECT_EQ(w.ruleId, 4711);

  // Out of range: clears the fields, sets the rule id, sets no code.
  w = Word("valve", 301);
  w.subClass = 5;
  SetWordMessage(&w, 339, 1234);
  EXPECT_EQ(w.message, 0);
  EXPECT_EQ(w.subClass, 0);
  EXPECT_EQ(w.ruleId, 1234);
  SetWordMessage(&w, 0, 26031);
  EXPECT_EQ(w.message, 0);
  EXPECT_EQ(w.ruleId, 26031);
}

TEST(SetWordMessage, SentenceLengthKeepsTheEarlierMessage) {
  WordRec w = Word("open", Msg::PassiveVoice);
  w.subClass = 7;
  SetWordMessage(&w, Msg::SentenceLength, 7655);
  EXPECT_EQ(w.message, 328);
  EXPECT_EQ(w.message2, 330);
  EXPECT_EQ(w.subClass, 7);
  EXPECT_EQ(w.ruleId, 7655);

  // Without a message, message2 keeps what it held.
  w = Word("open");
  w.message2 = 315;
  SetWordMessage(&w, Msg::SentenceLength, 7655);
  EXPECT_EQ(w.message, 328);
  EXPECT_EQ(w.message2, 315);
}

TEST(SetWordMessage, SentenceLengthRefusedOnNumbersAndMarkup) {
  for (const char* text : {"12", "(see", "a_b", "x=y", "it's", "#1", "50%", "\"q", "[x]", "go!"}) {
    WordRec w = Word(text, Msg::Style);
    w.message2 = 0;
    SetWordMessage(&w, Msg::SentenceLength, 7655);
    EXPECT_EQ(w.message, Msg::Style) << text;
    EXPECT_EQ(w.message2, 0) << text;
    EXPECT_EQ(w.ruleId, 7655) << text;
  }
}

TEST(SetWordMessage, LockedWordKeepsItsRuleId) {
  WordRec w = Word("valve", Msg::Style);
  w.verbForm = 'q';
  w.ruleId = 99;
  w.subClass = 3;
  SetWordMessage(&w, Msg::WrongVerb, 1000);
  EXPECT_EQ(w.message, 0);
  EXPECT_EQ(w.subClass, 0);
  EXPECT_EQ(w.ruleId, 99);

  w = Word("valve", Msg::Style);
  w.verbForm = 'q';
  w.ruleId = 99;
  SetWordMessage(&w, Msg::SentenceLength, 7655);
  EXPECT_EQ(w.message, Msg::Style);
  EXPECT_EQ(w.ruleId, 99);

  SetWordMessage(nullptr, Msg::Style, 1);  // no record, no crash
}

}  // namespace
