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

TEST_F(Find, ForwardFromTheCaretWithoutRegardToCase) {
  EXPECT_EQ(Found("find -f -select @valve@"), "valve");
  EXPECT_EQ(Found("find -f -select @valve@"), "VALVE");  // from the end of the last match on
  EXPECT_EQ(Found("find -f -select @valve@"), "valve");
  EXPECT_EQ(Found("find -f -q -select @valve@"), "");  // nothing more: the call fails
}

TEST_F(Find, CaseOnMatchesTheCaseAsWritten) {
  Exec(e, "set case=on");
  EXPECT_EQ(Found("find -f -select @VALVE@"), "VALVE");
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(Found("find -f -q -select @Valve@"), "");
}

TEST_F(Find, DotsMatchAnyOneCharacterWithE) {
  EXPECT_EQ(Found("find -f -e -select @o.en@"), "open");
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(Found("find -f -q -select @o.en@"), "");  // without -e a '.' is a '.'
  EXPECT_EQ(Found("find -f -select @open.@"), "open.");
}

TEST_F(Find, ARunOfWhiteSpaceMatchesOneBlankOrOneDot) {
  EXPECT_EQ(Found("find -f -e -select @open..Close.the@"), "open.   Close\n  the");
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(Found("find -f -select @Close the@"), "Close\n  the");
}

TEST_F(Find, AMatchNeverHoldsATag) {
  EXPECT_EQ(Found("find -f -q -select @open it@"), "");
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(Found("find -f -q -select @open. close@"), "open.   Close");  // in one element it may
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(Found("find -f -q -e -select @now..Do@"), "");
}

TEST_F(Find, BackwardFindsTheNearestMatchEndingBeforeTheCaret) {
  Exec(e, "set case=on; find -f -select @tap; the@");
  Exec(e, "clear_mark all");
  EXPECT_EQ(Found("find -b -q -e -select @the@"), "the");  // the one just found, not an earlier one
  Exec(e, "clear_mark all; find -f -select @valve@");
  EXPECT_EQ(Found("find -b -q -e -select @T..@"), "The");
  Exec(e, "insert_string -pendingdelete @THE@");
  EXPECT_NE(Body(e).find("it. THE tap;"), std::string::npos) << Body(e);
}

TEST_F(Find, SelectPutsTheCaretAtTheEndAndNoselectOnlyMovesIt) {
  Exec(e, "find -f -select @valve@");
  Exec(e, "insert_string -pendingdelete @tap@");
  EXPECT_NE(Body(e).find("The tap is"), std::string::npos);
  Exec(e, "clm; find -f -noselect @is@");
  EXPECT_FALSE(e.HasSelection());
  Exec(e, "insert_string @n't@");
  EXPECT_NE(Body(e).find("The tap isn't open"), std::string::npos) << Body(e);
}

TEST_F(Find, QuietOnlySilencesTheEditor) {
  EXPECT_EQ(e.Execute("find -f -select @pump@"), E_FAIL);
  EXPECT_EQ(ui.StatusLines(), std::vector<std::string>{"Not found: pump"});
  EXPECT_EQ(e.Execute("find -f -q -select @pump@"), E_FAIL);
  EXPECT_EQ(ui.StatusLines().size(), 1u);
  EXPECT_EQ(e.Execute("find -f -q -select @@"), E_FAIL);
}

TEST_F(Find, WrapscanGoesRoundTheDocument) {
  Exec(e, "find -f -select @tap@");
  EXPECT_EQ(Found("find -f -q -select @valve is@"), "");
  Exec(e, "set wrapscan=on");
  EXPECT_EQ(Found("find -f -q -select @valve is@"), "valve is");
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(Found("find -b -q -select @the tap@"), "The tap");
}

TEST_F(Find, WordscanMatchesWholeWordsOnly) {
  Exec(e, "set wordscan=on");
  EXPECT_EQ(Found("find -f -select @the@"), "The");
  EXPECT_EQ(Found("find -f -select @the@"), "the");
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(Found("find -f -q -select @alv@"), "");
  Exec(e, "set wordscan=off; goto_oid(oid_first())");
  EXPECT_EQ(Found("find -f -q -select @alv@"), "alv");
}

TEST_F(Find, TagscanSearchesStartMarkupToo) {
  EXPECT_EQ(Found("find -f -q -select @cols@"), "");
  Exec(e, "set tagscan=on");
  EXPECT_EQ(Found("find -f -q -select @cols@").substr(0, 17), "<tgroup cols=\"2\">");
}

TEST_F(Find, TagSearchSelectsTheElement) {
  Exec(e, "goto_oid(oid_last())");  // the last entry
  Exec(e, "find -b -t -m -select /<tgroup>/;");
  EXPECT_EQ(Eval(e, "$selection"),
            "<tgroup cols=\"2\"><row><entry>a</entry><entry>b</entry></row></tgroup>");
  EXPECT_EQ(Eval(e, "oid_name(oid_caret())"), "tgroup");
  Exec(e, "goto_oid(oid_first())");
  EXPECT_EQ(e.Execute("find -b -t -m -select /<tgroup>/;"), E_FAIL);  // nothing before the caret
  Exec(e, "find -f -m -t -select /<p/; clm;");
  EXPECT_EQ(Eval(e, "oid_name(oid_caret())"), "p");
  EXPECT_FALSE(e.HasSelection());
}

TEST_F(Find, TheMarkingEnginesSearchForms) {
  Exec(e, "set case=on; clm; find -f -e -q -select @the.VALVE@");
  EXPECT_EQ(Eval(e, "$selection"), "the VALVE");
  // A search of the long-sentence form: forward, then back to the "The".
  Exec(e, "goto_oid(oid_first())");
  Exec(e, "find -f -q -select @valve@;");
  Exec(e, "find -b -e -q -select @T..@; clm;");
  EXPECT_FALSE(e.HasSelection());
  Exec(e, "clear_mark all; find -f -q -select @tap@; clm; car edit 0,-0; dc;");
  EXPECT_NE(Body(e).find("The ta; the"), std::string::npos) << Body(e);
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
