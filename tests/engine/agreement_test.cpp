#include "engine/agreement.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

class Agreement : public ::testing::Test {
 protected:
  AgreementState state;
};

TEST_F(Agreement, PluralVerbAfterASingularNoun) {
  TestWords words({{"The", 64}, {"valve", 10}, {"are", 25}, {"open", 30}, {".", 48}});
  EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 1);
  state.subjectNumber = 1;
  EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0);
  state.subjectNumber = -1;
  state.skipAgreement = 1;
  EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0);
}

TEST_F(Agreement, TheWordAfterTheVerbExcuses) {
  for (const char* next : {"only", "not", "never", "also", "who", "that", "as shown"}) {
    TestWords words({{"The", 64}, {"valve", 10}, {"are", 25}, {next, 50}, {".", 48}});
    EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0) << next;
  }
  TestWords words({{"The", 64}, {"valve", 10}, {"are", 25}, {"tight", 54}});
  EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0);
  TestWords other({{"The", 64}, {"valve", 10}, {"are", 25}, {"opened", 54}});
  EXPECT_EQ(CheckAgreement(other["are"], other.head(), state), 1);  // class 54 only after a, t, w
}

TEST_F(Agreement, PositionAndFirstWord) {
  TestWords words({{"Are", 25}, {"valves", 11}, {"open", 30}});
  EXPECT_EQ(CheckAgreement(words["Are"], words.head(), state), 0);
  EXPECT_EQ(CheckAgreement(nullptr, nullptr, state), 0);
}

TEST_F(Agreement, PluralSignalsBeforeTheVerb) {
  // Far into the sentence the direct rule no longer applies; the scans decide.
  TestWords words({{"When", 70}, {"you", 66}, {"turn", 20}, {"it", 66}, {"then", 50},
                   {"the", 64}, {"small", 30}, {"and", 63}, {"the", 64}, {"valve", 10},
                   {"are", 25}, {"open", 30}});
  EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0);  // "and"
  TestWords single({{"When", 70}, {"you", 66}, {"turn", 20}, {"it", 66}, {"then", 50},
                    {"it", 66}, {"small", 30}, {"ok", 30}, {"new", 30}, {"valve", 10},
                    {"are", 25}, {"open", 30}});
  // The mode-3 scan goes on with the singular scan: "valve" gives a signal.
  EXPECT_EQ(CheckAgreement(single["are"], single.head(), state), 0);
}

TEST_F(Agreement, SingularVerbAfterPluralPronouns) {
  for (const char* p : {"we", "these", "those"}) {
    TestWords words({{"Then", 50}, {p, 66}, {"is", 24}, {"ok", 30}});
    EXPECT_EQ(CheckAgreement(words["is"], words.head(), state), 1) << p;
  }
  TestWords words({{"The", 64}, {"valves", 11}, {"is", 24}, {"open", 30}});
  EXPECT_EQ(CheckAgreement(words["is"], words.head(), state), 0);
  TestWords other({{"Then", 50}, {"it", 66}, {"opens", 21}});
  EXPECT_EQ(CheckAgreement(other["opens"], other.head(), state), 0);  // not a be or have form
}

// A plural noun before "is", "was" or "has" disagrees when nothing singular
// stands before it in the sentence; the mirror of "are" after a singular noun.
TEST_F(Agreement, SingularVerbAfterAPluralNoun) {
  struct Case {
    std::vector<WordSpec> words;
    const char* verb;
    int expected;
  };
  const Case cases[] = {
      // Plural nouns (classes 11 and 19) right before the verb.
      {{{"Then", 73}, {"valves", 11}, {"is", 24}, {"open", 30}}, "is", 1},
      {{{"Then", 73}, {"valves", 11}, {"was", 24}, {"open", 30}}, "was", 1},
      {{{"Then", 73}, {"specs", 19}, {"has", 24}, {"gone", 22}}, "has", 1},
      // A singular word before the noun (an article, a singular noun, a comma) is a singular signal.
      {{{"The", 64}, {"valves", 11}, {"is", 24}, {"open", 30}}, "is", 0},
      {{{"Then", 73}, {"pump", 10}, {"valves", 11}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {",", 47}, {"valves", 11}, {"is", 24}}, "is", 0},
      // A singular noun: no disagreement for the singular verb.
      {{{"Then", 73}, {"valve", 10}, {"is", 24}, {"open", 30}}, "is", 0},
      // Plural pronouns.
      {{{"Then", 73}, {"we", 66}, {"was", 24}, {"there", 50}}, "was", 1},
      {{{"Then", 73}, {"these", 76}, {"has", 24}, {"gone", 22}}, "has", 1},
      // "there" and "it" before the verb excuse it.
      {{{"Then", 73}, {"valves", 11}, {"there", 50}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {"valves", 11}, {"it", 66}, {"is", 24}}, "is", 0},
      // Words between the subject and the verb: only the word right before the verb is the subject.
      {{{"Then", 73}, {"valves", 11}, {"also", 50}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {"valves", 11}, {"is", 24}, {"not", 29}}, "is", 0},
      {{{"Then", 73}, {"valves", 11}, {"often", 50}, {"is", 24}}, "is", 0},
      // The plural verbs keep their own steps.
      {{{"Then", 73}, {"valves", 11}, {"are", 25}, {"open", 30}}, "are", 0},
      {{{"Then", 73}, {"valve", 10}, {"are", 25}, {"open", 30}}, "are", 1},
  };
  for (const Case& k : cases) {
    TestWords words(k.words);
    EXPECT_EQ(CheckAgreement(words[k.verb], words.head(), state), k.expected) << words.Written();
  }
}

TEST_F(Agreement, ExcusesByThePreviousWord) {
  for (const char* p : {"also", "aircraft", "data", "information", "following", "here", "there",
                        "that", "remainder", "who", "what", "which"}) {
    TestWords words({{"So", 50}, {"big", 30}, {"big", 30}, {"big", 30}, {"big", 30}, {"big", 30},
                     {"big", 30}, {"big", 30}, {p, 10}, {"are", 25}, {"open", 30}});
    EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0) << p;
  }
  TestWords given({{"The", 64}, {"valve", 10}, {"have", 25}, {"given", 22}});
  EXPECT_EQ(CheckAgreement(given["have"], given.head(), state), 1);  // the direct rule comes first
  TestWords oneLetter({{"So", 50}, {"x", 10}, {"are", 25}});
  EXPECT_EQ(CheckAgreement(oneLetter["are"], oneLetter.head(), state), 1);  // class 10 at pos 1
}

// The words before the verb that excuse it only change an answer where the
// scans found nothing first: a plural pronoun before "is" that "shown" follows.
TEST_F(Agreement, ShownAfterAPluralPronounExcusesTheVerb) {
  for (const char* p : {"we", "these", "those"}) {
    TestWords words({{"Then", 50}, {p, 66}, {"is", 24}, {"shown", 22}});
    EXPECT_EQ(CheckAgreement(words["is"], words.head(), state), 0) << p;
  }
}

TEST_F(Agreement, ScanNounPhraseModes) {
  TestWords words({{"If", 70}, {"valves", 11}, {",", 47}, {"the", 64}, {"pump", 10},
                   {"are", 25}});
  WordRec* are = words["are"];
  EXPECT_TRUE(ScanNounPhrase(are, words.head(), 1));   // "pump"
  EXPECT_TRUE(ScanNounPhrase(are, words.head(), 2));   // the comma
  EXPECT_TRUE(ScanNounPhrase(are, words.head(), 3));   // falls through to the singular scan
  EXPECT_FALSE(ScanNounPhrase(are, words["pump"], 0));
  EXPECT_FALSE(ScanNounPhrase(words.head(), nullptr, 1));  // first word

  TestWords bare({{"Go", 20}, {"on", 61}, {"is", 24}});
  EXPECT_FALSE(ScanNounPhrase(bare["is"], bare.head(), 1));
  EXPECT_FALSE(ScanNounPhrase(bare["is"], bare.head(), 2));
  EXPECT_FALSE(ScanNounPhrase(bare["is"], bare["on"], 3));  // stops at stopAt

  TestWords number({{"Go", 20}, {"one", 49}, {"is", 24}});
  EXPECT_TRUE(ScanNounPhrase(number["is"], number.head(), 1));

  // A scan never walks past the head of a list that has no sentence start.
  TestWords noStart({{"x", 20, nullptr, "pos=4"}, {"is", 24}});
  EXPECT_FALSE(ScanNounPhrase(noStart["is"], nullptr, 1));
}

}  // namespace
