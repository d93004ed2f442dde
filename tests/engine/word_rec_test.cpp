#include "engine/word_rec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class WordListTest : public ::testing::Test {
 protected:
  void SetUp() override { WordList.Reset(); Cursor.Reset(); }
  void TearDown() override { WordList.Reset(); }
  WordRec* Add(std::string token, int kind = 0, const char* state = nullptr, int wordNo = 0,
               unsigned char mark = 0) {
    token.resize(std::max<std::size_t>(token.size(), 84), '\0');
    AddWordRec(token.data(), mark, wordNo, kind, state);
    WordRec* last = WordList.head;
    while (last && last->next) last = last->next;
    return last;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (WordRec* w = WordList.head; w; w = w->next) out.push_back(w->text.str());
    return out;
  }
};

TEST_F(WordListTest, CaseFlagsAndLowerCasing) {
  WordRec* w = Add("NUT");
  EXPECT_EQ(w->text, "nut");
  EXPECT_EQ(w->written, "NUT");
  EXPECT_EQ(w->caseFlag, '2');
  EXPECT_EQ(Add("Nut")->caseFlag, '1');
  w = Add("A");
  EXPECT_EQ(w->text, "a");
  EXPECT_EQ(w->caseFlag, '2');
  w = Add("mmHg");
  EXPECT_EQ(w->text, "mmHg");
  EXPECT_EQ(w->caseFlag, '0');
}

TEST_F(WordListTest, DefaultsOfANewRecord) {
  WordRec* w = Add("valve", 0, nullptr, 5, 1);
  EXPECT_EQ(w->wordClass, 40);
  EXPECT_EQ(w->classCode, "D****");
  EXPECT_EQ(w->entryWords, 1);
  EXPECT_EQ(w->sentencePos, 5);
  EXPECT_EQ(w->length, 5);
  EXPECT_EQ(w->lastLetter, 'e');
  EXPECT_EQ(w->markFlag, '1');
  EXPECT_EQ(w->weight, 1);
  EXPECT_EQ(w->splitKind, '0');
  EXPECT_EQ(w->separatorFlag, ' ');
  EXPECT_EQ(w->verbForm, ' ');
  EXPECT_EQ(w->pluralMarker, '0');
  EXPECT_TRUE(w->suggestion.empty());
}

TEST_F(WordListTest, RefusedTokens) {
  Add("");
  Add(" x");
  Add("\tx");
  Add(".");
  Add("<p>");
  EXPECT_EQ(WordList.head, nullptr);
  Add("word");
  Add("<p>");
  Add(".");
  Add(".");   // never a full stop behind a full stop
  Add("...");
  Add(".");   // nor behind a record that begins with one
  EXPECT_EQ(Texts(), (std::vector<std::string>{"word", "<p>", ".", "..."}));
}

TEST_F(WordListTest, Kind89BecomesAFullStop) {
  Add("x");
  std::string token = "whatever";
  token.resize(84);
  AddWordRec(token.data(), 0, 0, 89, nullptr);
  EXPECT_STREQ(token.c_str(), ".");
  WordRec* w = WordList.head->next;
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->text, ".");
  EXPECT_EQ(w->written, ".");
  EXPECT_EQ(w->length, 1);
  EXPECT_EQ(w->lastLetter, '.');
  EXPECT_EQ(w->tokenKind, 9);
}

TEST_F(WordListTest, PluralEndingInParenthesesIsCut) {
  WordRec* w = Add("valve(s", 108);
  EXPECT_EQ(w->text, "valv");
  EXPECT_EQ(w->length, 4);
  EXPECT_EQ(w->lastLetter, 'v');
  EXPECT_EQ(w->written, "valve(s");
  w = Add("nut", 108);
  EXPECT_EQ(w->text, "nut");
  EXPECT_EQ(w->separatorFlag, '8');
  EXPECT_EQ(w->wordClass, 10);
}

TEST_F(WordListTest, InchSuggestions) {
  Add("about");
  WordRec* w = Add(".5", 117);
  EXPECT_EQ(w->suggestion, "0.5 inch");
  EXPECT_EQ(w->message, 305);
  EXPECT_EQ(w->wordClass, 49);
  EXPECT_EQ(w->verbForm, 'C');
  EXPECT_EQ(Add("2", 117)->suggestion, "2 inch");
  EXPECT_EQ(Add("3", 127)->suggestion, "3-inch");
  w = Add("4", 128);
  EXPECT_EQ(w->suggestion, "4 inch");
  EXPECT_EQ(w->subClass, 305);
  EXPECT_EQ(w->message2, 305);
  EXPECT_EQ(w->separatorFlag, 'q');
}

TEST_F(WordListTest, StateDrivenCells) {
  const char eight[7] = {'x', 'y', 'z', 0, '8', 0, 0};
  WordRec* w = Add(",", 104, eight);
  EXPECT_EQ(w->tokenKind, 8);
  EXPECT_EQ(w->tag, "xyz");
  w = Add("a", 169, eight);
  EXPECT_EQ(w->tokenKind, 8);
  EXPECT_EQ(w->tag, "< z>");
  EXPECT_EQ(Add("b", 173, eight)->tag, "<,\n");
  EXPECT_EQ(Add("b", 173)->tag, "<, >");
  EXPECT_EQ(Add("c", 176, eight)->tag, "<* >\n");
  EXPECT_EQ(Add("c", 178)->tag, "<,*>");
  EXPECT_EQ(Add("d", 177, "a!\0\0\0\0")->tag, "<^!>");
  EXPECT_EQ(Add("e", 209, "QRST\0\0")->tag, "QR");
  w = Add(";", 171, eight);
  EXPECT_EQ(w->tokenKind, 8);
  EXPECT_EQ(w->separatorFlag, '8');
  EXPECT_EQ(w->message, 337);
  w = Add("f", 5, "\0\0\0\0t\0");
  EXPECT_EQ(w->verbForm, 't');
  w = Add("<x>", 5);
  EXPECT_EQ(w->classCode, "DT***");
  EXPECT_EQ(Add("g", 0, "s?\0\0\0\0")->tag, "s?");
}

TEST_F(WordListTest, TextFromStateIsCutToItsField) {
  std::string longState(300, 'k');
  EXPECT_EQ(Add("a", 121, longState.c_str())->tag.view(), std::string(7, 'k'));
  EXPECT_EQ(Add("b", 14, longState.c_str())->suggestion.view(), std::string(79, 'k'));
  Cursor.CurrentOid = "(1,42,0)";
  EXPECT_EQ(Add("c", 54)->suggestion, "(1,42,0)");
}

TEST_F(WordListTest, OtherKinds) {
  WordRec* w = Add("It?s", 123);
  EXPECT_EQ(w->suggestion, "It is");
  EXPECT_EQ(w->message, 309);
  EXPECT_EQ(Add("it?s", 123)->suggestion, "it is");
  w = Add("quote", 145);
  EXPECT_EQ(w->text, "<quote>");
  EXPECT_EQ(w->subClass, 80);
  w = Add("x", 919);
  EXPECT_EQ(w->classCode, "S08**");
  EXPECT_EQ(w->message, 308);
  w = Add("don?t", 113);
  EXPECT_EQ(w->ruleId, 7876);
  EXPECT_EQ(w->message, 310);
  EXPECT_EQ(Add("pre", 99)->sentenceLength, 2);
  EXPECT_EQ(Add("s", 1107)->extraFlag, '8');
}

TEST_F(WordListTest, DeleteAndFree) {
  Add("a");
  Add("b");
  Add("c");
  DeleteWordRec(WordList.head->next);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(WordList.head->next->prev, WordList.head);
  Add("d");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "c", "d"}));
  FreeWordList(nullptr);
  WordList.Reset();
  EXPECT_EQ(WordList.head, nullptr);
}

// Deleting the last record leaves the list open at its new end, so the next
// token is appended behind it.
TEST_F(WordListTest, AppendingAfterTheLastRecordWasDeleted) {
  Add("a");
  Add("b");
  Add("c");
  WordRec* c = WordList.head->next->next;
  DeleteWordRec(c);
  EXPECT_EQ(WordList.head->next->next, nullptr);
  Add("d");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b", "d"}));
  EXPECT_EQ(WordList.head->next->next->prev, WordList.head->next);
}

TEST_F(WordListTest, LongTokensNeverOverrunTheFields) {
  std::string token(500, 'W');
  AddWordRec(token.data(), 0, 0, 0, nullptr);
  ASSERT_NE(WordList.head, nullptr);
  EXPECT_EQ(WordList.head->written.length(), 83u);
  EXPECT_EQ(WordList.head->length, 83);
}

}  // namespace
