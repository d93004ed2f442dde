#include <gtest/gtest.h>

#include "tests/commands/finding_fixture.h"

namespace {
using Strings = std::vector<std::string>;

// A marker around `word` with value `kesta`, shown by ShowMe then (when
// `context`) by ShowContext; a finding of an earlier showing is there first,
// to see what a failed showing keeps.
struct Shown {
  MarkerDocument doc;
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  HRESULT result;
  Shown(const std::string& kesta, const std::string& word = "utilize", bool atMarker = true) : doc(kesta, word) {
    Finding.CurrentMarkedWord = "old";
    Finding.CurrentAdvice = "older";
    Finding.CurrentCategory = 11;
    Finding.CurrentMarkerNumber = 5;
    if (!atMarker) doc.host.caret = doc.para;
    result = ShowMeWork(doc.host, self);
  }
};
}  // namespace

TEST(ShowFinding, ReadsTheMarkerAtTheCaretAndOpensTheMenu) {
  Shown s("0112use/apply");
  EXPECT_EQ(s.result, S_OK);
  EXPECT_EQ(s.doc.host.Executed(),
            (Strings{"set markupscan=on", "set extendselection=off", "set pendingdelete=on", "set selectscan=off",
                     "set deletespaces=off", "set spellinteractive=off",
                     "mes \"KESta Message:  Press F2 on the color to see each KESta message.\"",
                     "oid_select('" + s.doc.host.Id(s.doc.marker) + "',0,0,1)"}));
  EXPECT_EQ(s.doc.host.Evaluated(), (Strings{"oid_caret()", "$selection", "oid_attr(oid_caret(),\"Kesta\");"}));
  EXPECT_TRUE(Finding.CurrentSelectionText.startsWith("<?Pub _touchup Kesta="));
  EXPECT_EQ(s.self.made, (Strings{"CaptureHostAndCursor", "DisplayCmenu(0)"}));
  EXPECT_TRUE(s.ui.Boxes().empty());
}

// What ShowMe and then ShowContext read from each marker.
TEST(ShowFinding, FindingReadFromTheMarker) {
  struct Case {
    std::string kesta, word;
    std::string advice, marked;  // after ShowMe
    int category, number;
    std::string contextAdvice, contextMarked;  // after ShowContext
  } cases[] = {
      {"0112use/apply", "utilize", "use/apply", "utilize", 1, 12, "use/apply", "utilize"},
      {"0112NONE", "utilize", "", "utilize", 1, 12, "", "utilize"},
      // Fixed hints for the semicolon and the slash, in ShowMe only.
      {"3700.", ";", "(Do not use semicolons)", ";", 37, 0, ".", ";"},
      {"2101or", "/and", "(Use <or> or <and> for slash)", "/and", 21, 1, "or", "/and"},
      // Line feeds are blanks in ShowMe, kept in ShowContext.
      {"0201NONE", "two\nlines", "", "two lines", 2, 1, "", "two\nlines"},
      // The flagged text as the document holds it.
      {"2501NONE", "R&amp;D", "", "R&D", 25, 1, "", "R&D"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kesta);
    Shown s(c.kesta, c.word);
    EXPECT_EQ(Finding.CurrentAdvice.str(), c.advice);
    EXPECT_EQ(Finding.CurrentMarkedWord.str(), c.marked);
    EXPECT_EQ(Finding.CurrentCategory, c.category);
    EXPECT_EQ(Finding.CurrentMarkerNumber, c.number);
    EXPECT_EQ(Finding.CurrentSelectionText.view().find('\n'), std::string_view::npos);
    ShowContextWork(s.doc.host, s.self);
    EXPECT_EQ(Finding.CurrentAdvice.str(), c.contextAdvice);
    EXPECT_EQ(Finding.CurrentMarkedWord.str(), c.contextMarked);
    EXPECT_EQ(s.doc.host.Statuses().size(), 1u);  // ShowContext sets no options and no status line
  }
}

// Outside a marker, or on one without a numbered value: the box, and the
// earlier finding is kept.
TEST(ShowFinding, CaretOutsideAMarker) {
  for (const char* value : {"0103use/apply", "", "abc"}) {
    SCOPED_TRACE(value);
    Shown s(value, "utilize", *value != '0');
    EXPECT_EQ(s.result, S_OK);
    ASSERT_EQ(s.ui.Boxes().size(), 1u);
    EXPECT_EQ(s.ui.Boxes()[0].text, "Put cursor inside a color.");
    EXPECT_EQ(s.ui.Boxes()[0].caption, "KESta Selection");
    EXPECT_EQ(s.ui.Boxes()[0].style, MB_ICONERROR);
    EXPECT_EQ(s.doc.host.Executed().back() == "clm", *value == '0');
    EXPECT_TRUE(s.self.made.empty());
    EXPECT_EQ(Finding.CurrentMarkedWord.str(), "old");
    EXPECT_EQ(Finding.CurrentAdvice.str(), "older");
    EXPECT_EQ(Finding.CurrentCategory, 11);
    EXPECT_EQ(Finding.CurrentMarkerNumber, 5);
  }
  Shown s("0103use/apply", "utilize", false);
  EXPECT_TRUE(Finding.CurrentSelectionText.startsWith("<para>"));  // always the latest selection
}

TEST(ShowFinding, LongTextsStayInsideTheirFields) {
  Shown word("0101use", std::string(500, 'w'));
  EXPECT_EQ(word.result, S_OK);
  EXPECT_EQ(Finding.CurrentSelectionText.length(), 380u);
  EXPECT_EQ(Finding.CurrentMarkedWord.str(), std::string(127, 'w'));
  // The marker's opening markup fills the kept selection: no flagged text.
  Shown advice("0101" + std::string(400, 'a'), "word");
  EXPECT_EQ(advice.result, S_OK);
  EXPECT_TRUE(Finding.CurrentMarkedWord.empty());
  EXPECT_EQ(Finding.CurrentAdvice.str(), std::string(251, 'a'));
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
