// Looks up every word of the sample documents and of the shared corpus of
// real documents in the sample dictionaries: no crash, no sanitizer report,
// and a word list that stays well formed.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "platform/files.h"
#include "tests/support/corpus.h"

namespace {

namespace fs = std::filesystem;

// The words and marks of a document's text: markup dropped, runs of letters,
// digits, '-' and '\'' kept together, every other mark a token of its own.
std::vector<std::string> Words(const std::string& doc) {
  std::vector<std::string> out;
  std::string cur;
  auto flush = [&] {
    if (!cur.empty()) out.push_back(cur.substr(0, 83));
    cur.clear();
  };
  for (std::size_t i = 0; i < doc.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(doc[i]);
    if (c == '<') {
      flush();
      const std::size_t end = doc.find('>', i);
      if (end == std::string::npos) break;
      i = end;
    } else if (std::isalnum(c) || c == '-' || c == '\'' || c >= 0x80) {
      cur += static_cast<char>(c);
    } else {
      flush();
      if (!std::isspace(c) && c != '\0') out.emplace_back(1, static_cast<char>(c));
    }
  }
  flush();
  return out;
}

void Append(const std::string& word) {
  std::string token = word;
  token.resize(84, '\0');
  AddWordRec(token.data(), 0, 0, 0, nullptr);
}

struct Counts {
  long words = 0;
  long found = 0;
};

// Looks up a list as the checks do; checks the links and the lengths.
void LookUpList(int mode, Counts* counts) {
  for (WordRec* w = WordList.head; w && w->written != kSentinel;) {
    if (LookupWord(w, 3, mode, 0) == kLookupFound) ++counts->found;
    ++counts->words;
    w = w->next;
  }
  for (WordRec* w = WordList.head; w; w = w->next) {
    ASSERT_EQ(w->length, static_cast<int>(w->text.length())) << w->written;
    if (w->next) {
      ASSERT_EQ(w->next->prev, w);
    }
  }
  WordList.Reset();
}

void LookUpDocument(const std::string& doc, Counts* counts) {
  const std::vector<std::string> words = Words(doc);
  int inList = 0;
  for (const std::string& w : words) {
    Append(w);
    if (++inList >= 200 || w == "." || w == "?" || w == "!") {
      Append(kSentinel);
      LookUpList(CheckMode, counts);
      inList = 0;
    }
  }
  Append(kSentinel);
  LookUpList(CheckMode, counts);
  // The word finder's short lists: up to four words, no sentinel.
  for (std::size_t i = 0; i + 4 <= words.size(); i += 97) {
    for (std::size_t k = 0; k < 4; ++k) Append(words[i + k]);
    LookUpList(FinderMode, counts);
  }
}

class CorpusLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    Dictionaries.Reset();
    const std::string dir = KESTA_SAMPLE_DICT_DIR;
    ASSERT_EQ(LoadDict(0, (dir + "/TEC.cmp").c_str()), kDictLoaded);
    ASSERT_EQ(LoadDict(1, (dir + "/STE.cmp").c_str()), kDictLoaded);
    ASSERT_EQ(LoadDict(2, (dir + "/SYN.cmp").c_str()), kDictLoaded);
  }
  void TearDown() override {
    WordList.Reset();
    Dictionaries.Reset();
  }

  // Every document below `root`; false when there is none.
  bool LookUpTree(const fs::path& root, Counts* counts) {
    const std::vector<fs::path> files = CorpusDocuments(root);
    for (const fs::path& file : files) {
      std::string doc;
      if (!ReadFileBytes(file.string(), &doc)) continue;
      LookUpDocument(doc, counts);
      if (HasFatalFailure()) return true;
    }
    return !files.empty();
  }
};

TEST_F(CorpusLookup, SampleDocuments) {
  Counts counts;
  if (!LookUpTree(KESTA_SAMPLE_DOC_DIR, &counts)) GTEST_SKIP() << "no sample documents";
  EXPECT_GT(counts.words, 0);
  // The sample dictionaries were written for these documents.
  EXPECT_GT(counts.found * 10, counts.words * 7) << counts.found << " of " << counts.words;
}

TEST_F(CorpusLookup, SharedCorpus) {
  Counts counts;
  if (!LookUpTree(CorpusDir(), &counts)) GTEST_SKIP() << CorpusMissing();
  EXPECT_GT(counts.words, 10000);
  EXPECT_GT(counts.found, 0);
}

}  // namespace
