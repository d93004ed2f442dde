// Check, then close: every corpus document and every sample comes back byte
// for byte (the check changes no character of a document), and no finding
// is lost on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "tests/e2e/documents.h"
#include "tests/e2e/sample_check.h"
#include "tests/support/corpus.h"

namespace {

namespace fs = std::filesystem;

// Where two texts part: the bytes around the first difference in each.
std::string FirstDifference(const std::string& original, const std::string& after) {
  std::size_t at = 0;
  while (at < original.size() && at < after.size() && original[at] == after[at]) ++at;
  const std::size_t from = at > 60 ? at - 60 : 0;
  return "at byte " + std::to_string(at) + ":\n  was: ..." + original.substr(from, 120) + "\n  now: ..." +
         after.substr(from, 120);
}

// ASCII text as UTF-16, little end first (or big end first).
std::string Utf16Le(const std::string& ascii, bool bigEndian = false) {
  std::string out;
  for (char c : ascii) {
    if (bigEndian) out += '\0';
    out += c;
    if (!bigEndian) out += '\0';
  }
  return out;
}

class RoundTrip : public SampleCheck {
 protected:
  // Checks `file` and closes the result; the text after both, or a failure.
  std::string CheckThenClose(const std::string& file, std::string* marked = nullptr) {
    std::string markedPath = (dir_.path() / "marked.xml").string();
    std::string backPath = (dir_.path() / "back.xml").string();
    ProgramRun checked = Kesta({"check", file, "-o", markedPath});
    EXPECT_LE(checked.status, 1) << checked.err;
    EXPECT_EQ(checked.err.find("Sanitizer"), std::string::npos) << checked.err;
    EXPECT_EQ(checked.err.find("[status] Not found"), std::string::npos) << checked.err;
    if (file.find("/data/samples/") != std::string::npos) {  // every sample is marked and shows no box
      EXPECT_EQ(checked.err.find("[box"), std::string::npos) << checked.err;
      EXPECT_NE(ReadAll(markedPath).find("<?Pub _touchup Kesta="), std::string::npos);
    }
    ProgramRun closed = Kesta({"call", "CloseKesta", markedPath, "-o", backPath});
    EXPECT_EQ(closed.status, 0) << closed.err;
    EXPECT_EQ(closed.err.find("Sanitizer"), std::string::npos) << closed.err;
    if (marked) *marked = ReadAll(markedPath);
    CountsWhatIsMarked(checked.err, ReadAll(markedPath));
    return ReadAll(backPath);
  }
  // The status lines count the markers in the document: no more (a finding
  // that was not found) and no fewer (a correction is a marker too).
  static void CountsWhatIsMarked(const std::string& err, const std::string& marked) {
    // In the file's encoding (the two UTF-16 forms also match each other
    // one byte apart).
    int markers = 0;
    for (const std::string& open :
         {std::string("_touchup Kesta="), Utf16Le("_touchup Kesta="), Utf16Le("_touchup Kesta=", true)}) {
      int found = 0;
      for (std::size_t at = marked.find(open); at != std::string::npos; at = marked.find(open, at + 1)) ++found;
      markers = std::max(markers, found);
    }
    const std::string messages = "[status] KESta Messages=(";
    std::size_t at = err.rfind(messages);
    int counted = at == std::string::npos ? 0 : std::atoi(err.c_str() + at + messages.size());
    EXPECT_EQ(counted, markers) << err;
    const std::string found = "[status] KESta: Found ";
    at = err.rfind(found);
    if (at != std::string::npos) {
      EXPECT_EQ(std::atoi(err.c_str() + at + found.size()), markers) << err;
    }
    if (err.find("[status] KESta: One error.") != std::string::npos) {
      EXPECT_EQ(markers, 1) << err;
    }
  }
};

// The parts of a file that a writer keeps as written survive the check and
// the close byte for byte: line ends, byte-order mark, CDATA, quoting and
// spacing in tags, the declaration with its encoding, the internal subset.
TEST_F(RoundTrip, EveryPartOfTheFileAsWritten) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const std::string words = "Glorp the pump. Remove the cover.";
  const Case cases[] = {
      {"CRLF line ends", "<?xml version=\"1.0\"?>\r\n<topic>\r\n<p>Glorp the pump.\r\nRemove the cover.</p>\r\n</topic>\r\n"},
      {"byte-order mark", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<topic><p>" + words + "</p></topic>\n"},
      {"CDATA", "<topic><p>" + words + "</p><p><![CDATA[Glorp <b> & the pump.]]> <![CDATA[]]>Glorp.</p></topic>"},
      {"quoting and spacing in tags",
       "<topic  id='t1' class = \"a\"\n  ><p\toutputclass='x'>" + words + "</p ><br\n/><p/></topic >"},
      {"ISO-8859-1", "<?xml version='1.0' encoding='ISO-8859-1'?>\n<topic><p>Caf\xE9 glorp. " + words + "</p></topic>\n"},
      {"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<topic><p>Don\x92t glorp. " + words + "</p></topic>\n"},
      {"UTF-16", "\xFF\xFE" + Utf16Le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<topic><p>" + words + "</p></topic>\n")},
      {"UTF-16 without byte-order mark",
       Utf16Le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<topic><p>" + words + "</p></topic>\n")},
      {"UTF-16 big end first without byte-order mark",
       Utf16Le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<topic><p>" + words + "</p></topic>\n", true)},
      {"internal subset",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE topic [\n  <!ENTITY prod \"Fuel Pump\">\n  <!-- it's ] here -->\n"
       "  <!ATTLIST p  outputclass CDATA #IMPLIED>\n]>\n<topic><p outputclass=\"&prod;\">" + words + "</p></topic>\n"},
      {"references and comments",
       "<topic><!-- a  comment --><?app  data ?><p>Glorp &#x41;&#66;&amp;&gt; the&#160;pump&#xD;. " + words + "</p></topic>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string file = dir_.Write("doc.xml", c.bytes);
    std::string marked;
    std::string back = CheckThenClose(file, &marked);
    // The check marked something (in the file's own encoding).
    EXPECT_TRUE(marked.find("Pub _touchup") != std::string::npos ||
                marked.find(Utf16Le("Pub _touchup")) != std::string::npos ||
                marked.find(Utf16Le("Pub _touchup", true)) != std::string::npos)
        << marked;
    EXPECT_TRUE(back == c.bytes) << back;
  }
}

class CorpusRoundTrip : public RoundTrip, public ::testing::WithParamInterface<std::string> {};

// Every document comes back as it was, and is scored, checked or not, with
// the same figures and no box.
TEST_P(CorpusRoundTrip, CheckThenCloseAndScore) {
  const std::string file = GetParam();
  if (!fs::is_regular_file(file)) GTEST_SKIP() << CorpusMissing(file);
  const std::string original = ReadAll(file);
  std::string marked;
  const std::string after = CheckThenClose(file, &marked);
  EXPECT_EQ(after.find("_touchup"), std::string::npos);
  EXPECT_TRUE(after == original) << FirstDifference(original, after);
  for (const char* answer : {"1", "2"}) {
    SCOPED_TRACE(answer);
    EXPECT_EQ(ScoreFigures(marked, answer), ScoreFigures(original, answer));
  }
}

INSTANTIATE_TEST_SUITE_P(Documents, CorpusRoundTrip, ::testing::ValuesIn(Documents()),
                         [](const auto& info) { return DocumentTestName(info.param, info.index); });

}  // namespace
