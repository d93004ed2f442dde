#include "engine/agreement.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

std::vector<WordSpec> Before(const char* word) {
  return {{"So", 50}, {"big", 30}, {"big", 30}, {"big", 30}, {"big", 30}, {"big", 30}, {"big", 30}, {"big", 30},
          {word, 10}, {"are", 25}, {"open", 30}};
}

// Each case: a list, its verb, and whether the verb disagrees with its subject.
TEST(Agreement, Cases) {
  const struct {
    std::vector<WordSpec> words;
    const char* verb;
    int expected;
  } cases[] = {
      {{{"The", 64}, {"valve", 10}, {"are", 25}, {"open", 30}, {".", 48}}, "are", 1},
      // The word after the verb excuses it (class 54 only after a, t, w).
      {{{"The", 64}, {"valve", 10}, {"are", 25}, {"only", 50}, {".", 48}}, "are", 0},
      {{{"The", 64}, {"valve", 10}, {"are", 25}, {"never", 50}, {".", 48}}, "are", 0},
      {{{"The", 64}, {"valve", 10}, {"are", 25}, {"who", 50}, {".", 48}}, "are", 0},
      {{{"The", 64}, {"valve", 10}, {"are", 25}, {"as shown", 50}, {".", 48}}, "are", 0},
      {{{"The", 64}, {"valve", 10}, {"are", 25}, {"tight", 54}}, "are", 0},
      {{{"The", 64}, {"valve", 10}, {"are", 25}, {"opened", 54}}, "are", 1},
      {{{"Are", 25}, {"valves", 11}, {"open", 30}}, "Are", 0},  // the first word
      // Far into the sentence the scans decide: "and"; the mode-3 scan goes
      // on with the singular scan and "valve" gives a signal.
      {{{"When", 70}, {"you", 66}, {"turn", 20}, {"it", 66}, {"then", 50}, {"the", 64}, {"small", 30}, {"and", 63},
        {"the", 64}, {"valve", 10}, {"are", 25}, {"open", 30}}, "are", 0},
      {{{"When", 70}, {"you", 66}, {"turn", 20}, {"it", 66}, {"then", 50}, {"it", 66}, {"small", 30}, {"ok", 30},
        {"new", 30}, {"valve", 10}, {"are", 25}, {"open", 30}}, "are", 0},
      // Singular verbs after plural pronouns; not a be or have form.
      {{{"Then", 50}, {"we", 66}, {"is", 24}, {"ok", 30}}, "is", 1},
      {{{"Then", 50}, {"these", 66}, {"is", 24}, {"ok", 30}}, "is", 1},
      {{{"Then", 50}, {"those", 66}, {"is", 24}, {"ok", 30}}, "is", 1},
      {{{"Then", 50}, {"it", 66}, {"opens", 21}}, "opens", 0},
      // ... but "shown" after them excuses the verb.
      {{{"Then", 50}, {"we", 66}, {"is", 24}, {"shown", 22}}, "is", 0},
      {{{"Then", 50}, {"those", 66}, {"is", 24}, {"shown", 22}}, "is", 0},
      // A plural noun before "is", "was" or "has" disagrees when nothing
      // singular (an article, a singular noun, a comma) stands before it.
      {{{"Then", 73}, {"valves", 11}, {"is", 24}, {"open", 30}}, "is", 1},
      {{{"Then", 73}, {"valves", 11}, {"was", 24}, {"open", 30}}, "was", 1},
      {{{"Then", 73}, {"specs", 19}, {"has", 24}, {"gone", 22}}, "has", 1},
      {{{"The", 64}, {"valves", 11}, {"is", 24}, {"open", 30}}, "is", 0},
      {{{"Then", 73}, {"pump", 10}, {"valves", 11}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {",", 47}, {"valves", 11}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {"valve", 10}, {"is", 24}, {"open", 30}}, "is", 0},
      {{{"Then", 73}, {"we", 66}, {"was", 24}, {"there", 50}}, "was", 1},
      {{{"Then", 73}, {"these", 76}, {"has", 24}, {"gone", 22}}, "has", 1},
      // "there" and "it" excuse it; only the word right before the verb is the subject.
      {{{"Then", 73}, {"valves", 11}, {"there", 50}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {"valves", 11}, {"it", 66}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {"valves", 11}, {"also", 50}, {"is", 24}}, "is", 0},
      {{{"Then", 73}, {"valves", 11}, {"is", 24}, {"not", 29}}, "is", 0},
      // The plural verbs keep their own steps.
      {{{"Then", 73}, {"valves", 11}, {"are", 25}, {"open", 30}}, "are", 0},
      {{{"Then", 73}, {"valve", 10}, {"are", 25}, {"open", 30}}, "are", 1},
      // Excuses by the previous word; the direct rule comes first; class 10 at position 1.
      {Before("also"), "are", 0},
      {Before("aircraft"), "are", 0},
      {Before("information"), "are", 0},
      {Before("following"), "are", 0},
      {Before("remainder"), "are", 0},
      {Before("which"), "are", 0},
      {{{"The", 64}, {"valve", 10}, {"have", 25}, {"given", 22}}, "have", 1},
      {{{"So", 50}, {"x", 10}, {"are", 25}}, "are", 1},
  };
  for (const auto& c : cases) {
    TestWords words(c.words);
    AgreementState state;
    EXPECT_EQ(CheckAgreement(words[c.verb], words.head(), state), c.expected) << words.Written();
  }
  // The subject's number known, or the check skipped.
  TestWords words({{"The", 64}, {"valve", 10}, {"are", 25}, {"open", 30}, {".", 48}});
  AgreementState state;
  state.subjectNumber = 1;
  EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0);
  state.subjectNumber = -1;
  state.skipAgreement = 1;
  EXPECT_EQ(CheckAgreement(words["are"], words.head(), state), 0);
  EXPECT_EQ(CheckAgreement(nullptr, nullptr, state), 0);
}

TEST(Agreement, ScanNounPhraseModes) {
  TestWords words({{"If", 70}, {"valves", 11}, {",", 47}, {"the", 64}, {"pump", 10}, {"are", 25}});
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
