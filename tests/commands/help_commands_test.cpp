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
constexpr const char* kTitle = "window_get(\"edit\",\"title\")";

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

// The four answers: Next (a short id does nothing more), the guide, the
// help, Cancel.
TEST_F(HelpTest, EachAnswer) {
  host.answers[kQuestion] = "1";
  host.answers["oid_current_tag(0)"] = "(1,2)";
  EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  EXPECT_TRUE(self.made.empty());
  EXPECT_TRUE(host.Executed().empty());

  host.answers["oid_current_tag(0)"] = "(1,42,0)";
  self.results["FindKesta"] = S_FALSE;
  EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  EXPECT_EQ(Cursor.CurrentOid, "(1,42,0)");
  EXPECT_EQ(self.made, (Strings{"FindKesta"}));
  EXPECT_EQ(host.Statuses(), (Strings{"KESta Search complete. NO Message found."}));

  Cursor.CurrentOid = "kept";
  for (const char* answer : {"2", "3", "4"}) {
    host.answers[kQuestion] = answer;
    EXPECT_EQ(GetKestaHelpWork(host, self), S_OK);
  }
  EXPECT_EQ(Cursor.CurrentOid, "kept");
  ASSERT_EQ(ui.Events().size(), 2u);
  EXPECT_EQ(ui.Events()[0].kind, InteractionEvent::Open);
  EXPECT_EQ(ui.Events()[0].text, "/opt/custom/editinit/User_guide.pdf");
  EXPECT_EQ(ui.Events()[1].kind, InteractionEvent::Help);
  EXPECT_EQ(ui.Events()[1].answer, 1001);
}

TEST_F(HelpTest, TopicShiftAndShortPath) {
  for (unsigned id : {0u, 33u, 35u, 39u, 44u}) EXPECT_TRUE(IsShiftedHelpTopic(id)) << id;
  for (unsigned id : {34u, 40u, 43u, 45u, 1001u}) EXPECT_FALSE(IsShiftedHelpTopic(id)) << id;
  for (unsigned id : {34u, 44u, 1u}) ShowHelpTopic(id);
  ASSERT_EQ(ui.Events().size(), 3u);
  EXPECT_EQ(ui.Events()[0].answer, 34);
  EXPECT_EQ(ui.Events()[1].answer, 1044);
  EXPECT_EQ(ui.Events()[2].answer, 1001);

  Settings.app.helpFile = "abcdefghijklmno";  // 15 characters: opens nothing
  ShowHelpTopic(1);
  ASSERT_EQ(ui.Events().size(), 4u);
  EXPECT_EQ(ui.Events()[3].kind, InteractionEvent::Box);
  EXPECT_EQ(ui.Events()[3].text, "Error(72) Reload the KestaHelp.chm and support files.");
  EXPECT_EQ(ui.Events()[3].caption, "Missing KESta Help");
  EXPECT_EQ(ui.Events()[3].style, MB_ICONERROR);
}

// The suffix goes on at each call; the title is sent escaped and cut to its
// buffer without splitting an escape, keeping the command's closing.
TEST_F(HelpTest, TitleCommand) {
  const struct {
    std::string title, sent, tail;
    std::size_t size;
  } rows[] = {
      {"manual.xml", "window_set(\"edit\",\"title\",\"manual.xml :: KESta - Active\");", "", 0},
      {"my \"best\" C:\\manual.xml",
       "window_set(\"edit\",\"title\",\"my \\\"best\\\" C:\\\\manual.xml :: KESta - Active\");", "", 0},
      {std::string(400, '"'), "", "\\\"\");", 254},
      {std::string(400, 't'), "", "t\");", 255},
  };
  for (const auto& row : rows) {
    host.answers[kTitle] = row.title;
    EXPECT_EQ(ChangeEditWinTitleWork(host), S_OK);
    const std::string sent = host.Executed().back();
    if (row.size == 0) {
      EXPECT_EQ(sent, row.sent);
    } else {
      EXPECT_EQ(sent.size(), row.size);
      EXPECT_EQ(sent.substr(sent.size() - row.tail.size()), row.tail);
    }
  }
}

}  // namespace
