#include "engine/word_rec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/list_cases.h"

namespace {

class WordListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WordList.Reset();
    Cursor.Reset();
  }
  void TearDown() override { WordList.Reset(); }
  // Adds a token and answers the new last record (null when refused).
  static WordRec* Add(std::string token, int kind = 0, const char* state = nullptr, int wordNo = 0,
                      unsigned char mark = 0) {
    token.resize(std::max<std::size_t>(token.size(), 84), '\0');
    WordRec* before = Last();
    AddWordRec(token.data(), mark, wordNo, kind, state);
    WordRec* last = Last();
    return last == before ? nullptr : last;
  }
  static WordRec* Last() {
    WordRec* last = WordList.head;
    while (last && last->next) last = last->next;
    return last;
  }
  static std::string Texts() {
    std::string out;
    for (WordRec* w = WordList.head; w; w = w->next) out += (out.empty() ? "" : " ") + w->text.str();
    return out;
  }
};

// Each case: a token added after "about" (its kind, six bytes of token state,
// word number and mark) and the new record's fields that differ from a
// fresh record's.
TEST_F(WordListTest, NewRecords) {
  const char eight[7] = {'x', 'y', 'z', 0, '8', 0, 0};
  const std::string longState(300, 'k');
  Cursor.CurrentOid = "(1,42,0)";
  const struct {
    const char* token;
    int kind;
    const char* state;
    const char* fields;
    int wordNo = 0;
    unsigned char mark = 0;
  } cases[] = {
      // Case flags and lower-casing.
      {"NUT", 0, nullptr, "text=\"nut\" written=\"NUT\" classCode=\"D****\" length=3 lastLetter=t caseFlag=2"},
      {"Nut", 0, nullptr, "text=\"nut\" written=\"Nut\" classCode=\"D****\" length=3 lastLetter=t caseFlag=1"},
      {"A", 0, nullptr, "text=\"a\" written=\"A\" classCode=\"D****\" length=1 lastLetter=a caseFlag=2"},
      {"mmHg", 0, nullptr, "text=\"mmHg\" written=\"mmHg\" classCode=\"D****\" length=4 lastLetter=g"},
      {"valve", 0, nullptr, "text=\"valve\" written=\"valve\" classCode=\"D****\" sentencePos=5 length=5 lastLetter=e markFlag=1", 5, 1},
      // A plural ending in parentheses is cut.
      {"valve(s", 108, nullptr, "text=\"valv\" written=\"valve(s\" classCode=\"D****\" wordClass=10 tokenKind=9 length=4 lastLetter=v separatorFlag=8"},
      {"nut", 108, nullptr, "text=\"nut\" written=\"nut\" classCode=\"D****\" wordClass=10 tokenKind=9 length=3 lastLetter=t separatorFlag=8"},
      // Inch suggestions.
      {".5", 117, nullptr, "text=\".5\" written=\".5\" suggestion=\"0.5 inch\" classCode=\"D****\" wordClass=49 message=305 tokenKind=9 length=2 lastLetter=5 separatorFlag=Q verbForm=C extraFlag=5"},
      {"2", 117, nullptr, "text=\"2\" written=\"2\" suggestion=\"2 inch\" classCode=\"D****\" wordClass=49 message=305 tokenKind=9 length=1 lastLetter=2 separatorFlag=Q verbForm=C extraFlag=5"},
      {"3", 127, nullptr, "text=\"3\" written=\"3\" suggestion=\"3-inch\" classCode=\"D****\" subClass=305 message=305 message2=305 tokenKind=9 length=1 splitKind=9 lastLetter=3 extraFlag=5"},
      {"4", 128, nullptr, "text=\"4\" written=\"4\" suggestion=\"4 inch\" classCode=\"D****\" subClass=305 message=305 message2=305 tokenKind=9 length=1 lastLetter=4 separatorFlag=q extraFlag=5"},
      // Cells driven by the token state, cut to their fields.
      {",", 104, eight, "text=\",\" written=\",\" tag=\"xyz\" classCode=\"D****\" tokenKind=8 length=1 lastLetter=,"},
      {"a", 169, eight, "text=\"a\" written=\"a\" tag=\"< z>\" classCode=\"D****\" tokenKind=8 length=1 lastLetter=a"},
      {"b", 173, eight, "text=\"b\" written=\"b\" tag=\"<,\n\" classCode=\"D****\" length=1 lastLetter=b"},
      {"b", 173, nullptr, "text=\"b\" written=\"b\" tag=\"<, >\" classCode=\"D****\" length=1 lastLetter=b"},
      {"c", 176, eight, "text=\"c\" written=\"c\" tag=\"<* >\n\" classCode=\"D****\" length=1 lastLetter=c"},
      {"c", 178, nullptr, "text=\"c\" written=\"c\" tag=\"<,*>\" classCode=\"D****\" length=1 lastLetter=c"},
      {"d", 177, "a!\0\0\0\0", "text=\"d\" written=\"d\" tag=\"<^!>\" classCode=\"D****\" length=1 lastLetter=d"},
      {"e", 209, "QRST\0\0", "text=\"e\" written=\"e\" tag=\"QR\" classCode=\"D****\" length=1 lastLetter=e"},
      {";", 171, eight, "text=\";\" written=\";\" classCode=\"D****\" subClass=337 message=337 tokenKind=8 length=1 lastLetter=; separatorFlag=8"},
      {"f", 116, "\0\0\0\0t\0",
       "text=\"f\" written=\"f\" classCode=\"D****\" tokenKind=9 length=1 lastLetter=f separatorFlag=t verbForm=t"},
      {"<x>", 5, nullptr, "text=\"<x>\" written=\"<x>\" classCode=\"DT***\" length=3 lastLetter=>"},
      {"g", 0, "s?\0\0\0\0", "text=\"g\" written=\"g\" tag=\"s?\" classCode=\"D****\" length=1 lastLetter=g"},
      {"a", 121, longState.c_str(), "text=\"a\" written=\"a\" tag=\"kkkkkkk\" classCode=\"D****\" tokenKind=9 length=1 lastLetter=a extraFlag=NUL"},
      {"b", 14, longState.c_str(), "text=\"b\" written=\"b\" suggestion=\"kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk\" classCode=\"D****\" tokenKind=9 length=1 lastLetter=b verbForm=R"},
      {"c", 54, nullptr, "text=\"c\" written=\"c\" suggestion=\"(1,42,0)\" classCode=\"D****\" tokenKind=9 length=1 lastLetter=c verbForm=A"},
      // Other kinds.
      {"It?s", 123, nullptr, "text=\"it?s\" written=\"It?s\" suggestion=\"It is\" classCode=\"D****\" message=309 message2=309 tokenKind=9 length=4 lastLetter=s caseFlag=1 extraFlag=I"},
      {"it?s", 123, nullptr, "text=\"it?s\" written=\"it?s\" suggestion=\"it is\" classCode=\"D****\" message=309 message2=309 tokenKind=9 length=4 lastLetter=s extraFlag=I"},
      {"quote", 145, nullptr, "text=\"<quote>\" written=\"quote\" classCode=\"D****\" subClass=80 length=5 lastLetter=e"},
      {"x", 919, nullptr, "text=\"x\" written=\"x\" classCode=\"S08**\" wordClass=49 subClass=308 message=308 length=1 lastLetter=x"},
      {"don?t", 113, nullptr, "text=\"don?t\" written=\"don?t\" classCode=\"D****\" subClass=310 message=310 tokenKind=9 length=5 ruleId=7876 lastLetter=t extraFlag=4"},
      {"pre", 99, nullptr, "text=\"pre\" written=\"pre\" classCode=\"D****\" tokenKind=9 length=3 sentenceLength=2 lastLetter=e"},
      {"s", 1107, nullptr, "text=\"s\" written=\"s\" classCode=\"D****\" wordClass=10 tokenKind=9 length=1 splitKind=8 lastLetter=s separatorFlag=8 extraFlag=8"},
      // Kind 89 writes a full stop over the token.
      {"whatever", 89, nullptr, "text=\".\" written=\".\" classCode=\"D****\" tokenKind=9 length=1 lastLetter=."},
  };
  for (const auto& c : cases) {
    WordList.Reset();
    Add("about");
    WordRec* w = Add(c.token, c.kind, c.state, c.wordNo, c.mark);
    ASSERT_NE(w, nullptr) << c.token;
    ExpectText(DiffFields(WordRec{}, *w), c.fields, std::string(c.token) + " kind " + std::to_string(c.kind));
  }
}

TEST_F(WordListTest, RefusedTokens) {
  for (const char* token : {"", " x", "\tx", ".", "<p>"}) EXPECT_EQ(Add(token), nullptr) << token;
  Add("word");
  Add("<p>");
  Add(".");
  Add(".");  // never a full stop behind a full stop
  Add("...");
  Add(".");  // nor behind a record that begins with one
  Add(".5");
  Add(".");  // but behind a number written with its point first
  EXPECT_EQ(Texts(), "word <p> . ... .5 .");
  // A placeholder for markup is a word of its sentence, first in the text too.
  for (const char* token : {"<Ref>", "<ref>", "<Ref_[<warning>]>"}) {
    WordList.Reset();
    EXPECT_NE(Add(token), nullptr) << token;
  }
}

// Deleting a record, the last one too, leaves the list linked both ways and
// open at its end, so the next token is appended behind it.
TEST_F(WordListTest, DeleteAndFree) {
  for (const char* t : {"a", "b", "c", "d"}) Add(t);
  DeleteWordRec(WordList.head->next);
  EXPECT_EQ(Texts(), "a c d");
  EXPECT_EQ(WordList.head->next->prev, WordList.head);
  DeleteWordRec(Last());
  EXPECT_EQ(WordList.head->next->next, nullptr);
  Add("e");
  EXPECT_EQ(Texts(), "a c e");
  EXPECT_EQ(WordList.head->next->next->prev, WordList.head->next);
  FreeWordList(nullptr);
  WordList.Reset();
  EXPECT_EQ(WordList.head, nullptr);
}

TEST_F(WordListTest, LongTokensNeverOverrunTheFields) {
  std::string token(500, 'W');
  AddWordRec(token.data(), 0, 0, 0, nullptr);
  ASSERT_NE(WordList.head, nullptr);
  EXPECT_EQ(WordList.head->written.length(), 83u);
  EXPECT_EQ(WordList.head->length, 83);
}

}  // namespace
