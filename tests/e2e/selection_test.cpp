// `kesta` on one element, a selection or table cells (SelectElement), and on
// a finding at the caret with its menu (ShowMe, ShowContext, DisplayCmenu),
// end to end.
#include <gtest/gtest.h>

#include <array>

#include "check_fixture.h"

namespace {

using Strings = std::vector<std::string>;

const char* const kKeys = "[status] KESta keys: F4-Check Element  F2-View  F6-Next KESta";
const char* const kExcellent = "[status] Excellent: NO KESta Messages.                ";
const char* const kNothing = "[status] KESta Message:  Nothing checked. Put the caret in the text to check.";
const char* const kTableQuestion = "[response] Select ONE cell (at cursor) or ALL cells. -> ";

class SelectionCheck : public CheckFixture {
 protected:
  ProgramRun Run(const std::string& xml, std::vector<std::string> args) {
    std::string file = dir_.Write("doc.xml", xml);
    args.insert(args.begin() + (args[0] == "call" ? 2 : 1), file);
    return Kesta(args);
  }
  static std::string Topic(const std::string& body) { return "<topic><body>" + body + "</body></topic>\n"; }
  static std::string Glorp() { return Marker("2500NONE", "FFFF66", "Glorp"); }
  static std::string Shut() { return Marker("0000Close", "CCCCCC", "Shut"); }
};

const std::string kTwoParagraphs = "<p id=\"p1\">Glorp the valve.</p><p id=\"p2\">Shut the pump slowly.</p>";

// One element, a selection (longer than 12 characters: itself; shorter: the
// element at the caret), an inline element (its parent when in the inline
// list), the mouse on something else, old markers: what is
// marked and the status lines (empty: not compared). Whatever stands before
// the words (a blank and a reference in an inline element, references
// declared or not, character references, markup, line feeds), in whatever
// element, they get the markers of the whole check; the close gives the
// document back byte for byte.
TEST_F(SelectionCheck, WhatIsChecked) {
  auto glorp = [](const char* n, const char* word = "glorp") {
    return Marker(std::string("250") + n + "NONE", "FFFF66", word);
  };
  const std::string key = "<p id=\"p1\"><para> <keycap>&Ctrl;</keycap> Remove the ";
  const std::string marks = "<p id=\"p1\"><para>\n <b>&#324;</b> <!--c--> <?pi x?> <b><i>.</i></b> Remove the ";
  const std::string dtd = "<!DOCTYPE topic [<!ENTITY os \"ZetaOS\">]>\n";
  const std::string os = "<p id=\"p1\"> <xref href=\"a&amp;b\">&os;</xref> <![CDATA[ ]]> Remove the ";
  const std::string zydro = glorp("2", "Zydro&#324;") + " " + glorp("3") + ".</p>";
  const std::string old =
      "<p id=\"p1\"> " + Marker("2500NONE", "FFFF66", "&Ctrl;") + " Remove the Zydro&#324; glorp.</p>";
  const std::string bold = " <b>&Ctrl;</b> Remove the ";
  const std::string valve = "<body><p>Remove the valve.</p></body></topic>\n";
  const struct {
    std::string xml;
    std::vector<std::string> args;
    std::string after;  // the whole body, or a part of it when it starts with '~'
    Strings lines;
  } rows[] = {
      {Topic(kTwoParagraphs), {"check", "--element", "p2"},
       Topic("<p id=\"p1\">Glorp the valve.</p><p id=\"p2\">" + Shut() + " the pump slowly.</p>"), {kKeys}},
      {Topic("<p id=\"p1\">Remove the valve.</p>"), {"check", "--element", "p1"},
       Topic("<p id=\"p1\">Remove the valve.</p>"), {kKeys, kExcellent}},
      {Topic(kTwoParagraphs), {"call", "SelectElement", "--select", "p1"},
       Topic("<p id=\"p1\">" + Glorp() + " the valve.</p><p id=\"p2\">Shut the pump slowly.</p>"), {}},
      {Topic("<p id=\"p1\">Shut it.</p><p>Glorp it.</p>"), {"call", "SelectElement", "--select", "p1"},
       Topic("<p id=\"p1\">" + Shut() + " it.</p><p>Glorp it.</p>"), {}},
      {Topic("<p id=\"p1\">Glorp the <xref id=\"x1\">valve</xref> now.</p>"), {"check", "--element", "x1"},
       "~" + Glorp() + " the <xref id=\"x1\">valve</xref>", {}},
      {Topic("<p id=\"p1\">Glorp the <b id=\"b1\">valve</b> now.</p>"), {"check", "--element", "b1"},
       Topic("<p id=\"p1\">Glorp the <b id=\"b1\">valve</b> now.</p>"), {}},
      {Topic(kTwoParagraphs), {"check", "--element", "p1", "--mouse", "graphic"}, Topic(kTwoParagraphs),
       {kKeys, kNothing}},
      {Topic("<p id=\"p1\">" + Marker("0103x", "6699FF", "Glorp") + " the valve.</p>"), {"check", "--element", "p1"},
       Topic("<p id=\"p1\">" + Glorp() + " the valve.</p>"), {}},
      {Topic(key + "glorp.</para></p>"), {"check", "--element", "p1"}, Topic(key + glorp("2") + ".</para></p>"), {}},
      {Topic(key + "glorp.</para></p>"), {"call", "SelectElement", "--select", "p1"},
       Topic(key + glorp("2") + ".</para></p>"), {}},
      {Topic(marks + "glorp.\n</para></p>"), {"check", "--element", "p1"},
       Topic(marks + glorp("1") + ".\n</para></p>"), {}},
      {dtd + Topic(os + "Zydro&#324; glorp.</p>"), {"check", "--element", "p1"}, dtd + Topic(os + zydro), {}},
      {Topic(old), {"check", "--element", "p1"}, Topic("<p id=\"p1\"> &Ctrl; Remove the " + zydro), {}},
      {"<topic><title id=\"t1\">" + bold + "glorp</title>" + valve, {"check", "--element", "t1"},
       "<topic><title id=\"t1\">" + bold + glorp("2") + "</title>" + valve, {}},
      {Topic("<ul><li id=\"l1\">" + bold + "glorp.</li></ul>"), {"check", "--element", "l1"},
       Topic("<ul><li id=\"l1\">" + bold + glorp("2") + ".</li></ul>"), {}},
      {Topic("<table><tgroup><row><entry id=\"c1\">" + bold + "glorp.</entry></row></tgroup></table>"),
       {"check", "--element", "c1", "--mouse", "entry", "--answer", "1"},
       Topic("<table><tgroup><row><entry id=\"c1\">" + bold + glorp("2") + ".</entry></row></tgroup></table>"), {}},
      {"<topic id=\"t0\"><body><p>" + bold + "glorp.</p></body></topic>\n", {"check", "--element", "t0"},
       "<topic id=\"t0\"><body><p>" + bold + glorp("2") + ".</p></body></topic>\n", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.xml);
    ProgramRun run = Run(row.xml, row.args);
    ASSERT_EQ(run.status, 0) << run.err;
    if (row.after[0] == '~') {
      EXPECT_NE(run.out.find(row.after.substr(1)), std::string::npos) << run.out;
    } else {
      EXPECT_EQ(Body(run.out), row.after);
    }
    if (!row.lines.empty()) { EXPECT_EQ(Lines(run.err), row.lines); }
    EXPECT_EQ(run.err.find("Not found"), std::string::npos) << run.err;
    if (row.xml.find("_touchup") != std::string::npos) continue;
    dir_.Write("marked.xml", run.out);
    ASSERT_EQ(Kesta({"call", "CloseKesta", (dir_.path() / "marked.xml").string(), "-o",
                     (dir_.path() / "back.xml").string()})
                  .status,
              0);
    EXPECT_EQ(dir_.Read("back.xml"), row.xml);
  }
  // Checked twice, one marker.
  ProgramRun run;
  std::string once = dir_.Write("once.xml", Topic(kTwoParagraphs));
  ASSERT_EQ(Kesta({"check", once, "--element", "p1", "-i"}).status, 0);
  run = Kesta({"check", once, "--element", "p1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Body(run.out), Topic("<p id=\"p1\">" + Glorp() + " the valve.</p><p id=\"p2\">Shut the pump slowly.</p>"));
}

TEST_F(SelectionCheck, TableCells) {
  const std::string table =
      "<table><tgroup><row><entry id=\"c1\">Glorp</entry>"
      "<entry id=\"c2\">Shut the pump and turn the valve.</entry></row>"
      "<row><entry id=\"c3\"><emph id=\"e1\">Remove the pump</emph> and the Glorp</entry></row></tgroup></table>"
      "<p>Glorp.</p>";
  auto cells = [&](const char* cell, std::vector<std::string> answers) {
    std::vector<std::string> args = {"check", "--element", cell, "--mouse", "entry"};
    for (const std::string& a : answers) {
      args.push_back("--answer");
      args.push_back(a);
    }
    return Run(Topic(table), args);
  };
  // ONE: the cell at the caret.
  ProgramRun run = cells("c2", {"1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.err), (Strings{kKeys, std::string(kTableQuestion) + "1"}));
  EXPECT_NE(run.out.find("<entry id=\"c1\">Glorp</entry><entry id=\"c2\">" + Shut()), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("<p>Glorp.</p>"), std::string::npos);
  // ONE in an inline element of a cell: the cell.
  run = cells("e1", {"1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("<entry id=\"c3\"><emph id=\"e1\">Remove the pump</emph> and the " +
                         Marker("2503NONE", "FFFF66", "Glorp") + "</entry>"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("<p>Glorp.</p>"), std::string::npos);
}

// ShowMe and its menu. In this document the marker is the editor's element
// (1,4,0): topic, body, p, marker.
class FindingMenu : public SelectionCheck {
 protected:
  const std::string doc_ =
      Topic("<p id=\"p1\">We " + Marker("0101close/stop", "6699FF", "shut") + " the valve and the " +
            Marker("2502NONE", "FFFF66", "glorp") + ".</p>");
  ProgramRun Menu(const char* method, const char* answer, const char* caret = "(1,4,0)") {
    return Run(doc_, {"call", method, "--caret", caret, "--answer", answer});
  }
};

// Each choice and the document it leaves: a suggestion replaces the word and
// its marker; One Message and Close take the marker's tags; ALL in Document
// every marker; Next and no choice change nothing (the menu itself is the
// unit tests').
TEST_F(FindingMenu, EachChoiceAndTheDocumentItLeaves) {
  const std::string glorp = Marker("2502NONE", "FFFF66", "glorp");
  const std::string kept = Topic("<p id=\"p1\">We shut the valve and the " + glorp + ".</p>");
  const struct {
    const char* method;
    const char* answer;
    std::string after;
  } cases[] = {
      {"ShowMe", "3", Topic("<p id=\"p1\">We stop the valve and the " + glorp + ".</p>")},
      {"ShowContext", "2", Topic("<p id=\"p1\">We close the valve and the " + glorp + ".</p>")},
      {"ShowMe", "4", kept},
      {"ShowMe", "5", Topic("<p id=\"p1\">We shut the valve and the glorp.</p>")},
      {"ShowMe", "6", doc_},
      {"ShowMe", "0", doc_},
  };
  for (const auto& c : cases) {
    ProgramRun run = Menu(c.method, c.answer);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Body(run.out), c.after) << c.method << " " << c.answer;
  }
  EXPECT_NE(Menu("ShowMe", "5").err.find("[status] KESta removed 2 old messages."), std::string::npos);
}

// A suggestion over words that hold a reference, or whose own text holds
// one, goes in with its references as written; words not found inside the
// marker leave it, with a status line and S_FALSE's exit status. The marker
// is the editor's element (1,4,0).
TEST_F(FindingMenu, ASuggestionOverAReference) {
  const std::string dtd = "<!DOCTYPE topic [<!ENTITY os \"ZetaOS\"><!ENTITY prod \"Pumpy\">]>\n";
  const struct {
    std::string marked, advice, after;  // the words as markup, the Kesta value's advice, what replaces them
  } rows[] = {
      {"small &os;", "small-&amp;os;", "small-&os;"}, {"&prod;", "the &amp;prod;", "the &prod;"},
      {"non-&os;", "not", "not"}, {"35&#8209;mm", "35-mm", "35-mm"}, {"R&amp;D", "research", "research"},
      {"<b>small</b>", "big", ""}, {"", "big", ""},
      // Markup the writer put inside the words: all of them or nothing.
      {"Uti<b>lize</b>", "Use", ""}, {"prior <emphasis>to</emphasis>", "after", ""},
  };
  for (const auto& row : rows) {
    const std::string xml = dtd + Topic("<p>A " + Marker("1701" + row.advice, "66CC99", row.marked) + " book.</p>");
    ProgramRun run = Run(xml, {"call", "ShowMe", "--caret", "(1,4,0)", "--answer", "2"});
    EXPECT_EQ(run.status, row.after.empty() ? 1 : 0) << row.marked;
    EXPECT_EQ(Body(run.out), row.after.empty() ? xml : dtd + Topic("<p>A " + row.after + " book.</p>")) << row.marked;
    const char* said = row.after.empty() ? "[status] KESta Message: The marked words were not found." : "[menu] -> 2";
    EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
  }
}

// "One Message" on a DELETE finding deletes the marked words with the blank
// after them, and only there; of a word the marker holds twice, as the check
// marks a repeated "the", it deletes the repetition. The marker is the
// editor's element (1,4,0) unless the row names another.
TEST_F(FindingMenu, RemovingADeleteFindingDeletesItsWords) {
  const std::string del = Marker("0401NONE", "FF6699", "very");
  const std::string twice = Marker("0401the", "66CC99", "the the"), again = Marker("0404the", "66CC99", "the the");
  const struct {
    std::string body;
    std::string after;
    const char* flagged = "very";
    const char* answer = "8";  // "One Message" of a finding without advice
    const char* caret = "(1,4,0)";
  } cases[] = {
      {"<p>Open " + del + " the valve.</p>", "<p>Open the valve.</p>"},
      {"<p>Open the valve " + del + ".</p><p>It is very hot.</p>", "<p>Open the valve .</p><p>It is very hot.</p>"},
      {"<p>Stop " + del + "</p><p>The very end.</p>", "<p>Stop </p><p>The very end.</p>"},
      {"<p>Make sure that " + twice + " discharge valve is closed.</p>",
       "<p>Make sure that the discharge valve is closed.</p>", "the the", "3"},
      {"<p>Turn " + twice + " valve and " + again + " cover.</p>", "<p>Turn the valve and " + again + " cover.</p>",
       "the the", "3"},
      {"<p>Turn " + twice + " valve and " + again + " cover.</p>", "<p>Turn " + twice + " valve and the cover.</p>",
       "the the", "3", "(1,5,0)"},
      {"<p>" + Marker("0400the", "66CC99", "The the") + " valve is closed.</p>", "<p>The valve is closed.</p>",
       "The the", "3"},
      {"<p>Open " + twice + "</p>", "<p>Open the</p>", "the the", "3"},
      // A repeated word the marker holds once goes with its blank.
      {"<p>Close the valve " + Marker("0402NONE", "66CC99", "to") + " to stop the flow.</p>",
       "<p>Close the valve to stop the flow.</p>", "to"},
  };
  for (const auto& c : cases) {
    ProgramRun run = Run(Topic(c.body), {"call", "ShowMe", "--caret", c.caret, "--answer", c.answer});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("[menu] 1 " + std::string(c.flagged) + " : DELETE"), std::string::npos) << run.err;
    EXPECT_EQ(Body(run.out), Topic(c.after)) << c.body;
  }
}

// Markup the writer put among a marker's words keeps its tags: One Message
// and Close take the marker's; a DELETE finding whose words hold markup
// deletes nothing, says so and answers S_FALSE, and no file is written. A
// marker whose words the writer deleted loses its two instructions, and
// nothing else goes, a DELETE finding's blank after it neither.
TEST_F(FindingMenu, TheWritersMarkupAmongTheWordsStays) {
  const char* const refused = "[status] KESta Message: The marked words were not found. The words were not deleted.";
  for (const auto& [code, marked, answer, after] : {std::array<std::string, 4>{"0000Use", "<b>Utilize</b>", "3", "<b>Utilize</b>"},
                                                     {"0000Use", "Uti<b>lize</b>", "6", "Uti<b>lize</b>"},
                                                     {"0401NONE", "al<b>so</b>", "8", ""},
                                                     {"0000Use", "", "3", ""}, {"0000Use", "", "6", ""},
                                                     {"0401NONE", "", "8", ""}, {"0401NONE", "", "11", ""},
                                                     {"0401NONE", " ", "8", " "}}) {
    const std::string xml = Topic("<p>You can " + Marker(code, "FF6699", marked) + " stop the pump.</p>");
    ProgramRun run = Run(xml, {"call", "ShowMe", "--caret", "(1,4,0)", "--answer", answer});
    const bool refuse = after.empty() && !marked.empty();
    EXPECT_EQ(run.status, refuse ? 1 : 0) << marked << run.err;
    EXPECT_EQ(Body(run.out), refuse ? xml : Topic("<p>You can " + after + " stop the pump.</p>")) << marked << answer;
    EXPECT_EQ(run.err.find(refused) != std::string::npos, refuse) << run.err;
  }
}

// The element ids the caret takes count the elements and processing
// instructions in file order from 1, those before the root too; a marker
// counts once (its closing instruction does not), a comment not at all.
TEST_F(FindingMenu, ElementIdsCountEachMarkerOnce) {
  const std::string doc =
      "<?xml version=\"1.0\"?>\n<?xml-stylesheet href=\"s.css\"?>\n<!DOCTYPE topic>\n"
      "<topic><?KESSTA STE=red:ONE SIGMA#1:1:2026-1:1-DEF1?><title>Pump</title><!-- note --><body><p>" +
      Marker("2500NONE", "FFFF66", "Glorp") + " the " + Marker("2502NONE", "FFFF66", "zonk") + ".</p><p>Stop the " +
      Marker("2501NONE", "FFFF66", "frob") + ".</p></body></topic>\n";
  const struct {
    const char* caret;
    const char* shown;
  } rows[] = {
      {"(1,7,0)", "[menu] 1 Glorp : NOT-IN-DICTIONARY\n"},
      {"(1,8,0)", "[menu] 1 zonk : NOT-IN-DICTIONARY\n"},
      {"(1,9,0)", "[box KESta Selection] Put cursor inside a color.\n"},  // the second p
      {"(1,10,0)", "[menu] 1 frob : NOT-IN-DICTIONARY\n"},
  };
  for (const auto& row : rows) {
    ProgramRun run = Run(doc, {"call", "ShowMe", "--caret", row.caret});
    EXPECT_NE(run.err.find(row.shown), std::string::npos) << row.caret << "\n" << run.err;
  }
}

// A greyed item cannot be chosen: the answer is refused, and no document
// is written.
TEST_F(FindingMenu, AFindingWithoutAdviceHasNoSuggestions) {
  ProgramRun run = Menu("ShowMe", "2", "(1,5,0)");
  EXPECT_EQ(run.status, 2) << run.err;
  EXPECT_NE(run.err.find("[menu] 1 glorp : NOT-IN-DICTIONARY\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("[menu] Show Suggestions: (greyed)\n[menu]   2 SYN1 (greyed)\n"), std::string::npos);
  EXPECT_TRUE(run.err.ends_with("[menu] -> 0\nkesta: answer 2 refused: row 2 of the menu (SYN1) is greyed, so it "
                                "cannot be chosen; the document was not written\n"))
      << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
