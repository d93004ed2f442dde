#include <gtest/gtest.h>

#include "editor/acl.h"
#include "editor/editor.h"
#include "platform/scripted_interaction.h"
#include "tests/editor/editor_fixture.h"

using editor::Editor;
using namespace editor_test;

class AclCommands : public ::testing::Test {
 protected:
  void SetUp() override { Load(e, kSample); }
  Editor e;
  ScriptedInteraction ui;
};

TEST(AclSplit, SemicolonsInsideDelimitersQuotesAndParenthesesDoNotSplit) {
  using editor::SplitCommands;
  EXPECT_EQ(SplitCommands("clm; goto_oid('a;b');"),
            (std::vector<std::string>{"clm", " goto_oid('a;b')", ""}));
  EXPECT_EQ(SplitCommands("find -f -select @a;b@; car mouse; "),
            (std::vector<std::string>{"find -f -select @a;b@", " car mouse", " "}));
  EXPECT_EQ(SplitCommands("find -b -t -m -select /<x;y>/;clm"),
            (std::vector<std::string>{"find -b -t -m -select /<x;y>/", "clm"}));
  EXPECT_EQ(SplitCommands("mes \"a;b\"; oid_select(f(1;2))"),
            (std::vector<std::string>{"mes \"a;b\"", " oid_select(f(1;2))"}));
  // A '/' outside a find is text; a quote left open runs to the end.
  EXPECT_EQ(SplitCommands("set a=b/c; mes \"x; y"), (std::vector<std::string>{"set a=b/c", " mes \"x; y"}));
  EXPECT_EQ(SplitCommands("clm; find -f @a;b; c"), (std::vector<std::string>{"clm", " find -f @a;b; c"}));
  // The second find takes '/' again; a region closes only on its own mark.
  EXPECT_EQ(SplitCommands("find -f /a;b/; set x=1/2; find -b /c;'d/;dt"),
            (std::vector<std::string>{"find -f /a;b/", " set x=1/2", " find -b /c;'d/", "dt"}));
  EXPECT_EQ(SplitCommands(""), (std::vector<std::string>{""}));
}

TEST_F(AclCommands, AFailingCommandStopsTheLineAndFailsTheCall) {
  EXPECT_EQ(e.Execute("set a=1; goto_oid('(1,99,0)'); set b=2"), E_FAIL);
  EXPECT_EQ(e.Option("a"), "1");
  EXPECT_EQ(e.Option("b"), "");
  EXPECT_NE(e.LastError().find("(1,99,0)"), std::string::npos);
  for (const char* bad : {"bogus", "dt extra", "car edit 1,2", "car edit 0,x", "car fly", "set noequals",
                          "find -z @a@", "find -f valve", "find -f @valve", "insert_string -x @a@", "fps",
                          "clear_mark some", "clm now"})
    EXPECT_EQ(e.Execute(bad), E_FAIL) << bad;
}

TEST_F(AclCommands, SetKeepsEveryOption) {
  Exec(e, "set saverenames=off");
  Exec(e, "set tagdisplay=full;");
  Exec(e, "set messagelocation = statusbar; set RevertFocus=on");
  EXPECT_EQ(e.Option("saverenames"), "off");
  EXPECT_EQ(e.Option("tagdisplay"), "full");
  EXPECT_EQ(e.Option("messagelocation"), "statusbar");
  EXPECT_EQ(e.Option("RevertFocus"), "on");
}

TEST_F(AclCommands, GotoPutsTheCaretAtTheStartOfTheContent) {
  Exec(e, "goto_oid('(1,6,0)')");
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,6,0)");
  Exec(e, "insert_string @>@");
  EXPECT_NE(Body(e).find("<para id=\"p2\">&gt;Close"), std::string::npos);
  Exec(e, "clm; goto_oid('(1,4,0)');");
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,4,0)");
  Exec(e, "goto_oid(oid_first()); clm;");
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,1,0)");
  Exec(e, "goto_oid('(1,7,0)'); scroll_to_oid('(1,2,0)',1,-1)");  // scrolling leaves the caret
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,7,0)");
  EXPECT_EQ(e.Execute("scroll_to_oid('(1,77,0)',1,-1)"), E_FAIL);
}

TEST_F(AclCommands, CaretMovesByCharactersAndTagsCountNothing) {
  Exec(e, "goto_oid('(1,6,0)'); car edit 0,10");  // "Close the " then <emph>
  Exec(e, "car edit 0,2");
  Exec(e, "insert_string @|@");
  EXPECT_NE(Body(e).find("<emph>va|lve</emph>"), std::string::npos);
  Exec(e, "car edit 0,-4");  // back over "|", "a", "v" and the blank, passing <emph>
  Exec(e, "insert_string @#@");
  EXPECT_NE(Body(e).find("Close the# <emph>va|lve"), std::string::npos) << Body(e);
  Exec(e, "car edit 0,+1");  // right after the blank: before <emph>, not in it
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,6,0)");
  Exec(e, "car edit 0,+1; car mouse");
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,7,0)");
  // Past either end of the document the caret stays and the call fails.
  EXPECT_EQ(e.Execute("goto_oid(oid_first()); car edit 0,-1"), E_FAIL);
  EXPECT_EQ(e.Execute("car edit 0,100000"), E_FAIL);
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,1,0)");
}

TEST_F(AclCommands, SelectionIsClearedByClmAndClearMark) {
  Exec(e, "select_element('(1,4,0)')");
  EXPECT_TRUE(e.HasSelection());
  Exec(e, "clm");
  EXPECT_FALSE(e.HasSelection());
  Exec(e, "oid_select('(1,4,0)',0,0,1); clear_mark all");
  EXPECT_FALSE(e.HasSelection());
  EXPECT_EQ(Eval(e, "$selection"), "");
}

TEST_F(AclCommands, InsertStringReplacesTheSelectionWithPlainText) {
  Exec(e, "goto_oid('(1,4,0)'); find -f -q -select @valve@");
  Exec(e, "insert_string -pendingdelete @valve/valves <b> &amp;@");
  EXPECT_NE(Body(e).find("Open the valve/valves &lt;b&gt; &amp;amp;.</para>"), std::string::npos) << Body(e);
  // The caret follows the text; going back by its length reaches its start.
  Exec(e, "car edit 0,-22; insert_string @^@");
  EXPECT_NE(Body(e).find("the ^valve/valves"), std::string::npos) << Body(e);
}

TEST_F(AclCommands, PendingDeleteDecidesWhetherTheSelectionIsReplaced) {
  Exec(e, "set pendingdelete=off; goto_oid('(1,4,0)'); find -f -select @Open@");
  Exec(e, "insert_string @Shut@");  // dropped, not replaced
  EXPECT_NE(Body(e).find("OpenShut the"), std::string::npos) << Body(e);
  Exec(e, "goto_oid('(1,4,0)'); find -f -select @Open@; insert_string -pendingdelete @Lock@");
  EXPECT_NE(Body(e).find(">LockShut the"), std::string::npos) << Body(e);
  Exec(e, "set pendingdelete=on; goto_oid('(1,4,0)'); find -f -select @Lock@; insert_string @Free@");
  EXPECT_NE(Body(e).find(">FreeShut the"), std::string::npos) << Body(e);
}

TEST_F(AclCommands, InsertStringSgmlWritesAMarker) {
  Exec(e, "goto_oid('(1,4,0)'); clm; find -f -e -select @the.valve@");
  Exec(e, "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>"
          "the valve</_touchup>@");
  Exec(e, "clear_mark all");
  EXPECT_EQ(Eval(e, "oid_name('(1,8,0)')"), "_touchup");
  EXPECT_EQ(Eval(e, "oid_parent('(1,8,0)')"), "(1,4,0)");
  Exec(e, "oid_select('(1,4,0)')");
  EXPECT_EQ(Eval(e, "$selection"),
            "<para id=\"p1\">Open <?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>the valve"
            "</_touchup>.</para>");
  EXPECT_NE(Body(e).find("Open <?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>the valve"
                         "<?Pub /_touchup?>.</para>"),
            std::string::npos);
  // Saved and read back, it is a marker again.
  Editor again;
  Load(again, e.SaveText());
  EXPECT_EQ(Eval(again, "oid_name(oid_forward('(1,4,0)'))"), "_touchup");
}

TEST_F(AclCommands, InsertStringSgmlTakesTextEntitiesAndElementsAndRefusesBrokenMarkup) {
  Exec(e, "goto_oid('(1,4,0)'); insert_string -sgml @a &amp; b &trade; 5 < 6 <b x='1'>bold</b><br/> @");
  EXPECT_NE(Body(e).find("<para id=\"p1\">a &amp; b &trade; 5 &lt; 6 <b x=\"1\">bold</b><br/> Open"),
            std::string::npos)
      << Body(e);
  std::string before = Body(e);
  for (const char* bad : {"insert_string -sgml @<b>open@", "insert_string -sgml @</_touchup>@",
                          "insert_string -sgml @<?Pub _touchup Kesta=\"x?>a</_touchup>@",
                          "insert_string -sgml @<a><b></a></b>@", "insert_string -sgml @<?xml v?>@"}) {
    EXPECT_EQ(e.Execute(bad), E_FAIL) << bad;
    EXPECT_EQ(Body(e), before) << bad;
  }
  // Nothing the refused markup began is left as a valid id.
  EXPECT_EQ(Eval(e, "oid_valid('(1,10,0)')"), "0");
}

TEST_F(AclCommands, IsMarkupInsertsEntityReferences) {
  Exec(e, "goto_oid('(1,4,0)'); car edit 0,4; clm; is -markup \"&trade;\"");
  Exec(e, "clm; is -markup \"&reg;\"");
  EXPECT_NE(Body(e).find("Open&trade;&reg; the"), std::string::npos) << Body(e);
}

TEST_F(AclCommands, InsertPiPutsAnInstructionAtTheCaret) {
  Exec(e, "clm; goto_oid(oid_first())");
  Exec(e, "insert_pi('KESSTA STE=red:ONE SIGMA#6:12:2026-14:5-ABCD',0,0)");
  EXPECT_NE(Body(e).find("<doc id=\"d1\"><?KESSTA STE=red:ONE SIGMA#6:12:2026-14:5-ABCD?><title>"),
            std::string::npos);
  EXPECT_EQ(Eval(e, "oid_name(oid_forward(oid_first()))"), "_pi");
  // The stamp's next command finds the body's start tag: searches wrap as
  // the editor starts.
  Exec(e, "find -b -m -t -select /<body>/; clm;");
  EXPECT_EQ(Eval(e, "oid_name(oid_caret())"), "body");
  EXPECT_EQ(e.Execute("insert_pi('bad?>text',0,0)"), E_FAIL);
  EXPECT_EQ(e.Execute("insert_pi('',0,0)"), E_FAIL);
}

TEST_F(AclCommands, DtRemovesTheTagsOfTheSelectedOrCaretElement) {
  Exec(e, "goto_oid('(1,7,0)'); oid_select('(1,7,0)',0,0,1); dt;");
  EXPECT_NE(Body(e).find("Close the valve now."), std::string::npos);
  EXPECT_EQ(Eval(e, "oid_valid('(1,7,0)')"), "0");
  EXPECT_EQ(Eval(e, "oid_valid('(1,6,0)')"), "1");  // the others keep their ids
  Exec(e, "goto_oid('(1,4,0)'); car edit 0,3; dt");  // no selection: the caret's element
  EXPECT_NE(Body(e).find("<body>Open the valve.<?KESSTA"), std::string::npos) << Body(e);
  // A processing instruction goes whole.
  Exec(e, "oid_select('(1,5,0)',0,0,1);");
  EXPECT_EQ(Eval(e, "$selection").substr(0, 8), "<?KESSTA");
  Exec(e, "dt;");
  EXPECT_EQ(Body(e).find("KESSTA"), std::string::npos);
  EXPECT_EQ(e.Execute("goto_oid(oid_first()); dt"), E_FAIL);
  EXPECT_EQ(e.Execute("oid_select(oid_first()); dt"), E_FAIL);
}

TEST_F(AclCommands, DcAndDeleteRemoveCharactersOrTheSelection) {
  Exec(e, "goto_oid('(1,4,0)'); find -f -select @the @; delete");
  EXPECT_NE(Body(e).find(">Open valve.<"), std::string::npos) << Body(e);
  Exec(e, "dc;");
  EXPECT_NE(Body(e).find(">Openvalve.<"), std::string::npos) << Body(e);
  Exec(e, "delete");
  EXPECT_NE(Body(e).find(">Openalve.<"), std::string::npos) << Body(e);
  // Over tags: dc at the start of <emph> deletes the blank before it.
  Exec(e, "goto_oid('(1,7,0)'); dc");
  EXPECT_NE(Body(e).find("Close the<emph>"), std::string::npos) << Body(e);
  EXPECT_EQ(e.Execute("goto_oid(oid_first()); dc"), E_FAIL);
}

TEST_F(AclCommands, FpsMovesIntoTheNextElementWhoseStartMarkupHoldsTheText) {
  Exec(e, "goto_oid('(1,4,0)'); find -f -select @valve@");
  Exec(e, "insert_string -sgml @<?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>valve</_touchup>@");
  Exec(e, "goto_oid('(1,6,0)'); find -f -select @now@");
  Exec(e, "insert_string -sgml @<?Pub _touchup Kesta=\"1100NONE\" HighltBckclr=\"FF6699\"?>now</_touchup>@");
  Exec(e, "goto_oid('(1,3,0)')");
  Exec(e, "fps 'Kesta'; dt;");
  Exec(e, "fps 'Kesta'; dt;");
  EXPECT_EQ(Body(e).find("_touchup"), std::string::npos) << Body(e);
  EXPECT_NE(Body(e).find("Open the valve."), std::string::npos);
  EXPECT_EQ(e.Execute("fps 'Kesta'; dt;"), E_FAIL);
}

TEST_F(AclCommands, RemovingEveryMarkerTheWayTheModuleDoesKeepsTheWords) {
  const std::string original = Body(e);
  for (const char* word : {"Pump", "valve", "Close"}) {
    Exec(e, "clm; find -f -e -select @" + std::string(word) + "@");
    Exec(e, "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"2500NONE\" HighltBckclr=\"FFFF66\"?>" +
                std::string(word) + "</_touchup>@");
    Exec(e, "clear_mark all");
  }
  std::vector<std::string> markers;
  std::string id = Eval(e, "oid_first()");
  while (true) {
    id = Eval(e, "oid_forward('" + id + "')");
    if (Eval(e, "oid_valid('" + id + "')") != "1") break;
    if (Eval(e, "oid_name('" + id + "')") == "_touchup") markers.push_back(id);
  }
  ASSERT_EQ(markers.size(), 3u);
  for (const std::string& m : markers) Exec(e, "goto_oid('" + m + "'); oid_select('" + m + "',0,0,1); dt;");
  EXPECT_EQ(Body(e), original);
}

TEST_F(AclCommands, TagDisplayChangesNothing) {
  std::string before = e.SaveText();
  Exec(e, "td -partial _touchup");
  EXPECT_EQ(e.SaveText(), before);
}

TEST_F(AclCommands, MesWritesAStatusLine) {
  Exec(e, "mes \"KESta removed old Quality marker.\"");
  Exec(e, "mes \"WAIT: KESta processed 20 of 40 errors");
  Exec(e, "mes \"KESta: Found 3 errors.\";");
  EXPECT_EQ(ui.StatusLines(), (std::vector<std::string>{"KESta removed old Quality marker.",
                                                        "WAIT: KESta processed 20 of 40 errors",
                                                        "KESta: Found 3 errors."}));
}

// In double quotes a backslash escapes the next character; single quotes
// take their text as it stands.
TEST_F(AclCommands, EscapedQuotesInStrings) {
  using editor::SplitCommands;
  EXPECT_EQ(SplitCommands("mes \"a \\\"b; c\\\"\"; clm"),
            (std::vector<std::string>{"mes \"a \\\"b; c\\\"\"", " clm"}));
  Exec(e, "mes \"Say \\\"go\\\" in C:\\\\temp\"");
  Exec(e, "mes 'a\\b'");
  Exec(e, "window_set(\"edit\",\"title\",\"my \\\"best\\\" manual.xml\");");
  EXPECT_EQ(Eval(e, "window_get(\"edit\",\"title\")"), "my \"best\" manual.xml");
  Exec(e, "set x=\"a\\\"b\"");
  EXPECT_EQ(e.Option("x"), "a\"b");
  // An escaped quote does not close the string: it runs to the end.
  Exec(e, "mes \"open\\\"; clm");
  EXPECT_EQ(ui.StatusLines(), (std::vector<std::string>{"Say \"go\" in C:\\temp", "a\\b", "open\"; clm"}));
}

TEST_F(AclCommands, TheMenusReplacementSequence) {
  // A marker on "valve", then what choosing the suggestion "tap" sends.
  Exec(e, "goto_oid('(1,4,0)'); find -f -select @valve@");
  Exec(e, "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"0100tap\" HighltBckclr=\"6699FF\"?>valve</_touchup>@");
  Exec(e, "goto_oid('(1,4,0)'); car edit 0,10");  // into the marker
  std::string id = Eval(e, "oid_caret()");
  EXPECT_EQ(Eval(e, "oid_name('" + id + "')"), "_touchup");
  Exec(e, "goto_oid('" + id + "'); oid_select('" + id + "',0,0,1);");
  Exec(e, "dt;");
  Exec(e, "car edit 0,-2;");
  Exec(e, "find -f -select @valve@");
  Exec(e, "insert_string -pendingdelete @tap@");
  Exec(e, "car edit 0,-3");
  Exec(e, "set pendingdelete=off; set inputmode=insert; clear_mark all");
  EXPECT_NE(Body(e).find("<para id=\"p1\">Open the tap.</para>"), std::string::npos) << Body(e);
}

TEST_F(AclCommands, TheRootCannotBeDeletedOrReplaced) {
  std::string before = e.SaveText();
  EXPECT_EQ(e.Execute("oid_select(oid_first()); delete"), E_FAIL);
  EXPECT_EQ(e.Execute("oid_select(oid_first()); insert_string -pendingdelete @x@"), E_FAIL);
  EXPECT_EQ(e.SaveText(), before);
}

TEST(AclWithoutADocument, QuestionsGetEmptyAnswersAndEditsFail) {
  Editor e;
  EXPECT_EQ(Eval(e, "oid_first()"), "(0,0,0)");
  EXPECT_EQ(Eval(e, "oid_caret()"), "(0,0,0)");
  EXPECT_EQ(Eval(e, "doc_name()"), "");
  EXPECT_EQ(e.Execute("insert_string @x@"), E_FAIL);
  EXPECT_EQ(e.Execute("insert_pi('a b',0,0)"), E_FAIL);
  EXPECT_EQ(e.Execute("dt"), E_FAIL);
  EXPECT_EQ(e.SaveText(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
}

TEST(AclOutsideTheRoot, WhatStandsBeforeTheRootIsNotWalkable) {
  Editor e;
  Load(e, "<?xml-stylesheet href=\"a.css\"?><doc><p>x</p></doc>");
  EXPECT_EQ(Eval(e, "oid_first()"), "(1,2,0)");  // the instruction before it took the first number
  EXPECT_EQ(Eval(e, "oid_valid('(1,1,0)')"), "0");
  EXPECT_EQ(e.Execute("goto_oid('(1,1,0)')"), E_FAIL);
  EXPECT_EQ(e.ResolveElement("(1,1,0)"), "");
}

TEST(AclInsertedMarkup, SavesWhatReadsBackTheSame) {
  Editor e;
  Load(e, "<doc><p>x</p></doc>");
  Exec(e, "goto_oid('(1,2,0)'); insert_string -sgml @<q a='tab\there' b=\"&#10;&amp;&unknown;\"/>@");
  Editor again;
  Load(again, e.SaveText());
  EXPECT_EQ(again.SaveText(), e.SaveText());
  EXPECT_EQ(Eval(again, "oid_attr('(1,3,0)','a')"), "tab\there");
  // Names with a namespace prefix or declaring one are refused.
  for (const char* bad : {"insert_string -sgml @<x:q/>@", "insert_string -sgml @<q xmlns='u'/>@",
                          "insert_string -sgml @<q x:a='1'/>@", "insert_pi('a:b c',0,0)"})
    EXPECT_EQ(e.Execute(bad), E_FAIL) << bad;
  // What is no reference (a name may not hold U+00D7) is text.
  Exec(e, "insert_string -sgml @&a\xc3\x97;@");
  EXPECT_NE(e.SaveText().find("&amp;a\xc3\x97;"), std::string::npos);
  // Bytes that are not UTF-8 arrive as U+FFFD.
  Exec(e, "insert_string @\xff@");
  EXPECT_NE(e.SaveText().find("\xef\xbf\xbd"), std::string::npos);
}
