// The key table and the run listings built at load: they must give exactly
// what walking the index and reading the runs' text gives.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "engine/dict_run_index.h"
#include "engine/lookup_state.h"
#include "platform/files.h"
#include "tests/support/word_list_fixture.h"

namespace {

namespace fs = std::filesystem;

class RunIndexTest : public ::testing::Test {
 protected:
  void SetUp() override { Dictionaries.Reset(); }
  void TearDown() override {
    WordList.Reset();
    Dictionaries.Reset();
  }
  // Puts `text` in as the slot's entry text, as the loader leaves it.
  static void SetText(int slot, const std::string& text) {
    auto* block = static_cast<char*>(std::calloc(text.size() + 1, 1));
    std::memcpy(block, text.data(), text.size());
    std::free(Dictionaries.DictTextBlocks[slot]);
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
    std::free(n);
    n = next;
  }
  Dictionaries.DigramIndex = Dictionaries.indexTail = nullptr;
  EXPECT_EQ(FindDigramNode("ab"), nullptr);
  ASSERT_EQ(AddDigramNode("cd", 5, 1, 0, 0), 1);
  EXPECT_EQ(FindDigramNode("ab"), nullptr);
  EXPECT_EQ(FindDigramNode("cd")->runOffset[0], 5u);
}

// Every field a lookup writes, for each record of the list.
std::string Records() {
  std::string out;
  for (const WordRec* w = WordList.head; w; w = w->next) out += DiffFields(WordRec{}, *w) + "\n";
  return out;
}

// The words of a document's text, markup dropped, in sentences of at most
// 200 words.
std::vector<std::vector<std::string>> Sentences(const std::string& doc) {
  std::vector<std::vector<std::string>> out(1);
  std::string cur;
  auto flush = [&] {
    if (!cur.empty()) out.back().push_back(cur.substr(0, 83));
    cur.clear();
  };
  for (std::size_t i = 0; i < doc.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(doc[i]);
    if (c == '<') {
      flush();
      const std::size_t end = doc.find('>', i);
      if (end == std::string::npos) break;
      i = end;
    } else if (std::isalnum(c) || c == '-' || c == '\'') {
      cur += static_cast<char>(c);
    } else {
      flush();
      if (c == '.' || out.back().size() >= 200) {
        out.back().emplace_back(".");
        out.emplace_back();
      }
    }
  }
  flush();
  return out;
}

std::string LookUp(const std::vector<std::string>& sentence, int mode) {
  for (const std::string& word : sentence) {
    std::string token = word;
    token.resize(84, '\0');
    AddWordRec(token.data(), 0, 0, 0, nullptr);
  }
  std::string sentinel = kSentinel;
  AddWordRec(sentinel.data(), 0, 0, 0, nullptr);
  for (WordRec* w = WordList.head; w && w->written != kSentinel; w = w->next) LookupWord(w, 3, mode, 0);
  std::string records = Records();
  WordList.Reset();
  return records;
}

TEST_F(RunIndexTest, LookupsGiveTheSameRecordsWithTheListings) {
  const std::string dir = KESTA_SAMPLE_DICT_DIR;
  ASSERT_EQ(LoadDict(0, (dir + "/TEC.cmp").c_str()), kDictLoaded);
  ASSERT_EQ(LoadDict(1, (dir + "/STE.cmp").c_str()), kDictLoaded);
  ASSERT_EQ(LoadDict(2, (dir + "/SYN.cmp").c_str()), kDictLoaded);
  std::vector<std::vector<std::string>> sentences;
  std::error_code ec;
  for (const char* root : {KESTA_SAMPLE_DOC_DIR, KESTA_CORPUS_DIR}) {
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root, ec)) {
      std::string doc;
      if (!entry.is_regular_file() || !ReadFileBytes(entry.path().string(), &doc)) continue;
      for (auto& s : Sentences(doc)) sentences.push_back(std::move(s));
      if (++files == 40) break;
    }
  }
  ASSERT_GT(sentences.size(), 100u);
  for (int mode : {CheckMode, FinderMode}) {
    std::vector<std::string> listed;
    for (const auto& s : sentences) listed.push_back(LookUp(s, mode));
    for (int slot = 0; slot < kDictCount; ++slot) FreeRunIndexes(slot);
    for (std::size_t i = 0; i < sentences.size(); ++i) {
      ASSERT_EQ(LookUp(sentences[i], mode), listed[i]) << "sentence " << i << " mode " << mode;
    }
    for (int slot = 0; slot < kDictCount; ++slot) BuildRunIndexes(slot);
  }
}

}  // namespace
