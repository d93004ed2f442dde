#include <gtest/gtest.h>

#include "resources/string_table.h"
#include "tests/commands/finding_fixture.h"

namespace {
using Strings = std::vector<std::string>;

// A finding left by an earlier showing, to see what a failed one keeps.
void OldFinding() {
  Finding.CurrentMarkedWord = "old";
  Finding.CurrentAdvice = "older";
  Finding.CurrentCategory = 11;
  Finding.CurrentMarkerNumber = 5;
}

void ExpectOldFinding() {
  EXPECT_EQ(Finding.CurrentMarkedWord.str(), "old");
  EXPECT_EQ(Finding.CurrentAdvice.str(), "older");
  EXPECT_EQ(Finding.CurrentCategory, 11);
  EXPECT_EQ(Finding.CurrentMarkerNumber, 5);
}
}  // namespace

TEST(ShowFinding, ReadsTheMarkerAtTheCaretAndOpensTheMenu) {
  MarkerDocument doc("0112use/apply");
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  EXPECT_EQ(ShowMeWork(doc.host, self), S_OK);
  std::string id = doc.host.Id(doc.marker);
  EXPECT_EQ(doc.host.Executed(),
            (Strings{"set markupscan=on", "set extendselection=off", "set pendingdelete=on",
                     "set selectscan=off", "set deletespaces=off", "set spellinteractive=off",
                     "mes \"KESta Message:  Press F2 on the color to see each KESta message.\"",
                     "oid_select('" + id + "',0,0,1)"}));
  EXPECT_EQ(doc.host.Evaluated(), (Strings{"oid_caret()", "$selection", "oid_attr(oid_caret(),\"Kesta\");"}));
  EXPECT_EQ(Finding.CurrentMarkedWord.str(), "utilize");
  EXPECT_EQ(Finding.CurrentAdvice.str(), "use/apply");
  EXPECT_EQ(Finding.CurrentCategory, 1);
  EXPECT_EQ(Finding.CurrentMarkerNumber, 12);
  EXPECT_TRUE(Finding.CurrentSelectionText.startsWith("<?Pub _touchup Kesta="));
  EXPECT_EQ(self.made, (Strings{"CaptureHostAndCursor", "DisplayCmenu(0)"}));
  EXPECT_TRUE(ui.Boxes().empty());
}

TEST(ShowFinding, NoneMeansNoAdvice) {
  MarkerDocument doc("0112NONE");
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  ShowMeWork(doc.host, self);
  EXPECT_EQ(Finding.CurrentCategory, 1);
  EXPECT_EQ(Finding.CurrentMarkerNumber, 12);
  EXPECT_TRUE(Finding.CurrentAdvice.empty());
}

TEST(ShowFinding, CaretOutsideAMarker) {
  MarkerDocument doc;
  doc.host.caret = doc.para;
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  OldFinding();
  EXPECT_EQ(ShowMeWork(doc.host, self), S_OK);
  auto boxes = ui.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Put cursor inside a color.");
  EXPECT_EQ(boxes[0].caption, "KESta Selection");
  EXPECT_EQ(boxes[0].style, MB_ICONERROR);
  EXPECT_EQ(doc.host.Executed().back(), "clm");
  EXPECT_TRUE(self.made.empty());
  ExpectOldFinding();
  EXPECT_TRUE(Finding.CurrentSelectionText.startsWith("<para>"));  // always the latest selection
}

TEST(ShowFinding, MarkerWithoutANumberedValue) {
  for (const char* value : {"", "abc"}) {
    MarkerDocument doc(value);
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    OldFinding();
    EXPECT_EQ(ShowMeWork(doc.host, self), S_OK);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Put cursor inside a color.");
    EXPECT_NE(doc.host.Executed().back(), "clm");
    EXPECT_TRUE(self.made.empty());
    ExpectOldFinding();
  }
}

TEST(ShowFinding, FixedHintsForSlashAndSemicolonOnlyInShowMe) {
  {
    MarkerDocument doc("3700.", ";");
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    ShowMeWork(doc.host, self);
    EXPECT_EQ(Finding.CurrentAdvice.str(), "(Do not use semicolons)");
    EXPECT_EQ(Finding.CurrentCategory, 37);
    EXPECT_EQ(Finding.CurrentMarkerNumber, 0);
    ShowContextWork(doc.host, self);
    EXPECT_EQ(Finding.CurrentAdvice.str(), ".");
  }
  {
    MarkerDocument doc("2101or", "/and");
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    ShowMeWork(doc.host, self);
    EXPECT_EQ(Finding.CurrentAdvice.str(), "(Use <or> or <and> for slash)");
    ShowContextWork(doc.host, self);
    EXPECT_EQ(Finding.CurrentAdvice.str(), "or");
  }
}

TEST(ShowFinding, LineFeedsInTheFlaggedText) {
  MarkerDocument doc("0201NONE", "two\nlines");
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  ShowMeWork(doc.host, self);
  EXPECT_EQ(Finding.CurrentMarkedWord.str(), "two lines");
  EXPECT_EQ(Finding.CurrentSelectionText.view().find('\n'), std::string_view::npos);
  ShowContextWork(doc.host, self);
  EXPECT_EQ(Finding.CurrentMarkedWord.str(), "two\nlines");
  // ShowContext sets no options and no status line.
  EXPECT_TRUE(doc.host.Statuses().size() == 1u);
}

TEST(ShowFinding, FlaggedTextIsReadAsTheDocumentHoldsIt) {
  MarkerDocument doc("2501NONE", "R&amp;D");
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  ShowMeWork(doc.host, self);
  EXPECT_EQ(Finding.CurrentMarkedWord.str(), "R&D");
}

TEST(ShowFinding, LongTextsStayInsideTheirFields) {
  {
    MarkerDocument doc("0101use", std::string(500, 'w'));
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    EXPECT_EQ(ShowMeWork(doc.host, self), S_OK);
    EXPECT_EQ(Finding.CurrentSelectionText.length(), 380u);
    EXPECT_EQ(Finding.CurrentMarkedWord.str(), std::string(127, 'w'));
  }
  {
    // The marker's opening markup fills the kept selection: no flagged text.
    MarkerDocument doc("0101" + std::string(400, 'a'), "word");
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    EXPECT_EQ(ShowMeWork(doc.host, self), S_OK);
    EXPECT_TRUE(Finding.CurrentMarkedWord.empty());
    EXPECT_EQ(Finding.CurrentAdvice.str(), std::string(251, 'a'));
  }
}

TEST(ShowFinding, FailuresShowEachMethodsBox) {
  {
    MarkerDocument doc;
    doc.host.failPattern = "set selectscan";
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    EXPECT_EQ(ShowMeWork(doc.host, self), S_FALSE);
    EXPECT_TRUE(ui.Boxes().empty());
  }
  {
    MarkerDocument doc;
    doc.host.failPattern = "$selection";
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    EXPECT_EQ(ShowMeWork(doc.host, self), S_FALSE);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, std::string("KESta can not select the text.\nReport file to ") + kSupportAddress);
    EXPECT_EQ(ui.Boxes()[0].caption, "Text Selection");
    EXPECT_TRUE(self.made.empty());
  }
  {
    MarkerDocument doc;
    doc.host.failPattern = "oid_attr";
    ScriptedInteraction ui;
    RecordedFindingCalls self;
    EXPECT_EQ(ShowContextWork(doc.host, self), S_FALSE);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Error(67) Can not find the word position");
    EXPECT_EQ(ui.Boxes()[0].caption, kAppTitle);
  }
}

TEST(NextFinding, SetsNineOptionsAndSkipsTheRestOnFailure) {
  ElementHost host;
  EXPECT_EQ(CallNextKestaWork(host), S_OK);
  EXPECT_EQ(host.Executed(),
            (Strings{"set extendselection=off", "set tagscan=on", "set pendingdelete=off", "set wrapscan=on",
                     "set selectscan=on", "set docmapcurrenttag=off", "set RevertFocus=on",
                     "set messagelocation=statusbar", "set saverenames=off"}));
  EXPECT_TRUE(host.Evaluated().empty());
  ElementHost failing;
  failing.failPattern = "set wrapscan";
  EXPECT_EQ(CallNextKestaWork(failing), S_OK);
  EXPECT_EQ(failing.Executed().size(), 4u);  // the failing one is recorded too
}
