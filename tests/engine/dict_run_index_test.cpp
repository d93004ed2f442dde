// The key table and the run listings built at load: they must give exactly
// what walking the index and reading the runs' text gives.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/dict_file.h"
#include "engine/dict_run_index.h"

namespace {

class RunIndexTest : public ::testing::Test {
 protected:
  void SetUp() override { Dictionaries.Reset(); }
  void TearDown() override { Dictionaries.Reset(); }
  // Puts `text` in as the slot's entry text, as the loader leaves it.
  static void SetText(int slot, const std::string& text) {
    auto* block = static_cast<char*>(AllocDictMemory(text.size() + 1));
    std::memcpy(block, text.data(), text.size());
    FreeDictMemory(Dictionaries.DictTextBlocks[slot]);
    Dictionaries.DictTextBlocks[slot] = block;
    Dictionaries.blockSize[slot] = text.size() + 1;
    Dictionaries.textLength[slot] = text.size();
  }
};

// What reading the run's text gives: the entries tried, in order.
std::vector<std::string> Walked(const char* run, int count, char third, bool all, const char* marks) {
  std::vector<std::string> out;
  const char* p = run;
  for (int i = 0; p != nullptr && i < count; ++i, p = NextDictEntry(p)) {
    if (*p == '\0') break;
    if (all || *p == third || (*p != '\0' && std::strchr(marks, *p) != nullptr))
      out.emplace_back(p, std::strcspn(p, "|"));
  }
  return out;
}

std::vector<std::string> Listed(const RunIndex& index, char third, bool all, const char* marks) {
  std::vector<std::string> out;
  RunCandidates candidates(index, third, all, marks);
  while (const char* p = candidates.Next()) out.emplace_back(p, std::strcspn(p, "|"));
  return out;
}

TEST_F(RunIndexTest, CandidatesAreTheEntriesTheTextWalkTries) {
  // Marks and letters mixed, an empty entry, a mark that is also a third
  // letter ('#'), and a last entry without its '|'.
  const std::string text =
      "lve 1014|$ 10|lx 1|!x 12|mp 10||lw 2|&21|lve+seat 1014|#s 1|@ 3|l 1|^+up 20|?21|lve$ 1014";
  SetText(0, text);
  ASSERT_EQ(AddDigramNode("va", 0, 40, 0, 0), 1);                    // more than the text holds
  ASSERT_EQ(AddDigramNode("vb", 9, 6, 0, 0), 1);                     // from "$ 10", six entries
  ASSERT_EQ(AddDigramNode("vc", static_cast<std::uint32_t>(text.find("#s")), 3, 0, 0), 1);
  BuildRunIndexes(0);

  struct Case {
    char third;
    bool all;
    const char* marks;
  };
  const Case cases[] = {
      {'l', false, "!$&?^"}, {'m', false, "!$&?^"}, {'z', false, "!$&?^"}, {'$', false, "!$&?^"},
      {'#', false, "!#$&?@^"}, {'l', false, "!#$&?@^"}, {'|', false, "!$&?^"}, {'\0', true, "!$&?^"},
  };
  for (const char* key : {"va", "vb", "vc"}) {
    const DigramNode* node = FindDigramNode(key);
    ASSERT_NE(node, nullptr);
    const char* run = DictRun(node, 0);
    const int count = RunEntryCount(node, 0);
    const RunIndex* index = RunIndexFor(node, 0, run, count);
    ASSERT_NE(index, nullptr) << key;
    for (const Case& c : cases)
      EXPECT_EQ(Listed(*index, c.third, c.all, c.marks), Walked(run, count, c.third, c.all, c.marks))
          << key << " third '" << c.third << "' all " << c.all << " marks " << c.marks;
    // Another start or count is not the listed run.
    EXPECT_EQ(RunIndexFor(node, 0, run + 1, count), nullptr);
    EXPECT_EQ(RunIndexFor(node, 0, run, count - 1), nullptr);
    EXPECT_EQ(RunIndexFor(node, 1, run, count), nullptr);
  }

  FreeDictBlocks();  // the listings go with the text
  EXPECT_EQ(FindDigramNode("va")->runIndex[0], nullptr);
}

TEST_F(RunIndexTest, KeyTableAnswersAsTheListWalk) {
  ASSERT_EQ(AddDigramNode("ab", 1, 1, 0, 0), 1);
  ASSERT_EQ(AddDigramNode("cd", 2, 1, 0, 0), 1);
  ASSERT_EQ(AddDigramNode("ab", 3, 1, 0, 0), 1);  // a repeated key: never found
  ASSERT_EQ(AddDigramNode("e", 4, 1, 0, 0), 1);   // a one-letter key: no word finds it
  EXPECT_EQ(FindDigramNode("abc")->runOffset[0], 1u);
  EXPECT_EQ(FindDigramNode("cd")->runOffset[0], 2u);
  EXPECT_EQ(FindDigramNode("ea"), nullptr);
  EXPECT_EQ(FindDigramNode("e"), nullptr);
  EXPECT_EQ(FindKeyNode('e', '\0')->runOffset[0], 4u);
  EXPECT_EQ(FindDigramNode("zz"), nullptr);

  // The list freed and forgotten elsewhere (as at shut-down): the table
  // answers no more, and a new list has a table of its own.
  for (DigramNode* n = Dictionaries.DigramIndex; n;) {
    DigramNode* next = n->next;
    FreeDictMemory(n);
    n = next;
  }
  Dictionaries.DigramIndex = Dictionaries.indexTail = nullptr;
  EXPECT_EQ(FindDigramNode("ab"), nullptr);
  ASSERT_EQ(AddDigramNode("cd", 5, 1, 0, 0), 1);
  EXPECT_EQ(FindDigramNode("ab"), nullptr);
  EXPECT_EQ(FindDigramNode("cd")->runOffset[0], 5u);
}

}  // namespace
