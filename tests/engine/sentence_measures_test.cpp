#include "engine/sentence_measures.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

// Each case: a list, the mode, the count answered and the head's stored length.
TEST(CountSentenceWords, Cases) {
  const struct {
    std::vector<WordSpec> words;
    int mode, count, length;
    bool sentinel = true;
  } cases[] = {
      // "Remove the cover ( 2 ) ." with the article kept as a record.
      {{{"Remove", 20}, {"the", 64}, {"cover", 10}, {"(", 41}, {"2", 49}, {")", 44}, {".", 48}, {"Next", 30}}, 0, 5, 3},
      {{{"Remove", 20}, {"the", 64}, {"cover", 10}, {"(", 41}, {"2", 49}, {")", 44}, {".", 48}, {"Next", 30}}, 1, 5, 3},
      // Weighted words count for their weight; commas, '-' and '/' words not.
      // Both modes end at "!", as at ':'.
      {{{"Put", 20, nullptr, "weight=2"}, {"valve", 10, nullptr, "weight=3"}, {",", 47}, {"-", 40}, {"/", 40},
        {"then", 50, nullptr, "weight=0"}, {".)", 40}, {"!", 48}, {"more", 34}, {":", 48}, {"after", 60}},
       0, 4, 2 + 3 + 1 - 1},
      {{{"Put", 20, nullptr, "weight=2"}, {"valve", 10, nullptr, "weight=3"}, {",", 47}, {"-", 40}, {"/", 40},
        {"then", 50, nullptr, "weight=0"}, {".)", 40}, {"!", 48}, {"more", 34}, {":", 48}, {"after", 60}},
       1, 4, 2 + 3 + 1 - 1},
      // ".5" is counted; mode 1 stops at it.
      {{{"Use", 20}, {".5", 40}, {"oil", 10}, {".", 48}}, 0, 4, 2},
      {{{"Use", 20}, {".5", 40}, {"oil", 10}, {".", 48}}, 1, 2, 0},
      // A bracketed number is deducted.
      {{{"A1", 40}, {"2", 49}, {"(", 41}, {"x", 40}, {".", 48}}, 0, 4, 3 - 6 - 1},
      {{{"Remove", 20, nullptr, "sentlen=9"}, {"it", 66}}, 2, -1, 0},  // a bad mode
      {{{"Remove", 20}, {"it", 66}}, 0, 3, 1, false},                     // no sentinel, no full stop
  };
  for (const auto& c : cases) {
    TestWords words(c.words, c.sentinel);
    EXPECT_EQ(CountSentenceWords(words.head(), c.mode), c.count) << words.Written() << " mode " << c.mode;
    EXPECT_EQ(words.head()->sentenceLength, c.length) << words.Written() << " mode " << c.mode;
  }
  EXPECT_EQ(CountSentenceWords(nullptr, 0), -1);
}

// Each case: a list, the form measured from, the limit and the span answered.
TEST(MeasurePassiveSpan, Cases) {
  const struct {
    std::vector<WordSpec> words;
    const char* form;
    int limit, expected;
    bool sentinel = true;
  } cases[] = {
      {{{"must", 28}, {"be", 24}, {"removed", 31}, {"by", 74}}, "must", 20, -1},
      {{{"It", 66}, {"is", 24}, {"removed", 31}, {"by", 74}, {"you", 66}, {".", 48}}, "is", 9, -1},  // 1 < 9 - 3
      {{{"It", 66}, {"is", 24}, {"removed", 31}, {"by", 74}, {"you", 66}, {".", 48}}, "is", 4, 3},   // near the end
      {{{"It", 66}, {"been", 27}, {"removed", 22}, {".", 48}}, "been", 9, 2},
      {{{"It", 66}, {"has", 24}, {"is", 24}, {"not", 29}, {"being", 23}}, "has", 9, 3},
      {{{"It", 66}, {"has", 24}, {"being", 23}}, "has", 9, 2},
      // Through "been", over an adverb before a participle, to "by".
      {{{"It", 66}, {"has", 25}, {"been", 27}, {"fully", 50}, {"cleaned", 31}, {"by", 60}, {"hand", 10}, {".", 48}},
       "has", 9, 4},
      // An -ed word is a participle only right after "been"; the walk then meets a noun.
      {{{"It", 66}, {"has", 25}, {"been", 27}, {"fully", 50}, {"removed", 22}, {"by", 60}, {"hand", 10}, {".", 48}},
       "has", 9, -1},
      {{{"It", 66}, {"has", 25}, {"been", 27}, {"removed", 22}, {"now", 50}, {".", 48}}, "has", 9, 3},
      // Without "been" a participle is passive only before "by" or "with".
      {{{"It", 66}, {"is", 25}, {"cleaned", 31}, {"with", 60}, {"oil", 16}, {".", 48}}, "is", 9, 3},
      {{{"It", 66}, {"is", 25}, {"cleaned", 31}, {"again", 50}, {"now", 50}, {".", 48}}, "is", 9, -1},
      // Barriers: a marked word, "and", a noun.
      {{{"It", 66}, {"is", 25}, {"been", 27}, {"set", 31, nullptr, "mark=1"}}, "is", 9, -1},
      {{{"It", 66}, {"is", 25}, {"and", 63}, {"set", 31}}, "is", 9, -1},
      {{{"It", 66}, {"is", 25}, {"been", 27}, {"valve", 10}}, "is", 9, -1},
      // A finding ends the walk with the span reached.
      {{{"It", 66}, {"is", 25}, {"been", 27}, {"well", 50}, {"xyz", 40, nullptr, "sub=325"}, {"now", 50}, {"ok", 50}},
       "is", 20, 4},
      // The list ends without a sentinel: no read past its end.
      {{{"It", 66}, {"is", 25}, {"been", 27}, {"well", 50}}, "is", 20, 3, false},
      // The form is the last word: nothing follows.
      {{{"It", 66}, {"is", 24}}, "is", 20, -1},
      {{{"It", 66}, {"is", 24}}, "is", 20, -1, false},
      // The sentence ends right after the participle, or before it.
      {{{"It", 66}, {"is", 24}, {"often", 50}, {"been", 27}, {"cleaned", 31}, {".", 48}}, "is", 20, -1},
      {{{"It", 66}, {"is", 24}, {"often", 50}, {".", 48}, {"Been", 27}, {"cleaned", 31}}, "is", 20, -1},
      {{{"It", 66}, {"is", 24}, {"often", 50}, {"been", 27}}, "is", 20, 3, false},
      // One word between the participle and the sentence end.
      {{{"It", 66}, {"is", 24}, {"often", 50}, {"been", 27}, {"cleaned", 31}, {"in", 75}, {".", 48}}, "is", 20, 4},
      // "been" as the sixth word the walk looks at still counts; as the seventh it does not.
      {{{"It", 66}, {"is", 24}, {"a", 50}, {"b", 50}, {"c", 50}, {"d", 50}, {"e", 50}, {"been", 27}, {"x", 40},
        {".", 48}}, "is", 20, 4},
      {{{"It", 66}, {"is", 24}, {"a", 50}, {"b", 50}, {"c", 50}, {"d", 50}, {"e", 50}, {"f", 50}, {"been", 27},
        {"x", 40}, {".", 48}}, "is", 20, -1},
      // A form that opens the list.
      {{{"Is", 24}, {"often", 50}, {"been", 27}, {"cleaned", 31}, {"in", 75}, {".", 48}}, "Is", 20, 4},
  };
  for (const auto& c : cases) {
    TestWords words(c.words, c.sentinel);
    EXPECT_EQ(MeasurePassiveSpan(words[c.form], c.limit), c.expected) << words.Written() << " " << c.limit;
  }
  EXPECT_EQ(MeasurePassiveSpan(nullptr, 20), -1);
  // The participle read after "been" is classed so.
  TestWords words({{"It", 66}, {"has", 25}, {"been", 27}, {"removed", 22}, {"now", 50}, {".", 48}});
  MeasurePassiveSpan(words["has"], 9);
  EXPECT_EQ(words.Changes(), "removed: wordClass=31");
}

// Each case: a list, the word measured from, the run answered and what changed.
TEST(MeasureNounCluster, Cases) {
  const struct {
    std::vector<WordSpec> words;
    int from, expected;
    const char* changes = "";
    bool sentinel = true;
  } cases[] = {
      {{{"fuel", 10}, {"pump", 10}, {"inlet", 10}, {"valve", 10}, {"opens", 21}}, 0, 4},
      {{{"fuel", 10}, {"pump", 10}, {"inlet", 10}, {"valve", 10}, {"opens", 21}}, 1, 0},  // three words weigh 3
      {{{"fuel", 10, nullptr, "weight=2"}, {"pump", 10}, {"unit", 10}, {"<b>", 10}, {"x", 10}}, 0, 3},
      // A run stops before a word followed by a marked word.
      {{{"fuel", 10}, {"pump", 10}, {"inlet", 10}, {"valve", 10}, {"cover", 10, nullptr, "mark=1"}}, 0, 0},
      // Article tags end the run unless nomenclature.
      {{{"fuel", 10}, {"pump", 10, nullptr, "tag=<AR>"}, {"inlet", 10}, {"valve", 10}}, 0, 0},
      {{{"fuel", 10}, {"pump", 18, nullptr, "tag=<AR> token=9"}, {"inlet", 10}, {"valve", 10}}, 0, 4,
       "fuel: tag=\"***\"\npump: tokenKind=0"},
      {{{"ABC", 19}, {"pump", 10, nullptr, "tag=<AR>"}, {"inlet", 10}, {"valve", 10}}, 0, 4, "ABC: tag=\"***\""},
      {{{"fuel", 10}, {"pump", 10}, {"inlet", 10}, {"valve", 10}}, 0, 4, "", false},  // ends with the list
  };
  for (const auto& c : cases) {
    TestWords words(c.words, c.sentinel);
    EXPECT_EQ(MeasureNounCluster(words.at(c.from)), c.expected) << words.Written();
    EXPECT_EQ(words.Changes(), c.changes) << words.Written();
  }
  EXPECT_EQ(MeasureNounCluster(nullptr), 0);
}

}  // namespace
