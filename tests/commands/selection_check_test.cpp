#include <gtest/gtest.h>

#include <algorithm>

#include "commands/check_state.h"
#include "commands/finding_work.h"
#include "engine/tag_tables.h"
#include "engine/word_rec.h"
#include "platform/scripted_interaction.h"
#include "tests/commands/element_host.h"

namespace {
using Strings = std::vector<std::string>;

const char* kTableQuestion = "response(\"Select ONE cell (at cursor) or ALL cells.\", '&ONE', '&ALL', '&Cancel')";

// A document of a section, a paragraph with an inline element, and a table
// cell; the engine's passes replaced by a record of the text they got.
struct SelectionDocument {
  ElementHost host;
  RecordedCalls self;
  int section = 0, para = 0, emph = 0, row = 0, cell = 0, tgroup = 0;
  std::vector<std::string> checked;  // the texts the passes ran on
  int findings = 0;
  SelectionPasses passes = [this] {
    checked.push_back(Check.elementText.str());
    return findings;
  };

  SelectionDocument() {
    Check.Reset();
    Cursor.Reset();
    host.Add("doc");
    section = host.Add("section", 0, "<section><para>Open the valve.</para></section>");
    para = host.Add("para", section, "<para>Turn the <emph>red</emph> knob slowly.</para>");
    emph = host.Add("emph", para, "<emph>red</emph>");
    tgroup = host.Add("tgroup", section, "<tgroup><row><entry>Remove the cap now please.</entry></row></tgroup>");
    row = host.Add("row", tgroup, "<row><entry>Cap</entry></row>");
    cell = host.Add("entry", row, "Cap");
    host.answers["mouse_at(0x001)"] = "text";
    host.answers["change_tracking_find(oid_first(),1,0x4)"] = "(-1,0,0)";
    host.answers["doc_path()"] = "/docs/a.xml";
    host.caret = para;
  }
  HRESULT Run() { return SelectElementWork(host, self, passes); }
  // The user's selection, as an element the host has selected.
  void Select(const std::string& text) {
    int i = host.Add("_sel", section, text);
    host.selected = i;
  }
  bool Sent(const std::string& command) const {
    Strings x = host.Executed();
    return std::find(x.begin(), x.end(), command) != x.end();
  }
};

Strings Tail(const Strings& all, std::size_t n) {
  return Strings(all.end() - static_cast<std::ptrdiff_t>(std::min(n, all.size())), all.end());
}
}  // namespace

TEST(SelectionCheck, ALongSelectionIsCheckedAsAParagraph) {
  SelectionDocument doc;
  doc.Select("Turn the red knob.");
  doc.findings = 2;
  EXPECT_EQ(doc.Run(), S_OK);
  ASSERT_EQ(doc.checked.size(), 1u);
  EXPECT_EQ(doc.checked[0], "<para>Turn the red knob.. @@END</para> @@END");
  EXPECT_EQ(Cursor.CurrentOid.str(), doc.host.Id(doc.para));
  Strings x = doc.host.Executed();
  EXPECT_EQ(Strings(x.begin(), x.begin() + 9),
            (Strings{"set pendingdelete=off", "set extendselect=off", "set caretcolor=red",
                     "set spellinteractive=on", "set tagscan=off", "td -partial _touchup", "set saverenames=off",
                     "mes \"KESta keys: F4-Check Element  F2-View  F6-Next KESta\"",
                     "clm; goto_oid('" + doc.host.Id(doc.para) + "');"}));
  EXPECT_EQ(x.back(), "goto_oid('" + doc.host.Id(doc.para) + "'); clm;");
  EXPECT_EQ(doc.self.made, Strings{"MarkingEngine"});
  EXPECT_EQ(Check.documentPath.str(), "/docs/a.xml");
}

TEST(SelectionCheck, OldMarkersAreRecognisedByTheirElementName) {
  {
    // The word "Kesta" in the writer's own text is no marker.
    SelectionDocument doc;
    doc.Select("The Kesta checker reads this.");
    doc.Run();
    EXPECT_TRUE(doc.self.made.empty());
  }
  {
    SelectionDocument doc;
    doc.Select("Do not <?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>utilize</_touchup> it.");
    doc.self.removeMarks = [&] {
      // The removal reads the element afresh, without its markers.
      Check.elementText = "<para>Do not utilize it.</para>. @@END";
      return S_OK;
    };
    doc.Run();
    EXPECT_EQ(doc.self.made, Strings{"RemoveMarks"});
    EXPECT_TRUE(doc.Sent("clm; goto_oid('" + doc.host.Id(doc.para) + "');"));
    ASSERT_EQ(doc.checked.size(), 1u);
    EXPECT_EQ(doc.checked[0], "<para>Do not utilize it.</para>. @@END");
  }
}

// A text the host cannot convert is not checked: the box of the document
// check says so.
TEST(SelectionCheck, ATextTheHostCannotConvertIsNotChecked) {
  SelectionDocument doc;
  ScriptedInteraction ui;
  doc.host.conversionFails = true;
  EXPECT_EQ(doc.Run(), S_FALSE);
  EXPECT_TRUE(doc.checked.empty());
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_EQ(ui.Boxes()[0].text, "KESta(46) Error: In File conversion");
}

// A text too long to check is reported in every mode (the paragraph
// wrapping of a selection must fit too); the longest text that fits still
// ends with its sentinel.
TEST(SelectionCheck, TextsTooLongToCheckAreReportedInEveryMode) {
  const std::string big(16000, 'a');
  const std::string fits = "<p>" + std::string(15999 - 7 - 3, 'a');
  for (int mode = 0; mode < 4; ++mode) {
    SCOPED_TRACE(mode);
    SelectionDocument doc;
    auto& para = doc.host.elements[static_cast<std::size_t>(doc.para)].selection;
    if (mode == 0) para = "<para>" + big + "</para>";
    if (mode == 1) doc.Select(std::string(15990, 'a'));
    if (mode == 2) {
      doc.host.answers["mouse_at(0x001)"] = "entry";
      doc.host.answers[kTableQuestion] = "2";
      doc.host.elements[static_cast<std::size_t>(doc.tgroup)].selection = "<tgroup>" + big + "</tgroup>";
      doc.host.selected = doc.tgroup;
    }
    if (mode == 3) para = fits;
    EXPECT_EQ(doc.Run(), S_OK);
    if (mode < 3) {
      EXPECT_TRUE(doc.checked.empty());
      EXPECT_EQ(doc.host.Statuses().back(), "KESta Message:  Text too long to check. Select a shorter part.");
    } else {
      ASSERT_EQ(doc.checked.size(), 1u);
      EXPECT_EQ(doc.checked[0].size(), 15999u);
      EXPECT_EQ(doc.checked[0].substr(doc.checked[0].size() - 7), ". @@END");
    }
  }
}

// The table question: ONE on a short cell checks its row, on a longer one the
// cell; ALL the table group; Cancel and a closed question check nothing, stale
// text least.
TEST(SelectionCheck, TableQuestion) {
  struct Case {
    const char* answer;
    const char* cellText;  // null: the cell's own "Cap"
    std::string checked;   // "" : nothing checked
  } cases[] = {
      {"1", nullptr, "<row><entry>Cap</entry></row> @@END"},
      {"1", "Remove the cap and the seal.", "<para>Remove the cap and the seal.. @@END</para> @@END"},
      {"2", nullptr, "<tgroup><row><entry>Remove the cap now please.</entry></row></tgroup>. @@END"},
      {"3", nullptr, ""},
      {"0", nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    SelectionDocument doc;
    doc.host.answers["mouse_at(0x001)"] = "tabl.entry";
    doc.host.answers[kTableQuestion] = c.answer;
    doc.host.caret = doc.cell;
    if (c.cellText) doc.host.elements[static_cast<std::size_t>(doc.cell)].selection = c.cellText;
    if (std::string(c.answer) == "2") doc.host.selected = doc.tgroup;  // what the backward find selects
    Check.elementText = "<para>stale text</para>. @@END";
    EXPECT_EQ(doc.Run(), S_OK);
    EXPECT_EQ(doc.checked, c.checked.empty() ? Strings{} : Strings{c.checked});
  }
}
TEST(SelectionCheck, AnEmptyWordListIsNotChecked) {
  SelectionDocument doc;
  doc.passes = [] { return -1; };
  EXPECT_EQ(doc.Run(), S_OK);
  EXPECT_TRUE(doc.self.made.empty());
  EXPECT_EQ(doc.host.Statuses().back(), "KESta Message:  Nothing checked. Put the caret in the text to check.");
}

// Change tracking goes back on however the check ends: findings, none,
// nothing checked, a host failure; without tracked changes nothing is switched.
TEST(SelectionCheck, ChangeTrackingGoesBackOnHoweverTheCheckEnds) {
  const Strings on = {"set changetracking=on", "mes \"KESta Message:  Track Changes is set ON.\""};
  for (int way = 0; way < 5; ++way) {
    SCOPED_TRACE(way);
    SelectionDocument doc;
    if (way < 4) doc.host.answers["change_tracking_find(oid_first(),1,0x4)"] = "(2,5,0)";
    doc.findings = way == 0 ? 1 : 0;
    if (way == 2) doc.host.answers["mouse_at(0x001)"] = "graphic";
    if (way == 3) doc.host.failPattern = "select_element";
    if (way == 3) {
      EXPECT_THROW(doc.Run(), _com_error);
    } else {
      doc.Run();
    }
    EXPECT_EQ(doc.Sent("set changetracking=off"), way < 4);
    EXPECT_EQ(Tail(doc.host.Executed(), 2) == on, way < 4);
    EXPECT_EQ(Check.trackChangesWasOn, 0);
    if (way == 0) { EXPECT_EQ(doc.host.Statuses()[0], "KESta Message:  Detected Track Changes ON."); }
  }
}

// Whether a data module holds the text tells the engine which use of a
// name two document types share it reads: a data module's "action" holds
// sentences. The module may be the root or stand inside another document.
TEST(SelectionCheck, AnEnclosingDataModuleTellsTheKindOfDocument) {
  const struct {
    const char* root;
    const char* section;  // the element between the root and the paragraph
    bool dataModule;
  } cases[] = {
      {"dmodule", "section", true}, {"pm", "dmodule", true}, {"book", "section", false}, {"", "section", false},
      {"pm", "dmoduleRef", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.root) + "/" + c.section);
    SelectionDocument doc;
    doc.host.elements[0].name = c.root;
    doc.host.elements[static_cast<std::size_t>(doc.section)].name = c.section;
    bool dataModule = !c.dataModule;
    doc.passes = [&] {
      dataModule = DocumentKind.dataModule;
      return 0;
    };
    DocumentKind.dataModule = !c.dataModule;  // what an earlier check left
    doc.Select("Turn the red knob.");
    EXPECT_EQ(doc.Run(), S_OK);
    EXPECT_EQ(dataModule, c.dataModule);
  }
  DocumentKind.Reset();
}
