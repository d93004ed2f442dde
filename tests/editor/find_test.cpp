#include <gtest/gtest.h>

#include "editor/editor.h"
#include "platform/scripted_interaction.h"
#include "tests/editor/editor_fixture.h"

using editor::Editor;
using namespace editor_test;

namespace {

constexpr const char* kText =
    "<doc><p>The valve is open.   Close\n  the VALVE now.</p>"
    "<p>Do not <b>op</b>en it. The tap; the valve.</p>"
    "<table><tgroup cols=\"2\"><row><entry>a</entry><entry>b</entry></row></tgroup></table></doc>";

}  // namespace

class Find : public ::testing::Test {
 protected:
  void SetUp() override {
    Load(e, kText);
    Exec(e, "set wrapscan=off");  // as the marking sets it; one test turns it on
  }
  // Finds and answers the selection's text ("" when the call failed).
  std::string Found(const std::string& command) {
    if (e.Execute(command) != S_OK) return "";
    return Eval(e, "$selection");
  }
  Editor e;
  ScriptedInteraction ui;
};

// Each row loads the text afresh (wrapscan off), runs `setup` and then
// `find`; the selection's text is `found` ("" when the search fails).
TEST_F(Find, SearchesAndTheirOptions) {
  struct Case {
    const char* setup;
    const char* find;
    const char* found;
  };
  const Case cases[] = {
      // forward from the caret, without regard to case, from the end of the last match on
      {"", "find -f -select @valve@", "valve"},
      {"find -f -select @valve@", "find -f -select @valve@", "VALVE"},
      {"find -f -select @valve@; find -f -select @valve@; find -f -select @valve@", "find -f -q -select @valve@",
       ""},
      {"set case=on", "find -f -select @VALVE@", "VALVE"},
      // a '.' matches any one character with -e only
      {"", "find -f -e -select @o.en@", "open"},
      {"", "find -f -q -select @o.en@", ""},
      // a run of white space matches one blank or one dot
      {"", "find -f -e -select @open..Close.the@", "open.   Close\n  the"},
      {"", "find -f -select @Close the@", "Close\n  the"},
      // a match never holds a tag
      {"", "find -f -q -select @open it@", ""},
      {"", "find -f -q -e -select @now..Do@", ""},
      // backward: the nearest match that ends before the caret
      {"set case=on; find -f -select @tap; the@; clear_mark all", "find -b -q -e -select @the@", "the"},
      {"find -f -select @valve@", "find -b -q -e -select @T..@", "The"},
      {"", "find -b -q -select @valve@", ""},  // nothing before the caret
      // wrapscan goes round the document
      {"find -f -select @tap@", "find -f -q -select @valve is@", ""},
      {"find -f -select @tap@; set wrapscan=on", "find -f -q -select @valve is@", "valve is"},
      {"set wrapscan=on; goto_oid(oid_first())", "find -b -q -select @the tap@", "The tap"},
      // wordscan matches whole words only
      {"set wordscan=on; find -f -select @the@", "find -f -select @the@", "the"},
      {"set wordscan=on", "find -f -q -select @alv@", ""},
      {"", "find -f -q -select @alv@", "alv"},
      // tagscan searches start markup too
      {"", "find -f -q -select @cols@", ""},
      // a tag search selects the element
      {"goto_oid(oid_last())", "find -b -t -m -select /<tgroup>/;",
       "<tgroup cols=\"2\"><row><entry>a</entry><entry>b</entry></row></tgroup>"},
      // the marking's search forms
      {"set case=on; clm", "find -f -e -q -select @the.VALVE@", "the VALVE"},
  };
  for (const Case& c : cases) {
    Editor f;
    Load(f, kText);
    Exec(f, std::string("set wrapscan=off; ") + c.setup);
    std::string found = f.Execute(c.find) == S_OK ? Eval(f, "$selection") : "";
    EXPECT_EQ(found, c.found) << c.setup << " | " << c.find;
  }
}

TEST_F(Find, TagscanQuietAndWhereTheCaretEnds) {
  Exec(e, "set tagscan=on");
  EXPECT_EQ(Found("find -f -q -select @cols@").substr(0, 17), "<tgroup cols=\"2\">");
  Exec(e, "set tagscan=off");
  // -q only silences the editor
  EXPECT_EQ(e.Execute("find -f -select @pump@"), E_FAIL);
  EXPECT_EQ(ui.StatusLines(), std::vector<std::string>{"Not found: pump"});
  EXPECT_EQ(e.Execute("find -f -q -select @pump@"), E_FAIL);
  EXPECT_EQ(ui.StatusLines().size(), 1u);
  EXPECT_EQ(e.Execute("find -f -q -select @@"), E_FAIL);
  Exec(e, "goto_oid(oid_last()); find -b -t -m -select /<tgroup>/;");
  EXPECT_EQ(Eval(e, "oid_name(oid_caret())"), "tgroup");
  Exec(e, "goto_oid(oid_first()); find -f -m -t -select /<p/; clm;");
  EXPECT_EQ(Eval(e, "oid_name(oid_caret())"), "p");
  EXPECT_FALSE(e.HasSelection());
}

// -select puts the caret at the end of the match, -noselect only moves it;
// the edits that follow land there.
TEST_F(Find, EditsAfterAFind) {
  Exec(e, "find -f -select @valve@; insert_string -pendingdelete @tap@");
  EXPECT_NE(Body(e).find("The tap is"), std::string::npos);
  Exec(e, "clm; find -f -noselect @is@");
  EXPECT_FALSE(e.HasSelection());
  Exec(e, "insert_string @n't@");
  EXPECT_NE(Body(e).find("The tap isn't open"), std::string::npos) << Body(e);
  Exec(e, "clear_mark all; find -f -q -select @tap@; clm; car edit 0,-0; dc;");
  EXPECT_NE(Body(e).find("The ta; the"), std::string::npos) << Body(e);
  Exec(e, "set case=on; goto_oid(oid_first()); find -f -select @it. The@; clear_mark all;"
          "find -b -q -e -select @T..@; insert_string -pendingdelete @THE@");
  EXPECT_NE(Body(e).find("it. THE ta;"), std::string::npos) << Body(e);
}

// A forward search tries only the places that hold its first character: every
// character that folds to it counts, on both sides of the last edit, and a
// search that finds nothing leaves the caret where it was.
TEST(FindFirstCharacter, EveryFormOfTheFirstCharacterIsTried) {
  Editor e;
  Load(e, "<doc><p>x \xc5\xa0koda \xc5\x92uvre \xc5\xb8se \xc3\x89t\xc3\xa9 Zed</p><p>zed "
          "\xc5\xa1koda \xc5\x93uvre \xc3\xbfse \xc3\xa9t\xc3\xa9</p></doc>");
  ScriptedInteraction ui;
  auto found = [&](const std::string& command) {
    return e.Execute(command) == S_OK ? Eval(e, "$selection") : std::string();
  };
  Exec(e, "set wrapscan=off");
  // An edit first, so that the gap of the buffer lies in the first paragraph.
  Exec(e, "find -f -select @x@; insert_string @y@; goto_oid(oid_first())");
  for (const char* word : {"\xc5\xa1koda", "\xc5\x93uvre", "\xc3\xbfse", "\xc3\xa9t\xc3\xa9", "zed"}) {
    Exec(e, "goto_oid(oid_first())");
    std::string first = found(std::string("find -f -select @") + word + "@");
    std::string second = found(std::string("find -f -select @") + word + "@");
    EXPECT_FALSE(first.empty()) << word;
    EXPECT_EQ(second, word);  // the small letters stand in the second paragraph
    EXPECT_NE(first, second) << word;
    EXPECT_EQ(found(std::string("find -f -q -select @") + word + "@"), "") << word;
  }
  Exec(e, "set case=on; goto_oid(oid_first())");
  EXPECT_EQ(found("find -f -select @\xc5\xa1koda@"), "\xc5\xa1koda");
  Exec(e, "goto_oid(oid_first())");
  std::size_t caret = e.CaretPosition();
  EXPECT_EQ(found("find -f -q -select @Zeds@"), "");
  EXPECT_EQ(e.CaretPosition(), caret);
  // With wrapscan the search goes on from the start up to the caret.
  Exec(e, "set wrapscan=on; find -f -select @zed@");
  EXPECT_EQ(found("find -f -select @Zed@"), "Zed");
}

// A soft hyphen inside the text found is passed over; the selection holds it.
TEST(FindSoftHyphen, PassedOverInsideAMatch) {
  Editor e;
  ScriptedInteraction ui;
  Load(e, "<doc><p>Re&#xAD;move the fil&#xAD;ter, then &#xAD;move it.</p></doc>");
  Exec(e, "set wrapscan=off; set case=on");
  struct Case {
    const char* command;
    const char* found;
  };
  for (const Case& c : {Case{"find -f -e -select @Remove@", "Re\u00ADmove"},
                        Case{"find -f -e -select @filter,.then@", "fil\u00ADter, then"},
                        Case{"find -f -e -select @move@", "move"},
                        Case{"find -b -e -select @filter@", "fil\u00ADter"}}) {
    ASSERT_EQ(e.Execute(c.command), S_OK) << c.command;
    EXPECT_EQ(Eval(e, "$selection"), c.found) << c.command;
  }
}
