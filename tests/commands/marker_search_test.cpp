#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "engine/word_rec.h"
#include "element_host.h"
#include "platform/scripted_interaction.h"

namespace {

using Strings = std::vector<std::string>;

class SearchTest : public ElementHostTest {};

// FindKesta over documents of a root and its children: a marker that is the
// last element is found (the root's own name is never compared); a root with
// one element, and an invalid id, end the search.
TEST_F(SearchTest, FindKesta) {
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

TEST_F(SearchTest, FindNextKestaReportsNothingFound) {
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

TEST_F(SearchTest, TreeWalkerStopsAfter1602Steps) {
  int root = host.Add("doc");
  for (int i = 0; i < 2000; ++i) host.Add("para", root);
  EXPECT_EQ(TreeWalkerWork(host), S_OK);
  int forward = 0;
  for (const std::string& e : host.Evaluated()) forward += e.rfind("oid_forward", 0) == 0;
  EXPECT_EQ(forward, 1602);
  EXPECT_TRUE(host.Executed().empty());
}

TEST_F(SearchTest, TreeWalkerStopsAtALongMarkerValue) {
  int root = host.Add("doc");
  host.Add("para", root);
  int m = host.Add("_touchup", root);
  host.elements[static_cast<std::size_t>(m)].kesta = "0103use";
  for (int i = 0; i < 10; ++i) host.Add("para", root);
  EXPECT_EQ(TreeWalkerWork(host), S_OK);
  EXPECT_EQ(host.Evaluated().back(), "oid_attr('" + host.Id(m) + "',\"Kesta\");");
}

TEST_F(SearchTest, TreeWalkerEndsBeforeTheLastElement) {
  int root = host.Add("doc");
  host.Add("para", root);
  int before = host.Add("para", root);
  host.Add("para", root);
  EXPECT_EQ(TreeWalkerWork(host), S_OK);
  EXPECT_EQ(host.Evaluated().back(), "oid_forward('" + host.Id(before - 1) + "')");
}

}  // namespace
