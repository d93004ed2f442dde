// `kesta call SixsigmaRead` and `kesta call TrafficLight` with their dialogs
// on the console, the report files in the profile folder, and the stamp
// taken out again by RemoveKestaPi.
#include <filesystem>
#include <algorithm>
#include <regex>

#include "platform/files.h"

#include "tests/e2e/check_fixture.h"
#include "tests/support/corpus.h"

namespace {

class QualityCommand : public CheckFixture {
 protected:
  std::string Path(const std::string& name) const { return (dir_.path() / name).string(); }
  static std::string Stamp(const std::string& doc) {
    std::smatch m;
    std::regex_search(doc, m, std::regex("<\\?KESSTA [^?]*\\?>"));
    return m.empty() ? std::string() : m.str();
  }
};

TEST_F(QualityCommand, SigmaReportWritesItsFilesAndTheStampComesOutAgain) {
  const std::string xml = "<topic><title>Pump</title><body><p>Glorp the valve. Remove the zonk.</p></body></topic>";
  std::string doc = dir_.Write("doc.xml", xml);
  ProgramRun run = Kesta({"call", "SixsigmaRead", doc, "--answer", "1", "--do", "click 1", "--do", "click 296",
                          "-o", Path("scored.xml")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("[response] Select Sigma for full report, or Traffic Light. -> 1\n"), std::string::npos);
  EXPECT_NE(run.err.find("[dialog]     1  | NOT-IN-DICTIONARY | 2 |\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("[dialog]   text 322 \"Document has 7 words:  2 Errors :  2 Not Found Words\"\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("[dialog] > click 296\n"), std::string::npos);
  // The report closes, then kesta names the file it wrote.
  EXPECT_TRUE(run.err.ends_with("[dialog] > close\n[dialog] closed KESta Six Sigma-  Quality Report -> 2 (Cancel)\n"
                                "kesta: wrote " + Path("scored.xml") + "\n"))
      << run.err;
  std::string scored = dir_.Read("scored.xml");
  EXPECT_TRUE(std::regex_match(Stamp(scored), std::regex(R"(<\?KESSTA STE=red:ONE SIGMA#\d+:\d+:\d{4}-\d+:\d+-DEF1\?>)")))
      << scored;
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "profile/Kesta_NotFound_Report.txt"));

  run = Kesta({"call", "RemoveKestaPi", Path("scored.xml")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Body(run.out), xml);
}

// The score counts the findings of every body: both chapters of a book, not
// its info.
TEST_F(QualityCommand, EveryBodyIsScored) {
  const std::string xml = "<book><info><title>Frobnicate</title></info><chapter><para>Glorp the valve.</para>"
                          "</chapter><chapter><para>Remove the zonk.</para></chapter></book>";
  ProgramRun run = Kesta({"call", "SixsigmaRead", dir_.Write("doc.xml", xml), "--answer", "1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("| Remove                    | zonk "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("[dialog]   text 322 \"Document has 7 words:  2 Errors :  2 Not Found Words\"\n"),
            std::string::npos)
      << run.err;
}

// Check, then score: the score takes the markers out and scores the
// document as it does the unchecked one, with either report: the samples,
// documents whose root the table does not know or whose body is missing
// (read from the root), and a marker inside a word.
TEST_F(QualityCommand, CheckedDocumentsAreScoredAsUnchecked) {
  std::vector<std::string> documents = {
      "<chapter><title>T</title><para>Utilize the pump.</para></chapter>",
      "<concept id=\"c\"><title>T</title><shortdesc>Glorp the pump.</shortdesc></concept>",
      "<section><title>T</title><para>Set the &amp; pump. Glorp the valve.</para></section>",
      "<map><title>Glorp maps</title><topicref href=\"a.dita\"/></map>",
      "<topic><body><p>It depends on the installed plug-ins and the tool.</p></body></topic>",
  };
  for (const std::filesystem::path& sample : FilesBelow(std::filesystem::path(KESTA_SOURCE_DIR) / "data/samples")) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(sample.string(), &bytes));
    documents.push_back(bytes);
  }
  ASSERT_EQ(documents.size(), 19u);
  const std::string custom = Path("custom");
  for (const std::string& doc : documents) {
    SCOPED_TRACE(doc.substr(0, 80));
    ProgramRun checked = Kesta({"check", dir_.Write("doc.xml", doc), "-o", Path("marked.xml")});
    ASSERT_LE(checked.status, 1) << checked.err;
    const std::string marked = dir_.Read("marked.xml");
    for (const char* answer : {"1", "2"}) {
      const std::string figures = ScoreFigures(doc, answer, custom);
      EXPECT_EQ(ScoreFigures(marked, answer, custom), figures) << answer;
      EXPECT_TRUE(figures.find("KESSTA") != std::string::npos || figures.find(" 0 Errors") != std::string::npos)
          << answer << " " << figures;
    }
  }
}

TEST_F(QualityCommand, ADialogNobodyActsOnClosesAsCancelAndCancelKeepsTheStamp) {
  std::string xml = "<topic><?KESSTA STE=red:ONE SIGMA#1:1:2026-1:1-DEF1?><title>T</title><body><p>Glorp.</p></body></topic>";
  std::string doc = dir_.Write("doc.xml", xml);
  ProgramRun run = Kesta({"call", "SixsigmaRead", doc, "--answer", "3"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Body(run.out), xml);
  run = Kesta({"call", "SixsigmaRead", doc, "--answer", "1"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("[dialog] > close\n[dialog] closed KESta Six Sigma-  Quality Report -> 2 (Cancel)\n"),
            std::string::npos)
      << run.err;
}

// Scored again and again, a root of text holds one stamp, whose removal
// gives the file back byte for byte.
TEST_F(QualityCommand, ScoredAgainAFileHoldsOneStamp) {
  for (const char* root :
       {"<para>Stop the pump before you open the valve.</para>\n", "<chapter>Utilize the pump.</chapter>\n"}) {
    const std::string xml = std::string("<?xml version=\"1.0\"?>\n") + root;
    const std::string doc = dir_.Write("doc.xml", xml);
    for (const char* answer : {"2", "1", "2"}) {
      ASSERT_EQ(Kesta({"call", "SixsigmaRead", doc, "--answer", answer, "-i"}).status, 0);
      const std::string scored = dir_.Read("doc.xml");
      EXPECT_EQ(scored.find("<?KESSTA", scored.find("<?KESSTA") + 1), std::string::npos) << scored;
    }
    ASSERT_EQ(Kesta({"call", "RemoveKestaPi", doc, "-i"}).status, 0);
    EXPECT_EQ(dir_.Read("doc.xml"), xml);
  }
}

// Every kesta run is a module run of its own, so TrafficLight called alone
// has no scoring to show: kesta says so, and the document stays as it was.
TEST_F(QualityCommand, TrafficLightAloneSaysWhyItShowsNothing) {
  const std::string xml = "<topic><title>T</title><body><p>Glorp the valve.</p></body></topic>";
  std::string doc = dir_.Write("doc.xml", xml);
  for (const char* method : {"TrafficLight", "trafficlight"}) {
    ProgramRun run = Kesta({"call", method, doc});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Body(run.out), xml);
    EXPECT_EQ(run.err.find("[dialog]"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("kesta: no traffic light to show: TrafficLight shows the last traffic scoring of the "
                           "same module run"),
              std::string::npos)
        << run.err;
  }
}

TEST_F(QualityCommand, CorpusDocumentScoredAndUnstamped) {
  const std::filesystem::path corpus = CorpusDir() / "dita";
  const std::vector<std::filesystem::path> files = CorpusDocuments(corpus);
  if (files.empty()) GTEST_SKIP() << CorpusMissing(corpus);
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(files.front().string(), &bytes));
  std::string doc = dir_.Write("corpus" + files.front().extension().string(), bytes);
  ProgramRun plain = Kesta({"call", "RemoveKestaPi", doc});
  ASSERT_EQ(plain.status, 0) << plain.err;
  ProgramRun run = Kesta({"call", "SixsigmaRead", doc, "--answer", "2", "-o", Path("scored.xml")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(Stamp(dir_.Read("scored.xml")).empty());
  run = Kesta({"call", "RemoveKestaPi", Path("scored.xml")});
  EXPECT_EQ(run.out, plain.out);
}

}  // namespace
