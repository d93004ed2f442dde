// The document check in process, against the stand-in editor: the roads of
// the body reading, the boxes of each failure, and the state it leaves.
#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/run_kesta.h"
#include "editor/editor.h"
#include "element_host.h"
#include "engine/dict_store.h"
#include "engine/message_list.h"
#include "engine/word_rec.h"
#include "host/host_state.h"
#include "platform/scripted_interaction.h"
#include "tests/commands/check_words.h"
#include "tests/support/dict_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class DocumentCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Bridge.Reset();
    Cursor.Reset();
    Check.Reset();
    Check.editTitleSet = true;
    MessageList.Clear();
    WordList.Reset();
    LoadTestDictionaries(check_words::kTechnical, check_words::kCore, check_words::kSynonym);
    editor_.RegisterHostClasses();
  }
  void TearDown() override {
    object_->Release();
    Bridge.Reset();
    WordList.Reset();
    MessageList.Clear();
    Dictionaries.Reset();
  }
  void Load(const std::string& xml, const std::string& name = "manual.xml") {
    std::string error;
    ASSERT_TRUE(editor_.LoadText(xml, name, &error, "/docs/" + name)) << error;
  }
  std::string Saved() const {
    std::string text = editor_.SaveText();
    std::size_t end = text.find("?>\n");
    return end == std::string::npos ? text : text.substr(end + 3);
  }
  Strings Executed() const {
    Strings out;
    for (const auto& c : editor_.Calls())
      if (c.kind == editor::AclCall::Executed) out.push_back(c.text);
    return out;
  }
  bool Sent(const std::string& text) const {
    for (const auto& c : editor_.Calls())
      if (c.text == text) return true;
    return false;
  }

  editor::Editor editor_;
  ScriptedInteraction ui_;
  RunKesta* object_ = new RunKesta();
};

TEST_F(DocumentCheckTest, NoNamedDocument) {
  for (const char* name : {"", "*scratch*", "*scratch2"}) {
    Load("<topic><body><p>Glorp the valve.</p></body></topic>", name);
    editor_.ClearCalls();
    ui_.Clear();
    EXPECT_EQ(object_->ProcessKesta(), S_FALSE) << name;
    ASSERT_EQ(ui_.Boxes().size(), 1u);
    EXPECT_EQ(ui_.Boxes()[0].text, "WARNING! Select a file.");
    EXPECT_EQ(ui_.Boxes()[0].caption, "KESta Text Selection");
    EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONINFORMATION);
    EXPECT_EQ(Executed(), (Strings{"set saverenames=off", "td -partial _touchup"}));
    EXPECT_TRUE(ui_.StatusLines().empty());
  }
}

TEST_F(DocumentCheckTest, TitleChangesOnTheFirstCheckOnly) {
  Check.editTitleSet = false;
  Load("<topic><body><p>Remove the valve.</p></body></topic>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(editor_.WindowTitle().find(" :: KESta - Active"), editor_.WindowTitle().rfind(" :: KESta - Active"));
  EXPECT_NE(editor_.WindowTitle().find(" :: KESta - Active"), std::string::npos);
}

TEST_F(DocumentCheckTest, FindingsListIsEmptyAfterTheCheck) {
  Load("<topic><body><p>Glorp the valve.</p></body></topic>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_TRUE(MessageList.Empty());
  EXPECT_NE(WordList.head, nullptr);  // the word list stays until the next reading
  EXPECT_EQ(ui_.StatusLines().back(), "KESta Messages=(1): F2-View  F6=Show Next");
}

TEST_F(DocumentCheckTest, UnknownRootIsReadWholeWhateverCameBefore) {
  Load("<book><chapter><p>Glorp the valve.</p></chapter></book>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(Cursor.StartTag, "<chapter>");
  Load("<manual><intro><p>Frobnicate the pump.</p></intro><chapter><p>Glorp it.</p></chapter></manual>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(Cursor.StartTag, "");
  EXPECT_NE(Saved().find(">Frobnicate<"), std::string::npos) << Saved();
}

TEST_F(DocumentCheckTest, TagTableRoads) {
  Load("<cmm><intro><p>Frobnicate the pump.</p></intro><pgblk><p>Glorp the valve.</p></pgblk></cmm>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(Cursor.StartTag, "<cmm");
  EXPECT_EQ(Cursor.StartTagCopy, "<pgblk>");
  EXPECT_NE(Saved().find(">Glorp<"), std::string::npos) << Saved();
  Load("<task id=\"t\"><taskbody><p>Glorp the valve.</p></taskbody></task>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(Cursor.StartTag, "<task");
  EXPECT_EQ(Cursor.StartTagCopy, "<task>");
  EXPECT_NE(Saved().find(">Glorp<"), std::string::npos) << Saved();
}

TEST_F(DocumentCheckTest, BodyBeyondTheWalkIsReadFromTheCaretsElement) {
  std::string xml = "<doc><front>";
  for (int i = 0; i < 210; ++i) xml += "<x/>";
  xml += "<p>Frobnicate it.</p></front><body><p>Glorp the valve.</p></body></doc>";
  Load(xml);
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  // The start tag occurs in the text read, which starts there.
  EXPECT_EQ(Saved().find(">Frobnicate<"), std::string::npos);
  EXPECT_NE(Saved().find(">Glorp<"), std::string::npos);
}

TEST_F(DocumentCheckTest, TextIsCutOnlyAtItsOwnEnd) {
  Load("<topic><body><p>Mail to a@@b then glorp the valve. Write @@END here and frobnicate.</p></body></topic>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_NE(Saved().find(">glorp<"), std::string::npos) << Saved();
  EXPECT_NE(Saved().find(">frobnicate<"), std::string::npos) << Saved();
}

TEST_F(DocumentCheckTest, NoStartTagWhenTheWalkFails) {
  Load("<doc><body><p>Glorp the valve.</p></body></doc>");
  // The stamp removal and the marker search meet the failure first (and
  // go on as if they found nothing), then the body reading's walk.
  for (int i = 0; i < 3; ++i) editor_.FailCallMatching("oid_forward");
  EXPECT_EQ(object_->ProcessKesta(), S_FALSE);
  ASSERT_FALSE(ui_.Boxes().empty());
  EXPECT_EQ(ui_.Boxes().back().caption, "KESta File Format");
  EXPECT_EQ(ui_.Boxes().back().text.rfind("Wrong Tag Selection\nor KESta can not find a Start tag.\nContact ", 0), 0u);
}

TEST_F(DocumentCheckTest, FailedReadingMarksNothing) {
  // A check before leaves its word list: the failed reading must not mark it.
  Load("<topic><body><p>Glorp the valve.</p></body></topic>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  Load("<topic><body><p>Frobnicate the pump.</p></body></topic>");
  ui_.Clear();
  editor_.ClearCalls();
  editor_.FailCallMatching("clm;");
  EXPECT_EQ(object_->ProcessKesta(), S_FALSE);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text.rfind("KESta(47) Error: ", 0), 0u);
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta Checker");
  EXPECT_EQ(Saved().find("_touchup"), std::string::npos);
  EXPECT_FALSE(Sent("set pendingdelete=on"));  // the marking never ran
}

TEST_F(DocumentCheckTest, FailedClearingOnTheTagTableRoadMarksNothing) {
  Load("<task id=\"t\"><taskbody><p>Glorp the valve.</p></taskbody></task>");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  Load("<task id=\"t\"><taskbody><p>Frobnicate the pump.</p></taskbody></task>");
  ui_.Clear();
  editor_.ClearCalls();
  editor_.FailCallMatching("clm;");
  EXPECT_EQ(object_->ProcessKesta(), S_FALSE);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text.rfind("File conversion Error: ", 0), 0u);
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta(47) Text Conversion");
  EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONERROR);
  EXPECT_EQ(Saved().find("_touchup"), std::string::npos);
  EXPECT_FALSE(Sent("set pendingdelete=on"));
}

TEST_F(DocumentCheckTest, FailureInTheCheckItself) {
  Load("<topic><body><p>Glorp the valve.</p></body></topic>");
  editor_.FailCallMatching("doc_path()");
  EXPECT_EQ(object_->ProcessKesta(), S_FALSE);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text, "Error(67) Open a file, then use KESta");
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta Error");
  EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONERROR);
}

TEST_F(DocumentCheckTest, MarkerInsertFailure) {
  Load("<topic><body><p>Glorp the valve.</p></body></topic>");
  editor_.FailCallMatching("insert_string");
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].caption, "Text Selection");
  EXPECT_NE(ui_.Boxes()[0].text.find(" KESta error (89) possible alignment or document is READ ONLY."),
            std::string::npos);
}

TEST_F(DocumentCheckTest, SearchThatCannotConnectRemovesNothing) {
  Load("<topic><body><p>Old <?Pub _touchup Kesta=\"2500NONE\" HighltBckclr=\"FFFF66\"?>glorp<?Pub "
       "/_touchup?> text.</p></body></topic>");
  // The check's own ACL object, the stamp removal's, then the search's.
  editor_.FailStage(editor::HostStage::CreateAcl, E_FAIL, 3);
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  for (const std::string& line : ui_.StatusLines()) EXPECT_EQ(line.find("will delete"), std::string::npos);
}

TEST_F(DocumentCheckTest, ChangeTrackingComesBackOn) {
  for (const char* text : {"Glorp the valve.", "Remove the valve."}) {
    Load(std::string("<topic><body><p>") + text + "</p></body></topic>");
    Check.trackChangesWasOn = 1;
    EXPECT_EQ(object_->ProcessKesta(), S_OK);
    EXPECT_EQ(editor_.Option("changetracking"), "on") << text;
    EXPECT_EQ(Check.trackChangesWasOn, 0);
  }
  Load("<topic><body><p>Glorp the valve.</p></body></topic>");
  Check.trackChangesWasOn = 1;
  editor_.FailCallMatching("oid_caret()");
  EXPECT_EQ(object_->ProcessKesta(), S_FALSE);
  EXPECT_EQ(editor_.Option("changetracking"), "on");
}

TEST(DocStartWork, ConversionFailureMarksNothing) {
  ElementHost host;
  int root = host.Add("doc");
  host.Add("body", root, "<body><p>x</p></body>");
  host.conversionFails = true;
  Cursor.Reset();
  ScriptedInteraction ui;
  EXPECT_EQ(GetDocStartWork(host), KESTA_E_BODY_UNREAD);
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_EQ(ui.Boxes()[0].text, "KESta(46) Error: In File conversion");
  EXPECT_EQ(host.Executed().back(), "clm; goto_oid('" + host.Id(1) + "')");
}

TEST(DocStartWork, TagTableConversionFailure) {
  ElementHost host;
  host.Add("task", -1, "<task/>");
  host.conversionFails = true;
  Cursor.Reset();
  ScriptedInteraction ui;
  EXPECT_EQ(GetDocStartWork(host), KESTA_E_BODY_UNREAD);
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_EQ(ui.Boxes()[0].text, "Error: In File conversion");
  EXPECT_EQ(ui.Boxes()[0].caption, "KESta(56) Text Conversion");
}

}  // namespace
