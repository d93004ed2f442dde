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
  EXPECT_EQ(SplitCommands(""), (std::vector<std::string>{""}));
  // The second find takes '/' again; a region closes only on its own mark.
  EXPECT_EQ(SplitCommands("find -f /a;b/; set x=1/2; find -b /c;'d/;dt"),
            (std::vector<std::string>{"find -f /a;b/", " set x=1/2", " find -b /c;'d/", "dt"}));
}

TEST_F(AclCommands, AFailingCommandStopsTheLineAndFailsTheCall) {
  EXPECT_EQ(e.Execute("set a=1; goto_oid('(1,99,0)'); set b=2"), E_FAIL);
  EXPECT_EQ(e.Option("a"), "1");
  EXPECT_EQ(e.Option("b"), "");
  EXPECT_NE(e.LastError().find("(1,99,0)"), std::string::npos);
  Exec(e, "set messagelocation = statusbar; set RevertFocus=on;");
  EXPECT_EQ(e.Option("messagelocation"), "statusbar");
  EXPECT_EQ(e.Option("RevertFocus"), "on");
  for (const char* bad : {"bogus", "dt extra", "car edit 1,2", "car edit 0,x", "car fly", "set noequals",
                          "find -z @a@", "find -f valve", "find -f @valve", "insert_string -x @a@", "fps",
                          "clear_mark some"})
    EXPECT_EQ(e.Execute(bad), E_FAIL) << bad;
}

// Each script runs on a fresh sample; the saved body then holds `holds`, and
// `expression` (if any) answers `answer`.
TEST(AclEdits, ScriptsLeaveTheirTextCaretSelectionAndIds) {
  struct Case {
    const char* script;
    const char* holds;
    const char* expression = nullptr;
    const char* answer = nullptr;
  };
  const Case cases[] = {
      // goto puts the caret at the start of the content
      {"goto_oid('(1,6,0)'); insert_string @>@", "<para id=\"p2\">&gt;Close", "oid_caret()", "(1,6,0)"},
      // caret moves count characters, tags nothing
      {"goto_oid('(1,6,0)'); car edit 0,10; car edit 0,2; insert_string @|@", "<emph>va|lve</emph>"},
      // insert_string replaces the selection with plain text; the caret follows it
      {"goto_oid('(1,4,0)'); find -f -q -select @valve@; insert_string -pendingdelete @valve/valves <b> &amp;@",
       "Open the valve/valves &lt;b&gt; &amp;amp;.</para>"},
      // pending delete off drops the selection; the option or the switch replaces it
      {"set pendingdelete=off; goto_oid('(1,4,0)'); find -f -select @Open@; insert_string @Shut@",
       "OpenShut the"},
      {"set pendingdelete=off; goto_oid('(1,4,0)'); find -f -select @Open@; insert_string -pendingdelete @Lock@",
       ">Lock the"},
      {"goto_oid('(1,4,0)'); car edit 0,4; clm; is -markup \"&trade;\"; clm; is -markup \"&reg;\"",
       "Open&trade;&reg; the"},
      {"clm; goto_oid(oid_first()); insert_pi('KESSTA STE=red:ONE SIGMA#6:12:2026-14:5-ABCD',0,0)",
       "<doc id=\"d1\"><?KESSTA STE=red:ONE SIGMA#6:12:2026-14:5-ABCD?><title>"},
      // dt removes the tags of the selected element, else of the caret's
      {"goto_oid('(1,7,0)'); oid_select('(1,7,0)',0,0,1); dt;", "Close the valve now."},
      {"goto_oid('(1,4,0)'); car edit 0,3; dt", "<body>Open the valve.<?KESSTA"},
      // dc and delete take a character or the selection; dc before a tag the blank before it
      {"goto_oid('(1,4,0)'); find -f -select @the @; delete; dc; delete", ">Openalve.<"},
      {"goto_oid('(1,7,0)'); dc", "Close the<emph>"},
      // what choosing the menu's suggestion "tap" sends for a marker on "valve"
      {"goto_oid('(1,4,0)'); find -f -select @valve@; insert_string -sgml -pendingdelete "
       "@<?Pub _touchup Kesta=\"0100tap\" HighltBckclr=\"6699FF\"?>valve</_touchup>@;"
       "goto_oid('(1,8,0)'); oid_select('(1,8,0)',0,0,1); dt; car edit 0,-2; find -f -select @valve@;"
       "insert_string -pendingdelete @tap@; car edit 0,-3; set pendingdelete=off; set inputmode=insert;"
       "clear_mark all",
       "<para id=\"p1\">Open the tap.</para>"},
      // a marker: shown as the host shows it, saved as a pair of instructions
      {"goto_oid('(1,4,0)'); clm; find -f -e -select @the.valve@; insert_string -sgml -pendingdelete "
       "@<?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>the valve</_touchup>@; clear_mark all;"
       "oid_select('(1,4,0)')",
       "Open <?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>the valve<?Pub /_touchup?>.</para>",
       "$selection",
       "<para id=\"p1\">Open <?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>the valve</_touchup>.</para>"},
      // the caret, the selection and the ids an edit leaves
      {"goto_oid('(1,7,0)'); scroll_to_oid('(1,2,0)',1,-1)", "", "oid_caret()", "(1,7,0)"},
      {"goto_oid('(1,6,0)'); car edit 0,10; car edit 0,+1; car mouse", "", "oid_caret()", "(1,7,0)"},
      {"select_element('(1,4,0)'); clm", "", "$selection", ""},
      // the stamp's search for the body's start tag wraps, as the editor starts
      {"goto_oid(oid_first()); find -b -m -t -select /<body>/; clm;", "", "oid_name(oid_caret())", "body"},
      {"oid_select('(1,7,0)',0,0,1); dt;", "", "oid_valid('(1,6,0)')", "1"},  // the others keep their ids
      {"oid_select('(1,5,0)',0,0,1); dt;", "", "oid_valid('(1,5,0)')", "0"},  // an instruction goes whole
  };
  for (const Case& c : cases) {
    Editor e;
    Load(e, kSample);
    Exec(e, c.script);
    EXPECT_NE(Body(e).find(c.holds), std::string::npos) << c.script << "\n" << Body(e);
    if (c.expression) {
      EXPECT_EQ(Eval(e, c.expression), c.answer) << c.script;
    }
  }
}

// Refused edits fail and leave the document as it was; the caret stays.
TEST_F(AclCommands, RefusedEditsChangeNothing) {
  const std::string before = e.SaveText();
  for (const char* bad : {"scroll_to_oid('(1,77,0)',1,-1)", "goto_oid(oid_first()); car edit 0,-1",
                          "car edit 0,100000", "insert_pi('bad?>text',0,0)", "insert_pi('',0,0)",
                          "goto_oid(oid_first()); dt", "oid_select(oid_first()); dt",
                          "goto_oid(oid_first()); dc", "oid_select(oid_first()); delete",
                          "oid_select(oid_first()); insert_string -pendingdelete @x@"}) {
    EXPECT_EQ(e.Execute(bad), E_FAIL) << bad;
    EXPECT_EQ(e.SaveText(), before) << bad;
  }
  EXPECT_EQ(Eval(e, "oid_caret()"), "(1,1,0)");
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

// Markers saved and read back are markers again; taken out as the module
// does (by fps, or by walking the ids) they give the words back as they were.
TEST_F(AclCommands, RemovingEveryMarkerTheWayTheModuleDoesKeepsTheWords) {
  const std::string original = Body(e);
  for (const char* word : {"Pump", "valve", "now"}) {
    Exec(e, "clm; find -f -e -select @" + std::string(word) + "@");
    Exec(e, "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"2500NONE\" HighltBckclr=\"FFFF66\"?>" +
                std::string(word) + "</_touchup>@");
    Exec(e, "clear_mark all");
  }
  Load(e, e.SaveText());
  Exec(e, "goto_oid('(1,3,0)'); fps 'Kesta'; dt;");  // into the next element whose start markup holds it
  std::vector<std::string> markers;
  for (std::string id = Eval(e, "oid_forward(oid_first())"); Eval(e, "oid_valid('" + id + "')") == "1";
       id = Eval(e, "oid_forward('" + id + "')"))
    if (Eval(e, "oid_name('" + id + "')") == "_touchup") markers.push_back(id);
  ASSERT_EQ(markers.size(), 2u);
  for (const std::string& m : markers) Exec(e, "goto_oid('" + m + "'); oid_select('" + m + "',0,0,1); dt;");
  EXPECT_EQ(Body(e), original);
  EXPECT_EQ(e.Execute("fps 'Kesta'; dt;"), E_FAIL);
}

TEST_F(AclCommands, MesWritesAStatusLineAndTagDisplayChangesNothing) {
  const std::string before = e.SaveText();
  Exec(e, "td -partial _touchup");
  EXPECT_EQ(e.SaveText(), before);
  Exec(e, "mes \"WAIT: KESta processed 20 of 40 errors");
  Exec(e, "mes \"KESta: Found 3 errors.\";");
  EXPECT_EQ(ui.StatusLines(),
            (std::vector<std::string>{"WAIT: KESta processed 20 of 40 errors", "KESta: Found 3 errors."}));
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

TEST(AclWithoutADocument, QuestionsGetEmptyAnswersAndEditsFail) {
  Editor e;
  EXPECT_EQ(Eval(e, "oid_caret()"), "(0,0,0)");
  EXPECT_EQ(Eval(e, "doc_name()"), "");
  for (const char* edit : {"insert_string @x@", "insert_pi('a b',0,0)", "dt"}) EXPECT_EQ(e.Execute(edit), E_FAIL);
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
