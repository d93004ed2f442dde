#include <gtest/gtest.h>

#include "engine/word_rec.h"
#include "element_host.h"
#include "module/app_settings.h"
#include "module/help_launcher.h"
#include "platform/scripted_interaction.h"

namespace {

using Strings = std::vector<std::string>;
constexpr const char* kQuestion =
    "response(\"Find KESta message, User Guide and Help.\", '&Next KESta', '&User Guide', "
    "'&Online Help', '&Cancel')";

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Cursor.Reset();
    Settings.Reset();
    Settings.app.helpFile = "/opt/custom/editinit/KestaHelp.chm";
    Settings.app.userGuideFile = "/opt/custom/editinit/User_guide.pdf";
    host.Add("doc");
  }
  void TearDown() override { Settings.Reset(); }
  ElementHost host;
  RecordedCalls self;
  ScriptedInteraction ui;
};

TEST_F(HelpTest, NextFindsTheNextMarker) {
  host.answers[kQuestion] = "1";
  host.answers["oid_current_tag(0)"] = "(1,42,0)";
  self.results["FindKesta"] = S_FALSE;
  EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  EXPECT_EQ(Cursor.CurrentOid, "(1,42,0)");
  EXPECT_EQ(self.made, (Strings{"FindKesta"}));
  EXPECT_EQ(host.Statuses(), (Strings{"KESta Search complete. NO Message found."}));
}

TEST_F(HelpTest, NextWithAShortIdDoesNothingMore) {
  host.answers[kQuestion] = "1";
  host.answers["oid_current_tag(0)"] = "(1,2)";
  EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  EXPECT_TRUE(self.made.empty());
  EXPECT_TRUE(host.Executed().empty());
}

TEST_F(HelpTest, GuideHelpAndCancel) {
  host.answers[kQuestion] = "2";
  EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  host.answers[kQuestion] = "3";
  EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  Cursor.CurrentOid = "kept";
  host.answers[kQuestion] = "4";
  EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  EXPECT_EQ(Cursor.CurrentOid, "kept");
  ASSERT_EQ(ui.Events().size(), 2u);
  EXPECT_EQ(ui.Events()[0].kind, InteractionEvent::Open);
  EXPECT_EQ(ui.Events()[0].text, "/opt/custom/editinit/User_guide.pdf");
  EXPECT_EQ(ui.Events()[1].kind, InteractionEvent::Help);
  EXPECT_EQ(ui.Events()[1].answer, 1001);
}

TEST_F(HelpTest, TopicShift) {
  for (unsigned id : {0u, 33u, 35u, 39u, 44u}) EXPECT_TRUE(IsShiftedHelpTopic(id)) << id;
  for (unsigned id : {34u, 40u, 43u, 45u, 1001u}) EXPECT_FALSE(IsShiftedHelpTopic(id)) << id;
  ShowHelpTopic(34);
  ShowHelpTopic(44);
  ShowHelpTopic(1);
  ASSERT_EQ(ui.Events().size(), 3u);
  EXPECT_EQ(ui.Events()[0].answer, 34);
  EXPECT_EQ(ui.Events()[1].answer, 1044);
  EXPECT_EQ(ui.Events()[2].answer, 1001);
}

TEST_F(HelpTest, ShortHelpPathOpensNothing) {
  Settings.app.helpFile = "abcdefghijklmno";  // 15 characters
  ShowHelpTopic(1);
  ASSERT_EQ(ui.Events().size(), 1u);
  EXPECT_EQ(ui.Events()[0].kind, InteractionEvent::Box);
  EXPECT_EQ(ui.Events()[0].text, "Error(72) Reload the KestaHelp.chm and support files.");
  EXPECT_EQ(ui.Events()[0].caption, "Missing KESta Help");
  EXPECT_EQ(ui.Events()[0].style, MB_ICONERROR);
}

TEST_F(HelpTest, TitleGetsTheSuffixOnEachCall) {
  host.answers["window_get(\"edit\",\"title\")"] = "manual.xml";
  EXPECT_EQ(ChangeEditWinTitleWork(host), S_OK);
  EXPECT_EQ(host.Executed().back(), "window_set(\"edit\",\"title\",\"manual.xml :: KESta - Active\");");
  host.answers["window_get(\"edit\",\"title\")"] = "manual.xml :: KESta - Active";
  EXPECT_EQ(ChangeEditWinTitleWork(host), S_OK);
  EXPECT_EQ(host.Executed().back(),
            "window_set(\"edit\",\"title\",\"manual.xml :: KESta - Active :: KESta - Active\");");
}

TEST_F(HelpTest, TitleIsSentAsAnEscapedString) {
  host.answers["window_get(\"edit\",\"title\")"] = "my \"best\" C:\\manual.xml";
  EXPECT_EQ(ChangeEditWinTitleWork(host), S_OK);
  EXPECT_EQ(host.Executed().back(),
            "window_set(\"edit\",\"title\",\"my \\\"best\\\" C:\\\\manual.xml :: KESta - Active\");");
  // Cut to its buffer without splitting an escape.
  host.answers["window_get(\"edit\",\"title\")"] = std::string(400, '"');
  EXPECT_EQ(ChangeEditWinTitleWork(host), S_OK);
  std::string sent = host.Executed().back();
  EXPECT_EQ(sent.size(), 254u);
  EXPECT_EQ(sent.substr(sent.size() - 5), "\\\"\");");
}

TEST_F(HelpTest, LongTitleIsCutToItsBuffer) {
  host.answers["window_get(\"edit\",\"title\")"] = std::string(400, 't');
  EXPECT_EQ(ChangeEditWinTitleWork(host), S_OK);
  std::string sent = host.Executed().back();
  EXPECT_EQ(sent.size(), 255u);
  EXPECT_EQ(sent.substr(sent.size() - 3), "\");");
}

}  // namespace
