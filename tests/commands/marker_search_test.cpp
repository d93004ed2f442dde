#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "engine/word_rec.h"
#include "element_host.h"
#include "platform/scripted_interaction.h"

namespace {

using Strings = std::vector<std::string>;

class SearchTest : public ElementHostTest {};

TEST_F(SearchTest, FindKestaWithoutMarkers) {
  int root = host.Add("doc");
  int a = host.Add("para", root);
  host.Add("para", root);
  EXPECT_EQ(FindKestaWork(host), S_FALSE);
  EXPECT_EQ(host.Executed(),
            (Strings{"mes \"KESta Search complete. No KESta Messages.\"",
                     "goto_oid('" + host.Id(a) + "')", "mes \"NO KESta Messages to remove.\""}));
}

TEST_F(SearchTest, FindKestaFindsAMarkerThatIsTheLastElement) {
  int root = host.Add("_touchup");  // the root's own name is never compared
  host.Add("para", root);
  host.Add("_touchup", root);
  EXPECT_EQ(FindKestaWork(host), S_OK);
  EXPECT_TRUE(host.Statuses().empty());
}

TEST_F(SearchTest, FindKestaOnARootWithOneElement) {
  int root = host.Add("doc");
  host.Add("para", root);
  EXPECT_EQ(FindKestaWork(host), S_FALSE);
  EXPECT_EQ(host.Executed()[1], "goto_oid('" + host.Id(root) + "')");
}

TEST_F(SearchTest, FindKestaStopsAtAnInvalidId) {
  int root = host.Add("doc");
  int a = host.Add("para", root);
  host.Add("para", root);
  host.answers["oid_valid('" + host.Id(a) + "')"] = "0";
  EXPECT_EQ(FindKestaWork(host), S_FALSE);
  EXPECT_EQ(host.Executed(), (Strings{"mes \"NO KESta Messages to remove.\""}));
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
