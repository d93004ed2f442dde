#pragma once
// Sentences that do not act on each other, checked as the paragraphs of one
// document in a single `kesta check` run, each with what its result holds.
#include <span>
#include <string>
#include <vector>

#include "tests/e2e/sample_check.h"

struct SentenceCase {
  const char* text;
  std::vector<Expected> markers;  // each in the paragraph, any number and colour
  std::string part = "";          // a part of the paragraph's result, "<p>" and "</p>" included
  std::string unmarked = "";      // no marker holds exactly this text
  bool clean = false;             // the paragraph gets no marker at all
};

// The paragraph `text` as the check gives it back.
inline std::string P(const std::string& text) { return "<p>" + text + "</p>"; }

class ParagraphTable : public SampleCheck {
 protected:
  // Every case is a paragraph of one document, checked once with the
  // tests' custom folder (or `custom`); no search is lost, no box shown.
  void ExpectInOneRun(std::span<const SentenceCase> cases, const std::string& custom = "") {
    std::string xml = "<topic><body>";
    for (const SentenceCase& c : cases) xml += P(c.text);
    run_ = Kesta({"check", dir_.Write("doc.xml", xml + "</body></topic>")}, custom);
    ASSERT_EQ(run_.status, 0) << run_.err;
    EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
    EXPECT_EQ(run_.err.find("[box"), std::string::npos) << run_.err;
    std::size_t at = run_.out.find("<body>");
    for (const SentenceCase& c : cases) {
      const std::size_t open = run_.out.find("<p>", at);
      const std::size_t close = run_.out.find("</p>", open);
      ASSERT_NE(close, std::string::npos) << c.text << "\n" << run_.out;
      at = close + 4;
      const std::string para = run_.out.substr(open, at - open);
      for (const Expected& m : c.markers) {
        EXPECT_TRUE(Marked(para, m.category, m.advice, m.text)) << m.text << "\n" << para;
      }
      EXPECT_TRUE(c.part.empty() || para.find(c.part) != std::string::npos) << c.part << "\n" << para;
      EXPECT_TRUE(c.unmarked.empty() || Unmarked(para, c.unmarked)) << c.unmarked << "\n" << para;
      EXPECT_TRUE(!c.clean || para.find("_touchup") == std::string::npos) << para;
    }
  }
};
