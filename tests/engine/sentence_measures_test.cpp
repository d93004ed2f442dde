#include "engine/sentence_measures.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

TEST(CountSentenceWords, CountsUpToTheSentenceEnd) {
  // "Remove the cover ( 2 ) ." with the article kept as a record.
  TestWords words({{"Remove", 20}, {"the", 64}, {"cover", 10}, {"(", 41}, {"2", 49}, {")", 44},
                   {".", 48}, {"Next", 30}});
  EXPECT_EQ(CountSentenceWords(words.head(), 0), 5);
  EXPECT_EQ(words.head()->sentenceLength, 3);
  EXPECT_EQ(CountSentenceWords(words.head(), 1), 5);
  EXPECT_EQ(words.head()->sentenceLength, 3);
}

TEST(CountSentenceWords, WeightsCommasDashesAndModes) {
  // Weighted words count for their weight; commas, '-' and '/' words not.
  TestWords words({{"Put", 20, nullptr, "weight=2"}, {"valve", 10, nullptr, "weight=3"},
                   {",", 47}, {"-", 40}, {"/", 40}, {"then", 50, nullptr, "weight=0"},
                   {".)", 40}, {"!", 48}, {"more", 34}, {":", 48}, {"after", 60}});
  // Mode 0: "!" (class 48) does not end the sentence, ':' does.
  EXPECT_EQ(CountSentenceWords(words.head(), 0), 6);
  EXPECT_EQ(words.head()->sentenceLength, 2 + 3 + 1 + 1 + 1 - 1);
  // Mode 1: class 48 ends it.
  EXPECT_EQ(CountSentenceWords(words.head(), 1), 4);
  EXPECT_EQ(words.head()->sentenceLength, 2 + 3 + 1 - 1);
}

TEST(CountSentenceWords, LongTokensBeginningWithAFullStop) {
  TestWords words({{"Use", 20}, {".5", 40}, {"oil", 10}, {".", 48}});
  EXPECT_EQ(CountSentenceWords(words.head(), 0), 4);  // ".5" is counted
  EXPECT_EQ(CountSentenceWords(words.head(), 1), 2);  // mode 1 stops at it
}

TEST(CountSentenceWords, ABracketedNumberIsDeducted) {
  TestWords words({{"A1", 40}, {"2", 49}, {"(", 41}, {"x", 40}, {".", 48}});
  EXPECT_EQ(CountSentenceWords(words.head(), 0), 4);
  EXPECT_EQ(words.head()->sentenceLength, 3 - 6 - 1);
}

TEST(CountSentenceWords, BadModeAndMissingEnd) {
  TestWords words({{"Remove", 20, nullptr, "sentlen=9"}, {"it", 66}});
  EXPECT_EQ(CountSentenceWords(words.head(), 2), -1);
  EXPECT_EQ(words.head()->sentenceLength, 0);
  EXPECT_EQ(CountSentenceWords(nullptr, 0), -1);
  TestWords bare({{"Remove", 20}, {"it", 66}}, false);  // no sentinel, no full stop
  EXPECT_EQ(CountSentenceWords(bare.head(), 0), 3);
}

TEST(MeasurePassiveSpan, ShortPatterns) {
  {
    TestWords words({{"must", 28}, {"be", 24}, {"removed", 31}, {"by", 74}});
    EXPECT_EQ(MeasurePassiveSpan(words.head(), 20), -1);
  }
  {
    TestWords words({{"It", 66}, {"is", 24}, {"removed", 31}, {"by", 74}, {"you", 66}, {".", 48}});
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 9), -1);  // pos 1 < 9 - 3
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 4), 3);   // near the end: measured
  }
  {
    TestWords words({{"It", 66}, {"been", 27}, {"removed", 22}, {".", 48}});
    EXPECT_EQ(MeasurePassiveSpan(words["been"], 9), 2);
  }
  {
    TestWords words({{"It", 66}, {"has", 24}, {"is", 24}, {"not", 29}, {"being", 23}});
    EXPECT_EQ(MeasurePassiveSpan(words["has"], 9), 3);
  }
  {
    TestWords words({{"It", 66}, {"has", 24}, {"being", 23}});
    EXPECT_EQ(MeasurePassiveSpan(words["has"], 9), 2);
  }
}

TEST(MeasurePassiveSpan, WalksToTheParticiple) {
  {
    // Passive through "been"; an adverb before a participle is stepped
    // over; the span ends at "by".
    TestWords words({{"It", 66}, {"has", 25}, {"been", 27}, {"fully", 50}, {"cleaned", 31},
                     {"by", 60}, {"hand", 10}, {".", 48}});
    EXPECT_EQ(MeasurePassiveSpan(words["has"], 9), 4);
  }
  {
    // An -ed word is a participle only right after "been"; the walk then
    // meets a noun.
    TestWords words({{"It", 66}, {"has", 25}, {"been", 27}, {"fully", 50}, {"removed", 22},
                     {"by", 60}, {"hand", 10}, {".", 48}});
    EXPECT_EQ(MeasurePassiveSpan(words["has"], 9), -1);
    EXPECT_EQ(words["removed"]->wordClass, 22);
  }
  {
    TestWords words({{"It", 66}, {"has", 25}, {"been", 27}, {"removed", 22}, {"now", 50},
                     {".", 48}});
    EXPECT_EQ(MeasurePassiveSpan(words["has"], 9), 3);
    EXPECT_EQ(words["removed"]->wordClass, 31);  // a participle after "been"
  }
  {
    // Without "been" a participle is passive only before "by" or "with".
    TestWords words({{"It", 66}, {"is", 25}, {"cleaned", 31}, {"with", 60}, {"oil", 16},
                     {".", 48}});
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 9), 3);
    TestWords other({{"It", 66}, {"is", 25}, {"cleaned", 31}, {"again", 50}, {"now", 50},
                     {".", 48}});
    EXPECT_EQ(MeasurePassiveSpan(other["is"], 9), -1);
  }
}

TEST(MeasurePassiveSpan, StopsAtBarriersAndTheEnd) {
  {
    TestWords words({{"It", 66}, {"is", 25}, {"been", 27}, {"set", 31, nullptr, "mark=1"}});
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 9), -1);  // marked word follows
  }
  {
    TestWords words({{"It", 66}, {"is", 25}, {"and", 63}, {"set", 31}});
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 9), -1);
  }
  {
    TestWords words({{"It", 66}, {"is", 25}, {"been", 27}, {"valve", 10}});
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 9), -1);  // a noun
  }
  {
    // A finding ends the walk with the span reached.
    TestWords words({{"It", 66}, {"is", 25}, {"been", 27}, {"well", 50}, {"xyz", 40, nullptr, "sub=325"},
                     {"now", 50}, {"ok", 50}});
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 20), 4);
  }
  {
    // The list ends without a sentinel: no read past its end.
    TestWords words({{"It", 66}, {"is", 25}, {"been", 27}, {"well", 50}}, false);
    EXPECT_EQ(MeasurePassiveSpan(words["is"], 20), 3);
    EXPECT_EQ(MeasurePassiveSpan(nullptr, 20), -1);
  }
}

TEST(MeasureNounCluster, CountsHeavyRunsOfNouns) {
  {
    TestWords words({{"fuel", 10}, {"pump", 10}, {"inlet", 10}, {"valve", 10}, {"opens", 21}});
    EXPECT_EQ(MeasureNounCluster(words.head()), 4);
    EXPECT_EQ(MeasureNounCluster(words["pump"]), 0);  // three words weigh 3
  }
  {
    TestWords words({{"fuel", 10, nullptr, "weight=2"}, {"pump", 10}, {"unit", 10},
                     {"<b>", 10}, {"x", 10}});
    EXPECT_EQ(MeasureNounCluster(words.head()), 3);
  }
  {
    // A run stops before a word followed by a marked word.
    TestWords words({{"fuel", 10}, {"pump", 10}, {"inlet", 10}, {"valve", 10},
                     {"cover", 10, nullptr, "mark=1"}});
    EXPECT_EQ(MeasureNounCluster(words.head()), 0);
  }
}

TEST(MeasureNounCluster, ArticleTagsEndTheRunUnlessNomenclature) {
  {
    TestWords words({{"fuel", 10}, {"pump", 10, nullptr, "tag=<AR>"}, {"inlet", 10}, {"valve", 10}});
    EXPECT_EQ(MeasureNounCluster(words.head()), 0);
  }
  {
    TestWords words({{"fuel", 10}, {"pump", 18, nullptr, "tag=<AR> token=9"}, {"inlet", 10},
                     {"valve", 10}});
    EXPECT_EQ(MeasureNounCluster(words.head()), 4);
    EXPECT_EQ(words.Changes(), "fuel: tag=\"***\"\npump: tokenKind=0");
  }
  {
    TestWords words({{"ABC", 19}, {"pump", 10, nullptr, "tag=<AR>"}, {"inlet", 10}, {"valve", 10}});
    EXPECT_EQ(MeasureNounCluster(words.head()), 4);
  }
  {
    TestWords words({{"fuel", 10}, {"pump", 10}, {"inlet", 10}, {"valve", 10}}, false);
    EXPECT_EQ(MeasureNounCluster(words.head()), 4);  // ends with the list
    EXPECT_EQ(MeasureNounCluster(nullptr), 0);
  }
}

}  // namespace

// The passive measure at the edges of the sentence and of the list.
TEST(MeasurePassiveSpan, EdgesOfTheSentence) {
  struct Case {
    std::vector<WordSpec> words;
    bool sentinel;
    const char* form;
    int expected;
  };
  const Case cases[] = {
      // The form is the last word: nothing follows.
      {{{"It", 66}, {"is", 24}}, true, "is", -1},
      {{{"It", 66}, {"is", 24}}, false, "is", -1},
      // The sentence ends right after the participle, or before it.
      {{{"It", 66}, {"is", 24}, {"often", 50}, {"been", 27}, {"cleaned", 31}, {".", 48}}, true, "is", -1},
      {{{"It", 66}, {"is", 24}, {"often", 50}, {".", 48}, {"Been", 27}, {"cleaned", 31}}, true, "is", -1},
      // A list that ends without a sentence end: the span ends at the last word reached.
      {{{"It", 66}, {"is", 24}, {"often", 50}, {"been", 27}}, false, "is", 3},
      // One word between the participle and the sentence end.
      {{{"It", 66}, {"is", 24}, {"often", 50}, {"been", 27}, {"cleaned", 31}, {"in", 75}, {".", 48}}, true, "is", 4},
      // "been" as the sixth word the walk looks at still counts; as the seventh it does not.
      {{{"It", 66}, {"is", 24}, {"a", 50}, {"b", 50}, {"c", 50}, {"d", 50}, {"e", 50}, {"been", 27}, {"x", 40},
        {".", 48}},
       true, "is", 4},
      {{{"It", 66}, {"is", 24}, {"a", 50}, {"b", 50}, {"c", 50}, {"d", 50}, {"e", 50}, {"f", 50}, {"been", 27},
        {"x", 40}, {".", 48}},
       true, "is", -1},
      // A form that opens the list.
      {{{"Is", 24}, {"often", 50}, {"been", 27}, {"cleaned", 31}, {"in", 75}, {".", 48}}, true, "Is", 4},
  };
  for (const Case& k : cases) {
    TestWords words(k.words, k.sentinel);
    EXPECT_EQ(MeasurePassiveSpan(words[k.form], 20), k.expected) << words.Written();
  }
}
