#include "engine/dict_lookup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/dict_store.h"
#include "tests/support/dict_fixture.h"
#include "tests/support/word_list_fixture.h"

namespace {


class LookupWordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadTestDictionaries(
        "# technical\n"
        "valve+seat+ring 1014\n"
        "valve+seat 1717\n"
        "valve$ 1014\n"
        "hose$ 1214>\n"
        "shut^20>\n"
        "open&20\n"
        "pressure 1014\n",
        "# core\n"
        "pressure 30120 force\n"
        "remov^21\n"
        "clean@ 30\n"
        "carr^+out 35 do\n"
        "carr^25\n",
        "# synonyms\n"
        "pressure 1014\n"
        "shut^30120 close\n"
        "utiliz^30021 Ause\n");
  }
  void TearDown() override {
    words.reset();
    Dictionaries.Reset();
  }
  // The list under test: emplace() frees the last one and builds anew.
  std::optional<TestWords> words;
};

TEST_F(LookupWordTest, FirstDictionaryThatHoldsTheWordWins) {
  words.emplace({"valves", "open"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->extraFlag, '0');
  EXPECT_EQ(words->Nth(0)->wordClass, 11);
  EXPECT_EQ(words->Nth(0)->classCode, "NMP***");

  words.emplace({"removes"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->extraFlag, '1');
  EXPECT_EQ(words->Nth(0)->wordClass, 21);
  EXPECT_EQ(words->Nth(0)->classCode, "V1****");

  // In TECHNICAL, CORE and SYNONYM: TECHNICAL answers.
  words.emplace({"pressure"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->extraFlag, '0');
  EXPECT_EQ(words->Nth(0)->message, 0);
  // With only CORE and SYNONYM searched from the second slot on, CORE would
  // answer; a dictCount of 1 searches TECHNICAL alone.
  words.emplace({"utilizes"});
  EXPECT_EQ(LookupWord(words->Nth(0), 1, CheckMode, 0), kLookupNotFound);
  words.emplace({"utilizes"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->extraFlag, '2');
  EXPECT_EQ(words->Nth(0)->message, 300);
  EXPECT_EQ(words->Nth(0)->suggestion, "uses");
}

TEST_F(LookupWordTest, VariantsTakeTheirSynonym) {
  words.emplace({"shut", "the", "valve"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->extraFlag, '0');  // the dictionary of the first match
  EXPECT_EQ(words->Nth(0)->message, 300);
  EXPECT_EQ(words->Nth(0)->message2, 301);
  EXPECT_EQ(words->Nth(0)->suggestion, "close");

  // A short next word such as "is" keeps the search from running.
  words.emplace({"shut", "is"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->message, 0);
  EXPECT_EQ(words->Nth(0)->classCode, "D*****");

  // No synonym for a noun variant: the kept code gives class and subclass.
  words.emplace({"hose", "clamp"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->wordClass, 12);
  EXPECT_EQ(words->Nth(0)->classCode, "N*S***");
  EXPECT_EQ(words->Nth(0)->message, 0);

  // The word finder's short list has no sentinel after the variant.
  words.emplace({"shut"}, false);
  EXPECT_EQ(LookupWord(words->Nth(0), 3, FinderMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->suggestion, "close");
}

TEST_F(LookupWordTest, VerbCodesThatBeginWithX) {
  words.emplace({"open", "it"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->classCode, "X1***");
  EXPECT_EQ(words->Nth(0)->wordClass, 20);
}

TEST_F(LookupWordTest, MultiWordEntriesMerge) {
  words.emplace({"Valve", "seat", "ring", "leaks", "."});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Size(), 4u);
  EXPECT_EQ(words->Nth(0)->written, "Valve seat ring");
  EXPECT_EQ(words->Nth(0)->text, "valve seat ring");
  EXPECT_EQ(words->Nth(0)->length, 15);
  EXPECT_EQ(words->Nth(0)->weight, 1);  // decoded: one word
  EXPECT_EQ(words->Nth(0)->lastLetter, 'g');
  EXPECT_EQ(words->Nth(1)->written, "leaks");
  EXPECT_EQ(Lookup.MatchExtraWords, -1);

  // A unit entry (subclass 17) keeps the weight of its words.
  words.emplace({"valve", "seat", "."});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->weight, 2);
  EXPECT_EQ(words->Nth(0)->classCode, "NM*S");

  // Without the sentinel the merge stops at the end of the list.
  words.emplace({"valve", "seat"}, false);
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Size(), 1u);
}

TEST_F(LookupWordTest, PhrasalVerbEntries) {
  words.emplace({"carries", "out", "the", "work", "."});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->written, "carries out");
  EXPECT_EQ(words->Nth(0)->message, 315);
  EXPECT_EQ(words->Nth(0)->wordClass, 21);
  EXPECT_EQ(words->Nth(0)->classCode, "V1*3**");
  EXPECT_EQ(words->Nth(0)->suggestion, "do");
  EXPECT_EQ(words->Size(), 5u);
  words.emplace({"carries", "loads"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->message, 0);
  EXPECT_EQ(words->Nth(0)->wordClass, 21);
}

TEST_F(LookupWordTest, WordsNoDictionaryHolds) {
  words.emplace({"the", "widgets"});
  WordRec* w = words->Nth(1);
  w->markFlag = '1';
  EXPECT_EQ(LookupWord(w, 3, CheckMode, 0), kLookupNotFound);
  EXPECT_EQ(w->wordClass, 11);
  EXPECT_EQ(w->classCode, "FN***");
  EXPECT_EQ(w->message, 325);
  EXPECT_EQ(w->subClass, 325);
  EXPECT_EQ(w->message2, 325);

  words.emplace({"A-B"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->wordClass, 18);
  EXPECT_EQ(words->Nth(0)->classCode, "NM**");

  words.emplace({"Max", "mux"});
  words->Nth(0)->extraFlag = '3';
  words->Nth(1)->extraFlag = '3';
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(0)->wordClass, 40);
  EXPECT_EQ(words->Nth(0)->classCode, "DT***");
  EXPECT_EQ(LookupWord(words->Nth(1), 3, CheckMode, 0), kLookupFound);
  EXPECT_EQ(words->Nth(1)->wordClass, 45);
  EXPECT_EQ(words->Nth(1)->classCode, "D1****");
  EXPECT_EQ(words->Nth(1)->extraFlag, ' ');

  // An empty store finds nothing and reads nothing.
  Dictionaries.Reset();
  words.emplace({"valve"});
  EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), kLookupNotFound);
}

struct FormCase {
  const char* token;
  int wordClass;
  const char* classCode;
};

TEST(ClassifyByForm, ShortTokensNumbersAndPunctuation) {
  // clang-format off
  const FormCase cases[] = {
      {"&", 63, "DCCA**"}, {"(", 41, "DL***"}, {"(see", 40, "D***"}, {"]", 44, "DR****"},
      {"+", 40, "D****"}, {"=x", 40, "D****"}, {",", 47, "DYC***"}, {".", 48, "DXX**"},
      {".5", 40, "D***"}, {"/", 40, "DS***"}, {"12", 49, "S08***"}, {"3mm", 49, "S08***"},
      {":", 48, "SP***"}, {";", 42, "D;***"}, {"?", 48, "D?***"}, {"V", 17, "D1***"},
      {"v", 40, "D1***"}, {"I", 40, "D***i"}, {"o", 40, "D***o"}, {"x", 40, "D****"},
      {"b", 40, "D***"}, {"#", 40, "D8***"}, {"\xe9", 40, "D8***"},
  };
  // clang-format on
  for (const FormCase& c : cases) {
    TestWords words({"go", c.token});
    WordRec* w = words.Nth(1);
    EXPECT_EQ(LookupWord(w, 3, CheckMode, 0), kLookupFound) << c.token;
    EXPECT_EQ(w->wordClass, c.wordClass) << c.token;
    EXPECT_EQ(w->classCode, c.classCode) << c.token;
  }
}

TEST(ClassifyByForm, MarksThatEndASentence) {
  std::optional<TestWords> words;
  words.emplace({"go", "!"});
  LookupWord(words->Nth(1), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(1)->wordClass, 48);
  EXPECT_EQ(words->Nth(1)->message, 337);
  EXPECT_EQ(words->Nth(1)->sentenceEnd, 1);
  words.emplace({"go", "~"});
  LookupWord(words->Nth(1), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(1)->message, 337);
  EXPECT_EQ(words->Nth(1)->sentenceEnd, 1);
  words.emplace({"go", "."});
  words->Nth(1)->extraFlag = 'D';
  LookupWord(words->Nth(1), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(1)->text, "-");
  EXPECT_EQ(words->Nth(1)->written, "-");
  EXPECT_EQ(words->Nth(1)->wordClass, 40);
  EXPECT_EQ(words->Nth(1)->sentenceEnd, 0);
  words.emplace({"go", "."});
  words->Nth(1)->extraFlag = 'H';
  LookupWord(words->Nth(1), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(1)->classCode, "DXXH*");
  WordRec empty;
  LookupWord(&empty, 3, CheckMode, 0);
  EXPECT_EQ(empty.text, ".");
  EXPECT_EQ(empty.classCode, "DX**");
}

TEST(ClassifyByForm, LetterRules) {
  std::optional<TestWords> words;
  words.emplace({"a", "valve"});
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->wordClass, 64);
  EXPECT_EQ(words->Nth(0)->classCode, "S00*");
  words.emplace({"a", ","});
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->wordClass, 40);
  EXPECT_EQ(words->Nth(0)->classCode, "D1**");
  words.emplace({"a"}, false);
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->classCode, "D1**");
  words.emplace({"a"});
  words->Nth(0)->markFlag = '1';
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->classCode, "NFS*");
  words.emplace({"a"});
  words->Nth(0)->splitKind = '1';
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->classCode, "NFP*");

  words.emplace({"I"});
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->splitKind, 'I');
  words.emplace({"o"});
  words->Nth(0)->markFlag = '1';
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->classCode, "NFS**");

  words.emplace({"of", "x"});
  words->Nth(0)->classCode = "S06F**";
  words->Nth(1)->sentencePos = 1;
  LookupWord(words->Nth(1), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(1)->classCode, "NMSX**");
  words.emplace({"x"});
  words->Nth(0)->markFlag = '1';
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->classCode, "NMSX**");

  words.emplace({"b"});
  words->Nth(0)->markFlag = '1';
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->wordClass, 10);
  words.emplace({"pump"});
  words->Nth(0)->extraFlag = 'L';
  words->Nth(0)->wordClass = 33;
  LookupWord(words->Nth(0), 3, CheckMode, 0);
  EXPECT_EQ(words->Nth(0)->wordClass, 33);  // the letter rule leaves it
}

TEST(ScanDictRun, StopsAtTheEndOfTheText) {
  // A run whose count promises more entries than the text holds, the last
  // without its '|'.
  std::optional<TestWords> words;
  const std::string run = "lve 1014|lvu 10";
  words.emplace({"valvx"});
  EXPECT_EQ(ScanDictRun(run.c_str(), CheckMode, words->Nth(0), 9, 0, nullptr, 0), kLookupNotFound);
  words.emplace({"valvu"});
  EXPECT_EQ(ScanDictRun(run.c_str(), CheckMode, words->Nth(0), 9, 0, nullptr, 1), kLookupFound);
  words.emplace({"valve"});
  EXPECT_EQ(ScanDictRun(run.c_str(), CheckMode, words->Nth(0), 9, 0, nullptr, 1), kLookupFound);
  EXPECT_EQ(words->Nth(0)->extraFlag, '1');
}

}  // namespace
