#include "engine/dict_lookup.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

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

// One word of a list looked up: the result and every field the lookup
// changed in the list ("word: field=value ...", merged words "-word"). A word
// may carry the fixture's flags after a blank, and "class=N" or "code=X".
struct Case {
  std::vector<const char*> words;
  int result;
  const char* changes;
  std::size_t target = 0;  // which word is looked up
  int dictCount = 3;
  int mode = CheckMode;
  bool sentinel = true;
};

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    std::vector<std::string> texts, flags, codes;
    std::vector<WordSpec> specs;
    for (const char* w : c.words) {
      std::istringstream in(w);
      std::string item, rest;
      in >> item;
      texts.push_back(item);
      flags.emplace_back();
      codes.emplace_back();
      int wordClass = 40;
      while (in >> item) {
        if (item.rfind("class=", 0) == 0) wordClass = std::stoi(item.substr(6));
        else if (item.rfind("code=", 0) == 0) codes.back() = item.substr(5);
        else flags.back() += item + " ";
      }
      specs.push_back({nullptr, wordClass});
    }
    for (std::size_t i = 0; i < specs.size(); ++i) {
      specs[i].written = texts[i].c_str();
      specs[i].flags = flags[i].c_str();
      if (!codes[i].empty()) specs[i].classCode = codes[i].c_str();
    }
    TestWords words(specs, c.sentinel);
    const std::string label = texts[c.target];
    EXPECT_EQ(LookupWord(words.Nth(c.target), c.dictCount, c.mode, 0), c.result) << label;
    EXPECT_EQ(words.Changes(), c.changes) << label;
  }
}

TEST_F(LookupWordTest, Cases) {
  RunCases({
      // The first dictionary that holds the word answers: "pressure" is in
      // all three. A dictCount of 1 searches TECHNICAL alone.
      {{"valves", "open"}, kLookupFound,
       "valves: classCode=\"NMP***\" wordClass=11 subClass=14 verbForm== extraFlag=0"},
      {{"removes"}, kLookupFound,
       "removes: classCode=\"V1****\" wordClass=21 dictMarker=^ verbForm=1 extraFlag=1 pluralMarker=1"},
      {{"pressure"}, kLookupFound, "pressure: classCode=\"N*S***\" wordClass=10 subClass=14 verbForm== extraFlag=0"},
      {{"utilizes"}, kLookupNotFound, "utilizes: classCode=\"FN***\" subClass=325 message=325 message2=325", 0, 1},
      {{"utilizes"}, kLookupFound,
       "utilizes: suggestion=\"uses\" classCode=\"V1*3**\" wordClass=21 subClass=300 message=300 message2=300 dictMarker=^ verbForm=1 extraFlag=2 pluralMarker=1"},
      // Variants take their synonym, with the dictionary of the first match;
      // a short next word such as "is" keeps the search from running. No
      // synonym for a noun variant: the kept code gives class and subclass.
      {{"shut", "the", "valve"}, kLookupFound,
       "shut: suggestion=\"close\" classCode=\"V0*3**\" wordClass=20 subClass=300 message=300 message2=301 dictMarker=^ verbForm=0 extraFlag=0"},
      {{"shut", "is"}, kLookupFound, "shut: classCode=\"D*****\" wordClass=0 dictMarker=^ verbForm=0 extraFlag=0"},
      {{"hose", "clamp"}, kLookupFound, "hose: classCode=\"N*S***\" wordClass=12 verbForm=* extraFlag=0"},
      // The word finder's short list has no sentinel after the variant.
      {{"shut"}, kLookupFound,
       "shut: suggestion=\"close\" classCode=\"V0*3**\" wordClass=20 subClass=300 message=300 message2=301 dictMarker=^ verbForm=0 extraFlag=0", 0, 3, FinderMode, false},
      {{"open", "it"}, kLookupFound,
       "open: classCode=\"X1***\" wordClass=20 dictMarker=& verbForm=0 extraFlag=0"},  // a verb code that begins with X
      // Multi-word entries merge (decoded: one word); a unit entry (subclass
      // 17) keeps the weight of its words; without the sentinel the merge
      // stops at the end of the list.
      {{"Valve", "seat", "ring", "leaks", "."}, kLookupFound,
       "Valve: text=\"valve seat ring\" written=\"Valve seat ring\" classCode=\"N*S***\" wordClass=10 subClass=14 length=15 lastLetter=g verbForm== extraFlag=0\n-seat\n-ring"},
      {{"valve", "seat", "."}, kLookupFound,
       "valve: text=\"valve seat\" written=\"valve seat\" classCode=\"NM*S\" wordClass=17 subClass=17 length=10 weight=2 lastLetter=t verbForm== extraFlag=0\n-seat"},
      {{"valve", "seat"}, kLookupFound,
       "valve: text=\"valve seat\" written=\"valve seat\" classCode=\"NM*S\" wordClass=17 subClass=17 length=10 weight=2 lastLetter=t verbForm== extraFlag=0\n-seat", 0, 3, CheckMode, false},
      {{"carries", "out", "the", "work", "."}, kLookupFound,
       "carries: text=\"carries out\" written=\"carries out\" suggestion=\"do\" classCode=\"V1*3**\" wordClass=21 subClass=315 message=315 message2=315 length=11 verbForm=1 extraFlag=1 pluralMarker=5\nthe: sentencePos=1\nwork: sentencePos=2\n.: sentencePos=3\n-out"},
      {{"carries", "loads"}, kLookupFound,
       "carries: classCode=\"V1****\" wordClass=21 dictMarker=^ verbForm=1 extraFlag=1 pluralMarker=5"},
      // Words no dictionary holds, and those classed by their form.
      {{"the", "widgets mark=1"}, kLookupNotFound,
       "widgets: classCode=\"FN***\" wordClass=11 subClass=325 message=325 message2=325", 1},
      {{"A-B"}, kLookupFound, "A-B: classCode=\"NM**\" wordClass=18"},
      {{"Max extra=3", "mux extra=3"}, kLookupFound, "Max: classCode=\"DT***\" extraFlag=' '"},
      {{"Max extra=3", "mux extra=3"}, kLookupFound, "mux: classCode=\"D1****\" wordClass=45 extraFlag=' '", 1},
  });
  // A merged entry leaves no words for the caller to skip.
  TestWords merged({"Valve", "seat", "ring", "leaks", "."});
  LookupWord(merged.head(), 3, CheckMode, 0);
  EXPECT_EQ(Lookup.MatchExtraWords, -1);
  // An empty store finds nothing and reads nothing.
  Dictionaries.Reset();
  RunCases({{{"valve"}, kLookupNotFound, "valve: classCode=\"FN***\" subClass=325 message=325 message2=325"}});
}

TEST(ClassifyByForm, MarksAndLetters) {
  RunCases({
      // Marks that end a sentence; a full stop the tokenizer marked.
      {{"go", "!"}, kLookupFound, "!: classCode=\"D!***\" wordClass=48 message=337 sentenceEnd=1", 1},
      {{"go", "~"}, kLookupFound, "~: classCode=\"D*****\" message=337 sentenceEnd=1", 1},
      {{"go", ". extra=D"}, kLookupFound, ".: text=\"-\" written=\"-\" classCode=\"D***\"", 1},
      {{"go", ". extra=H"}, kLookupFound, ".: classCode=\"DXXH*\" wordClass=48 sentenceEnd=1", 1},
      // Letters by what stands around them.
      {{"a", "valve"}, kLookupFound, "a: classCode=\"S00*\" wordClass=64"},
      {{"a", ","}, kLookupFound, "a: classCode=\"D1**\""},
      {{"a"}, kLookupFound, "a: classCode=\"D1**\"", 0, 3, CheckMode, false},
      {{"a mark=1"}, kLookupFound, "a: classCode=\"NFS*\" wordClass=10"},
      {{"a split=1"}, kLookupFound, "a: classCode=\"NFP*\" wordClass=11"},
      {{"I"}, kLookupFound, "I: classCode=\"D***i\" splitKind=I"},
      {{"of code=S06F**", "x pos=1"}, kLookupFound, "x: classCode=\"NMSX**\"", 1},
      {{"x mark=1"}, kLookupFound, "x: classCode=\"NMSX**\""},
      {{"b mark=1"}, kLookupFound, "b: classCode=\"NFS**\" wordClass=10"},
      // The letter rule leaves a word the lookup marked 'L'.
      {{"pump extra=L class=33"}, kLookupFound, ""},
  });
  WordRec empty;
  LookupWord(&empty, 3, CheckMode, 0);
  EXPECT_EQ(empty.text, ".");
  EXPECT_EQ(empty.classCode, "DX**");
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
