// The selection check in the loaded module against the stand-in editor:
// change tracking switched off for the check and on again however it ends.
#include <gtest/gtest.h>

#include "tests/cli/module_fixture.h"

namespace {
class SelectionModuleTest : public ModuleFixture {
 protected:
  void SetUp() override {
    Open("<topic><body><p id=\"p1\">Glorp the valve.</p><p id=\"p2\">Remove the valve.</p>"
         "</body></topic>",
         "valve.xml");
  }
  // An edit made while the host tracked changes.
  void TrackedChange() {
    doc_.State().trackedChange = doc_.ResolveElement("p1");
    doc_.State().options["changetracking"] = "on";
  }
  std::vector<std::string> Sent(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const editor::AclCall& c : doc_.Calls())
      if (c.kind == editor::AclCall::Executed && c.text.rfind(prefix, 0) == 0) out.push_back(c.text);
    return out;
  }
};

const std::vector<std::string> kOffThenOn = {"set changetracking=off", "set changetracking=on"};
}  // namespace

TEST_F(SelectionModuleTest, TrackingGoesBackOnAfterACheckWithFindings) {
  TrackedChange();
  ASSERT_TRUE(doc_.PlaceCaretIn("p1"));
  EXPECT_EQ(client_.Call("SelectElement", nullptr), S_OK);
  EXPECT_EQ(Sent("set changetracking"), kOffThenOn);
  EXPECT_EQ(doc_.Option("changetracking"), "on");
  auto lines = ui_.StatusLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "KESta Message:  Detected Track Changes ON.");
  EXPECT_EQ(lines.back(), "KESta Message:  Track Changes is set ON.");
  EXPECT_NE(doc_.SaveText().find("_touchup"), std::string::npos);
}

TEST_F(SelectionModuleTest, TrackingGoesBackOnAfterACleanCheck) {
  TrackedChange();
  ASSERT_TRUE(doc_.PlaceCaretIn("p2"));
  EXPECT_EQ(client_.Call("SelectElement", nullptr), S_OK);
  EXPECT_EQ(Sent("set changetracking"), kOffThenOn);
  auto lines = ui_.StatusLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Excellent: NO KESta Messages.                ");
  EXPECT_EQ(lines.back(), "KESta Message:  Track Changes is set ON.");
}

TEST_F(SelectionModuleTest, TrackingGoesBackOnWhenTheHostFails) {
  TrackedChange();
  ASSERT_TRUE(doc_.PlaceCaretIn("p1"));
  doc_.FailCallMatching("select_element");
  EXPECT_EQ(client_.Call("SelectElement", nullptr), S_FALSE);
  EXPECT_EQ(Sent("set changetracking"), kOffThenOn);
  auto boxes = ui_.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Error(67) ACL Error in top block.");
  EXPECT_EQ(boxes[0].caption, kAppTitle);
  EXPECT_EQ(doc_.SaveText().find("_touchup"), std::string::npos);
}

TEST_F(SelectionModuleTest, WithoutTrackedChangesTrackingIsLeftAlone) {
  ASSERT_TRUE(doc_.PlaceCaretIn("p1"));
  EXPECT_EQ(client_.Call("SelectElement", nullptr), S_OK);
  EXPECT_TRUE(Sent("set changetracking").empty());
  for (const std::string& line : ui_.StatusLines()) EXPECT_EQ(line.find("Track Changes"), std::string::npos);
}
