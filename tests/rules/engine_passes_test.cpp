#include "rules/engine_passes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/dict_store.h"
#include "engine/message_list.h"
#include "engine/tokenizer.h"
#include "tests/support/dict_fixture.h"

namespace {

class EnginePassesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadTestDictionaries("valve$ 1014\npump$ 1014\nbolt$ 1014\nseal&20\n",
                         "remov^21\ninstall^20\ntighten^20\nand 63\nis 24\nit 66\nwe 66\nto 68\nof 67\nwith 74\n"
                         "clean&20\ncheck&20\nthen 73\nthey 31266 persons\nhe 31266\nwhilst 30270 while\nare 25\n"
                         "for 65\nwhen 70\nat 60\non 60\n", "");
    MessageList.Clear();
  }
  void TearDown() override {
    WordList.Reset();
    MessageList.Clear();
    Dictionaries.Reset();
  }
  // Checks `text` as the document check does and answers one line per
  // finding: kind|searchKey|category|markerNumber|ruleId.
  static std::string Check(const std::string& text, CheckScope scope = CheckScope::Document) {
    std::vector<char> buf(text.begin(), text.end());
    for (char c : std::string(". @@END")) buf.push_back(c);
    buf.push_back('\0');
    WordList.Reset();
    TokenizeText(buf.data(), 0, scope == CheckScope::Document ? 1 : 3);
    const int n = RunEnginePasses(scope);
    EXPECT_EQ(static_cast<std::size_t>(n), MessageList.Count());
    std::ostringstream out;
    for (const MessageRec& r : MessageList.records)
      out << r.kind.view() << '|' << r.searchKey << '|' << r.category << '|' << r.markerNumber << '|'
          << r.ruleId << '\n';
    return out.str();
  }
};

// One line per finding: kind|searchKey|category|markerNumber|ruleId.
TEST_F(EnginePassesTest, FindingsOfEachPass) {
  struct Case {
    const char* text;
    const char* findings;
    CheckScope scope = CheckScope::Document;
  };
  static const Case kCases[] = {
      {"Remove the blorf", "W|blorf:| 0|25|1|325\n"},
      {"Remove the valve", ""},  // the findings of the last check go
      // After a word in capitals the tokenizer marks the dropped article in
      // the search text ("Acme t[he]"); the abbreviation is known to it.
      {"Remove the Acme Ltd. valve", "W|Acme.L:| 0|25|1|325\nW|Ltd.:| 0|9|2|5637\n"},
      {"It is 12:30 pm", "W|It.is:| 3!(Insert a noun subj.)|2|0|7174\nW|pm:| 0!p.m.|9|3|5637\n"},
      // The number rules write "in." out in place and spell a lone digit before a word.
      {"Tighten the bolt to 12 in. and remove it at 5 pm",
       "W|in.:| 0!(inch (xx mm))|8|4|3088\nD|it.a:| 0!(Insert noun subject)|20|7|1274\nD|5.p:| 0!five|8|9|3088\n"
       "W|pm:| 0!p.m.|9|10|5637\n"},
      {"It isn't clean", "D|It.i:| 0!(Insert a noun subj.)|20|0|1274\nD|isn?t:| 0!is not|10|1|4576\n"},
      {"They remove the valve", "D|They.r:| 0!Persons|12|0|0\n"},
      {"Whilst it is clean, remove the valve", "D|Whilst.i:| 0!When|31|0|4672\n"},
      // "then" after the semicolon is an adverb finding of its own.
      {"Remove it;then the pump", "W|it:| 0!(Insert noun subject)|20|1|1274\nV|. th:|00||37|2|0\nD|then.t:| 0|33|3|1340\n"},
      // Split at the hyphen when the first part is a dictionary word; the second part is looked up on its own.
      {"Clean the valve-seat", "W|seat:| 0|25|2|325\n"},
      // A name written as a reference is one word, whatever words its '-'
      // joins; a hyphen the text writes after it still splits.
      {"Clean the &valve-seat; and the &pump-bolt;. Clean the &valve-seat;s, (&pump-bolt;)", ""},
      {"Clean the &valve-seat;", "", CheckScope::Selection},
      {"Clean the &valve;-seat", "W|seat:| 0|25|2|325\n"},
      {"Do a run-up", "W|Do.a:| 0|25|0|325\nD|run-up:| 0!(Decrease or increase - speed or time)|17|2|4152\n"},
      {"Remove the bolt from/to the pump", "D|from/to.t:| 0!(Use [or] for slash)|37|2|5558\n"},
      // A selection classifies numbers before the lookup.
      {"Remove 3rd bolt", "", CheckScope::Selection},
  };
  for (const Case& k : kCases) EXPECT_EQ(Check(k.text, k.scope), k.findings) << k.text;
}

TEST_F(EnginePassesTest, LongSentence) {
  std::string text = "Remove the valve";
  for (int i = 0; i < 10; ++i) text += " and the pump";
  // Each "and" that follows another within six words of one clause is
  // marked as a repeated conjunction; the first of each pair is passed over.
  std::string ands;
  for (int pos = 4; pos <= 20; pos += 4) ands += "D|and.t:| 0|21|" + std::to_string(pos) + "|7679\n";
  EXPECT_EQ(Check(text), ands);  // 22 words: the weighted length is 21
  text += " and the bolt";
  EXPECT_EQ(Check(text), "W|Remove.t:| 0|28|23|7655\n" + ands);
}

TEST_F(EnginePassesTest, EmptyListAndOldFindings) {
  MessageList.records.push_back(MessageRec{});
  WordList.Reset();
  EXPECT_EQ(RunEnginePasses(CheckScope::Document), 0);
  EXPECT_TRUE(MessageList.Empty());
}

// A phrasal verb's merge renumbers the rest of its sentence; the loop does
// that as it reaches each word, so a long sentence is walked once. The
// numbers are those of a walk at each merge: the word that a later
// multi-word entry takes in still counts ("plug", so "check" is 6), and the
// next sentence keeps its own. (The tokenizer leaves the articles out.)
TEST_F(EnginePassesTest, PhrasalVerbsRenumberTheirSentenceOnce) {
  Dictionaries.Reset();
  LoadTestDictionaries("drain+plug$ 1014\ntest$ 1014\nvalve$ 1014\n",
                       "carr^+out 35 do\nremov^21\nand 63\nthen 73\nit 66\ncheck&20\n", "");
  std::string text = "Carry out the test and carry out the drain plug check then carry out it. Remove the valve. @@END";
  std::vector<char> buf(text.begin(), text.end());
  buf.push_back('\0');
  WordList.Reset();
  TokenizeText(buf.data(), 0, 1);
  ClassifyWords(WordList.head, CheckScope::Document);
  std::string positions;
  for (const WordRec* w = WordList.head; w && !w->written.startsWith("@@END"); w = w->next)
    positions += w->written.str() + ":" + std::to_string(w->sentencePos) + " ";
  EXPECT_EQ(positions, "Carry out:0 test:1 and:2 carry out:3 drain plug:4 check:6 then:7 carry out:8 it:9 .:10 "
            "Remove:0 valve:1 .:2 ");
}

}  // namespace
