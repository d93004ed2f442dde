// The report dialogs' contents and the exact bytes of each report file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commands/check_state.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/clock.h"
#include "platform/scripted_interaction.h"
#include "quality/not_found_list.h"
#include "quality/qa_report.h"
#include "quality/quality_stats.h"
#include "quality/sigbox.h"
#include "quality/sigma_report.h"
#include "quality/traffic_dialogs.h"
#include "tests/support/temp_dir.h"
#include "tests/support/word_list_fixture.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string Pad(const std::string& text) { return text + std::string(25 - text.size(), ' '); }

class ReportTest : public ::testing::Test {
 protected:
  static void ResetState() {
    Quality.Reset();
    NotFoundList.Reset();
    Check.Reset();
    Settings.Reset();
    WordList.Reset();
  }
  void SetUp() override {
    ResetState();
    Settings.app.userName = "Dana Lee Smith";
    Settings.app.writerSite = "Hangar 3";
    Settings.app.userCodeLabel = "Dana Lee Smith (DEF1)";
    SetClockForTesting(LocalTime{2026, 12, 6, 14, 5, 0});
  }
  void TearDown() override {
    ResetClock();
    ResetState();
  }
  std::string Profile() const { return (dir_.path() / "profile").string(); }
  std::string ReadReport(const std::string& name) const { return dir_.Read("profile/" + name); }

  TempDir dir_;
  ScopedEnv profile_{"KESTA_PROFILE", (dir_.path() / "profile").c_str()};
  ScriptedInteraction ui_;
};

std::vector<std::string> SpreadsheetLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(bytes.substr(at, end - at));
  return lines;
}

// Readers take the lines by position: 38 lines, categories 1 to 38, even when
// WRONG VERB (category 0, shown in the dialog) has findings.
TEST_F(ReportTest, SigmaSpreadsheetHasTheLinesOfCategoriesOneTo38) {
  Quality.messageClassCounters[0][0] = 4;
  Quality.messageClassCounters[1][0] = 3;
  Quality.messageClassCounters[25][0] = 12;
  Quality.messageClassCounters[38][0] = 1;
  Quality.messageClassCounters[39][0] = 9;
  std::string bytes = SigmaReportBytes();
  ASSERT_EQ(bytes.size(), 1024u);
  std::vector<std::string> lines = SpreadsheetLines(bytes);
  ASSERT_EQ(lines.size(), 38u);
  struct Line {
    std::size_t index;
    const char* text;
  };
  for (const Line& l : {Line{0, "WRONG CHOICE\t3"}, Line{1, "AWKWARD\t0"}, Line{23, "WRONG MEANING\t0"},
                        Line{24, "NOT-IN-DICTIONARY\t12"}, Line{36, "PUNCTUATION\t0"}, Line{37, "GERUND\t1"}})
    EXPECT_EQ(lines[l.index], l.text) << l.index;
  EXPECT_EQ(bytes.find("WRONG VERB"), std::string::npos);
  const std::size_t end = bytes.find("GERUND\t1\r\n") + 10;
  EXPECT_EQ(bytes.find_first_not_of('\0', end), std::string::npos);
  // The largest counts still fit in the block.
  for (auto& slot : Quality.messageClassCounters) slot[0] = -2147483647 - 1;
  EXPECT_EQ(SigmaReportBytes().size(), 1024u);
  EXPECT_EQ(SpreadsheetLines(SigmaReportBytes()).back(), "GERUND\t-2147483648");
}

TEST_F(ReportTest, NotFoundWordsWithTheirContextOnce) {
  TestWords words({{"Fit", 20},
                   {"the", 64},
                   {"glorp", 40, nullptr, "msg=325"},
                   {"housing", 10},
                   {".", 48},
                   {"Glorp", 40, nullptr, "msg=325"},           // a sentence start, with a capital: once
                   {"is", 24},
                   {"xy", 40, nullptr, "msg=325"},              // too short
                   {",", 47},
                   {"zonk", 40, nullptr, "msg=325"},            // after punctuation: no left context
                   {"averyveryverylongunknownwordindeed", 40, nullptr, "msg=325"},
                   {"at", 60},
                   {"\x1A" "bar", 40, nullptr, "msg=325"},     // a letter the code page cannot hold
                   {"blip", 40, nullptr, "msg=325"}});          // before the sentinel: no right context
  std::vector<NotFoundRow> rows = CollectNotFoundWords(words.head());
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(NotFoundList.entries,
            (std::vector<std::string>{
                "Ref(1)  " + Pad("the") + "\t" + Pad("glorp") + "\t" + Pad("housing") + "\r\n",
                "Ref(2)  " + Pad("") + "\t" + Pad("zonk") + "\t" + Pad("averyveryverylongunknown") + "\r\n",
                "Ref(3)  " + Pad("zonk") + "\t" + Pad("averyveryverylongunknown") + "\t" + Pad("") + "\r\n",
                "Ref(4)  " + Pad("at") + "\t" + Pad("?bar") + "\t" + Pad("blip") + "\r\n",
                "Ref(5)  " + Pad("?bar") + "\t" + Pad("blip") + "\t" + Pad("") + "\r\n",
            }));
  EXPECT_EQ(rows[1].right, "averyveryverylongunknown ");
}

// The rating's text, its marks and its face follow the level; classes without
// a category are not counted; the word list is freed.
TEST_F(ReportTest, SigboxShowsClassesRatingAndNotFoundWordsAndFreesTheList) {
  struct Case {
    int level;
    const char* rating;
    int marks;
    unsigned mark, face;
  };
  for (const Case& c : {Case{1, "POOR", 1, 350, 353}, Case{5, "VERY GOOD", 5, 348, 355}, Case{0, "", 0, 0, 0}}) {
    ui_.Clear();
    TestWords words({{"the", 64}, {"glorp", 40, nullptr, "msg=325"}, {"valve", 10}, {".", 48}});
    Quality.qualityLevel = c.level;
    Quality.docWordCount = 120;
    Quality.messageClassCounters[0][0] = 2;
    Quality.messageClassCounters[25][0] = 1;
    Quality.messageClassCounters[39][0] = 7;
    CSigbox dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(WordList.head, nullptr);
    const DialogState& d = ui_.Dialogs().at(0).opened;
    EXPECT_EQ(d.Find(270)->rows, (Rows{{"WRONG VERB", "2"}, {"NOT-IN-DICTIONARY", "1"}}));
    EXPECT_EQ(d.Find(248)->rows, (Rows{{Pad("the"), Pad("glorp"), Pad("valve")}}));
    EXPECT_EQ(d.Find(271)->text, c.rating) << c.level;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d.Find(309 + i)->image.id, i < c.marks ? c.mark : 0u) << c.level << i;
    EXPECT_EQ(d.Find(317)->image.id, c.face) << c.level;
    EXPECT_EQ(d.Find(322)->text, "Document has 120 words:  3 Error :  One Not Found Word");
    EXPECT_EQ(d.Find(322)->textColour, RGB(246, 11, 83));
  }
}

TEST_F(ReportTest, SigboxSummaryAndItsTwoReportFiles) {
  Quality.qualityLevel = 2;
  Quality.docWordCount = 40;
  Quality.messageClassCounters[11][0] = 3;
  {
    TestWords none({{"valve", 10}, {".", 48}});
    ui_.QueueAction("click 296");
    CSigbox dialog;
    dialog.DoModal();
    EXPECT_EQ(ui_.Dialogs()[0].opened.Find(322)->text, "Document has 40 words:  3 Errors :  Zero Not Found Words");
    ASSERT_EQ(ui_.Boxes().size(), 1u);
    EXPECT_EQ(ui_.Boxes()[0].text, "There are no NOT FOUND words in the list.");
    EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONERROR);
  }
  ui_.Clear();
  TestWords two({{"glorp", 40, nullptr, "msg=325"}, {"zonk", 40, nullptr, "msg=325"}, {".", 48}});
  ui_.QueueAction("click 1");
  ui_.QueueAction("click 296");
  CSigbox dialog;
  dialog.DoModal();
  const RecordedDialog& d = ui_.Dialogs()[0];
  EXPECT_EQ(d.opened.Find(322)->text, "Document has 40 words:  3 Errors :  2 Not Found Words");
  std::string xls = Profile() + "/Kesta_6Sigma_Report.xls";
  std::string txt = Profile() + "/Kesta_NotFound_Report.txt";
  ASSERT_EQ(ui_.Boxes().size(), 2u);
  EXPECT_EQ(ui_.Boxes()[0].text, "Hello Dana:  Wrote Kesta_6Sigma_report.xls:\n[Excel Format]=" + xls);
  EXPECT_EQ(d.closed.Find(227)->text, "Wrote NotFound_report.txt: " + txt);
  EXPECT_EQ(ReadReport("Kesta_6Sigma_Report.xls"), SigmaReportBytes());
  EXPECT_EQ(ReadReport("Kesta_NotFound_Report.txt"),
            "<<<  List of Words or terms Not Found in the Dictionaries  <<<\r\n"
            "Ref(1)  " + Pad("") + "\t" + Pad("glorp") + "\t" + Pad("zonk") + "\r\n" +
            "Ref(2)  " + Pad("glorp") + "\t" + Pad("zonk") + "\t" + Pad("") + "\r\n");
}

TEST_F(ReportTest, ReportsRefusedWithTheRealErrorAndNothingWrittenElsewhere) {
  std::filesystem::create_directories(Profile() + "/Kesta_6Sigma_Report.xls");  // cannot be opened as a file
  {
    TestWords one({{"glorp", 40, nullptr, "msg=325"}, {".", 48}});
    ui_.QueueAction("click 1");
    CSigbox dialog;
    dialog.DoModal();
  }
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text,
            "KESta(67) Can not open handle KESta_6Sigma_Report:\nError Code 21\nCheck permissions to WRITE.");
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta File Error");

  // No profile folder at all: refused, not written to the current folder.
  ScopedEnv noProfile("KESTA_PROFILE", (dir_.path() / "a" / "b").c_str());
  ui_.Clear();
  Quality.trafficColour = 2;
  ui_.QueueAction("click 1");
  CTrafficAmber amber;
  EXPECT_EQ(amber.DoModal(), IDCANCEL);  // the dialog stayed open after the failure
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text,
            "KESta(67) Can not open handle KESta_QA_Report:\nError Code 2\nCheck permissions to WRITE.");
  EXPECT_FALSE(std::filesystem::exists("Kesta_QA_Report.txt"));
}

// The profile folder's letters outside the code page reach the module as
// '?': the report goes to the very folder named, not to one beside it that
// the code page shows alike.
TEST_F(ReportTest, ReportsGoToTheVeryProfileFolderNamed) {
  const std::filesystem::path pr = dir_.path() / "pr", named = pr / "\u043f\u0430\u043f\u043a\u0430";
  std::filesystem::create_directories(named);
  std::filesystem::create_directories(pr / "\u043e\u0442\u0447\u0451\u0442");
  ScopedEnv profile("KESTA_PROFILE", named.c_str());
  ui_.QueueAction("click 1");
  CTrafficAmber amber;
  amber.DoModal();
  EXPECT_TRUE(std::filesystem::exists(named / "Kesta_QA_Report.txt"));
}

TEST_F(ReportTest, TrafficDialogsAndTheQaReport) {
  Quality.errorCount = 3;
  Quality.reportWordCount = 120;
  Quality.averageSentenceLength = 10;
  Check.documentPath = "/docs/manuals/pump.xml";
  FormatReportLines();

  // Each dialog's picture and text, and the level line of its report.
  struct Case {
    int picture;
    unsigned bitmap;
    int textControl;
    const char* text;
    const char* level;
  };
  const Case cases[] = {{370, 403, 377, "AMBER LIGHT (Average):\r\nKESta found 3 errors", "AMBER LIGHT (Average):\r\n"},
                        {384, 410, 383, "BLUE LIGHT (Very Good):\r\nKESta found", "BLUE (QDX) LIGHT (Average):\r\n"}};
  for (const Case& c : cases) {
    ui_.Clear();
    ui_.QueueAction("click 1");
    std::unique_ptr<CDialog> dialog;
    if (c.picture == 370) dialog = std::make_unique<CTrafficAmber>();
    else dialog = std::make_unique<CTrafficBlue>();
    EXPECT_EQ(dialog->DoModal(), IDOK);
    const DialogState& d = ui_.Dialogs()[0].opened;
    EXPECT_EQ(d.Find(c.picture)->image.id, c.bitmap);
    EXPECT_TRUE(d.Find(c.textControl)->text.starts_with(c.text)) << d.Find(c.textControl)->text;
    EXPECT_EQ(d.Find(375)->text, "By: Dana Lee Smith (DEF1)");
    const std::string report = ReadReport("Kesta_QA_Report.txt");
    EXPECT_NE(report.find("Time: 14:5 \r\n" + std::string(c.level) + "KESta found"), std::string::npos) << report;
    ASSERT_EQ(ui_.Boxes().size(), 1u);
    EXPECT_EQ(ui_.Boxes()[0].text,
              "Hello Dana:  Wrote Kesta_QA_report.txt:\n[Print]=" + Profile() + "/Kesta_QA_Report.txt");
  }
  EXPECT_EQ(ReadReport("Kesta_QA_Report.txt"),
            "<<<  KESta QA Report Summary >>>\r\n/docs/manuals/pump.xml\r\nDate: 6:12:2026  Time: 14:5 \r\n"
            "BLUE (QDX) LIGHT (Average):\r\nKESta found 3 errors in 120 words.\r\nAverage sentence length: 10 "
            "words.\r\nWriter Dana Lee Smith at Hangar 3\r\n\r\nGot a question - Ask support@kesta-checker.example");
  // Long fields are written whole.
  Check.documentPath = std::string(250, 'p');
  Settings.app.writerSite = std::string(127, 's');
  Settings.app.userName = std::string(79, 'u');
  std::string report = QaReportText(2);
  EXPECT_GT(report.size(), 511u);
  EXPECT_NE(report.find(std::string(127, 's') + "\r\n\r\nGot a question"), std::string::npos);
}

TEST_F(ReportTest, GreenDialogWritesItsOwnReportInTheProfileFolder) {
  Check.documentPath = "/docs/manuals/engine/fuel/system/pump.xml";
  FormatReportLines();
  ui_.QueueAction("click 1");
  CTraffic green;
  EXPECT_EQ(green.DoModal(), IDOK);
  EXPECT_EQ(ui_.Dialogs()[0].opened.Find(374)->text,
            "GREEN LIGHT (Excellent):\r\nThis document is near or at Six Sigma quality. Concise and easy-to-read and "
            "translate.");
  EXPECT_EQ(ui_.Dialogs()[0].opened.Find(368)->image.id, 401u);
  std::string path = Profile() + "/Kesta_Traffic_Report.txt";
  EXPECT_EQ(Quality.trafficReportFile, path);
  EXPECT_EQ(ReadReport("Kesta_Traffic_Report.txt"),
            "<<< KESta - QA Traffic Light Report >>>\r\nGREEN LIGHT (Excellent):\r\nThis document is near or at Six "
            "Sigma quality. Concise and easy-to-read and translate.\r\nFile Path Name: \r\n(Print "
            "locally)/docs/manuals/engine/fuel/system/\npump.xml\r\n\r\nBy: Dana Lee Smith (DEF1)\r\n Today: "
            "6:12:2026");
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text, "Wrote: Traffic Report called " + path + "\r\n");
}

TEST(FoldPath, BreaksAfterSeparatorsLateInTheLine) {
  struct Case {
    std::string path;
    std::string folded;
  };
  const Case cases[] = {
      {"short\\path.xml", "short\\path.xml"},
      // 40 characters, the only separator after the 31st at the 35th.
      {"C:\\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\\bbbb.xml",
       "C:\\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\\\nbbbb.xml"},
      {std::string(30, 'a') + "\\" + "c", std::string(30, 'a') + "\\c"},
  };
  for (const Case& c : cases) EXPECT_EQ(FoldPath(c.path), c.folded) << c.path;
}

}  // namespace
