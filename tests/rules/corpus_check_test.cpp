// The whole engine over every document of the shared corpus, with the
// sample dictionaries: every check must end, under the sanitizers, with a
// well-formed list of findings.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/dict_store.h"
#include "engine/message_list.h"
#include "engine/tokenizer.h"
#include "platform/files.h"
#include "platform/wide_text.h"
#include "rules/engine_passes.h"
#include "tests/support/corpus.h"
#include "tests/support/dict_fixture.h"

namespace {

std::string SourceDir() { return KESTA_SOURCE_DIR; }

std::string ReadSource(const std::string& relative) {
  std::string bytes;
  EXPECT_TRUE(ReadFileBytes(SourceDir() + "/" + relative, &bytes)) << relative;
  return bytes;
}

class CorpusCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadTestDictionaries(ReadSource("tests/data/dictionaries/TEC.txt"),
                                    ReadSource("tests/data/dictionaries/STE.txt"),
                                    ReadSource("tests/data/dictionaries/SYN.txt"));
  }
  void TearDown() override {
    WordList.Reset();
    MessageList.Clear();
    Dictionaries.Reset();
  }
};

// The checks a finding must pass whatever the text.
void ExpectWellFormed(const MessageRec& r, const std::string& file) {
  EXPECT_FALSE(r.searchKey.empty()) << file;
  EXPECT_LE(r.searchKey.size(), kSearchKeyMax) << file;
  SearchKeyParts parts = ParseSearchKey(r.searchKey);
  EXPECT_TRUE(parts.hasSeparator) << file << ": " << r.searchKey;
  if (!parts.colonFinding) {
    EXPECT_FALSE(parts.colonFirst) << file << ": " << r.searchKey;
  }
  EXPECT_FALSE(r.kind.empty()) << file;
}

TEST_F(CorpusCheckTest, EveryDocumentOfTheCorpus) {
  const std::vector<std::filesystem::path> files = CorpusDocuments();
  if (files.empty()) GTEST_SKIP() << CorpusMissing();
  std::size_t findings = 0;
  for (CheckScope scope : {CheckScope::Document, CheckScope::Selection}) {
    for (const auto& path : files) {
      std::string bytes;
      ASSERT_TRUE(ReadFileBytes(path.string(), &bytes)) << path;
      std::string text = Utf8ToAnsi(bytes) + ". @@END";
      std::vector<char> buf(text.begin(), text.end());
      buf.push_back('\0');
      WordList.Reset();
      TokenizeText(buf.data(), 0, scope == CheckScope::Document ? 1 : 3);
      const int n = RunEnginePasses(scope);
      ASSERT_EQ(static_cast<std::size_t>(n), MessageList.Count()) << path;
      findings += MessageList.Count();
      const WordRec* last = nullptr;
      for (const WordRec* w = WordList.head; w; w = w->next) {
        ASSERT_EQ(w->prev, last) << path;
        last = w;
      }
      for (const MessageRec& r : MessageList.records) ExpectWellFormed(r, path.string());
    }
  }
  EXPECT_GT(findings, 0u);
}

}  // namespace
