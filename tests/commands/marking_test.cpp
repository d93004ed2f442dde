#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/findings_view.h"
#include "findings_fixture.h"
#include "engine/word_rec.h"
#include "element_host.h"
#include "platform/scripted_interaction.h"


namespace {

using K = FindingKind;

using Strings = std::vector<std::string>;

MarkInput Finding(std::string key, FindingKind kind, int category, int marker = 3, int rule = 1234) {
  MarkInput in;
  in.searchKey = std::move(key);
  in.kind = kind;
  in.category = category;
  in.markerNumber = marker;
  in.ruleId = rule;
  return in;
}

const Strings kOptions = {"set pendingdelete=on", "set extendselection=off", "set tagscan=off",
                          "set case=on",          "set wrapscan=off",        "set gentext=on",
                          "set deletespaces=on",  "set wordscan=off"};

class MarkingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Cursor.Reset();
    Check.Reset();
    ClearFindings();
    host.Add("doc");
    Cursor.CurrentOid = "(1,10,0)";
  }
  void TearDown() override { ClearFindings(); }
  // The commands after the options and the first goto.
  Strings Work() const {
    Strings x = host.Executed();
    return Strings(x.begin() + 9, x.end());
  }
  ElementHost host;
  ScriptedInteraction ui;
};

TEST_F(MarkingTest, EmptyListSendsOnlyTheOptions) {
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(host.Executed(), kOptions);
}

TEST_F(MarkingTest, OneWordMarkerWrapsTheTextFound) {
  AddFinding(Finding("frobnicate:| 0!use", K::Word, 1));
  // The document holds the word with a no-break space after it: what was
  // found goes into the marker as it is.
  host.answers["$selection"] = "Frobnicate";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  Strings x = host.Executed();
  EXPECT_EQ(Strings(x.begin(), x.begin() + 8), kOptions);
  EXPECT_EQ(x[8], "clm; goto_oid('(1,10,0)');");
  EXPECT_EQ(Work(), (Strings{"clm; find -f -e -select @frobnicate@", "clear_mark all",
                             "find -b -q -e -select @frobnicate@",
                             "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"0103use\" "
                             "HighltBckclr=\"6699FF\"?>Frobnicate</_touchup>@",
                             "clear_mark all"}));
  // The last record ends the method right after its marker.
  EXPECT_EQ(MessageList.records[0].markMode, 6);
}

// A comma found with the start of the next word; when that start lies behind
// markup or an article the key does not hold, the first comma is marked.
TEST_F(MarkingTest, CommaWithoutTheNextWord) {
  AddFinding(Finding(",.pump:| 0!NONE", K::OneWord, 37));
  host.failPattern = "@,.pump@";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work()[0], "clm; find -f -e -q -select @,.pump@");
  EXPECT_EQ(Work()[1], "clm; find -f -e -select @,@");
  EXPECT_EQ(Work()[3], "find -b -q -e -select @,@");
  EXPECT_TRUE(ui.Boxes().empty());
}

// Words of a finding that the search cannot hold together (markup or a
// set-aside article between them): the finding goes on its first word.
TEST_F(MarkingTest, WordsThatCannotBeFoundTogether) {
  for (const char* first : {"parsing", "re-use"}) {
    const std::string search = std::string(first) + ".pump.Remove";
    AddFinding(Finding(search + ":| 0", K::Word, 1));
    host.failPattern = "@" + search + "@";
    EXPECT_EQ(MarkingEngineWork(host), S_OK);
    EXPECT_EQ(Work()[0], "clm; find -f -e -q -select @" + search + "@");
    EXPECT_EQ(Work()[1], "clm; find -f -e -select @" + std::string(first) + "@");
    EXPECT_TRUE(ui.Boxes().empty()) << first;
    host.calls.clear();
    ClearFindings();
  }
}

TEST_F(MarkingTest, MarkerTextFallsBackToTheSearchText) {
  AddFinding(Finding("in.order:|12!to", K::Word, 1, 30));
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work()[3],
            "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"0130to\" "
            "HighltBckclr=\"6699FF\"?>in order</_touchup>@");
}

TEST_F(MarkingTest, AdviceAndTextAreEscaped) {
  AddFinding(Finding("x:| 0!say \"a@b\" & <c>", K::Word, 25));
  host.answers["$selection"] = "x@y";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work()[3],
            "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"2503say &quot;a&#64;b&quot; "
            "&amp; &lt;c&gt;\" HighltBckclr=\"FFFF66\"?>x&#64;y</_touchup>@");
}

TEST_F(MarkingTest, CorrectionsWithoutMarkers) {
  AddFinding(Finding("a:|00!an", K::Correction, 11));
  MarkInput b = Finding("pump:| 0", K::Replacement, 11);
  b.altWord = "pump";
  b.suggestion = "&reg;";
  AddFinding(b);
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  // A correction finds its word whole ("a" is not the end of "a" in "data").
  EXPECT_EQ(Work(), (Strings{"set wordscan=on", "clm; find -f -e -q -select @a@", "set wordscan=off",
                             "insert_string -sgml -pendingdelete @an@",
                             "set wordscan=on", "clm; find -f -e -q -select @pump@", "set wordscan=off",
                             "insert_string -sgml -pendingdelete @pump&reg;@",
                             // No marker went in: the corrections count for none.
                             "mes \"KESta: Congratulations: NO ERRORS\""}));
}

// The article the tokenizer dropped ('?' in the key) goes back after the
// word; "..." before a word puts "and" back in front of it.
TEST_F(MarkingTest, ArticleAndConjunctionCorrections) {
  AddFinding(Finding("Remove?:|00|", K::Correction, 11));
  AddFinding(Finding("CHECK?:|00|", K::Correction, 11));
  AddFinding(Finding("...valve:|00!and", K::Correction, 11));
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work(), (Strings{"set wordscan=on", "clm; find -f -e -q -select @Remove@", "set wordscan=off", "clm;",
                             "insert_string -sgml -pendingdelete @ the@",
                             "set wordscan=on", "clm; find -f -e -q -select @CHECK@", "set wordscan=off", "clm;",
                             "insert_string -sgml -pendingdelete @ THE@",
                             "clm; find -f -e -q -select @...valve@", "car edit 0,-8; dc;",
                             "insert_string -sgml -pendingdelete @ and@",
                             "mes \"KESta: Congratulations: NO ERRORS\""}));
}

// The move back over what was found counts the document's characters: a
// reference in the host's rendering is one character.
TEST_F(MarkingTest, ConjunctionMovesBackOverTheCharactersFound) {
  AddFinding(Finding("...valve:|00!and", K::Correction, 11));
  host.answers["$selection"] = "&amp; &prod;valve";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work()[1], "car edit 0,-8; dc;");
}

TEST_F(MarkingTest, CorrectionWithoutReplacementIsMarked) {
  AddFinding(Finding("percent:|00|", K::Correction, 11, 10));
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work(), (Strings{"clm; find -f -e -select @percent@", "clear_mark all",
                             "find -b -q -e -select @percent@",
                             "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"1110NONE\" "
                             "HighltBckclr=\"FF6699\"?>percent</_touchup>@",
                             "clear_mark all"}));
}

// The semicolon is searched as itself (as '.' it would match the last
// letter of any word before "th"), and the marker wraps the one found.
TEST_F(MarkingTest, SemicolonBecomesAMarker) {
  AddFinding(Finding(". th:|00|", K::Semicolon, 37));
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work(), (Strings{"find -f -e -q -select @; th@", "clm;", "find -b -q -e -select @;@",
                             "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"3700.\" "
                             "HighltBckclr=\"FF99FF\"?>;</_touchup>@",
                             "mes \"KESta: One error.\""}));
}

// Without white space after the semicolon the next word follows it directly.
TEST_F(MarkingTest, SemicolonBeforeTheNextWordDirectly) {
  AddFinding(Finding(". th:|00|", K::Semicolon, 37));
  host.failPattern = "@; th@";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work(), (Strings{"find -f -e -q -select @; th@", "find -f -e -q -select @;th@", "clm;",
                             "find -b -q -e -select @;@",
                             "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"3700.\" "
                             "HighltBckclr=\"FF99FF\"?>;</_touchup>@",
                             "mes \"KESta: One error.\""}));
  EXPECT_TRUE(ui.Boxes().empty());
}

// Markup between the semicolon and the next word, which no search crosses:
// the first semicolon from the caret is marked.
TEST_F(MarkingTest, SemicolonBeforeMarkup) {
  AddFinding(Finding(". th:|00|", K::Semicolon, 37));
  host.failPattern = "th@";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work(), (Strings{"find -f -e -q -select @; th@", "find -f -e -q -select @;th@",
                             "find -f -e -q -select @; ... th@", "find -f -e -q -select @;@", "clm;",
                             "find -b -q -e -select @;@",
                             "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"3700.\" "
                             "HighltBckclr=\"FF99FF\"?>;</_touchup>@",
                             "mes \"KESta: One error.\""}));
  EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(MarkingTest, RecordLevelBoxesGoOnWithTheNextRecord) {
  AddFinding(Finding("nocolon", K::Word, 1, 3, 77));
  AddFinding(Finding(":x", K::Word, 1));
  AddFinding(Finding("ok:| 0", K::Word, 1));
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  auto boxes = ui.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Report KESta error Gate No. 77 at [nocolon].");
  EXPECT_EQ(boxes[0].caption, "REPORT KESta PROBLEM");
  EXPECT_EQ(boxes[1].text, "Report KESta error Dictionary [:x]");
  EXPECT_EQ(boxes[1].caption, "KESta PROBLEM");
  EXPECT_EQ(Work()[0], "clm; find -f -e -select @ok@");
}

TEST_F(MarkingTest, ProgressLinesCarryTheirClosingQuote) {
  for (int i = 0; i < 45; ++i) AddFinding(Finding("w" + std::to_string(i) + ":| 0", K::Word, 25));
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(host.Statuses(), (Strings{"WAIT: KESta processed 20 of 45 errors",
                                      "WAIT: KESta processed 40 of 45 errors"}));
}

TEST_F(MarkingTest, ForwardSearchFailureSkipsTheRecord) {
  AddFinding(Finding("gone:| 0", K::Word, 25, 3, 4321));
  AddFinding(Finding("here:| 0", K::Word, 25));
  host.failPattern = "@gone@";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  auto boxes = ui.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "the host failed Report KESta error (86).\n(KESta Search  -gone- Key W4321) ");
  EXPECT_EQ(boxes[0].caption, "Report KESta problem");
  EXPECT_EQ(Work()[0], "clm; find -f -e -select @gone@");
  EXPECT_EQ(Work()[1], "clear_mark all");
  EXPECT_EQ(Work()[2], "clm; find -f -e -select @here@");
}

TEST_F(MarkingTest, BackwardSearchAndInsertFailuresEndTheMarking) {
  AddFinding(Finding("gone:| 0", K::Word, 25, 3, 4321));
  AddFinding(Finding("here:| 0", K::Word, 25));
  host.failPattern = "find -b -q -e -select @gone@";
  EXPECT_EQ(MarkingEngineWork(host), S_FALSE);
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_EQ(ui.Boxes()[0].text, "the host failed Report error (87) in KESta Engine.\n(KESta Search key -gone-) 4321");
  ui.Clear();
  host.calls.clear();
  host.failPattern = "insert_string";
  EXPECT_EQ(MarkingEngineWork(host), S_FALSE);
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_EQ(ui.Boxes()[0].text, "the host failed KESta error (89) possible alignment or document is READ ONLY.");
  EXPECT_EQ(ui.Boxes()[0].caption, "Text Selection");
}

TEST_F(MarkingTest, CorrectionInsertFailuresGoOn) {
  AddFinding(Finding("a:|00!an", K::Correction, 11));
  MarkInput b = Finding("pump:| 0", K::Replacement, 11);
  b.altWord = "pump";
  AddFinding(b);
  host.failPattern = "insert_string";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  ASSERT_EQ(ui.Boxes().size(), 2u);
  EXPECT_EQ(ui.Boxes()[0].text, "KESta error(587) report this number.");
  EXPECT_EQ(ui.Boxes()[0].style, MB_OK);
  EXPECT_EQ(ui.Boxes()[1].text, "KESta error(588) report this number.");
}

TEST_F(MarkingTest, CorrectionsNotFoundCostTheirRecordOnly) {
  AddFinding(Finding("gone:|00!an", K::Correction, 11, 3, 55));
  AddFinding(Finding(". th:|00|", K::Semicolon, 37, 0, 56));
  AddFinding(Finding("a:|00!an", K::Correction, 11));
  host.failPattern = "@gone@";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  // The closing line counts the markers that went into the document: the
  // correction made in place has none.
  EXPECT_EQ(host.Executed().back(), "mes \"KESta: One error.\"");
  EXPECT_EQ(Check.markedCount, 1);
  host.failPattern = "-select @;";  // no semicolon at all from the caret on
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  auto boxes = ui.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "the host failed Report KESta error (86).\n(KESta Search  -gone- Key A55) ");
  EXPECT_EQ(boxes[1].text, "the host failed Report KESta error (86).\n(KESta Search  -. th- Key V56) ");
  EXPECT_EQ(host.Executed().back(), "mes \"KESta: Congratulations: NO ERRORS\"");
}

TEST_F(MarkingTest, OtherHostFailuresShowString108) {
  AddFinding(Finding("...x:|00!and", K::Correction, 11));
  host.failPattern = "car edit";
  EXPECT_EQ(MarkingEngineWork(host), S_FALSE);
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_EQ(ui.Boxes()[0].caption, "KESta Checker");
  EXPECT_NE(ui.Boxes()[0].text.find("One of the Arbortext ACL functions failed"), std::string::npos);
}

TEST_F(MarkingTest, SentenceArticle) {
  AddFinding(Finding("valve:|31", K::SentenceArticle, 28, 31));
  host.answers["$selection"] = "THE";
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Work()[0], "find -f -q -select @valve@;");
  EXPECT_EQ(Work()[1], "find -b -e -q -select @T..@;");
  EXPECT_EQ(Work()[2], "clm;");
  EXPECT_EQ(Work()[3], "clear_mark all");
  EXPECT_EQ(Work()[4], "car edit 0,-3");
  EXPECT_EQ(Work()[5], "clm; find -f -e -select @THE@");
}

}  // namespace
