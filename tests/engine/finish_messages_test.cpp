#include "engine/finish_messages.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

TEST(FinishMessagesTest, SentenceLengthKeepsBothCodes) {
  TestWords words({{"Remove", 20, nullptr, "msg=328 msg2=330 rule=7655"}, {"it", 66}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(), "Remove: subClass=328");
}

TEST(FinishMessagesTest, MaxBecomesMaximumAndPsiStays) {
  TestWords words({{"Set", 20}, {"max.", 40, nullptr, "msg=309 entry=2"},
                   {"psi", 45, nullptr, "msg=309"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(),
            "max.: suggestion=\"maximum\" tag=\"<AR>\" wordClass=45 message=311 entryWords=1 "
            "ruleId=7669\n"
            "psi: subClass=309");
}

TEST(FinishMessagesTest, AbbreviationsAndSlashes) {
  TestWords words({{"Use", 20}, {"abcd", 40, nullptr, "msg=309"}, {"abc/d", 40, nullptr, "msg=309"},
                   {"=", 40}, {"xyz", 40, nullptr, "msg=309"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words["abcd"]->message, 309);
  EXPECT_EQ(words["abcd"]->ruleId, 8765);
  EXPECT_EQ(words["abcd"]->wordClass, 45);
  EXPECT_EQ(words["abc/d"]->message, 337);
  EXPECT_EQ(words["abc/d"]->ruleId, 7865);
  EXPECT_EQ(words["xyz"]->ruleId, 0);  // after "=": left alone
  EXPECT_EQ(words["xyz"]->message, 309);
}

TEST(FinishMessagesTest, WrongVerbAfterAnArticleIsAWrongChoice) {
  TestWords words({{"Open", 20}, {"a", 64}, {"service", 20, nullptr, "msg=300 sub=300 msg2=1"},
                   {"now", 50}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(), "service: wordClass=10 subClass=0 message=301 message2=0 ruleId=6594");
}

TEST(FinishMessagesTest, WrongVerbOtherwise) {
  TestWords words({{"Service", 20, nullptr, "msg=300"}, {"the", 64}, {"unit", 10},
                   {"e.g.", 20, nullptr, "msg=300"}, {"seeing", 23, nullptr, "msg=300"},
                   {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words["Service"]->ruleId, 6596);
  EXPECT_EQ(words["e.g."]->message, 301);
  EXPECT_EQ(words["e.g."]->wordClass, 40);
  EXPECT_EQ(words["seeing"]->message, 338);
  EXPECT_EQ(words["seeing"]->ruleId, 6495);
}

TEST(FinishMessagesTest, MuchBeforeAPluralIsAgreement) {
  TestWords words({{"Use", 20}, {"much", 50, nullptr, "msg=311 rule=12"}, {"bolts", 11},
                   {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(), "much: message=303");
}

TEST(FinishMessagesTest, DashMarkGivesPunctuationOnOneWord) {
  TestWords words({{"valve~", 10, nullptr, "msg=310 entry=3 sug=x"}, {"~x", 10, nullptr, "msg=310"},
                   {"stop", 20}, {".", 48}});
  FinishMessages(words.head());
  WordRec* dash = words.at(0);
  EXPECT_EQ(dash->written, "valv");
  EXPECT_EQ(dash->length, 4);
  EXPECT_EQ(dash->suggestion, "(Do not use EM or EN dash)");
  EXPECT_EQ(dash->entryWords, 1);
  EXPECT_EQ(dash->message, 337);
  EXPECT_EQ(dash->ruleId, 4086);
  // A mark at the start leaves nothing to cut before it.
  EXPECT_EQ(words.at(1)->written, "~x");
  EXPECT_EQ(words.at(1)->message, 337);
}

TEST(FinishMessagesTest, SaidClearsThePreviousWord) {
  TestWords words({{"He", 66, nullptr, "msg=312"}, {"said", 20, nullptr, "msg=304"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(), "He: message=0\nsaid: message=0");
}

TEST(FinishMessagesTest, LockedWordEndsWithoutMessage) {
  TestWords words({{"Stop", 20, nullptr, "msg=301 verb=q rule=5"},
                   {"nuts", 11, nullptr, "sub=314 msg=314 verb=q"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(), "Stop: message=0\nnuts: subClass=0 message=0");
}

TEST(FinishMessagesTest, SplitWordsAndDictionarySubclasses) {
  TestWords words({{"John's", 10, nullptr, "split=2"}, {"valve", 10, nullptr, "sub=14 msg=301"},
                   {"side", 10, nullptr, "sub=3"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words["John's"]->message, 310);
  EXPECT_EQ(words["John's"]->ruleId, 4576);
  EXPECT_EQ(words["valve"]->subClass, 0);
  EXPECT_EQ(words["valve"]->message, 301);  // a dictionary subclass is not a key
  EXPECT_EQ(words["side"]->subClass, 0);
}

TEST(FinishMessagesTest, HyphenationAndPunctuation) {
  TestWords words({{"AC", 40}, {"x", 40, nullptr, "msg=317 split=6"}, {"DC", 40},
                   {"y", 40, nullptr, "msg=317 split=6"}, {"z", 40},
                   {"well-made", 30, nullptr, "msg=317"}, {"12", 49, nullptr, "msg=337"},
                   {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words["x"]->message, 317);
  EXPECT_EQ(words["x"]->ruleId, 26031);
  EXPECT_EQ(words["y"]->message, 337);
  EXPECT_EQ(words["well-made"]->message, 0);
  EXPECT_EQ(words["12"]->message, 0);
}

TEST(FinishMessagesTest, NotInDictionaryAndNumbers) {
  TestWords words({{"blorf", 40, nullptr, "sub=325 msg=325 msg2=325 rule=9"},
                   {"viii", 40, nullptr, "msg=308 split=4"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(),
            "blorf: subClass=0 message2=0 ruleId=325\n"
            "viii: ruleId=3089");
}

TEST(FinishMessagesTest, NullHeadAndListWithoutSentinel) {
  EXPECT_EQ(FinishMessages(nullptr), 0);
  TestWords words({{"x", 40, nullptr, "msg=325"}}, false);
  EXPECT_EQ(FinishMessages(words.head()), 0);
  EXPECT_EQ(words["x"]->ruleId, 325);
}


TEST(FinishMessagesTest, WrongChoiceByClassAndForm) {
  TestWords words({{"Use", 20}, {"seeing", 23, nullptr, "msg=301 rule=5"}, {"high-end", 30, nullptr, "msg=301 rule=6"},
                   {"top", 30, nullptr, "msg=301 split=4 rule=7"}, {"big", 30, nullptr, "msg=301 rule=8"},
                   {"doing", 23, nullptr, "msg=301 mark=1 rule=9"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(),
            "seeing: message=338 ruleId=9995\n"
            "high-end: message=317\n"
            "top: message=327");
}

TEST(FinishMessagesTest, CodesSettledByTheWordItself) {
  TestWords words({{"Avoid", 20}, {"injury", 10, nullptr, "msg=307 rule=5"}, {"he", 66, nullptr, "msg=312 msg2=7 rule=6"},
                   {"Set", 20, nullptr, "sub=315 rule=4"}, {"Go", 20, nullptr, "sub=315 extra=~ rule=4"},
                   {"went", 22, nullptr, "msg=322 rule=3"}, {"being", 23, nullptr, "msg=322 rule=2"},
                   {"open", 30, nullptr, "msg=322 rule=1"}, {"START", 40, nullptr, "msg=323 token=9"},
                   {"STOP", 40, nullptr, "msg=323 rule=11"}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(),
            "injury: ruleId=307\n"
            "he: message2=0\n"
            "Set: subClass=0 message=316\n"
            "Go: subClass=0\n"
            "went: message=300\n"
            "being: message=338\n"
            "START: subClass=323");
}

TEST(FinishMessagesTest, ApostropheBetweenSplitWordsAndBeforeATag) {
  TestWords words({{"John", 10, nullptr, "msg=310 sep=9 rule=1"}, {"s", 10, nullptr, "msg=310 sug=x"},
                   {"<ref>", 40}, {".", 48}});
  FinishMessages(words.head());
  EXPECT_EQ(words.Changes(),
            "John: ruleId=4086\n"
            "s: suggestion=\"\" message=0");
}

}  // namespace
