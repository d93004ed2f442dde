// The marker search and removal commands against the element host.
#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/findings_view.h"
#include "findings_fixture.h"
#include "engine/word_rec.h"
#include "element_host.h"
#include "platform/scripted_interaction.h"

namespace {

using Strings = std::vector<std::string>;

class RemovalTest : public ElementHostTest {};

TEST_F(RemovalTest, RemoveAllMarkersWithoutMarkers) {
  int root = host.Add("doc");
  host.Add("para", root);
  host.caret = 1;
  EXPECT_EQ(RemoveAllMarkersWork(host), S_OK);
  EXPECT_EQ(host.Statuses(),
            (Strings{"KESta did not find any old messages.", "There are no KESta messages."}));
  EXPECT_EQ(host.caret, 0);
}

TEST_F(RemovalTest, RemoveAllMarkersRemovesEachInOrder) {
  int root = host.Add("doc");
  int p = host.Add("para", root);
  int m1 = host.Add("_touchup", p);
  int m2 = host.Add("_touchup", p);
  int q = host.Add("para", root);
  int m3 = host.Add("_touchup", q);
  host.caret = q;
  EXPECT_EQ(RemoveAllMarkersWork(host), S_OK);
  Strings executed = host.Executed();
  Strings expected = {"set extendselection=off", "set tagscan=off", "set pendingdelete=on",
                      "set wrapscan=off", "set messagelocation=statusbar",
                      "goto_oid('" + host.Id(root) + "');",
                      "mes \"KESta will delete 3 old messages.\"",
                      "goto_oid('" + host.Id(root) + "');"};
  for (int m : {m1, m2, m3}) {
    expected.push_back("goto_oid('" + host.Id(m) + "');");
    expected.push_back("oid_select('" + host.Id(m) + "',0,0,1);");
    expected.push_back("dt;");
  }
  // The line claims no save: the command saves nothing.
  expected.push_back("mes \"KESta removed 3 old messages.\"");
  expected.push_back("scroll_to_oid('" + host.Id(q) + "',1,-1)");
  EXPECT_EQ(executed, expected);
  for (int m : {m1, m2, m3}) EXPECT_TRUE(host.elements[static_cast<std::size_t>(m)].removed);
}

TEST_F(RemovalTest, RemoveMarksTakesOnlyTheMarkersOfTheElement) {
  int root = host.Add("doc");
  int p = host.Add("para", root);
  int inner = host.Add("emph", p);
  int m1 = host.Add("_touchup", inner);
  int m2 = host.Add("_touchup", p);
  int other = host.Add("para", root);
  int m3 = host.Add("_touchup", other);
  host.elements[static_cast<std::size_t>(p)].selection = "<para>Text</para>";
  Cursor.CurrentOid = host.Id(p);
  // Text that names "Kesta" without being a marker does not count.
  Check.elementText = "Kesta Kesta Kesta";
  EXPECT_EQ(RemoveMarksWork(host), S_OK);
  EXPECT_TRUE(host.elements[static_cast<std::size_t>(m1)].removed);
  EXPECT_TRUE(host.elements[static_cast<std::size_t>(m2)].removed);
  EXPECT_FALSE(host.elements[static_cast<std::size_t>(m3)].removed);
  EXPECT_FALSE(host.elements[static_cast<std::size_t>(inner)].removed);
  EXPECT_EQ(Check.elementText, "<para>Text</para>. @@END");
  EXPECT_EQ(Cursor.WalkOid, host.Id(p));
  // Without markers only its goto goes out and the text stays.
  const int bare = host.Add("para", root);
  host.calls.clear();
  Cursor.CurrentOid = host.Id(bare);
  EXPECT_EQ(RemoveMarksWork(host), S_OK);
  EXPECT_EQ(host.Executed(), (Strings{"goto_oid('" + host.Id(bare) + "')"}));
  EXPECT_EQ(Check.elementText, "<para>Text</para>. @@END");
  // A reading again that the host cannot convert leaves no text to check.
  const int unread = host.Add("para", root);
  host.Add("_touchup", unread);
  Cursor.CurrentOid = host.Id(unread);
  host.conversionFails = true;
  EXPECT_EQ(RemoveMarksWork(host), KESTA_E_BODY_UNREAD);
  EXPECT_TRUE(Check.elementText.empty());
}

TEST_F(RemovalTest, RemoveKestaMarkersClimbsFromAMarker) {
  int root = host.Add("doc");
  int p = host.Add("para", root, "<para>A long enough paragraph text here</para>");
  int m = host.Add("_touchup", p, "<?Pub _touchup Kesta=\"0103\"?>x</_touchup>");
  host.caret = m;
  host.answers["mouse_at(0,0x001)"] = "text";
  int removeMarks = 0;
  self.removeMarks = [&] {
    ++removeMarks;
    return S_OK;
  };
  // After the climb the caret is on the parent.
  EXPECT_EQ(RemoveKestaMarkersWork(host, self), S_OK);
  EXPECT_EQ(Cursor.CurrentOid, host.Id(p));
  EXPECT_EQ(removeMarks, 0);  // the parent's text holds no "_touchup"
}

// With the mouse on a table, a short cell gives way to its row, whose
// markers are removed; the text read ends in " @@END".
TEST_F(RemovalTest, RemoveKestaMarkersInATable) {
  const std::string rowText =
      "<row><entry>Open the <?Pub _touchup Kesta=\"2500NONE\" HighltBckclr=\"FFFF66\"?>valve"
      "</_touchup></entry></row>";
  int root = host.Add("doc");
  int row = host.Add("row", root, rowText);
  int cell = host.Add("entry", row, "<entry>x</entry>");
  host.caret = cell;
  host.answers["mouse_at(0,0x001)"] = "row";
  int removeMarks = 0;
  self.removeMarks = [&] {
    ++removeMarks;
    return S_OK;
  };
  EXPECT_EQ(RemoveKestaMarkersWork(host, self), S_OK);
  EXPECT_EQ(removeMarks, 1);
  EXPECT_EQ(Cursor.CurrentOid, host.Id(row));
  EXPECT_EQ(Check.elementText, rowText + " @@END");
  const std::string id = host.Id(row);
  const Strings executed = host.Executed();
  ASSERT_GE(executed.size(), 5u);
  EXPECT_EQ(Strings(executed.end() - 5, executed.end()),
            (Strings{"goto_oid('" + id + "')", "oid_select('" + id + "',0,0,1); clm;",
                     "select_element('" + id + "')", "goto_oid('" + id + "')",
                     "goto_oid('" + id + "'); clm;"}));

  // A cell long enough and without markers is read where it is.
  host.calls.clear();
  removeMarks = 0;
  int longCell = host.Add("entry", row, "<entry>Turn the valve clockwise</entry>");
  host.caret = longCell;
  host.answers["mouse_at(0,0x001)"] = "tabl.entry";
  EXPECT_EQ(RemoveKestaMarkersWork(host, self), S_OK);
  EXPECT_EQ(removeMarks, 0);
  EXPECT_EQ(Cursor.CurrentOid, host.Id(longCell));
  EXPECT_EQ(Check.elementText, "<entry>Turn the valve clockwise</entry> @@END");
}

// The stamp search looks at 51 elements, and a host whose last id lies
// beyond the walk ends it at the null id.
TEST_F(RemovalTest, RemoveKestaPiWalkLimits) {
  int root = host.Add("doc");
  for (int i = 0; i < 51; ++i) host.Add("para", root);
  int stamp = host.Add("_pi", root, "<?KESSTA late?>");
  host.Add("para", root);
  EXPECT_EQ(RemoveKestaPiWork(host), S_OK);
  EXPECT_FALSE(host.elements[static_cast<std::size_t>(stamp)].removed);

  ElementHost shortDoc;
  root = shortDoc.Add("doc");
  for (int i = 0; i < 3; ++i) shortDoc.Add("para", root);
  shortDoc.answers["oid_last()"] = "(9,9,9)";
  EXPECT_EQ(RemoveKestaPiWork(shortDoc), S_OK);
  int forward = 0;
  for (const std::string& e : shortDoc.Evaluated()) forward += e.rfind("oid_forward", 0) == 0;
  EXPECT_EQ(forward, 4);
}

TEST_F(RemovalTest, CloseKestaForgetsTheLastCheckFirst) {
  char token[84] = "word";
  AddWordRec(token, 0, 0, 0, nullptr);
  AddFinding(MarkInput{});
  CloseKestaForget();
  EXPECT_EQ(WordList.head, nullptr);
  EXPECT_EQ(FindingCount(), 0u);
  EXPECT_EQ(CloseKestaWork(host, self), S_OK);
  EXPECT_EQ(self.made, (Strings{"RemoveAllMarkers"}));
  EXPECT_EQ(host.Statuses(), (Strings{"KESta removed messages. Document not saved."}));
}

// FindKesta over documents of a root and its children: a marker that is the
// last element is found (the root's own name is never compared); a root with
// one element, and an invalid id, end the search.
TEST_F(RemovalTest, FindKesta) {
  const struct {
    Strings names;
    bool invalidFirst;
    HRESULT result;
    Strings executed;  // "#N" stands for the id of element N
  } rows[] = {
      {{"doc", "para", "para"}, false, S_FALSE,
       {"mes \"KESta Search complete. No KESta Messages.\"", "goto_oid('#1')", "mes \"NO KESta Messages to remove.\""}},
      {{"_touchup", "para", "_touchup"}, false, S_OK, {}},
      {{"doc", "para"}, false, S_FALSE,
       {"mes \"KESta Search complete. No KESta Messages.\"", "goto_oid('#0')", "mes \"NO KESta Messages to remove.\""}},
      {{"doc", "para", "para"}, true, S_FALSE, {"mes \"NO KESta Messages to remove.\""}},
  };
  for (const auto& row : rows) {
    ElementHost doc;
    for (std::size_t i = 0; i < row.names.size(); ++i) doc.Add(row.names[i], i ? 0 : -1);
    if (row.invalidFirst) doc.answers["oid_valid('" + doc.Id(1) + "')"] = "0";
    EXPECT_EQ(FindKestaWork(doc), row.result);
    Strings expected = row.executed;
    for (std::string& c : expected)
      if (auto at = c.find('#'); at != std::string::npos) c = c.substr(0, at) + doc.Id(c[at + 1] - '0') + "')";
    EXPECT_EQ(doc.Executed(), expected);
  }
}

TEST_F(RemovalTest, FindNextKestaReportsNothingFound) {
  host.Add("doc");
  host.answers["oid_current_tag(0)"] = "(1,77,0)";
  self.results["FindKesta"] = S_FALSE;
  EXPECT_EQ(FindNextKestaWork(host, self), S_OK);
  EXPECT_EQ(Cursor.CurrentOid, "(1,77,0)");
  EXPECT_EQ(host.Statuses(), (Strings{"KESta Search complete. Next Messages not found."}));
  self.results["FindKesta"] = S_OK;
  host.calls.clear();
  EXPECT_EQ(FindNextKestaWork(host, self), S_OK);
  EXPECT_TRUE(host.Statuses().empty());
}

// The walk stops after 1602 steps, at a marker with a long enough value, and
// before the last element.
TEST_F(RemovalTest, TreeWalkerStops) {
  for (int paras : {2000, 11, 3}) {
    ElementHost doc;
    int root = doc.Add("doc");
    int marker = -1;
    for (int i = 0; i < paras; ++i) {
      if (paras == 11 && i == 1) {
        marker = doc.Add("_touchup", root);
        doc.elements[static_cast<std::size_t>(marker)].kesta = "0103use";
      }
      doc.Add("para", root);
    }
    EXPECT_EQ(TreeWalkerWork(doc), S_OK);
    int forward = 0;
    for (const std::string& e : doc.Evaluated()) forward += e.rfind("oid_forward", 0) == 0;
    if (paras == 2000) { EXPECT_EQ(forward, 1602); }
    if (paras == 11) { EXPECT_EQ(doc.Evaluated().back(), "oid_attr('" + doc.Id(marker) + "',\"Kesta\");"); }
    if (paras == 3) { EXPECT_EQ(doc.Evaluated().back(), "oid_forward('" + doc.Id(1) + "')"); }
    EXPECT_TRUE(doc.Executed().empty());
  }
}

}  // namespace
