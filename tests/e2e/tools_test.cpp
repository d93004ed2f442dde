// The writer's tools through `kesta call`, without a document: the dialogs
// on the console, the clipboard file, the bundled unit table, the term file.
#include <filesystem>

#include "tests/e2e/check_fixture.h"

namespace {

class ToolCommand : public CheckFixture {
 protected:
  static bool Has(const ProgramRun& run, const std::string& text) { return run.err.find(text) != std::string::npos; }
};

TEST_F(ToolCommand, WordFinderLooksATermUp) {
  ProgramRun run = Kesta({"call", "WordFinder", "--do", "type 203 remove", "--do", "click 1", "--do",
                          "type 203 shut", "--do", "click 1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.empty());
  EXPECT_TRUE(Has(run, "[dialog]   text 204 \"Found: remove [Verb] in CORE\"\n")) << run.err;
  EXPECT_TRUE(Has(run, "[dialog]   text 204 \"shut : WRONG_VERB\n[dialog]       KESta Suggestions:-\n"
                       "[dialog]       -  Close\n"))
      << run.err;
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

TEST_F(ToolCommand, MetricConverterWithTheBundledTable) {
  std::filesystem::copy_file(std::string(KESTA_SOURCE_DIR) + "/data/custom/dictionaries/metric.txt",
                             dir_.path() / "custom" / "dictionaries" / "metric.txt");
  ProgramRun run = Kesta({"call", "MetricConverter", "--do", "type 260 -40", "--do", "select 262 Fahrenheit to Celsius",
                          "--do", "click 370", "--do", "type 260 12", "--do", "select 262 inches to millimetres",
                          "--do", "click 370"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run, "[dialog]   edit 260 \"-40 \xC2\xB0" "F\"\n")) << run.err;
  EXPECT_TRUE(Has(run, "[dialog]   edit 261 \"-40.0&deg;C\"\n")) << run.err;
  EXPECT_TRUE(Has(run, "[dialog]   edit 261 \"12 inches (304.8 mm)\"\n")) << run.err;

  // Without a table: its box, and a converter with no conversions.
  std::filesystem::remove(dir_.path() / "custom" / "dictionaries" / "metric.txt");
  run = Kesta({"call", "MetricConverter", "--do", "click 370"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(Has(run, "[box KESta Checker] KESta Error(12) Can not open file ")) << run.err;
  EXPECT_TRUE(Has(run, "[box KESta Checker] Select a conversion for the VALUE.\n")) << run.err;
}

TEST_F(ToolCommand, ShowTempKeepsTheTermFile) {
  ProgramRun run = Kesta({"call", "ShowTemp", "--do", "type 340 bleed screw", "--do", "click 345", "--do", "click 343",
                          "--do", "click 341"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run, "KESta will create a new File called:")) << run.err;
  EXPECT_TRUE(Has(run, "[dialog]     1  | bleed screw$ NC|")) << run.err;
  std::string file = dir_.Read("custom/dictionaries/Word_List_DEF1.txt");
  EXPECT_TRUE(file.starts_with("bleed screw$ NC|")) << file;
  EXPECT_TRUE(file.ends_with("\r\n"));

  // The next opening lists it; removing it and closing empties the file.
  run = Kesta({"call", "ShowTemp", "--do", "dblclick 371 1", "--do", "click 341"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run, "[dialog]   text 354 \"1 Entry. Terms expire 10 days\"\n")) << run.err;
  EXPECT_EQ(dir_.Read("custom/dictionaries/Word_List_DEF1.txt"), "");
}

}  // namespace
