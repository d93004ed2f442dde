// The quality score and the traffic light in process, against the stand-in
// editor: what each answer does to the document, the dialogs it shows, and
// the refusals that leave the document as it was.
#include "platform/clock.h"
#include "tests/commands/editor_check.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kOldStamp = "<?KESSTA STE=red:ONE SIGMA#1:1:2026-1:1-DEF1?>";
constexpr const char* kStamped =
    "<topic id=\"t\"><?KESSTA STE=red:ONE SIGMA#1:1:2026-1:1-DEF1?><title>Pump</title><body>"
    "<p><?Pub _touchup Kesta=\"2501NONE\" HighltBckclr=\"FFFF66\"?>Glorp<?Pub /_touchup?> the valve.</p>"
    "</body></topic>";

class SixsigmaTest : public EditorCheckTest {
 protected:
  void SetUp() override {
    EditorCheckTest::SetUp();
    Settings.app.wordListCode = "DEF1";
    Settings.app.userName = "Dana Lee";
    SetClockForTesting(LocalTime{2026, 12, 6, 14, 5, 0});
  }
  void TearDown() override {
    EditorCheckTest::TearDown();
    ResetClock();
  }
  // Loads `xml` from a writable file (or under `path` when given).
  void Load(const std::string& xml, const std::string& name = "manual.xml", std::string path = {}) {
    if (path.empty()) path = dir_.Write(name, xml);
    std::string error;
    ASSERT_TRUE(editor_.LoadText(xml, name, &error, path)) << error;
  }

  TempDir dir_;
  ScopedEnv profile_{"KESTA_PROFILE", (dir_.path() / "profile").c_str()};
};

TEST_F(SixsigmaTest, RefusedDocumentsKeepTheirStampAndMarkers) {
  struct Case {
    const char* name;
    const char* path;  // null: a writable file
    HRESULT result;
    const char* box;
  };
  const Case cases[] = {
      {"*scratch*", nullptr, S_FALSE, "KESta(56) This document the wrong type for QA, damaged or empty."},
      {"manual.xml", "/no/such/folder/manual.xml", S_FALSE,
       "WARNING: This file does not have WRITE permission. \nChange to FULL CONTROL or \nContact "
       "support@kesta-checker.example."},
  };
  for (const Case& c : cases) {
    Load(kStamped, c.name, c.path ? c.path : "");
    const std::string before = Saved();
    ui_.Clear();
    ui_.QueueAnswer(1);
    EXPECT_EQ(object_->SixsigmaRead(), c.result) << c.box;
    EXPECT_EQ(Saved(), before) << c.box;
    ASSERT_EQ(ui_.Boxes().size(), 1u) << c.box;
    EXPECT_EQ(ui_.Boxes()[0].text, c.box);
    EXPECT_TRUE(ui_.Dialogs().empty());
  }
}

// A path is the file system's, whatever its letters: in the code page
// ("é", "–"), outside it (Cyrillic, Greek: '?' to the module) or with a '?'
// of its own; the document is scored and stamped.
TEST_F(SixsigmaTest, ScoredUnderAPathOfAnyLetters) {
  for (const char* folder : {"d\u00e9pose", "a\u2013b", "\u0440\u0435\u043c\u043e\u043d\u0442", "x?y/\u00e9\u03b1"}) {
    Load(kStamped, "manual.xml", dir_.Write(std::string(folder) + "/manual.xml", kStamped));
    ui_.Clear();
    ui_.QueueAnswer(2);
    EXPECT_EQ(object_->SixsigmaRead(), S_OK) << folder;
    EXPECT_TRUE(ui_.Boxes().empty()) << folder;
    EXPECT_EQ(Saved().find(kOldStamp), std::string::npos) << folder;
    EXPECT_NE(Saved().find("<?KESSTA Traffic Light="), std::string::npos) << folder;
  }
}

TEST_F(SixsigmaTest, SigmaReportReplacesTheStampAndMarkers) {
  Load(kStamped);
  ui_.QueueAnswer(1);
  EXPECT_EQ(object_->SixsigmaRead(), S_OK);
  ASSERT_EQ(ui_.Dialogs().size(), 1u);
  // "Pump Glorp the valve" and the two sentence ends (the one the reading
  // appends included): 1 in 4 words, 25, two sigma.
  EXPECT_EQ(ui_.Dialogs()[0].opened.Find(322)->text, "Document has 4 words:  1 Error :  One Not Found Word");
  EXPECT_EQ(Quality.averageSentenceLength, 2);
  EXPECT_EQ(Saved(),
            "<topic id=\"t\"><?KESSTA STE=red:TWO SIGMA#6:12:2026-14:5-DEF1?><title>Pump</title><body><p>Glorp the "
            "valve.</p></body></topic>");
}

// One verdict: the report's rating agrees with the praise, and the traffic
// light too, also where the words lie outside a body without a sentence end.
TEST_F(SixsigmaTest, ASixSigmaDocumentIsCongratulatedAndNotStamped) {
  const std::string words = "The pump moves the oil through the valve and the filter to the tank";
  const std::string empty = "<concept id=\"c\"><title>" + words + "</title><shortdesc>" + words +
                            "</shortdesc><conbody><p/></conbody></concept>";
  const std::string removeTheValve = "<title>Pump</title><body><p>Remove the valve.</p></body></topic>";
  const std::string stamped = "<topic>" + std::string(kOldStamp) + removeTheValve;
  for (const auto& [xml, saved] : {std::pair{stamped, "<topic>" + removeTheValve}, std::pair{empty, empty}}) {
    Load(xml);
    ui_.Clear();
    ui_.QueueAnswer(1);
    EXPECT_EQ(object_->SixsigmaRead(), S_OK);
    ASSERT_EQ(ui_.Dialogs().size(), 1u);
    EXPECT_EQ(ui_.Dialogs()[0].opened.Find(271)->text, "EXCELLENT");
    ASSERT_EQ(ui_.Boxes().size(), 1u);
    EXPECT_EQ(ui_.Boxes()[0].text, "Congratulations you have a six sigma document");
    EXPECT_EQ(Saved(), saved);
    ui_.QueueAnswer(2);
    EXPECT_EQ(object_->SixsigmaRead(), S_OK);
    EXPECT_EQ(ui_.Dialogs().back().opened.id, 361u);  // green
  }
}

TEST_F(SixsigmaTest, TrafficLightOfTheLevelAndItsStamp) {
  struct Case {
    std::string text;
    unsigned dialog;
    const char* stamp;
  };
  auto text = [](int sentences) {
    std::string t = "Glorp.";
    for (int i = 0; i < sentences; ++i) t += " Remove the valve.";
    return t;
  };
  // One finding: in 20 words (the title's included) it scores 5.0, five
  // sigma and blue; in 35, 2.86, six sigma and green; in 17, amber. Two in 3: red.
  const Case cases[] = {
      {text(6), 578, "KESSTA Traffic Light=BLUE"},
      {text(11), 361, "KESSTA Traffic Light=GREEN"},
      {text(5), 577, "KESSTA Traffic Light=AMBER"},
      {"Glorp zonk.", 579, "KESSTA Traffic Light=RED"},
  };
  for (const Case& c : cases) {
    Load("<topic><title>T</title><body><p>" + c.text + "</p></body></topic>");
    ui_.Clear();
    ui_.QueueAnswer(2);
    EXPECT_EQ(object_->SixsigmaRead(), S_OK) << c.text;
    ASSERT_EQ(ui_.Dialogs().size(), 1u) << c.text;
    EXPECT_EQ(ui_.Dialogs()[0].opened.id, c.dialog) << c.text << " level " << Quality.qualityLevel;
    // The traffic light's own connection came and went; the score's stayed.
    EXPECT_EQ(Saved(), "<topic><?" + std::string(c.stamp) + "#6:12:2026-14:5-DEF1?><title>T</title><body><p>" +
                           c.text + "</p></body></topic>");
  }
}

TEST_F(SixsigmaTest, ADocumentWithoutWordsGetsALevelAndAColour) {
  Load("<topic><title></title><body><p></p></body></topic>");
  EXPECT_EQ(object_->TrafficLight(), S_OK);  // before any traffic scoring: no dialog
  ui_.QueueAnswer(2);
  EXPECT_EQ(object_->SixsigmaRead(), S_OK);
  int counts = 0;
  for (const auto& c : editor_.Calls()) counts += c.text == "doc_word_count(0,0)";
  EXPECT_EQ(counts, 2);  // a count of 0 is asked again after the check
  EXPECT_EQ(Quality.qualityLevel, 6);
  EXPECT_EQ(Quality.trafficColour, 1);
  ASSERT_EQ(ui_.Dialogs().size(), 1u);
  EXPECT_EQ(ui_.Dialogs()[0].opened.id, 361u);
}
}  // namespace
