#include <gtest/gtest.h>

#include "editor/editor.h"
#include "platform/scripted_interaction.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/temp_dir.h"

using editor::Editor;
using namespace editor_test;

class AclFunctions : public ::testing::Test {
 protected:
  void SetUp() override { Load(e, kSample); }
  Editor e;
};

// Each row runs `script` (if any) on a fresh sample and evaluates `expression`.
TEST(AclFunctionTable, Answers) {
  struct Case {
    const char* script;
    const char* expression;
    const char* answer;
  };
  const Case cases[] = {
      {"", "doc_name()", "sample.xml"},
      {"", "doc_path()", "/docs/sample.xml"},
      // the walk in document order: forward, backward, parent, and the null id at either end
      {"", "oid_first()", "(1,1,0)"},
      {"", "oid_last()", "(1,7,0)"},
      {"", "oid_backward('(1,6,0)')", "(1,5,0)"},
      {"", "oid_backward(oid_first())", "(0,0,0)"},
      {"", "oid_forward('(1,4,0)')", "(1,5,0)"},
      {"", "oid_name(oid_forward('(1,4,0)'))", "_pi"},
      {"", "oid_forward(oid_last())", "(0,0,0)"},
      {"", "oid_parent('(1,7,0)')", "(1,6,0)"},
      {"", "oid_parent(oid_first())", "(0,0,0)"},
      // the caret and the current tag follow the caret
      {"goto_oid('(1,7,0)')", "oid_current_tag(0)", "(1,7,0)"},
      {"goto_oid('(1,7,0)'); car edit 0,5", "oid_caret()", "(1,7,0)"},  // after <emph>'s last character
      {"goto_oid('(1,7,0)'); car edit 0,6", "oid_caret()", "(1,6,0)"},  // over </emph> and the blank
      {"", "oid_attr('(1,4,0)',\"id\");", "p1"},
      {"", "oid_attr('(1,4,0)',\"Kesta\");", ""},
      {"goto_oid('(1,4,0)'); find -f -select @valve@; insert_string -sgml -pendingdelete @<?Pub _touchup "
       "Kesta=\"0103use &amp; check\" HighltBckclr=\"6699FF\"?>valve</_touchup>@; car edit 0,-1",
       "oid_attr(oid_caret(),\"Kesta\");", "0103use & check"},  // the marker's own attribute
      // selecting as a function; the selection as markup
      {"", "oid_select('(1,6,0)')", "1"},
      {"oid_select('(1,6,0)',0,0,1)", "$selection", "<para id=\"p2\">Close the <emph>valve</emph> now.</para>"},
      {"oid_select('(1,5,0)',0,0,1);", "$selection", "<?KESSTA STE=green:SIX SIGMA#1:1:2026-1:1-ABCD?>"},
      {"select_element('(1,2,0)')", "$selection", "<title>Pump &trade; check</title>"},
      {"window_set(\"edit\",\"title\",\"sample.xml :: KESta - Active\");", "window_get(\"edit\",\"title\")",
       "sample.xml :: KESta - Active"},
      // change tracking reports tracked edits only
      {"goto_oid('(1,4,0)'); insert_string @x@", "change_tracking_find(oid_first(),1,0x4)", "(-1,0,0)"},
      {"goto_oid('(1,4,0)'); set changetracking=on; insert_string @y@", "change_tracking_find(oid_first(),1,0x4)",
       "(1,4,0)"},
      {"", "mouse_at(0x001)", "text"},
      // Pump, &trade;, check, Open, the, valve, Close, the, valve, now.
      {"", "doc_word_count(0,0)", "10"},
      {"", "  oid_first ( ) ;  ", "(1,1,0)"},
  };
  for (const Case& c : cases) {
    Editor e;
    Load(e, kSample);
    if (*c.script) Exec(e, c.script);
    EXPECT_EQ(Eval(e, c.expression), c.answer) << c.script << " | " << c.expression;
  }
  Editor scratch;
  Load(scratch, "<doc/>", "");
  EXPECT_EQ(Eval(scratch, "doc_name()"), "");
}

TEST_F(AclFunctions, InvalidIdsGiveEmptyAnswers) {
  for (const char* id : {"(0,0,0)", "(1,99,0)", "garbage", "(1,0,0)", "(1,01,0)", ""}) {
    std::string quoted = std::string("'") + id + "'";
    EXPECT_EQ(Eval(e, "oid_valid(" + quoted + ")") + Eval(e, "oid_name(" + quoted + ")") +
                  Eval(e, "oid_forward(" + quoted + ")") + Eval(e, "oid_attr(" + quoted + ",'id')"),
              "0(0,0,0)")
        << id;
  }
}

TEST_F(AclFunctions, MouseFileSizeAndFailures) {
  e.SetMouseAnswer("tabl.entry");
  EXPECT_EQ(Eval(e, "mouse_at(0,0x001)"), "tabl.entry");
  TempDir dir;
  std::string path = dir.Write("f.txt", "12345");
  EXPECT_EQ(Eval(e, "file_size('" + path + "')"), "5");
  EXPECT_EQ(Eval(e, "file_size('" + path + ".none')"), "-1");
  EXPECT_NE(e.Evaluate("oid_select('(1,99,0)')", nullptr), S_OK);
  EXPECT_NE(e.Evaluate("window_get(\"main\",\"title\")", nullptr), S_OK);
  for (const char* bad : {"", "oid_first(", "oid_nothing()", "oid_name()", "'open", "$unknown", "oid_first() x"}) {
    EXPECT_EQ(e.Evaluate(bad, nullptr), E_FAIL) << bad;
    EXPECT_FALSE(e.LastError().empty());
  }
  std::string deep;
  for (int i = 0; i < 100; ++i) deep += "oid_parent(";
  deep += "oid_first()";
  for (int i = 0; i < 100; ++i) deep += ")";
  EXPECT_EQ(e.Evaluate(deep, nullptr), E_FAIL);
}
