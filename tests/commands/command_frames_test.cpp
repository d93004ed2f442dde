// Each command's boxes and results when the host fails at each stage of the
// connection, and in its work.
#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/run_kesta.h"
#include "engine/word_rec.h"
#include "host/host_state.h"
#include "platform/scripted_interaction.h"
#include "resources/string_table.h"
#include "tests/support/fake_host.h"

namespace {
using Stage = FakeHost::Stage;
using Method = HRESULT (IRunKesta::*)();

struct StageExpectation {
  const char* box;  // null: no box
  HRESULT result;
};

struct FrameRow {
  const char* name;
  Method method;
  StageExpectation application, hostObject, acl, work;
};

void PrintTo(const FrameRow& row, std::ostream* os) { *os << row.name; }

const char* const k108 = "string 108";
const char* const kPos4 = "Failed in Document Mode - Position 4.";
const char* const kPos3 = "Failed in Document Mode - position 3.";
const char* const kPos2 = "Failed in Document Mode - position 2.";

const FrameRow kRows[] = {
    {"FindKesta", &IRunKesta::FindKesta, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE}, {nullptr, S_FALSE}},
    {"FindNextKesta", &IRunKesta::FindNextKesta, {kPos4, S_OK}, {kPos3, S_OK}, {kPos2, S_OK}, {nullptr, S_FALSE}},
    {"TreeWalker", &IRunKesta::TreeWalker, {k108, S_OK}, {k108, S_OK}, {k108, S_OK}, {nullptr, S_FALSE}},
    {"RemoveAllMarkers", &IRunKesta::RemoveAllMarkers, {kPos4, S_FALSE}, {kPos3, S_FALSE}, {kPos2, S_FALSE}, {nullptr, S_FALSE}},
    {"RemoveMarks", &IRunKesta::RemoveMarks, {k108, S_OK}, {k108, S_OK}, {k108, S_OK}, {nullptr, S_OK}},
    {"RemoveKestaMarkers", &IRunKesta::RemoveKestaMarkers, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE}},
    {"RemoveKestaPi", &IRunKesta::RemoveKestaPi, {k108, S_OK}, {k108, S_OK}, {k108, S_OK}, {nullptr, S_FALSE}},
    {"RemoveMessage", &IRunKesta::RemoveMessage, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE}, {nullptr, S_FALSE}},
    {"CloseKesta", &IRunKesta::CloseKesta, {"Error(52) Blank File: CloseKesta", S_OK},
     {"Error(52) Blank File: CloseKesta", S_OK}, {"Error(51) CloseKesta", S_OK}, {nullptr, S_OK}},
    {"GetKestaHelp", &IRunKesta::GetKestaHelp, {"Error(98) Problem in Find KESta class(4)", S_FALSE},
     {"Error(98) Problem in Find KESta class(3)", S_FALSE}, {"Error(98) Problem in Find KESta class(2)", S_FALSE},
     {"Error(98) Problem in Find KESta class(1)", S_FALSE}},
    {"ChangeEditWinTitle", &IRunKesta::ChangeEditWinTitle, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE},
     {"Error(67) Can not set the File Name", S_FALSE}},
    {"GetDocStart", &IRunKesta::GetDocStart, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE}, {nullptr, S_FALSE}},
    {"MarkingEngine", &IRunKesta::MarkingEngine, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE}},
    {"ProcessKesta", &IRunKesta::ProcessKesta, {k108, S_FALSE}, {k108, S_FALSE}, {k108, S_FALSE},
     {"Error(67) Open a file, then use KESta", S_FALSE}},
};

std::string Expected(const char* box) {
  if (box == k108) return LoadStringResource(IDS_ACL_FAILED);
  return box;
}

class CommandFrames : public ::testing::TestWithParam<FrameRow> {
 protected:
  void SetUp() override {
    Bridge.Reset();
    Cursor.Reset();
    Check.Reset();
  }
  void TearDown() override {
    object_->Release();
    Bridge.Reset();
  }
  void Expect(const StageExpectation& want, HRESULT got) {
    EXPECT_EQ(got, want.result);
    auto boxes = ui_.Boxes();
    if (!want.box) {
      EXPECT_TRUE(boxes.empty()) << boxes.front().text;
      return;
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, Expected(want.box));
    EXPECT_EQ(boxes[0].style & MB_ICONMASK, MB_ICONERROR);
  }
  HRESULT Call() { return (static_cast<IRunKesta*>(object_)->*GetParam().method)(); }

  RunKesta* object_ = new RunKesta();
  ScriptedInteraction ui_;
};

TEST_P(CommandFrames, ApplicationObject) {
  FakeHost host;
  host.FailStage(Stage::CreateApplication, E_FAIL);
  Expect(GetParam().application, Call());
  EXPECT_TRUE(host.Calls().empty());
}

TEST_P(CommandFrames, HostObject) {
  FakeHost host;
  host.FailStage(Stage::GetHostObject, E_FAIL);
  Expect(GetParam().hostObject, Call());
  EXPECT_TRUE(host.Calls().empty());
}

TEST_P(CommandFrames, AclObject) {
  FakeHost host;
  host.FailStage(Stage::CreateAcl, E_FAIL);
  Expect(GetParam().acl, Call());
  EXPECT_TRUE(host.Calls().empty());
}

TEST_P(CommandFrames, FirstHostCall) {
  FakeHost host;
  host.FailCall(1, E_FAIL, "refused");
  Expect(GetParam().work, Call());
  Bridge.Reset();  // the stored host object
  EXPECT_EQ(host.LiveObjects(), 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandFrames, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
