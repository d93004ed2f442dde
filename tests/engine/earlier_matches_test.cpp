// The count of earlier matches the marking passes over: the same text in
// the words between the previous finding and the flagged word.
#include <gtest/gtest.h>

#include "engine/earlier_matches.h"
#include "tests/support/word_list_fixture.h"

namespace {

TEST(EarlierMatches, CountsWhatTheForwardSearchWouldFindFirst) {
  const struct {
    std::initializer_list<const char*> words;  // the last one is the flagged word
    const char* search;
    bool wholeWord;
    int count;
  } cases[] = {
      {{"You", "need", "not", "remove", "the", "valve", ".", "You", "must", "remove"}, "remove", false, 1},
      // Inside longer words too, as the search finds them; not across case.
      {{"came", "before", "me"}, "me", false, 1},
      {{"removed", "Remove", "remove"}, "remove", false, 1},
      {{"removed", "Remove", "remove"}, "remove", true, 0},
      {{"aaaa", "aa"}, "aa", false, 2},
      // A reference is one character of the document.
      {{"valg&lowbar;eg", "bar"}, "bar", false, 0},
      // Texts searched with wildcards or of one character are not counted.
      {{"he", "or", "he"}, "he.D", false, 0},
      {{"a", "a"}, "a", false, 0},
      {{"valve"}, "valve", false, 0},
      {{"came", "before", "me", "me"}, "me", false, 2},
  };
  for (const auto& c : cases) {
    TestWords words(c.words);  // the flagged word is the last before the sentinel
    EXPECT_EQ(CountEarlierMatches(words.head(), words.at(c.words.size() - 1), c.search, c.wholeWord), c.count)
        << c.search;
  }
}

}  // namespace
