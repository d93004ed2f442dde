// Each command's boxes and results when the host fails at each stage of the
// connection (application, host object, ACL object) and at its first call.
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
  HRESULT result;
  const char* caption = nullptr;  // null: not checked
};

struct FrameRow {
  const char* name;
  std::function<HRESULT(RunKesta&)> call;
  StageBox stages[4];
};

void PrintTo(const FrameRow& row, std::ostream* os) { *os << row.name; }

const char* const k108 = "string 108";
const char* const kPos4 = "Failed in Document Mode - Position 4.";
const char* const kPos3 = "Failed in Document Mode - position 3.";
const char* const kPos2 = "Failed in Document Mode - position 2.";
const char* const kHelp = "Error(98) Problem in Find KESta class(";
const StageBox kSilentFalse = {nullptr, S_FALSE};
const StageBox kSilentOk = {nullptr, S_OK};
const StageBox k108False = {k108, S_FALSE, kAppTitle};
const StageBox k108Ok = {k108, S_OK};

#define CALL(method) [](RunKesta& o) { return o.method(); }
const FrameRow kRows[] = {
    {"FindKesta", CALL(FindKesta), {k108False, k108False, k108False, kSilentFalse}},
    {"FindNextKesta", CALL(FindNextKesta), {{kPos4, S_OK}, {kPos3, S_OK}, {kPos2, S_OK}, kSilentFalse}},
    {"TreeWalker", CALL(TreeWalker), {k108Ok, k108Ok, k108Ok, kSilentFalse}},
    {"RemoveAllMarkers", CALL(RemoveAllMarkers), {{kPos4, S_FALSE}, {kPos3, S_FALSE}, {kPos2, S_FALSE}, kSilentFalse}},
    {"RemoveMarks", CALL(RemoveMarks), {k108Ok, k108Ok, k108Ok, kSilentOk}},
    {"RemoveKestaMarkers", CALL(RemoveKestaMarkers), {k108False, k108False, k108False, k108False}},
    {"RemoveKestaPi", CALL(RemoveKestaPi), {k108Ok, k108Ok, k108Ok, kSilentFalse}},
    {"RemoveMessage", CALL(RemoveMessage), {k108False, k108False, k108False, kSilentFalse}},
    {"CloseKesta", CALL(CloseKesta),
     {{"Error(52) Blank File: CloseKesta", S_OK}, {"Error(52) Blank File: CloseKesta", S_OK},
      {"Error(51) CloseKesta", S_OK}, kSilentOk}},
    {"GetKestaHelp", CALL(GetKestaHelp), {{"4", S_FALSE}, {"3", S_FALSE}, {"2", S_FALSE}, {"1", S_FALSE}}},
    {"ChangeEditWinTitle", CALL(ChangeEditWinTitle),
     {k108False, k108False, k108False, {"Error(67) Can not set the File Name", S_FALSE}}},
    {"GetDocStart", CALL(GetDocStart), {k108False, k108False, k108False, kSilentFalse}},
    {"MarkingEngine", CALL(MarkingEngine), {k108False, k108False, k108False, k108False}},
    {"ProcessKesta", CALL(ProcessKesta),
     {k108False, k108False, k108False, {"Error(67) Open a file, then use KESta", S_FALSE}}},
    {"SelectElement", CALL(SelectElement),
     {k108False, k108False, k108False, {"Error(67) ACL Error in top block.", S_FALSE, kAppTitle}}},
    {"ShowMe", CALL(ShowMe),
     {{"Error(97) Report Problem in ShowMe class(3)", S_FALSE, "KESta Error"},
      {"Error(98) Report Problem in ShowMe class(2)", S_FALSE, "KESta Error"},
      {"Error(99) Report Problem in ShowMe class(1)", S_FALSE, "KESta Error"}, kSilentFalse}},
    {"ShowContext", CALL(ShowContext),
     {k108False, k108False, k108False, {"Error(67) Can not find the word position", S_FALSE, kAppTitle}}},
    {"DisplayCmenu", [](RunKesta& o) { return o.DisplayCmenu(0); },
     {kSilentFalse, kSilentFalse, kSilentFalse, kSilentFalse}},
    {"CallNextKesta", CALL(CallNextKesta), {kSilentOk, kSilentOk, kSilentOk, kSilentOk}},
    {"FullTags", CALL(FullTags), {k108Ok, k108Ok, kSilentOk, kSilentFalse}},
};
#undef CALL

class CommandFrames : public ::testing::TestWithParam<FrameRow> {
 protected:
  void SetUp() override {
    Bridge.Reset();
    Cursor.Reset();
    Check.Reset();
    Finding.Reset();
  }
};

TEST_P(CommandFrames, EachStageFailing) {
  const FrameRow& row = GetParam();
  for (int stage = 0; stage < 4; ++stage) {
    SCOPED_TRACE(stage);
    FakeHost host;
    ScriptedInteraction ui;
    if (stage == 0) host.FailStage(Stage::CreateApplication, E_FAIL);
    if (stage == 1) host.FailStage(Stage::GetHostObject, E_FAIL);
    if (stage == 2) host.FailStage(Stage::CreateAcl, E_FAIL);
    if (stage == 3) host.FailCall(1, E_FAIL, "refused");
    RunKesta* object = new RunKesta();
    const StageBox& want = row.stages[stage];
    EXPECT_EQ(row.call(*object), want.result);
    object->Release();
    auto boxes = ui.Boxes();
    ASSERT_EQ(boxes.size(), want.text ? 1u : 0u) << (boxes.empty() ? "" : boxes.front().text);
    if (want.text) {
      std::string text = want.text == k108 ? LoadStringResource(IDS_ACL_FAILED) : want.text;
      if (std::string(row.name) == "GetKestaHelp") text = kHelp + text + ")";
      EXPECT_EQ(boxes[0].text, text);
      if (want.caption) {
        EXPECT_EQ(boxes[0].caption, want.caption);
      }
      EXPECT_EQ(boxes[0].style & MB_ICONMASK, MB_ICONERROR);
    }
    // Nothing after the failing call (CloseKesta's nested removal fails on its own).
    const bool nested = std::string(row.name) == "CloseKesta";
    EXPECT_EQ(host.Calls().size(), stage < 3 ? 0u : nested ? 2u : 1u);
    Bridge.Reset();  // the stored host object
    EXPECT_EQ(host.LiveObjects(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandFrames, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindingFrame, ShowMeFailingAfterItsOptionsSaysItCannotSelect) {
  Bridge.Reset();
  ScriptedInteraction ui;
  FakeHost host;
  host.FailCall(8, E_FAIL, "refused");  // six options and the status line pass
  RunKesta* object = new RunKesta();
  EXPECT_EQ(object->ShowMe(), S_FALSE);
  object->Release();
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_EQ(ui.Boxes()[0].text, std::string("KESta can not select the text.\nReport file to ") + kSupportAddress);
  EXPECT_EQ(ui.Boxes()[0].caption, "Text Selection");

  // The menu line needs no host.
  host.FailStage(Stage::CreateApplication, E_FAIL);
  Finding.Reset();
  Finding.CurrentCategory = 3;
  Finding.CurrentMarkedWord = "are";
  object = new RunKesta();
  EXPECT_EQ(object->CLoadMenu(), S_OK);
  object->Release();
  EXPECT_EQ(Finding.ContextMenuText.str(), "are : AGREEMENT");
  EXPECT_EQ(ui.Boxes().size(), 1u);
  Bridge.Reset();
}
}  // namespace
