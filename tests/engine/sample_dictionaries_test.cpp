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

TEST_F(SampleDictionaries, EveryEntryKind) {
  // '$' and '!' nouns, singular and plural.
  // clang-format off
  const Expect nouns[] = {
      {"valve", 10, "N*S***", '0'}, {"valves", 11, "NMP***", '0'}, {"battery", 10, "N*S***", '0'},
      {"batteries", 11, "NMP***", '0'}, {"switches", 11, "NMP***", '0'}, {"glass", 10, "N*S***", '0'},
      {"oil", 16, "N*S***", '0'}, {"pliers", 11, "NMP***", '0'}, {"gearboxes", 11, "NMP***", '0'},
  };
  // clang-format on
  for (const Expect& e : nouns) {
    WordRec* w = Look({e.word, "."});
    EXPECT_EQ(w->wordClass, e.wordClass) << e.word;
    EXPECT_EQ(w->classCode, e.classCode) << e.word;
    EXPECT_EQ(w->extraFlag, e.slot) << e.word;
  }
  // A unit with its short form.
  WordRec* w = Look({"millimetre", "."});
  EXPECT_EQ(w->classCode, "NM*S");
  EXPECT_EQ(w->suggestion, "mm");
  // A multi-word term and a multi-word function word.
  w = Look({"Drain", "plugs", "are"});
  EXPECT_EQ(w->written, "Drain plugs");
  EXPECT_EQ(w->wordClass, 11);
  w = Look({"in", "front", "of", "the"});
  EXPECT_EQ(w->written, "in front of");
  EXPECT_EQ(w->wordClass, 50);
  // Verb stems of each mark, in every form.
  w = Look({"removes", "the"});
  EXPECT_EQ(w->classCode, "V1****");
  w = Look({"removing", "the"});
  EXPECT_EQ(w->wordClass, 23);
  w = Look({"stopped", "."});
  EXPECT_EQ(w->wordClass, 22);
  w = Look({"applies", "the"});
  EXPECT_EQ(w->wordClass, 21);
  w = Look({"uses", "the"});  // the stem of the digram "us"
  EXPECT_EQ(w->wordClass, 21);
  w = Look({"us", "."});
  EXPECT_EQ(w->wordClass, 78);
  w = Look({"goes", "to"});
  EXPECT_EQ(w->wordClass, 21);
  w = Look({"cleans", "the"});  // '&': verb or noun, settled later
  EXPECT_EQ(w->classCode, "Z1");
  w = Look({"dries", "."});  // two-letter '&' stem
  EXPECT_EQ(w->classCode, "Z1");
  w = Look({"cleaned", "."});
  EXPECT_EQ(w->classCode, "P2");
  w = Look({"rotated", "."});  // '?': class 20 in every form
  EXPECT_EQ(w->wordClass, 20);
  EXPECT_EQ(w->verbForm, '2');
  w = Look({"open", "the"});
  EXPECT_EQ(w->classCode, "X1***");
  // Adjective stems.
  w = Look({"tighter", "."});
  EXPECT_EQ(w->wordClass, 34);
  w = Look({"quickly", "."});
  EXPECT_EQ(w->wordClass, 50);
  // Phrasal verbs: flagged and accepted.
  w = Look({"carries", "out", "the", "test"});
  EXPECT_EQ(w->message, 315);
  EXPECT_EQ(w->suggestion, "does/performs");
  w = Look({"makes", "sure", "that"});
  EXPECT_EQ(w->written, "makes sure");
  EXPECT_EQ(w->message, 315);
  // A variant and its synonym.
  w = Look({"shut", "the", "valve"});
  EXPECT_EQ(w->extraFlag, '1');
  EXPECT_EQ(w->message, 300);
  EXPECT_EQ(w->suggestion, "close/stop");
}

TEST_F(SampleDictionaries, SynonymsGiveTheApprovedWordInTheCheckedForm) {
  WordRec* w = Look({"Utilizes", "the"});
  EXPECT_EQ(w->extraFlag, '2');
  EXPECT_EQ(w->message, 300);
  EXPECT_EQ(w->suggestion, "Uses");
  w = Look({"ensured", "that"});
  EXPECT_EQ(w->suggestion, "make sure");  // code 'I' has no past form
  w = Look({"approximately", "10"});
  EXPECT_EQ(w->message, 301);
  EXPECT_EQ(w->suggestion, "about");
  w = Look({"in", "order", "to", "open"});
  EXPECT_EQ(w->written, "in order to");
  EXPECT_EQ(w->message, 302);
  EXPECT_EQ(w->suggestion, "to");
  w = Look({"widget", "."}, kLookupNotFound);
  EXPECT_EQ(w->message, 325);
}

}  // namespace
