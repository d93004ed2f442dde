// The bundled sample dictionaries: every entry kind the matcher knows is in
// them, and the function words carry the classes the rule passes expect.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "tests/support/word_list_fixture.h"

namespace {

class SampleDictionaries : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Dictionaries.Reset();
    const std::string dir = KESTA_SAMPLE_DICT_DIR;
    ASSERT_EQ(LoadDict(0, (dir + "/TEC.cmp").c_str()), kDictLoaded);
    ASSERT_EQ(LoadDict(1, (dir + "/STE.cmp").c_str()), kDictLoaded);
    ASSERT_EQ(LoadDict(2, (dir + "/SYN.cmp").c_str()), kDictLoaded);
  }
  static void TearDownTestSuite() { Dictionaries.Reset(); }

  // Looks up the first word of a short sentence.
  WordRec* Look(std::initializer_list<const char*> written, int expected = kLookupFound) {
    words.emplace(written);
    EXPECT_EQ(LookupWord(words->Nth(0), 3, CheckMode, 0), expected) << words->Nth(0)->written;
    return words->Nth(0);
  }
  // The list under test: emplace() frees the last one and builds anew.
  std::optional<TestWords> words;
};

struct Expect {
  const char* word;
  int wordClass;
  const char* classCode;
  char slot;
};

TEST_F(SampleDictionaries, FunctionWordsHaveTheirClasses) {
  // clang-format off
  const Expect rows[] = {
      {"is", 24, "H2****", '1'}, {"has", 24, "H1****", '1'}, {"are", 25, "H2****", '1'},
      {"have", 25, "H3****", '1'}, {"be", 25, "H22***", '1'}, {"been", 27, "H2****", '1'},
      {"must", 28, "H6****", '1'}, {"not", 29, "SN****", '1'}, {"each", 37, "S*****", '1'},
      {"all", 38, "AF****", '1'}, {"left", 43, "D*****", '1'}, {"max", 45, "D1****", '1'},
      {"two", 49, "S08***", '1'}, {"also", 50, "B*****", '1'}, {"as", 54, "S54***", '1'},
      {"into", 60, "SIT***", '1'}, {"up", 61, "S05***", '1'}, {"but", 62, "S*****", '1'},
      {"and", 63, "DCC***", '1'}, {"an", 64, "S00***", '1'}, {"for", 65, "S*****", '1'},
      {"it", 66, "H51I", '1'}, {"they", 66, "H52I", '1'}, {"of", 67, "S06***", '1'},
      {"to", 68, "S022**", '1'}, {"which", 69, "S20T3*", '1'}, {"when", 70, "S*****", '1'},
      {"so", 71, "S*****", '1'}, {"about", 73, "S*****", '1'}, {"with", 74, "S19W**", '1'},
      {"in", 75, "S*****", '1'}, {"this", 76, "S20***", '1'}, {"no", 77, "SNO***", '1'},
      {"you", 78, "H51Y", '1'},
  };
  // clang-format on
  for (const Expect& e : rows) {
    WordRec* w = Look({e.word, "valve"});
    EXPECT_EQ(w->wordClass, e.wordClass) << e.word;
    EXPECT_EQ(w->classCode, e.classCode) << e.word;
    EXPECT_EQ(w->extraFlag, e.slot) << e.word;
    EXPECT_EQ(w->message, 0) << e.word;
  }
}

// The first word of each short sentence looked up: "written class code
// slot message suggestion" (the verb form too where set).
std::string Shown(const WordRec& w) {
  std::string out = w.written.str() + " " + std::to_string(w.wordClass) + " " + w.classCode.str() + " " +
                    w.extraFlag + " " + std::to_string(w.message) + " " + w.suggestion.str();
  if (w.verbForm != ' ') out += " v" + std::string(1, w.verbForm);
  return out;
}

TEST_F(SampleDictionaries, EveryEntryKindAndSynonyms) {
  const struct {
    std::initializer_list<const char*> words;
    const char* shown;
    int result = kLookupFound;
  } cases[] = {
      // '$' and '!' nouns, singular and plural; a unit with its short form.
      {{"valve", "."}, "valve 10 N*S*** 0 0  v="}, {{"valves", "."}, "valves 11 NMP*** 0 0  v="},
      {{"battery", "."}, "battery 10 N*S*** 0 0 "}, {{"batteries", "."}, "batteries 11 NMP*** 0 0 "},
      {{"switches", "."}, "switches 11 NMP*** 0 0 "}, {{"glass", "."}, "glass 10 N*S*** 0 0 "},
      {{"oil", "."}, "oil 16 N*S*** 0 0  v="}, {{"pliers", "."}, "pliers 11 NMP*** 0 0  v="},
      {{"gearboxes", "."}, "gearboxes 11 NMP*** 0 0 "}, {{"millimetre", "."}, "millimetre 17 NM*S 0 0 mm"},
      // A multi-word term and a multi-word function word.
      {{"Drain", "plugs", "are"}, "Drain plugs 11 NMP*** 0 0  v="},
      {{"in", "front", "of", "the"}, "in front of 50 B***** 1 0  v="},
      // Verb stems of each mark ('^', '&' verb or noun settled later, '?' class 20 in every form), in every
      // form; "us" is the stem of the digram "us".
      {{"removes", "the"}, "removes 21 V1**** 1 0  v1"}, {{"removing", "the"}, "removing 23 G3 1 0  v3"},
      {{"stopped", "."}, "stopped 22 P2 1 0  v2"}, {{"applies", "the"}, "applies 21 V1**** 1 0  v1"},
      {{"uses", "the"}, "uses 21 V1**** 1 0  v1"}, {{"us", "."}, "us 78 H51Y 1 0  v="},
      {{"goes", "to"}, "goes 21 V1**** 1 0  v1"}, {{"cleans", "the"}, "cleans 21 Z1 1 0  v1"},
      {{"dries", "."}, "dries 21 Z1 1 0  v1"}, {{"cleaned", "."}, "cleaned 22 P2 1 0  v2"},
      {{"rotated", "."}, "rotated 20 V0**** 1 0  v2"}, {{"open", "the"}, "open 20 X1*** 1 0  v0"},
      // Adjective stems; phrasal verbs flagged and accepted; a variant and its synonym.
      {{"tighter", "."}, "tighter 34 AF**** 1 0 "}, {{"quickly", "."}, "quickly 50 B***** 1 0 "},
      {{"carries", "out", "the", "test"}, "carries out 21 V1*3** 1 315 does/performs v1"},
      {{"makes", "sure", "that"}, "makes sure 21 V1*3** 1 315  v1"},
      {{"shut", "the", "valve"}, "shut 20 V0*3** 1 300 close/stop v0"},
      // Synonyms give the approved word in the checked form ("ensure": code 'I' has no past form).
      {{"Utilizes", "the"}, "Utilizes 21 V1*3** 2 300 Uses v1"},
      {{"ensured", "that"}, "ensured 22 V2*3** 2 300 make sure v2"},
      {{"approximately", "10"}, "approximately 50 B**3** 2 301 about v="},
      {{"in", "order", "to", "open"}, "in order to 68 S023** 1 302 to v="},
      {{"widget", "."}, "widget 40 FN***   325 ", kLookupNotFound},
  };
  for (const auto& c : cases) {
    WordRec* w = Look(c.words, c.result);
    EXPECT_EQ(Shown(*w), c.shown) << *c.words.begin();
  }
}

}  // namespace
