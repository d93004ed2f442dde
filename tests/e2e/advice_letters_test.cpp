// The advice a writer reads never holds the dictionaries' code letters: every
// marker that a check with the bundled dictionaries writes into the bundled
// samples and the shared corpus is free of an alternative as the sources type
// it ("Aprepare", in any case) and of one that opens with a digit and a
// letter ("0install").
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "engine/inflection.h"
#include "tests/e2e/sample_check.h"
#include "tests/support/corpus.h"
#include "tests/support/source_advice.h"

namespace {

namespace fs = std::filesystem;

// Every alternative of the bundled sources that opens with a code letter
// before its word, in lower case.
std::set<std::string> CodedAlternatives() {
  std::set<std::string> out;
  for (const char* name : {"TEC", "STE", "SYN"}) {
    const fs::path path = fs::path(KESTA_SOURCE_DIR) / "data" / "dictionaries" / (std::string(name) + ".txt");
    for (const SourceAdvice& entry : SourceAdviceOf(path.string()))
      for (const std::string& alt : AdviceAlternatives(entry.advice))
        if (alt.size() > 1 && IsInflectionCode(alt[0]) && std::islower(static_cast<unsigned char>(alt[1])))
          out.insert(Lower(alt));
  }
  return out;
}

// The documents below `folder`: its files but a README.
std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files = FilesBelow(folder);
  std::erase_if(files, [](const fs::path& f) { return f.filename() == "README.md"; });
  return files;
}

class AdviceLetters : public SampleCheck {
 protected:
  // Checks each document with the bundled dictionaries; a failure for each
  // marker whose advice shows a code letter. The markers read, in all.
  int CheckAll(const std::vector<fs::path>& files) {
    const std::set<std::string> coded = CodedAlternatives();
    EXPECT_FALSE(coded.empty());
    int markers = 0;
    for (const fs::path& file : files) {
      run_ = Kesta({"check", file.string()}, std::string(KESTA_BUILD_DIR) + "/custom");
      EXPECT_LE(run_.status, 1) << file << "\n" << run_.err;
      const std::string open = "<?Pub _touchup Kesta=\"";
      for (std::size_t at = run_.out.find(open); at != std::string::npos; at = run_.out.find(open, at + 1)) {
        const std::size_t from = at + open.size();
        const std::string value = run_.out.substr(from, run_.out.find('"', from) - from);
        ++markers;
        if (value.size() <= 4) continue;
        for (const std::string& alt : AdviceAlternatives(value.substr(4))) {
          const bool digitLetter = std::isdigit(static_cast<unsigned char>(alt[0])) && alt.size() > 1 &&
                                   std::islower(static_cast<unsigned char>(alt[1]));
          EXPECT_FALSE(digitLetter || coded.count(Lower(alt)) > 0)
              << file.filename() << ": the marker Kesta=\"" << value << "\" shows the code letter of \"" << alt
              << "\"";
        }
      }
    }
    return markers;
  }
};

TEST_F(AdviceLetters, NoneOnTheSamples) {
  EXPECT_GT(CheckAll(FilesIn(fs::path(KESTA_SOURCE_DIR) / "data" / "samples")), 0);
}

TEST_F(AdviceLetters, NoneOnTheCorpus) {
  const std::vector<fs::path> files = CorpusDocuments();
  if (files.empty()) GTEST_SKIP() << CorpusMissing();
  EXPECT_GT(CheckAll(files), 0);
}

}  // namespace
