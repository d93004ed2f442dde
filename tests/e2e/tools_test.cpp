// The writer's tools through `kesta call`, without a document: the dialogs
// on the console and the clipboard file (the unit table and the term file
// are the tools' own tests).
#include "tests/e2e/check_fixture.h"

namespace {

class ToolCommand : public CheckFixture {
 protected:
  static bool Has(const ProgramRun& run, const std::string& text) { return run.err.find(text) != std::string::npos; }
};

TEST_F(ToolCommand, WordFinderLooksATermUp) {
  ProgramRun run = Kesta({"call", "WordFinder", "--do", "type 203 remove", "--do", "click 1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.empty());
  EXPECT_TRUE(Has(run, "[dialog]   text 204 \"Found: remove [Verb] in CORE\"\n")) << run.err;
  EXPECT_TRUE(run.err.ends_with("[dialog] closed KESta WordFinder -> 2 (Cancel)\n")) << run.err;
}

TEST_F(ToolCommand, VerbSelectorPutsTheVerbOnTheClipboard) {
  ProgramRun run = Kesta({"call", "VerbSelector", "--do", "type 365 tig", "--do", "click 380", "--do", "click 377",
                          "--do", "click 374", "--do", "click 1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run, "[clipboard] Tighten \n")) << run.err;
  EXPECT_EQ(dir_.Read("profile/Kesta_Clipboard.txt"), "Tighten ");
  EXPECT_TRUE(run.err.ends_with("[dialog] closed KESta Verb Selector -> 1 (OK)\n")) << run.err;
}

TEST_F(ToolCommand, MetricConverterWithoutATableAndShowTemp) {
  ProgramRun run = Kesta({"call", "MetricConverter", "--do", "click 77"});
  EXPECT_TRUE(Has(run, "[box KESta Checker] KESta Error(12) Can not open file ")) << run.err;
  EXPECT_TRUE(Has(run, "[dialog] cannot click 77: the dialog has no control 77\n")) << run.err;
  run = Kesta({"call", "ShowTemp", "--do", "click 341"});
  EXPECT_TRUE(Has(run, "KESta will create a new File called:")) << run.err;
}

}  // namespace
