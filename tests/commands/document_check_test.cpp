// The document check and the search, removal and marking commands in
// process, against the stand-in editor: the roads of the body reading, the
// boxes of each failure, the state it leaves, the markers written and removed.
#include <gtest/gtest.h>

#include "commands/document_passes.h"
#include "commands/findings_view.h"
#include "engine/message_list.h"
#include "findings_fixture.h"
#include "element_host.h"
#include "tests/commands/editor_check.h"

namespace {

using Strings = std::vector<std::string>;

std::string Topic(const std::string& text) { return "<topic><body><p>" + text + "</p></body></topic>"; }

std::string Marker(const std::string& value, const std::string& colour, const std::string& text) {
  return "<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour + "\"?>" + text + "<?Pub /_touchup?>";
}

class DocumentCheckTest : public EditorCheckTest {
 protected:
  void SetUp() override {
    EditorCheckTest::SetUp();
    ClearFindings();
  }
  void Load(const std::string& xml, const std::string& name = "manual.xml") {
    std::string error;
    ASSERT_TRUE(editor_.LoadText(xml, name, &error, "/docs/" + name)) << error;
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
  std::string Eval(const std::string& e) {
    std::string out;
    EXPECT_EQ(editor_.Evaluate(e, &out), S_OK) << e;
    return out;
  }
  bool Marked(const std::string& word) const { return Saved().find(">" + word + "<") != std::string::npos; }
};

TEST_F(DocumentCheckTest, NoNamedDocument) {
  for (const char* name : {"", "*scratch*", "*scratch2"}) {
    Load(Topic("Glorp the valve."), name);
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
  Load(Topic("Remove the valve."));
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  EXPECT_EQ(editor_.WindowTitle().find(" :: KESta - Active"), editor_.WindowTitle().rfind(" :: KESta - Active"));
  EXPECT_NE(editor_.WindowTitle().find(" :: KESta - Active"), std::string::npos);
}

// Where the body is read from: the start tags found, the words checked and
// those left out. An unknown root is read whole whatever came before; task
// takes the tag-table road (cmm too: see the end-to-end types); a body
// beyond the walk is read from the caret's element, from the body on (the
// cut at the sentinel is the body text's own test). Every body is read, in document order: the
// bodies of nested topics without their titles and prologs, a book from its
// first chapter to its end without its info. Rows run in order.
TEST_F(DocumentCheckTest, BodyReadingRoads) {
  std::string beyond = "<doc><front>";
  for (int i = 0; i < 210; ++i) beyond += "<x/>";
  beyond += "<p>Frobnicate it.</p></front><body><p>Glorp the valve.</p></body></doc>";
  std::string bookBeyond = "<book><info><title>Infoword here</title>";
  for (int i = 0; i < 210; ++i) bookBeyond += "<x/>";
  bookBeyond += "</info><chapter xml:id=\"c1\"><p>Glorp it.</p></chapter><chapter><p>Frobnicate it.</p></chapter></book>";
  const struct {
    std::string xml;
    const char *startTag, *startTagCopy;
    Strings marked, unmarked;
  } rows[] = {
      {"<book><chapter><p>Glorp the valve.</p></chapter></book>", "<chapter>", nullptr, {"Glorp"}, {}},
      {"<manual><intro><p>Frobnicate the pump.</p></intro><chapter><p>Glorp it.</p></chapter></manual>", "", nullptr,
       {"Frobnicate"}, {}},
      {"<task id=\"t\"><taskbody><p>Glorp the valve.</p></taskbody></task>", "<task", "<task>", {"Glorp"}, {}},
      {beyond, nullptr, nullptr, {"Glorp"}, {"Frobnicate"}},
      {bookBeyond, "<chapter>", nullptr, {"Glorp", "Frobnicate"}, {"Infoword"}},
      {"<concept id=\"c\"><title>Zorkle here</title><conbody><p>Glorp it.</p></conbody>"
       "<concept id=\"c2\"><title>Quaxle here</title><prolog><author>Prologword here</author></prolog>"
       "<conbody><p>Frobnicate it.</p></conbody><related-links><link><linktext>Linkword here</linktext></link>"
       "</related-links></concept></concept>",
       "<conbody>", "<conbody>", {"Glorp", "Frobnicate"}, {"Zorkle", "Quaxle", "Prologword", "Linkword"}},
      {"<reference id=\"r\"><title>T</title><refbody><p>Glorp it.</p></refbody><task id=\"t\"><title>Quaxle here</title>"
       "<taskbody><steps><step><cmd>Frobnicate it.</cmd></step></steps></taskbody><concept id=\"c\"><title>T</title>"
       "<conbody><p>Wibble it.</p></conbody></concept></task><topic id=\"x\"><title>T</title><body><p>Zonk it.</p>"
       "</body></topic></reference>",
       "<refbody>", "<refbody>", {"Glorp", "Frobnicate", "Wibble", "Zonk"}, {"Quaxle"}},
      {"<task id=\"t\"><title>T</title><taskbody><p>Glorp it.</p></taskbody><concept id=\"c\"><title>T</title>"
       "<conbody><p>Frobnicate it.</p></conbody></concept></task>",
       "<task", "<task>", {"Glorp", "Frobnicate"}, {}},
      {"<book><info><title>Infoword here</title></info><chapter><title>One</title><p>Glorp it.</p></chapter>"
       "<chapter><p>Frobnicate it.</p></chapter><appendix><p>Wibble it.</p></appendix></book>",
       "<chapter>", "<chapter>", {"Glorp", "Frobnicate", "Wibble"}, {"Infoword"}},
      {"<dmodule><identAndStatusSection><dmAddress><dmTitle><techName>Identword here</techName></dmTitle></dmAddress>"
       "</identAndStatusSection><content><description><para>Glorp it.</para></description></content></dmodule>",
       "<content>", "<content>", {"Glorp"}, {"Identword"}},
      {"<article><para>Remove the valve.</para><itemizedlist><listitem><simpara>Glorp it.</simpara></listitem>"
       "</itemizedlist></article>",
       "<article>", nullptr, {"Glorp"}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.xml.substr(0, 40));
    Load(row.xml);
    EXPECT_EQ(object_->ProcessKesta(), S_OK);
    if (row.startTag) { EXPECT_EQ(Cursor.StartTag, row.startTag); }
    if (row.startTagCopy) { EXPECT_EQ(Cursor.StartTagCopy, row.startTagCopy); }
    for (const std::string& word : row.marked) EXPECT_TRUE(Marked(word)) << word << "\n" << Saved();
    for (const std::string& word : row.unmarked) EXPECT_EQ(Saved().find(word + "<?Pub"), std::string::npos) << word;
    EXPECT_EQ(ui_.Boxes().size(), 0u);  // no finding lost
    EXPECT_TRUE(MessageList.Empty());
    EXPECT_NE(WordList.head, nullptr);  // the word list stays until the next reading
    ui_.Clear();
  }
}

// Each failure's box and result; the body reading's boxes give the system's
// words, not the host's. A failed reading after an earlier check must not
// mark that check's word list (the marking never runs).
TEST_F(DocumentCheckTest, FailureBoxes) {
  const std::string task = "<task id=\"t\"><taskbody><p>Glorp the valve.</p></taskbody></task>";
  const struct {
    std::string xml;
    const char* fail;
    int times;
    HRESULT result;
    const char *text, *caption;
    bool checkedBefore;
  } rows[] = {
      // The stamp removal and the marker search meet the failure first (and
      // go on as if they found nothing), then the body reading's walk.
      {"<doc><body><p>Glorp the valve.</p></body></doc>", "oid_forward", 3, S_FALSE,
       "Wrong Tag Selection\nor KESta can not find a Start tag.\nContact ", "KESta File Format", false},
      {Topic("Frobnicate the pump."), "clm;", 1, S_FALSE, "KESta(47) Error: Unspecified error", kAppTitle, true},
      {task, "clm;", 1, S_FALSE, "File conversion Error: Unspecified error", "KESta(47) Text Conversion", true},
      {Topic("Glorp the valve."), "doc_path()", 1, S_FALSE, "Error(67) Open a file, then use KESta", "KESta Error",
       false},
      {Topic("Glorp the valve."), "insert_string", 1, S_OK,
       " KESta error (89) possible alignment or document is READ ONLY.", "Text Selection", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.fail);
    if (row.checkedBefore) {
      Load(row.xml.find("<task") == 0 ? task : Topic("Glorp the valve."));
      EXPECT_EQ(object_->ProcessKesta(), S_OK);
    }
    Load(row.xml);
    ui_.Clear();
    editor_.ClearCalls();
    for (int i = 0; i < row.times; ++i) editor_.FailCallMatching(row.fail, E_FAIL, "the mark is held");
    EXPECT_EQ(object_->ProcessKesta(), row.result);
    ASSERT_FALSE(ui_.Boxes().empty());
    EXPECT_NE(ui_.Boxes().back().text.find(row.text), std::string::npos) << ui_.Boxes().back().text;
    EXPECT_EQ(ui_.Boxes().back().caption, row.caption);
    if (row.checkedBefore) {
      EXPECT_EQ(ui_.Boxes().size(), 1u);
      EXPECT_EQ(Saved().find("_touchup"), std::string::npos);
      EXPECT_FALSE(Sent("set pendingdelete=on"));
    }
  }
}

TEST_F(DocumentCheckTest, SearchThatCannotConnectRemovesNothing) {
  Load(Topic("Old <?Pub _touchup Kesta=\"2500NONE\" HighltBckclr=\"FFFF66\"?>glorp<?Pub /_touchup?> text."));
  // The check's own ACL object, the stamp removal's, then the search's.
  editor_.FailStage(editor::HostStage::CreateAcl, E_FAIL, 3);
  EXPECT_EQ(object_->ProcessKesta(), S_OK);
  for (const std::string& line : ui_.StatusLines()) EXPECT_EQ(line.find("will delete"), std::string::npos);
}

TEST_F(DocumentCheckTest, ChangeTrackingComesBackOn) {
  for (const char* text : {"Glorp the valve.", "Remove the valve.", ""}) {
    Load(Topic(*text ? text : "Glorp the valve."));
    Check.trackChangesWasOn = 1;
    if (!*text) editor_.FailCallMatching("oid_caret()");
    EXPECT_EQ(object_->ProcessKesta(), *text ? S_OK : S_FALSE);
    EXPECT_EQ(editor_.Option("changetracking"), "on") << text;
  }
}

// Instructions of the PDF maker met before the stamp go, and the walk goes
// on to the stamp and past it, taking every stamp; the last element is
// looked at too, and no step goes past it.
TEST_F(DocumentCheckTest, RemoveKestaPiGoesOnAfterAnAcroInstruction) {
  const struct {
    std::string xml;
    std::string saved;
  } cases[] = {
      {"<doc><?acro a?><p>x</p><?acro b?><?KESSTA STE=green?><p>y</p><?KESSTA old?></doc>",
       "<doc><p>x</p><p>y</p></doc>"},
      {"<doc><p>x</p><?acro a?></doc>", "<doc><p>x</p></doc>"},
      {"<doc><?acro a?><?acro b?><p>x</p></doc>", "<doc><p>x</p></doc>"},
      // A root that holds text, or nothing, has its stamp as its last element.
      {"<para><?KESSTA STE=red:TWO SIGMA#1?>Stop the pump.</para>", "<para>Stop the pump.</para>"},
      {"<para><?KESSTA new?><?KESSTA old?>Stop the pump.</para>", "<para>Stop the pump.</para>"},
      {"<index><?KESSTA STE=green:SIX SIGMA#1?></index>", "<index></index>"},
  };
  for (const auto& c : cases) {
    Load(c.xml);
    editor_.ClearCalls();
    EXPECT_EQ(object_->RemoveKestaPi(), S_OK);
    EXPECT_EQ(Saved(), c.saved) << c.xml;
    int forward = 0;
    for (const auto& call : editor_.Calls())
      if (call.text.rfind("oid_forward", 0) == 0) {
        ++forward;
        EXPECT_NE(call.result, "(0,0,0)") << c.xml;
      }
    EXPECT_LE(forward, 6) << c.xml;
  }
}

TEST_F(DocumentCheckTest, RemoveMessageAtTheCaret) {
  Load("<doc><p>A " + Marker("0103x", "6699FF", "word") + " and more.</p></doc>");
  std::string marker = Eval("oid_forward(oid_forward(oid_first()))");
  ASSERT_EQ(Eval("oid_name('" + marker + "')"), "_touchup");
  editor_.PlaceCaretIn(marker);
  EXPECT_EQ(object_->RemoveMessage(), S_OK);
  EXPECT_EQ(Saved(), "<doc><p>A word and more.</p></doc>");
  EXPECT_EQ(object_->RemoveMessage(), S_OK);
  EXPECT_EQ(ui_.StatusLines().back(), "To delete, put cursor inside a KESta Message.");
}

TEST_F(DocumentCheckTest, MarkersWrapTheTextAsTheDocumentHoldsIt) {
  Load("<doc><p>Do it in\xC2\xA0order; don\xE2\x80\x99t use ab\xE2\x89\xA4" "cd here.</p></doc>");
  // The text as the check reads it, in the code page.
  SetCheckedText("<p>Do it in\xA0order; don\x92t use ab?cd here.</p>");
  auto add = [](const char* key, FindingKind kind, int category, int number, const char* word) {
    MarkInput in;
    in.searchKey = key;
    in.kind = kind;
    in.category = category;
    in.markerNumber = number;
    AddFindingAt(in, word);
  };
  add("in.order:|12!to", FindingKind::Word, 1, 3, "in");
  add("don?t:| 0!do not", FindingKind::Contraction, 10, 5, "don");
  add("ab.cd:| 0", FindingKind::Word, 25, 7, "ab");
  Cursor.CurrentOid = Eval("oid_first()");
  EXPECT_EQ(object_->MarkingEngine(), S_OK);
  EXPECT_TRUE(ui_.Boxes().empty()) << ui_.Boxes().front().text;
  EXPECT_EQ(Saved(), "<doc><p>Do it " + Marker("0103to", "6699FF", "in\xC2\xA0order") + "; " +
                         Marker("1005do not", "66FFFF", "don\xE2\x80\x99t") + " use " +
                         Marker("2507NONE", "FFFF66", "ab\xE2\x89\xA4" "cd") + " here.</p></doc>");
  // Removing them gives the text back unchanged.
  EXPECT_EQ(object_->RemoveAllMarkers(), S_OK);
  EXPECT_EQ(Saved(), "<doc><p>Do it in\xC2\xA0order; don\xE2\x80\x99t use ab\xE2\x89\xA4" "cd here.</p></doc>");
}

// A failed conversion of the body marks nothing; the tag-table road has its
// own box.
TEST(DocStartWork, ConversionFailureMarksNothing) {
  for (bool tagTable : {false, true}) {
    ElementHost host;
    int root = host.Add(tagTable ? "task" : "doc", -1, tagTable ? "<task/>" : "");
    if (!tagTable) host.Add("body", root, "<body><p>x</p></body>");
    host.conversionFails = true;
    Cursor.Reset();
    ScriptedInteraction ui;
    EXPECT_EQ(GetDocStartWork(host), KESTA_E_BODY_UNREAD);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, tagTable ? "Error: In File conversion" : "KESta(46) Error: In File conversion");
    if (tagTable) { EXPECT_EQ(ui.Boxes()[0].caption, "KESta(56) Text Conversion"); }
    if (!tagTable) { EXPECT_EQ(host.Executed().back(), "clm; goto_oid('" + host.Id(1) + "')"); }
  }
}

// A finding whose words cannot be found costs itself alone: over two
// hundred paragraphs of the same words, one search that finds nothing at
// its place leaves every later finding its marker, on its own paragraph.
TEST_F(DocumentCheckTest, AnUnfindableFindingLosesOnlyItself) {
  std::string xml = "<topic><body>";
  for (int i = 0; i < 200; ++i) xml += "<p>Glorp the pump " + std::to_string(i) + ".</p>";
  Load(xml + "</body></topic>");
  ASSERT_EQ(object_->GetDocStart(), S_OK);
  ASSERT_EQ(RunDocumentPasses(), 200);
  // The 100th finding searches for words that stand fifty paragraphs on,
  // not at its place.
  MessageList.records[99].searchKey = "pump.150:| 0";
  EXPECT_EQ(object_->MarkingEngine(), S_OK);
  EXPECT_EQ(Check.markedCount, 199);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_NE(ui_.Boxes()[0].text.find("Report KESta error (86)"), std::string::npos);
  const std::string saved = Saved();
  const std::string marked = Marker("2500NONE", "FFFF66", "Glorp");
  EXPECT_NE(saved.find("<p>Glorp the pump 99.</p>"), std::string::npos);
  for (int i : {0, 98, 100, 199})
    EXPECT_NE(saved.find("<p>" + marked + " the pump " + std::to_string(i) + ".</p>"), std::string::npos) << i;
}

// A selection the writer made inside a paragraph: the marking starts at the
// paragraph and finds where the selected text begins, so each marker goes
// on the words of the selection it names.
TEST_F(DocumentCheckTest, ASelectionInsideAParagraphIsMarkedWhereItStands) {
  Load(Topic("Glorp the pump. Frob the valve and glorp it."));
  editor_.SetMouseAnswer("text");
  ASSERT_EQ(editor_.Execute("goto_oid('(1,3,0)')"), S_OK);
  ASSERT_EQ(editor_.Execute("find -f -select @Frob the valve and glorp it.@"), S_OK);
  EXPECT_EQ(object_->SelectElement(), S_OK);
  EXPECT_TRUE(ui_.Boxes().empty());
  EXPECT_EQ(Saved(), Topic("Glorp the pump. " + Marker("2500NONE", "FFFF66", "Frob") + " the valve and " +
                           Marker("2503NONE", "FFFF66", "glorp") + " it."));
}

}  // namespace
