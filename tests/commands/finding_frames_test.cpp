// The boxes and results of the selection check, showing a finding, its menu
// and the next-finding command when the host fails at each stage.
#include <gtest/gtest.h>

#include <functional>

#include "commands/check_state.h"
#include "commands/finding_state.h"
#include "commands/run_kesta.h"
#include "engine/word_rec.h"
#include "host/host_state.h"
#include "platform/scripted_interaction.h"
#include "resources/string_table.h"
#include "tests/support/fake_host.h"

namespace {
using Stage = FakeHost::Stage;

struct StageBox {
  const char* text;     // null: no box
  const char* caption;  // null: the application title
  HRESULT result;
};

struct FindingFrameRow {
  const char* name;
  std::function<HRESULT(RunKesta&)> call;
  StageBox application, hostObject, acl, work;
};

void PrintTo(const FindingFrameRow& row, std::ostream* os) { *os << row.name; }

const char* const k108 = "string 108";
const StageBox kSilentFalse = {nullptr, nullptr, S_FALSE};
const StageBox kSilentOk = {nullptr, nullptr, S_OK};
const StageBox kAclFailed = {k108, nullptr, S_FALSE};

const FindingFrameRow kRows[] = {
    {"SelectElement", [](RunKesta& o) { return o.SelectElement(); }, kAclFailed, kAclFailed, kAclFailed,
     {"Error(67) ACL Error in top block.", nullptr, S_FALSE}},
    {"ShowMe", [](RunKesta& o) { return o.ShowMe(); },
     {"Error(97) Report Problem in ShowMe class(3)", "KESta Error", S_FALSE},
     {"Error(98) Report Problem in ShowMe class(2)", "KESta Error", S_FALSE},
     {"Error(99) Report Problem in ShowMe class(1)", "KESta Error", S_FALSE}, kSilentFalse},
    {"ShowContext", [](RunKesta& o) { return o.ShowContext(); }, kAclFailed, kAclFailed, kAclFailed,
     {"Error(67) Can not find the word position", nullptr, S_FALSE}},
    {"DisplayCmenu", [](RunKesta& o) { return o.DisplayCmenu(0); }, kSilentFalse, kSilentFalse, kSilentFalse,
     kSilentFalse},
    {"CallNextKesta", [](RunKesta& o) { return o.CallNextKesta(); }, kSilentOk, kSilentOk, kSilentOk, kSilentOk},
};

class FindingFrames : public ::testing::TestWithParam<FindingFrameRow> {
 protected:
  void SetUp() override {
    Bridge.Reset();
    Cursor.Reset();
    Check.Reset();
    Finding.Reset();
  }
  void TearDown() override {
    object_->Release();
    Bridge.Reset();
  }
  void Expect(const StageBox& want, HRESULT got) {
    EXPECT_EQ(got, want.result);
    auto boxes = ui_.Boxes();
    if (!want.text) {
      EXPECT_TRUE(boxes.empty()) << boxes.front().text;
      return;
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, want.text == k108 ? LoadStringResource(IDS_ACL_FAILED) : want.text);
    EXPECT_EQ(boxes[0].caption, want.caption ? want.caption : kAppTitle);
    EXPECT_EQ(boxes[0].style & MB_ICONMASK, MB_ICONERROR);
  }
  HRESULT Call() { return GetParam().call(*object_); }

  RunKesta* object_ = new RunKesta();
  ScriptedInteraction ui_;
};

TEST_P(FindingFrames, ApplicationObject) {
  FakeHost host;
  host.FailStage(Stage::CreateApplication, E_FAIL);
  Expect(GetParam().application, Call());
  EXPECT_TRUE(host.Calls().empty());
}

TEST_P(FindingFrames, HostObject) {
  FakeHost host;
  host.FailStage(Stage::GetHostObject, E_FAIL);
  Expect(GetParam().hostObject, Call());
  EXPECT_TRUE(host.Calls().empty());
}

TEST_P(FindingFrames, AclObject) {
  FakeHost host;
  host.FailStage(Stage::CreateAcl, E_FAIL);
  Expect(GetParam().acl, Call());
  EXPECT_TRUE(host.Calls().empty());
}

TEST_P(FindingFrames, FirstHostCall) {
  FakeHost host;
  host.FailCall(1, E_FAIL, "refused");
  Expect(GetParam().work, Call());
  EXPECT_EQ(host.Calls().size(), 1u);  // nothing after the failing call
  Bridge.Reset();
  EXPECT_EQ(host.LiveObjects(), 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, FindingFrames, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindingFrame, ShowMeFailingAfterItsOptionsSaysItCannotSelect) {
  Bridge.Reset();
  ScriptedInteraction ui;
  FakeHost host;
  host.FailCall(8, E_FAIL, "refused");  // six options and the status line pass
  RunKesta* object = new RunKesta();
  EXPECT_EQ(object->ShowMe(), S_FALSE);
  object->Release();
  auto boxes = ui.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, std::string("KESta can not select the text.\nReport file to ") + kSupportAddress);
  EXPECT_EQ(boxes[0].caption, "Text Selection");
  Bridge.Reset();
}

TEST(FindingFrame, TheMenuLineNeedsNoHost) {
  ScriptedInteraction ui;
  FakeHost host;
  host.FailStage(Stage::CreateApplication, E_FAIL);
  Finding.Reset();
  Finding.CurrentCategory = 3;
  Finding.CurrentMarkedWord = "are";
  RunKesta* object = new RunKesta();
  EXPECT_EQ(object->CLoadMenu(), S_OK);
  object->Release();
  EXPECT_EQ(Finding.ContextMenuText.str(), "are : AGREEMENT");
  EXPECT_TRUE(host.Calls().empty());
  EXPECT_TRUE(ui.Boxes().empty());
}
}  // namespace
