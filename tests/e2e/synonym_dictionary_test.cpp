// `kesta check` with the dictionaries the build bundles: every entry of the
// synonym dictionary, in a sentence of its own, gets its approved
// alternative as advice. The sentences and the markers they must give are
// generated with the entries (data/dictionaries/forms/SYN_sentences.tsv).
#include <fstream>
#include <sstream>

#include "tests/e2e/sample_check.h"

namespace {

struct SentenceRow {
  std::string sentence, text, category, advice;
};

std::vector<SentenceRow> ReadSentences() {
  std::ifstream in(std::string(KESTA_SOURCE_DIR) + "/data/dictionaries/forms/SYN_sentences.tsv");
  std::vector<SentenceRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream cols(line);
    SentenceRow row;
    std::getline(cols, row.sentence, '\t');
    std::getline(cols, row.text, '\t');
    std::getline(cols, row.category, '\t');
    std::getline(cols, row.advice, '\t');
    rows.push_back(row);
  }
  return rows;
}

// The content of each <p> of a checked document, in order.
std::vector<std::string> Paragraphs(const std::string& doc) {
  std::vector<std::string> out;
  for (std::size_t at = doc.find("<p>"); at != std::string::npos; at = doc.find("<p>", at)) {
    const std::size_t end = doc.find("</p>", at);
    if (end == std::string::npos) break;
    out.push_back(doc.substr(at + 3, end - at - 3));
    at = end;
  }
  return out;
}

using SynonymDictionary = SampleCheck;

TEST_F(SynonymDictionary, EveryEntryGetsItsAlternative) {
  const std::vector<SentenceRow> rows = ReadSentences();
  ASSERT_GT(rows.size(), 100u);
  // One document, a paragraph per entry: one run of the checker for all.
  std::string xml = "<topic><body>";
  for (const SentenceRow& row : rows) xml += "<p>" + row.sentence + "</p>";
  xml += "</body></topic>";
  run_ = Kesta({"check", dir_.Write("doc.xml", xml)}, std::string(KESTA_BUILD_DIR) + "/custom");
  ASSERT_EQ(run_.status, 0) << run_.err;
  const std::vector<std::string> paragraphs = Paragraphs(run_.out);
  ASSERT_EQ(paragraphs.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_TRUE(Marked(paragraphs[i], rows[i].category, rows[i].advice, rows[i].text))
        << rows[i].sentence << "\n" << paragraphs[i];
}

}  // namespace
